#pragma once
// GraphicalResultsWindow: "Graphical results" — the cross-section of the
// current shape with the colour choice, the bitmap file, the spreadsheet, CSV
// and CAD exports.

#include "app/dialogs/common/dialog_runner.h"
#include "app/dialogs/results/colour_choice_dialog.h"
#include "app/dialogs/results/cross_section_view.h"
#include "app/ui_services.h"
#include "model/project_record.h"

#include <QDialog>

#include <functional>
#include <string>

class QGridLayout;
class QLabel;
class QPushButton;

namespace vendrix {

// A writer of one of the record's export files.
using RecordWriter
    = std::optional<Failure> (*)(const std::filesystem::path &path, const ProjectRecord &record);

class GraphicalResultsWindow : public QDialog
{
    Q_OBJECT
public:
    GraphicalResultsWindow(ProjectRecord &record, const UiServices &services,
                           QWidget *parent = nullptr);

    CrossSectionView *view() const { return m_view; }

    // Runs "Display of Graphics"; tests replace it to choose without a window.
    DialogRunner runColourDialog = execRunner();

    void chooseColourMode();
    void saveBitmap();
    void exportToSpreadsheet();
    void saveAsCsv();
    void exportToCad();

private:
    QGridLayout *createControls();
    // Asks for a file named after the project in its folder and writes the
    // record into it.
    void saveRecordAs(const char *suffix, const QString &filter, RecordWriter write);
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
