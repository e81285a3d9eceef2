#pragma once
// Photos1Dialog: a sand-filled tube that keeps its shape (consolidation Option 1).

#include "app/dialogs/common/information_page.h"

namespace vendrix {

class Photos1Dialog : public InformationPage
{
    Q_OBJECT

public:
    Photos1Dialog(ProjectRecord &record, const UiServices &services, QWidget *parent = nullptr);
};

} // namespace vendrix
