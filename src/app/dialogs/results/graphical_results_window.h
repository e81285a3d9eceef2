#pragma once
// "Graphical results": the cross-section of the current shape with the colour
// choice, the bitmap file, the spreadsheet, CSV and CAD exports. "Display of
// Graphics" is the colour / black-and-white choice it opens.

#include "app/ui_services.h"
#include "model/project_record.h"

#include <QDialog>
#include <QWidget>

class QLabel;
class QPushButton;
class QRadioButton;

namespace vendrix {

// The drawing area; paints the cross-section from the record at every repaint.
class CrossSectionView : public QWidget
{
    Q_OBJECT
public:
    // The size of the drawing area at the standard size, also the saved bitmap's.
    static constexpr QSize kStandardSize {628, 410};

    CrossSectionView(const ProjectRecord &record, QWidget *parent = nullptr);
    QSize sizeHint() const override { return kStandardSize; }

    // The picture as it stands, at the area's size in pixels.
    QImage picture() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const ProjectRecord &m_record;
};

class ColourChoiceDialog : public QDialog
{
    Q_OBJECT
public:
    ColourChoiceDialog(ProjectRecord &record, QWidget *parent = nullptr);
    void accept() override;

private:
    ProjectRecord &m_record;
    QRadioButton *m_colour;
    QRadioButton *m_blackWhite;
};

class GraphicalResultsWindow : public QDialog
{
    Q_OBJECT
public:
    GraphicalResultsWindow(ProjectRecord &record, const UiServices &services,
                           QWidget *parent = nullptr);

    CrossSectionView *view() const { return m_view; }

    // Runs "Display of Graphics"; tests replace it to choose without a window.
    std::function<void(ColourChoiceDialog &)> runColourDialog;

    void chooseColourMode();
    void saveBitmap();
    void exportToSpreadsheet();
    void saveAsCsv();
    void exportToCad();

private:
    void showMatchingBanner();

    ProjectRecord &m_record;
    UiServices m_services;
    CrossSectionView *m_view;
    QLabel *m_colourBanner;
    QLabel *m_blackWhiteBanner;
};

// Shows the cross-section modally for the shape the record says is current.
void showGraphicalResults(ProjectRecord &record, const UiServices &services, QWidget *parent);

} // namespace vendrix
