#pragma once
// ConsolidationExplanationDialog: the assumptions of consolidation Options 1 and 2, with
// the photographs of each option and the extreme case of Option 1.

#include "app/dialogs/common/information_page.h"

namespace vendrix {

class ConsolidationExplanationDialog : public InformationPage
{
    Q_OBJECT

public:
    ConsolidationExplanationDialog(ProjectRecord &record, const UiServices &services,
                                   QWidget *parent = nullptr);
};

} // namespace vendrix
