#include "app/dialogs/results/parametric_study_window.h"

#include "app/dialogs/results/study_chart_view.h"
#include "app/dialogs/results/study_table_model.h"
#include "graphics/image_export.h"
#include "graphics/qt_text.h"
#include "graphics/report_pages.h"
#include "graphics/study_export.h"
#include "graphics/study_page.h"
#include "model/c_format.h"
#include "report/study_csv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <ctime>

namespace vendrix {

namespace {

// Pause after the last change before the study starts over.
constexpr int kTypingPauseMs = 150;
constexpr int kProgressTickMs = 100;
constexpr int kDefaultSteps = 11;
constexpr int kSizedRows = 50;

QString shownInput(const std::string &field, double stored, const DisplaySettings &display)
{
    return QString::fromStdString(formatFieldNumber(shownStudyInput(field, stored, display)));
}

} // namespace

ParametricStudyWindow::ParametricStudyWindow(ProjectRecord &record, const UiServices &services,
                                             SolutionMethod method, QWidget *parent)
    : FormDialog(record, services, "IDD_STUDY", parent)
    , m_project(record)
    , m_method(method)
    , m_pause(new QTimer(this))
    , m_progressTick(new QTimer(this))
    , m_tableModel(new StudyTableModel(this))
{
    setObjectName(QStringLiteral("parametricStudy"));
    setWindowTitle(QStringLiteral("Parametric Study"));
    setHelpTopic(QStringLiteral("::/Parametric_Study.htm"));
    QLayout *inputs = createInputs();
    QLayout *choices = createResultChoices();
    m_chart = new StudyChartView([this] { return chartData(); }, this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("studyPoints"));
    m_table->setModel(m_tableModel);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setVisible(false);
    m_table->setMinimumWidth(420);

    auto *top = new QHBoxLayout;
    top->addLayout(inputs, 1);
    top->addSpacing(16);
    top->addLayout(choices);
    auto *middle = new QHBoxLayout;
    middle->addWidget(m_chart, 3);
    middle->addWidget(m_table, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(createButtons());

    m_choosePrinter = printerDialogChooser();
    loadDefaults();
    connectInputs();
    resize(1180, 720);
    recomputeNow();
}

ParametricStudyWindow::~ParametricStudyWindow()
{
    // A worker reads nothing of the window, but the program must not end
    // under it: stop every one and wait.
    for (auto &[thread, control] : m_workers) {
        control->cancel = true;
        thread->wait();
        delete thread;
    }
}

QLayout *ParametricStudyWindow::createInputs()
{
    m_field = new QComboBox(this);
    m_field->setObjectName(QStringLiteral("studyField"));
    m_secondField = new QComboBox(this);
    m_secondField->setObjectName(QStringLiteral("secondField"));
    for (const std::string &field : studyFields(m_project.input)) {
        m_field->addItem(QString::fromStdString(field));
        m_secondField->addItem(QString::fromStdString(field));
    }
    m_from = new QLineEdit(this);
    m_from->setObjectName(QStringLiteral("studyFrom"));
    m_to = new QLineEdit(this);
    m_to->setObjectName(QStringLiteral("studyTo"));
    m_steps = new QSpinBox(this);
    m_steps->setObjectName(QStringLiteral("studySteps"));
    m_steps->setRange(kStudyMinSteps, kStudyMaxSteps);
    m_useSecond = new QCheckBox(QStringLiteral("Second input (a curve for each value)"), this);
    m_useSecond->setObjectName(QStringLiteral("useSecondInput"));
    m_secondValues = new QLineEdit(this);
    m_secondValues->setObjectName(QStringLiteral("secondValues"));
    m_secondValues->setPlaceholderText(
        QStringLiteral("up to %1 values, e.g. 8, 10, 12").arg(kStudyMaxFamily));

    auto *range = new QHBoxLayout;
    range->addWidget(m_from);
    range->addWidget(new QLabel(QStringLiteral("to"), this));
    range->addWidget(m_to);
    range->addWidget(new QLabel(QStringLiteral("in"), this));
    range->addWidget(m_steps);
    range->addWidget(new QLabel(QStringLiteral("steps"), this));
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Input to vary"), m_field);
    form->addRow(QStringLiteral("Range (display units)"), range);
    form->addRow(m_useSecond);
    form->addRow(QStringLiteral("Second input"), m_secondField);
    form->addRow(QStringLiteral("Its values"), m_secondValues);
    setEnterSuccessor(m_from, m_to);
    setEnterSuccessor(m_to, m_steps);
    setEnterSuccessor(m_steps, m_secondValues);
    setEnterSuccessor(m_secondValues, m_from);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    auto *column = new QVBoxLayout;
    column->addLayout(form);
    column->addWidget(m_status);
    column->addLayout(createProgressRow());
    column->addStretch(1);
    return column;
}

QLayout *ParametricStudyWindow::createProgressRow()
{
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("studyProgress"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cancelStudy"));
    auto *row = new QHBoxLayout;
    row->addWidget(m_progress, 1);
    row->addWidget(m_cancel);
    // Shown only once a study takes a while.
    m_progress->hide();
    m_cancel->hide();
    return row;
}

QLayout *ParametricStudyWindow::createResultChoices()
{
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Results (the first two checked are charted)"), this),
                    0, 0, 1, 2);
    int index = 0;
    for (const StudyValue value : allStudyValues()) {
        auto *box = new QCheckBox(QString::fromLatin1(studyValueLabel(value)), this);
        box->setObjectName(QString::fromLatin1(studyValueName(value)));
        const std::vector<StudyValue> charted
            = defaultStudyChartValues(m_project.input.analysisType);
        box->setChecked(std::find(charted.begin(), charted.end(), value) != charted.end());
        m_valueChoices.emplace_back(value, box);
        grid->addWidget(box, 1 + index / 2, index % 2);
        ++index;
    }
    return grid;
}

QLayout *ParametricStudyWindow::createButtons()
{
    m_saveTable = new QPushButton(QStringLiteral("Save Table (CSV)..."), this);
    m_saveTable->setObjectName(QStringLiteral("saveTable"));
    m_savePicture = new QPushButton(QStringLiteral("Save Chart..."), this);
    m_savePicture->setObjectName(QStringLiteral("savePicture"));
    m_print = new QPushButton(QStringLiteral("Print..."), this);
    m_print->setObjectName(QStringLiteral("printStudy"));
    auto *close = new QPushButton(QStringLiteral("Return"), this);
    close->setObjectName(QStringLiteral("return"));
    QHBoxLayout *buttons = taggedButtonRow({m_saveTable, m_savePicture, m_print, close});
    connect(m_saveTable, &QPushButton::clicked, this, &ParametricStudyWindow::saveTable);
    connect(m_savePicture, &QPushButton::clicked, this, &ParametricStudyWindow::savePicture);
    connect(m_print, &QPushButton::clicked, this, &ParametricStudyWindow::printStudy);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    return buttons;
}

void ParametricStudyWindow::connectInputs()
{
    m_pause->setSingleShot(true);
    m_pause->setInterval(kTypingPauseMs);
    connect(m_pause, &QTimer::timeout, this, &ParametricStudyWindow::recomputeNow);
    m_progressTick->setInterval(kProgressTickMs);
    connect(m_progressTick, &QTimer::timeout, this, &ParametricStudyWindow::updateProgress);
    connect(m_cancel, &QPushButton::clicked, this, &ParametricStudyWindow::cancelStudy);
    for (QLineEdit *field : {m_from, m_to, m_secondValues})
        connect(field, &QLineEdit::textEdited, this, &ParametricStudyWindow::scheduleRecompute);
    connect(m_steps, &QSpinBox::valueChanged, this, &ParametricStudyWindow::scheduleRecompute);
    connect(m_useSecond, &QCheckBox::toggled, this, &ParametricStudyWindow::scheduleRecompute);
    // A new input starts from its own value in the project.
    connect(m_field, &QComboBox::currentTextChanged, this, [this](const QString &name) {
        const double value = studyInputValue(m_project, fromQString(name));
        m_from->setText(shownInput(fromQString(name), value, m_project.display));
        m_to->setText(
            shownInput(fromQString(name), value > 0 ? 1.5 * value : 1, m_project.display));
        scheduleRecompute();
    });
    connect(m_secondField, &QComboBox::currentTextChanged, this, [this](const QString &name) {
        m_secondValues->setText(shownInput(
            fromQString(name), studyInputValue(m_project, fromQString(name)), m_project.display));
        scheduleRecompute();
    });
    for (const auto &[value, box] : m_valueChoices)
        connect(box, &QCheckBox::toggled, this, [this] {
            if (m_valid)
                showResults();
        });
}

void ParametricStudyWindow::loadDefaults()
{
    const int circumference
        = m_field->findText(QString::fromLatin1(fieldName(FieldId::Circumference)));
    m_field->setCurrentIndex(std::max(0, circumference));
    const std::string first = fromQString(m_field->currentText());
    const double value = studyInputValue(m_project, first);
    m_from->setText(shownInput(first, value, m_project.display));
    m_to->setText(shownInput(first, value > 0 ? 1.5 * value : 1, m_project.display));
    m_steps->setValue(kDefaultSteps);
    const int strength
        = m_secondField->findText(QString::fromLatin1(fieldName(FieldId::UltimateStrength)));
    m_secondField->setCurrentIndex(std::max(0, strength));
    const std::string second = fromQString(m_secondField->currentText());
    const double base = studyInputValue(m_project, second);
    m_secondValues->setText(shownInput(second, base, m_project.display) + ", "
                            + shownInput(second, 1.5 * base, m_project.display) + ", "
                            + shownInput(second, 2 * base, m_project.display));
}

void ParametricStudyWindow::setPrinterChooser(PrinterChooser chooser)
{
    m_choosePrinter = std::move(chooser);
}

std::vector<StudyValue> ParametricStudyWindow::shownValues() const
{
    std::vector<StudyValue> values;
    for (const auto &[value, box] : m_valueChoices)
        if (box->isChecked())
            values.push_back(value);
    return values;
}

QString ParametricStudyWindow::statusText() const
{
    return m_status->text();
}

StudyChartData ParametricStudyWindow::chartData() const
{
    StudyChartData data;
    data.request = &m_request;
    data.points = &m_points;
    data.shown = shownValues();
    data.display = m_project.display;
    return data;
}

void ParametricStudyWindow::scheduleRecompute()
{
    // Until the pause ends the points belong to other values than the fields.
    setOutputsEnabled(false);
    m_pause->start();
}

void ParametricStudyWindow::setOutputsEnabled(bool enabled)
{
    for (QPushButton *button : {m_saveTable, m_savePicture, m_print})
        button->setEnabled(enabled);
}

bool ParametricStudyWindow::readRequest(StudyRequest &request)
{
    const DisplaySettings &display = m_project.display;
    double from = 0, to = 0;
    if (!parseFieldNumber(fromQString(m_from->text()), from)
        || !parseFieldNumber(fromQString(m_to->text()), to)) {
        showInvalid(QStringLiteral("Please enter a number."));
        return false;
    }
    request.method = m_method;
    request.first.field = fromQString(m_field->currentText());
    request.first.values
        = rangeValues(storedStudyInput(request.first.field, from, display),
                      storedStudyInput(request.first.field, to, display), m_steps->value());
    request.second.reset();
    if (m_useSecond->isChecked()) {
        StudyAxis &second = request.second.emplace();
        second.field = fromQString(m_secondField->currentText());
        const QStringList texts = m_secondValues->text().split(
            QRegularExpression(QStringLiteral("[,;\\s]+")), Qt::SkipEmptyParts);
        for (const QString &text : texts) {
            double shown = 0;
            if (!parseFieldNumber(fromQString(text), shown)) {
                showInvalid(QStringLiteral("Please enter a number."));
                return false;
            }
            second.values.push_back(storedStudyInput(second.field, shown, display));
        }
    }
    if (const auto failure = checkStudyRequest(m_project, request)) {
        showInvalid(toQString(failure->messageText));
        return false;
    }
    return true;
}

void ParametricStudyWindow::recomputeNow()
{
    m_pause->stop();
    StudyRequest request;
    if (readRequest(request))
        startStudy(request);
}

void ParametricStudyWindow::startStudy(const StudyRequest &request)
{
    if (m_control)
        m_control->cancel = true; // its points would belong to old values
    m_control = std::make_shared<StudyControl>();
    m_request = request;
    m_expectedPoints = studyPointCount(request);
    m_valid = false;
    m_chart->setValid(false);
    m_status->setText(QStringLiteral("Computing..."));
    const int generation = ++m_generation;
    auto result = std::make_shared<std::vector<StudyPoint>>();
    QThread *thread = QThread::create([project = m_project, request, control = m_control, result] {
        *result = runStudy(project, request, control.get());
    });
    m_workers.emplace_back(thread, m_control);
    connect(thread, &QThread::finished, this, [this, thread, generation, result] {
        std::erase_if(m_workers, [thread](const auto &w) { return w.first == thread; });
        thread->deleteLater();
        if (generation == m_generation)
            studyFinished(std::move(*result));
    });
    m_started.start();
    m_progressTick->start();
    thread->start();
}

void ParametricStudyWindow::updateProgress()
{
    if (!m_control || m_started.elapsed() < m_quietStudyMs)
        return;
    m_progress->setRange(0, static_cast<int>(m_expectedPoints));
    m_progress->setValue(m_control->done.load());
    m_progress->show();
    m_cancel->show();
}

void ParametricStudyWindow::cancelStudy()
{
    if (m_control)
        m_control->cancel = true;
}

void ParametricStudyWindow::studyFinished(std::vector<StudyPoint> points)
{
    const bool cancelled = m_control && m_control->cancel;
    m_control.reset();
    m_progressTick->stop();
    m_progress->hide();
    m_cancel->hide();
    m_points = std::move(points);
    m_valid = true;
    m_chart->setValid(true);
    setOutputsEnabled(true);
    const auto failed = std::count_if(m_points.begin(), m_points.end(),
                                      [](const StudyPoint &p) { return !p.solved; });
    m_status->setText(cancelled ? QStringLiteral("Cancelled: the points not computed say so.")
                          : failed > 0
                          ? QStringLiteral("%1 of %2 points failed; the table says why.")
                                .arg(failed)
                                .arg(m_points.size())
                          : QString());
    showResults();
}

void ParametricStudyWindow::showInvalid(const QString &message)
{
    if (m_control)
        m_control->cancel = true;
    m_control.reset();
    ++m_generation;
    m_progressTick->stop();
    m_progress->hide();
    m_cancel->hide();
    m_valid = false;
    m_points.clear();
    m_status->setText(message);
    m_tableModel->clear();
    m_chart->setValid(false);
    setOutputsEnabled(false);
}

void ParametricStudyWindow::showResults()
{
    fillTable();
    m_chart->update();
}

void ParametricStudyWindow::fillTable()
{
    m_tableModel->setStudy(&m_request, &m_points, shownValues(), m_project.display);
    // Sized by the first rows: measuring thousands would hold the window up.
    m_table->horizontalHeader()->setResizeContentsPrecision(kSizedRows);
    m_table->resizeColumnsToContents();
}

QString ParametricStudyWindow::outputName(const char *suffix) const
{
    return projectFileStem(record().info.projectPath, "tube") + QStringLiteral("-study.")
        + QLatin1String(suffix);
}

void ParametricStudyWindow::saveTable()
{
    if (!m_valid)
        return;
    const QString path = askSaveFileName(services(), this, record().info.projectPath,
                                         QStringLiteral("Save Study Table"), outputName("csv"),
                                         QStringLiteral("CSV files (*.csv)"));
    writeChosenFile(services(), this, withDefaultSuffix(path, "csv"),
                    [this](const std::filesystem::path &file) {
                        return writeStudyCsvFile(file, m_request, m_points,
                                                 m_project.display.unitSystem);
                    });
}

void ParametricStudyWindow::savePicture()
{
    if (!m_valid)
        return;
    const StudyChartData data = chartData();
    saveChartPicture(services(), this, record().info.projectPath,
                     QStringLiteral("Save Study Chart"), outputName("png"),
                     [&data](QPainter &painter, const QRectF &target) {
                         drawStudyChart(painter, target, data);
                     });
}

void ParametricStudyWindow::printStudy()
{
    if (!m_valid || !m_choosePrinter)
        return;
    const std::unique_ptr<QPrinter> printer = m_choosePrinter(this);
    if (!printer)
        return;
    printer->setDocName(QStringLiteral("Vendrix parametric study"));
    if (!paintStudyPage(*printer, m_project, chartData(), asctimeText(std::time(nullptr))))
        showError(services(), this, QStringLiteral("Unable to print."));
}

} // namespace vendrix
