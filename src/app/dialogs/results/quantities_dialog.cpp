#include "app/dialogs/results/quantities_dialog.h"

#include "app/dialogs/common/dialog_widgets.h"
#include "graphics/qt_text.h"
#include "model/c_format.h"
#include "model/field_table.h"
#include "model/input_rules.h"
#include "model/units.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>

#include <cmath>

namespace vendrix {

namespace {

QLabel *valueLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(110);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    return label;
}

// A total that is not a number (a length or cost beyond range while typing)
// shows as an empty field; OK then reports it.
QString shownNumber(const char *format, double value)
{
    return std::isfinite(value) ? QString::fromStdString(formatC(format, value)) : QString();
}

} // namespace

QuantitiesDialog::QuantitiesDialog(ProjectRecord &record, const UiServices &services,
                                   QWidget *parent, QuantitiesHooks hooks)
    : FormDialog(record, services, "IDD_QUANTITIES", parent)
    , m_hooks(std::move(hooks))
    , m_remarks(new FieldEdit(FieldId::QuantityRemarks, this))
    , m_cost(new FieldEdit(FieldId::CostPerUnitArea, this))
    , m_length(fields().addNumber(FieldId::TubeLength, this))
    , m_areaPerLength(valueLabel("areaPerLength", this))
    , m_totalCost(valueLabel("totalCost", this))
    , m_storage(valueLabel("storageCapacity", this))
    , m_volume(valueLabel("volumeAfterConsolidation", this))
    , m_volumeCaption(
          new QLabel(QStringLiteral("Estimated total volume after consolidation"), this))
    , m_volumeUnit(nullptr)
    , m_return(makeButton(QStringLiteral("&RETURN"), "return", this))
    , m_save(makeButton(QStringLiteral("&Save as text file"), "saveText", this))
    , m_print(makeButton(QStringLiteral("&Print"), "print", this))
    , m_lengthFactor(UnitFactors::forSettings(record.display.unitSystem).length)
    , m_shownLength(record.input.tubeLength * m_lengthFactor)
{
    setWindowTitle(QStringLiteral("Calculated Quantities"));
    setHelpTopic(QStringLiteral("::/Quantities.htm"));
    m_return->setDefault(true);
    const bool english = isEnglish(record.display);
    const bool asian = record.display.asianPacific;
    const std::string area = std::string(english ? "ft" : "m") + squareExponent(asian);
    const std::string volume = std::string(english ? "ft" : "m") + cubeExponent(asian);
    m_areaUnit = toQString(area + (english ? " / ft" : " / m"));
    m_costUnit = toQString(currencyText() + " / " + area);
    m_volumeUnitText = toQString(volume);

    m_remarks->setMinimumWidth(420);
    m_cost->setMaximumWidth(150);
    m_cost->setAlignment(Qt::AlignRight);
    m_volumeUnit = unitLabel(m_volumeUnitText, "volumeUnit");
    layOut();
    loadFromRecord();
    recalculate();
    connectControls();
}

std::string QuantitiesDialog::currencyText() const
{
    return "[ " + record().display.currencyUnit + " ]";
}

QLabel *QuantitiesDialog::unitLabel(const QString &text, const char *name)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

void QuantitiesDialog::layOut()
{
    const bool english = isEnglish(record().display);
    auto *layout = new QGridLayout(this);
    int row = 0;
    layout->addWidget(makeFieldLabel(FieldId::QuantityRemarks, this), row, 0);
    layout->addWidget(m_remarks, row++, 1, 1, 2);
    auto addRow = [&](QLabel *caption, QWidget *value, QLabel *unit) {
        layout->addWidget(caption, row, 0);
        layout->addWidget(value, row, 1);
        layout->addWidget(unit, row, 2);
        ++row;
    };
    auto caption = [this](const char *text) { return new QLabel(QString::fromLatin1(text), this); };
    addRow(caption("Area of encapsulating geosynthetic per unit length of tube"), m_areaPerLength,
           unitLabel(m_areaUnit, "areaUnit"));
    addRow(makeFieldLabel(FieldId::CostPerUnitArea, this), m_cost,
           unitLabel(m_costUnit, "costUnit"));
    addRow(makeFieldLabel(FieldId::TubeLength, this), m_length,
           unitLabel(QString::fromLatin1(english ? "ft" : "m"), "lengthUnit"));
    addRow(caption("Total  Cost"), m_totalCost,
           unitLabel(toQString(currencyText()), "currencyUnit"));
    addRow(caption("Total storage capacity of tube"), m_storage,
           unitLabel(m_volumeUnitText, "storageUnit"));
    addRow(m_volumeCaption, m_volume, m_volumeUnit);
    layout->addLayout(taggedButtonRow({m_save, m_print, m_return}), row, 0, 1, 3);
    layout->setColumnMinimumWidth(2, 90);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void QuantitiesDialog::loadFromRecord()
{
    m_remarks->setText(toQString(record().input.quantityRemarks));
    m_cost->setText(toQString(record().input.costPerUnitArea));
    showFieldNumber(m_length, m_shownLength);

    setEnterSuccessor(m_cost, m_length);
    setEnterSuccessor(m_length, m_remarks);
    setEnterSuccessor(m_remarks, m_cost);
    setTabOrder(m_remarks, m_cost);
    setTabOrder(m_cost, m_length);

    m_save->setEnabled(static_cast<bool>(m_hooks.compute) && static_cast<bool>(m_hooks.writeText));
    m_print->setEnabled(static_cast<bool>(m_hooks.compute));
    m_choosePrinter = printerDialogChooser();
}

void QuantitiesDialog::connectControls()
{
    connect(m_cost, &QLineEdit::textEdited, this, &QuantitiesDialog::costEdited);
    connect(m_length, &QLineEdit::textEdited, this, &QuantitiesDialog::lengthEdited);
    connect(m_return, &QPushButton::clicked, this, [this] {
        if (hasFocusOn(m_return))
            leave();
    });
    connect(m_save, &QPushButton::clicked, this, &QuantitiesDialog::saveText);
    connect(m_print, &QPushButton::clicked, this, &QuantitiesDialog::print);
}

void QuantitiesDialog::setPrinterChooser(PrinterChooser chooser)
{
    m_choosePrinter = std::move(chooser);
}

bool QuantitiesDialog::checkCostCharacters()
{
    const auto failures = costTextFailures(fromQString(m_cost->text()));
    for (const Failure &failure : failures) {
        if (services().conflict)
            services().conflict(this, failure.errorNumberText(), failure.messageText);
    }
    return !failures.empty();
}

void QuantitiesDialog::costEdited()
{
    checkCostCharacters();
    recalculate();
}

void QuantitiesDialog::lengthEdited()
{
    checkCostCharacters();
    // A length that is not (yet) a number keeps the last totals; OK reports it.
    if (const auto length = parseShownNumber(fromQString(m_length->text())))
        m_shownLength = *length;
    recalculate();
}

void QuantitiesDialog::recalculate()
{
    if (!m_hooks.compute)
        return;
    const QuantitiesValues values
        = m_hooks.compute(record(), fromQString(m_cost->text()), m_shownLength);
    m_areaPerLength->setText(shownNumber("%.2f", values.areaPerLength));
    m_totalCost->setText(shownNumber("%.2f", values.totalCost));
    m_storage->setText(shownNumber("%.0f", values.storageCapacity));
    m_volume->setText(shownNumber("%.0f", values.volumeAfterConsolidation));
    m_volumeCaption->setVisible(values.consolidationShown);
    m_volume->setVisible(values.consolidationShown);
    m_volumeUnit->setVisible(values.consolidationShown);
}

bool QuantitiesDialog::shownValuesPass(double &length)
{
    if (!fields().readShown(FieldId::TubeLength, length))
        return false;
    m_shownLength = length;
    recalculate();
    const bool refused = checkCostCharacters();
    if (m_hooks.checkLength) {
        if (const auto failure = m_hooks.checkLength(length)) {
            showFailure(*failure);
            return false;
        }
    }
    if (m_hooks.checkValues && !refused) {
        if (const auto failure
            = m_hooks.checkValues(record(), fromQString(m_cost->text()), length)) {
            showFailure(*failure);
            return false;
        }
    }
    return !refused;
}

void QuantitiesDialog::leave()
{
    double length = 0;
    if (!shownValuesPass(length))
        return;
    commitStep(
        services(), QStringLiteral("Quantity and Cost"),
        [&] {
            TubeInput &input = record().input;
            input.costPerUnitArea = fromQString(m_cost->text());
            input.quantityRemarks = fromQString(m_remarks->text());
            input.tubeLength = storedFieldValue(FieldId::TubeLength, length, record().display);
        },
        StepEffect::KeepsResults);
    accept();
}

QuantitiesPage QuantitiesDialog::page() const
{
    QuantitiesPage page;
    page.remarks = m_remarks->text();
    page.areaUnit = QLatin1Char(' ') + m_areaUnit;
    page.lengthUnit = QLatin1Char(' ') + findChild<QLabel *>(QStringLiteral("lengthUnit"))->text();
    page.costUnit = m_costUnit;
    page.currencyUnit = findChild<QLabel *>(QStringLiteral("currencyUnit"))->text();
    page.areaPerLength = m_areaPerLength->text();
    page.tubeLength = shownNumber("%.0f", m_shownLength);
    page.costText = m_cost->text();
    page.totalCost = m_totalCost->text();
    page.storageLine = QStringLiteral("Total storage capacity of tube is ") + m_storage->text()
        + QStringLiteral("  ") + m_volumeUnitText;
    if (m_volume->isVisibleTo(this))
        page.volumeLine = QStringLiteral("Estimated total volume after consolidation is ")
            + m_volume->text() + QStringLiteral("  ") + m_volumeUnitText;
    return page;
}

void QuantitiesDialog::saveText()
{
    double length = 0;
    if (!m_hooks.writeText || !shownValuesPass(length))
        return;
    const QString path
        = withDefaultSuffix(askSaveFileName(services(), this, record().info.projectPath,
                                            QStringLiteral("Save As"), QStringLiteral("*.txt"),
                                            QStringLiteral("Text files (*.txt);;All files (*)")),
                            "txt");
    if (path.isEmpty())
        return;
    if (!m_hooks.writeText(fromQString(path), record(), fromQString(m_cost->text()), m_shownLength,
                           fromQString(m_remarks->text()))
        && services().message)
        services().message(this, QStringLiteral("Unable to write %1.").arg(path));
}

void QuantitiesDialog::print()
{
    // What RETURN would refuse is neither written nor printed.
    double length = 0;
    if (!m_choosePrinter || !shownValuesPass(length))
        return;
    const std::unique_ptr<QPrinter> printer = m_choosePrinter(this);
    if (!printer)
        return;
    printer->setDocName(QStringLiteral("test"));
    QPainter painter;
    if (!painter.begin(printer.get())) {
        if (services().message)
            services().message(this, QStringLiteral("Unable to print."));
        return;
    }
    drawQuantitiesPage(painter, page());
    painter.end();
}

} // namespace vendrix
