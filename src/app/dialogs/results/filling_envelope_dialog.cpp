#include "app/dialogs/results/filling_envelope_dialog.h"

#include "graphics/envelope_chart.h"
#include "graphics/field_card.h"
#include "graphics/image_export.h"
#include "graphics/qt_text.h"
#include "graphics/report_pages.h"
#include "model/c_format.h"
#include "model/input_rules.h"
#include "model/units.h"
#include "report/envelope_csv.h"

#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <ctime>

namespace vendrix {

// The chart on screen: the same painting as the saved pictures and the card.
class EnvelopeChartView : public QWidget
{
public:
    EnvelopeChartView(const FillingEnvelope &envelope, UnitSystem units, QWidget *parent)
        : QWidget(parent)
        , m_envelope(envelope)
        , m_units(units)
    {
        setObjectName(QStringLiteral("envelopeChart"));
        setMinimumSize(560, 340);
    }

    // An envelope of other values than the fields show is never drawn.
    void setValid(bool valid)
    {
        m_valid = valid;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        if (m_valid) {
            drawEnvelopeChart(painter, QRectF(rect()), m_envelope, m_units);
            return;
        }
        painter.fillRect(rect(), Qt::white);
        painter.setPen(Qt::gray);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("No envelope for these values."));
    }

private:
    const FillingEnvelope &m_envelope;
    UnitSystem m_units;
    bool m_valid = false;
};

namespace {

// Pause after the last keystroke before recomputing: long enough to let a
// number be typed, short enough to feel immediate.
constexpr int kTypingPauseMs = 150;

QLabel *figureLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.8);
    label->setFont(font);
    label->setWordWrap(true);
    return label;
}

QString shown(double value, int decimals)
{
    return QString::fromStdString(formatC("%.*f", decimals, value));
}

} // namespace

FillingEnvelopeDialog::FillingEnvelopeDialog(ProjectRecord &record, const UiServices &services,
                                             QWidget *parent)
    : FormDialog(record, services, "IDD_ENVELOPE", parent)
    , m_card(record)
    , m_pause(new QTimer(this))
    , m_units(record.display.unitSystem)
{
    setObjectName(QStringLiteral("fillingEnvelope"));
    setWindowTitle(QStringLiteral("Filling Envelope"));
    setHelpTopic(QStringLiteral("::/Filling_Envelope.htm"));
    QLayout *top = createFields();
    m_chart = new EnvelopeChartView(m_envelope, m_units, this);
    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("points"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setVisible(false);
    m_table->setMinimumWidth(420);

    m_saveTable = new QPushButton(QStringLiteral("Save Table (CSV)..."), this);
    m_saveTable->setObjectName(QStringLiteral("saveTable"));
    m_savePicture = new QPushButton(QStringLiteral("Save Picture..."), this);
    m_savePicture->setObjectName(QStringLiteral("savePicture"));
    m_print = new QPushButton(QStringLiteral("Print Field Card..."), this);
    m_print->setObjectName(QStringLiteral("printFieldCard"));
    auto *close = new QPushButton(QStringLiteral("Return"), this);
    close->setObjectName(QStringLiteral("return"));
    QHBoxLayout *buttons = taggedButtonRow({m_saveTable, m_savePicture, m_print, close});

    auto *middle = new QHBoxLayout;
    middle->addWidget(m_chart, 3);
    middle->addWidget(m_table, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);

    m_choosePrinter = printerDialogChooser();
    m_pause->setSingleShot(true);
    m_pause->setInterval(kTypingPauseMs);
    connect(m_pause, &QTimer::timeout, this, &FillingEnvelopeDialog::recomputeNow);
    for (QLineEdit *field : {m_circumference, m_strength, m_maxPressure})
        connect(field, &QLineEdit::textEdited, this, &FillingEnvelopeDialog::scheduleRecompute);
    connect(m_saveTable, &QPushButton::clicked, this, &FillingEnvelopeDialog::saveTable);
    connect(m_savePicture, &QPushButton::clicked, this, &FillingEnvelopeDialog::savePicture);
    connect(m_print, &QPushButton::clicked, this, &FillingEnvelopeDialog::printCard);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(1120, 680);
    recomputeNow();
}

QLayout *FillingEnvelopeDialog::createFields()
{
    const UnitLabels units = unitLabels(record().display);

    m_circumference = new QLineEdit(this);
    m_circumference->setObjectName(QString::fromLatin1(fieldName(FieldId::Circumference)));
    showFieldNumber(m_circumference, shownRecordValue(record(), FieldId::Circumference));
    m_strength = new QLineEdit(this);
    m_strength->setObjectName(QString::fromLatin1(fieldName(FieldId::UltimateStrength)));
    showFieldNumber(m_strength, shownRecordValue(record(), FieldId::UltimateStrength));
    m_maxPressure = new QLineEdit(this);
    m_maxPressure->setObjectName(QStringLiteral("maxPressure"));
    m_maxPressure->setPlaceholderText(QStringLiteral("automatic"));
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Circumference ") + toQString(units.length), m_circumference);
    form->addRow(QStringLiteral("Ultimate strength ") + toQString(units.forcePerLength),
                 m_strength);
    form->addRow(QStringLiteral("Pressures up to ") + toQString(units.pressure), m_maxPressure);
    setEnterSuccessor(m_circumference, m_strength);
    setEnterSuccessor(m_strength, m_maxPressure);
    setEnterSuccessor(m_maxPressure, m_circumference);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    m_pressureFigure = figureLabel("maxPumpingPressure", this);
    m_heightFigure = figureLabel("stopFillingHeight", this);
    auto *figures = new QVBoxLayout;
    figures->addWidget(m_pressureFigure);
    figures->addWidget(m_heightFigure);
    figures->addWidget(m_status);
    auto *top = new QHBoxLayout;
    top->addLayout(form);
    top->addSpacing(24);
    top->addLayout(figures, 1);

    return top;
}

void FillingEnvelopeDialog::setPrinterChooser(PrinterChooser chooser)
{
    m_choosePrinter = std::move(chooser);
}

QString FillingEnvelopeDialog::statusText() const
{
    return m_status->text();
}

void FillingEnvelopeDialog::scheduleRecompute()
{
    // Until the pause ends the figures belong to other values than the fields.
    setOutputsEnabled(false);
    m_pause->start();
}

void FillingEnvelopeDialog::setOutputsEnabled(bool enabled)
{
    for (QPushButton *button : {m_saveTable, m_savePicture, m_print})
        button->setEnabled(enabled);
}

void FillingEnvelopeDialog::showInvalid(const QString &message)
{
    m_valid = false;
    m_status->setText(message);
    m_pressureFigure->setText(QStringLiteral("Maximum pumping pressure:  -"));
    m_heightFigure->setText(QStringLiteral("Stop filling at height:  -"));
    m_table->setRowCount(0);
    m_chart->setValid(false);
    setOutputsEnabled(false);
}

void FillingEnvelopeDialog::recomputeNow()
{
    m_pause->stop();
    const UnitFactors f = UnitFactors::forSettings(m_units);
    double circumference = 0, strength = 0, top = 0;
    const bool automatic = m_maxPressure->text().trimmed().isEmpty();
    if (!parseFieldNumber(fromQString(m_circumference->text()), circumference)
        || !parseFieldNumber(fromQString(m_strength->text()), strength)
        || (!automatic && !parseFieldNumber(fromQString(m_maxPressure->text()), top))) {
        showInvalid(QStringLiteral("Please enter a number."));
        return;
    }
    ProjectRecord card = record();
    card.input.circumference = circumference / f.length;
    card.input.ultimateStrength = strength / f.forcePerLength;
    // The strength rules apply whatever the project's objective.
    card.input.analysisType = AnalysisType::GivenStrength;
    if (const auto failure = checkStoredInputs(card)) {
        showInvalid(failureText(*failure));
        return;
    }
    if (!automatic && !(top > 0 && top / f.pumpingPressure <= kEnvelopePressureCeiling)) {
        showInvalid(QStringLiteral("The pressures must end above 0 and at most ")
                    + shown(kEnvelopePressureCeiling * f.pumpingPressure, 0) + ".");
        return;
    }
    card.input.analysisType = record().input.analysisType;
    m_card = card;
    EnvelopeRequest request;
    request.maxPressure = automatic ? 0 : top / f.pumpingPressure;
    m_envelope = computeFillingEnvelope(m_card.input, request);
    m_status->clear();
    m_valid = true;
    m_chart->setValid(true);
    setOutputsEnabled(true);
    showEnvelope();
}

void FillingEnvelopeDialog::showEnvelope()
{
    const UnitFactors f = UnitFactors::forSettings(m_units);
    const UnitLabels units = unitLabels(record().display);
    if (m_envelope.state == SafeLimitState::Found) {
        const EnvelopePoint &s = m_envelope.safeLimit;
        m_pressureFigure->setText(QStringLiteral("Maximum pumping pressure:  ")
                                  + shown(s.pumpingPressure * f.pumpingPressure, 2) + " "
                                  + toQString(units.pressure));
        m_heightFigure->setText(QStringLiteral("Stop filling at height:  ")
                                + shown(s.maxHeight * f.length, 2) + " " + toQString(units.length));
    } else {
        m_pressureFigure->setText(m_envelope.state == SafeLimitState::ExceededAtBottomOfRange
                                      ? QStringLiteral("No safe limit: over the limit at the "
                                                       "bottom of the range")
                                      : QStringLiteral("No safe limit: limit not reached in "
                                                       "the range"));
        m_heightFigure->clear();
        m_status->setText(toQString(safeLimitReason(m_envelope, m_units)));
    }
    fillTable();
    m_chart->update();
}

void FillingEnvelopeDialog::fillTable()
{
    const std::string csv = envelopeCsvText(m_envelope, m_units);
    const QStringList lines = QString::fromLatin1(csv.c_str()).split('\n', Qt::SkipEmptyParts);
    if (lines.isEmpty())
        return;
    // The table shows what the CSV file holds, with fewer digits, the safety
    // columns (working tension, tension / allowable) beside the pressure.
    constexpr int kColumns[] = {0, 5, 8, 1, 2, 3, 4, 6, 7};
    constexpr int kRatioColumn = 8;
    const QStringList header = lines.front().split(',');
    m_table->setColumnCount(static_cast<int>(std::size(kColumns)));
    QStringList shownHeader;
    for (const int column : kColumns)
        shownHeader << header.value(column);
    m_table->setHorizontalHeaderLabels(shownHeader);
    m_table->setRowCount(static_cast<int>(lines.size()) - 1);
    // Three significant digits for the lowest pressure (a fraction of a psi).
    const double lowest = lines.size() > 1 ? lines[1].split(',').front().toDouble() : 1;
    const int pressureDecimals
        = lowest > 0 ? std::clamp(2 - static_cast<int>(std::floor(std::log10(lowest))), 2, 6) : 2;
    for (int row = 1; row < lines.size(); ++row) {
        const QStringList cells = lines[row].split(',');
        const bool limit = cells.back() == QStringLiteral("yes");
        for (int col = 0; col < static_cast<int>(std::size(kColumns)); ++col) {
            const int from = kColumns[col];
            const int decimals = from == 0 ? pressureDecimals : from == kRatioColumn ? 3 : 2;
            auto *item = new QTableWidgetItem(shown(cells.value(from).toDouble(), decimals));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (limit)
                item->setBackground(QColor(255, 222, 180));
            m_table->setItem(row - 1, col, item);
        }
    }
    m_table->resizeColumnsToContents();
}

QString FillingEnvelopeDialog::outputName(const char *suffix) const
{
    return projectFileStem(record().info.projectPath, "tube") + QStringLiteral("-envelope.")
        + QLatin1String(suffix);
}

void FillingEnvelopeDialog::saveTable()
{
    if (!m_valid)
        return;
    const QString path = askSaveFileName(services(), this, record().info.projectPath,
                                         QStringLiteral("Save Filling Envelope"), outputName("csv"),
                                         QStringLiteral("CSV files (*.csv)"));
    writeChosenFile(services(), this, withDefaultSuffix(path, "csv"),
                    [this](const std::filesystem::path &file) {
                        return writeEnvelopeCsvFile(file, m_envelope, m_units);
                    });
}

void FillingEnvelopeDialog::savePicture()
{
    if (!m_valid)
        return;
    saveChartPicture(services(), this, record().info.projectPath,
                     QStringLiteral("Save Envelope Picture"), outputName("png"),
                     [this](QPainter &painter, const QRectF &target) {
                         drawEnvelopeChart(painter, target, m_envelope, m_units);
                     });
}

void FillingEnvelopeDialog::printCard()
{
    if (!m_valid || !m_choosePrinter)
        return;
    const std::unique_ptr<QPrinter> printer = m_choosePrinter(this);
    if (!printer)
        return;
    printer->setDocName(QStringLiteral("Vendrix field card"));
    if (!paintFieldCard(*printer, m_card, m_envelope, asctimeText(std::time(nullptr))))
        showError(services(), this, QStringLiteral("Unable to print."));
}

} // namespace vendrix
