#pragma once
// ExtremeCaseDialog: the extreme case of consolidation Option 1, where the settled top would be
// concave.

#include "app/dialogs/common/information_page.h"

namespace vendrix {

class ExtremeCaseDialog : public InformationPage
{
    Q_OBJECT

public:
    ExtremeCaseDialog(ProjectRecord &record, const UiServices &services, QWidget *parent = nullptr);
};

} // namespace vendrix
