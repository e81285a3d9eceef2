#pragma once
// Photos2Dialog: a tube of clayey slurry before and after consolidation (Option 2).

#include "app/dialogs/common/information_page.h"

namespace vendrix {

class Photos2Dialog : public InformationPage
{
    Q_OBJECT

public:
    Photos2Dialog(ProjectRecord &record, const UiServices &services, QWidget *parent = nullptr);
};

} // namespace vendrix
