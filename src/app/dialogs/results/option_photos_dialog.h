#pragma once
// OptionPhotosDialog: the photographs of a consolidation option — Option 1, a
// sand-filled tube that keeps its shape; Option 2, a clayey fill that becomes
// low and flat.

#include "app/dialogs/common/information_page.h"

namespace vendrix {

class OptionPhotosDialog : public InformationPage
{
    Q_OBJECT

public:
    // `option` is Shape::Option1 or Shape::Option2.
    OptionPhotosDialog(ProjectRecord &record, const UiServices &services, Shape option,
                       QWidget *parent = nullptr);
};

} // namespace vendrix
