#pragma once
// ParametricStudyWindow: the project run for a range of one input, optionally
// for a few values of a second one, every result as a table and a chart. Works
// on a copy of the project and never changes it; computes on a worker thread,
// shows a progress bar with Cancel when a study takes a while, and starts over
// (dropping the old work) shortly after each change of its inputs.

#include "app/dialogs/common/form_dialog.h"
#include "app/printing/printer_choice.h"
#include "graphics/study_chart.h"
#include "post/parametric_study.h"

#include <QElapsedTimer>

#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLayout;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableView;
class QThread;
class QTimer;

namespace vendrix {

class StudyChartView;
class StudyTableModel;

class ParametricStudyWindow : public FormDialog
{
    Q_OBJECT

public:
    ParametricStudyWindow(ProjectRecord &record, const UiServices &services, SolutionMethod method,
                          QWidget *parent = nullptr);
    ~ParametricStudyWindow() override;

    void setPrinterChooser(PrinterChooser chooser);

    // Starts the study of the fields' values at once instead of after the
    // typing pause; the result arrives later (see isComputing).
    void recomputeNow();
    bool isComputing() const { return m_control != nullptr; }
    // How long a study runs before the progress bar and Cancel show (milliseconds).
    void setQuietStudyTime(int milliseconds) { m_quietStudyMs = milliseconds; }
    // Stops the study being computed; its points so far stay, the rest say why.
    void cancelStudy();

    // The points now shown, and the request they belong to.
    const std::vector<StudyPoint> &points() const { return m_points; }
    const StudyRequest &request() const { return m_request; }
    // The results checked for the table (the first two also for the chart).
    std::vector<StudyValue> shownValues() const;
    // Empty, or why nothing could be computed.
    QString statusText() const;

private:
    QLayout *createInputs();
    QLayout *createProgressRow();
    QLayout *createResultChoices();
    QLayout *createButtons();
    void connectInputs();
    void loadDefaults();
    void scheduleRecompute();
    // The request of the fields; false (with the reason shown) when they are unusable.
    bool readRequest(StudyRequest &request);
    void startStudy(const StudyRequest &request);
    void studyFinished(std::vector<StudyPoint> points);
    void updateProgress();
    void showInvalid(const QString &message);
    void showResults();
    void fillTable();
    void setOutputsEnabled(bool enabled);
    QString outputName(const char *suffix) const;
    void saveTable();
    void savePicture();
    void printStudy();
    StudyChartData chartData() const;

    ProjectRecord m_project; // the copy every point starts from
    SolutionMethod m_method;
    StudyRequest m_request;
    std::vector<StudyPoint> m_points;
    PrinterChooser m_choosePrinter;
    // The study being computed (null when none) and every worker still running.
    std::shared_ptr<StudyControl> m_control;
    std::vector<std::pair<QThread *, std::shared_ptr<StudyControl>>> m_workers;
    int m_generation = 0;
    size_t m_expectedPoints = 0;
    QElapsedTimer m_started;
    // A study shorter than this shows no progress bar.
    int m_quietStudyMs = 500;

    QTimer *m_pause;
    QTimer *m_progressTick;
    StudyTableModel *m_tableModel;
    QComboBox *m_field;
    QLineEdit *m_from;
    QLineEdit *m_to;
    QSpinBox *m_steps;
    QCheckBox *m_useSecond;
    QComboBox *m_secondField;
    QLineEdit *m_secondValues;
    std::vector<std::pair<StudyValue, QCheckBox *>> m_valueChoices;
    QLabel *m_status;
    QProgressBar *m_progress;
    QPushButton *m_cancel;
    StudyChartView *m_chart;
    QTableView *m_table;
    QPushButton *m_saveTable;
    QPushButton *m_savePicture;
    QPushButton *m_print;
    bool m_valid = false; // the points belong to the values in the fields
};

} // namespace vendrix
