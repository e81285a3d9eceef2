#pragma once
// CPhotos1: a sand-filled tube that keeps its shape (consolidation Option 1).

#include "app/information_page.h"

namespace vendrix {

class CPhotos1 : public InformationPage
{
    Q_OBJECT

public:
    CPhotos1(ProjectRecord &record, const UiServices &services, QWidget *parent = nullptr);
};

} // namespace vendrix
