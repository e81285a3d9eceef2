#pragma once
// CPhotos2: a tube of clayey slurry before and after consolidation (Option 2).

#include "app/information_page.h"

namespace vendrix {

class CPhotos2 : public InformationPage
{
    Q_OBJECT

public:
    CPhotos2(ProjectRecord &record, const UiServices &services, QWidget *parent = nullptr);
};

} // namespace vendrix
