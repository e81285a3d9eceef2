#include "app/dialogs/input/slurry_dialog.h"

#include "app/dialogs/common/dialog_runner.h"
#include "app/dialogs/common/dialog_widgets.h"
#include "app/dialogs/input/unit_weight_dialog.h"
#include "graphics/dialog_artwork.h"
#include "graphics/qt_text.h"
#include "model/dialog_defaults.h"
#include "model/input_rules.h"
#include "model/units.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vendrix {

SlurryDialog::SlurryDialog(ProjectRecord &record, const UiServices &services, QWidget *parent)
    : InputDialog(record, services, "IDD_MODIFY_SLURRY", parent)
    , m_circumference(makeNumberField("circumference", this))
    , m_layers(makeRadioGroup("twoSlurryLayers", this))
    , m_slurryLower(makeNumberField("slurryUnitWeightLower", this))
    , m_slurryUpper(makeNumberField("slurryUnitWeightUpper", this))
    , m_fluidLower(makeNumberField("fluidUnitWeightLower", this))
    , m_fluidUpper(makeNumberField("fluidUnitWeightUpper", this))
    , m_slurryHeight(makeNumberField("slurryHeightLower", this))
    , m_fluidHeight(makeNumberField("fluidHeightLower", this))
    , m_slurryHeightLabel(
          new QLabel(QStringLiteral("Height of lower layer of slurry,   H in-Lower"), this))
    , m_slurryHeightUnit(nullptr)
    , m_picture(new QLabel(this))
    , m_ok(makeButton(QStringLiteral("&OK"), "ok", this))
{
    setWindowTitle(QStringLiteral("Slurry Data"));
    setHelpTopic(QStringLiteral("::/Working_with_Vendrix.htm#slurry"));
    createControls();
    layOut();
    loadFromRecord();
    setTabOrders();
    connectControls();
}

void SlurryDialog::createControls()
{
    m_oneLayer = makeRadio(QStringLiteral("1"), m_layers, 0, this);
    m_twoLayers = makeRadio(QStringLiteral("2"), m_layers, 1, this);
    m_slurryHeightUnit = makeLabel(unitLabels(m_record.display).length, this);
    m_slurryHeightUnit->setObjectName(QStringLiteral("slurryHeightLowerUnit"));
    m_picture->setObjectName(QStringLiteral("layersPicture"));
    m_medium = makeButton(QStringLiteral("Unit weight of transporting medium\n(typically water)"),
                          "transportMedium", this);
    m_note = new QLabel(
        QStringLiteral(
            "NOTE: If Hin-Lower is larger than the calculated max(H-tube), then only lower layer "
            "will be considered in analysis (i.e.,  a single slurry layer will be used.)"),
        this);
    m_note->setWordWrap(true);
    m_note->setMaximumWidth(420);
    m_editButtons = makeEditButtons();
}

int SlurryDialog::layOutFields(QGridLayout *layout)
{
    const UnitLabels units = unitLabels(m_record.display);
    int row = 0;
    auto addRow = [&](QWidget *label, QLineEdit *field, const char *unit, const char *unitName) {
        layout->addWidget(label, row, 0);
        layout->addWidget(field, row, 1);
        QLabel *unitLabel = makeLabel(unit, this);
        unitLabel->setObjectName(QString::fromLatin1(unitName));
        layout->addWidget(unitLabel, row, 2);
        ++row;
    };
    addRow(new QLabel(QStringLiteral("Circumference of tube"), this), m_circumference, units.length,
           "circumferenceUnit");
    auto *layersRow = new QHBoxLayout;
    layersRow->addWidget(new QLabel(QStringLiteral("Total number of slurry layers :"), this));
    layersRow->addWidget(m_oneLayer);
    layersRow->addWidget(m_twoLayers);
    layersRow->addStretch();
    layout->addLayout(layersRow, row++, 0, 1, 3);
    layout->addWidget(makeHeading(QStringLiteral("Unit weight of slurry :"), this), row++, 0);
    addRow(new QLabel(QStringLiteral("      lower layer"), this), m_slurryLower, units.unitWeight,
           "slurryUnitWeightLowerUnit");
    addRow(new QLabel(QStringLiteral("      upper layer"), this), m_slurryUpper, units.unitWeight,
           "slurryUnitWeightUpperUnit");
    layout->addWidget(makeHeading(QStringLiteral("Unit weight of fluid outside tube :"), this),
                      row++, 0);
    addRow(new QLabel(QStringLiteral("      Lower fluid"), this), m_fluidLower, units.unitWeight,
           "fluidUnitWeightLowerUnit");
    addRow(new QLabel(QStringLiteral("      Upper fluid"), this), m_fluidUpper, units.unitWeight,
           "fluidUnitWeightUpperUnit");
    layout->addWidget(m_slurryHeightLabel, row, 0);
    layout->addWidget(m_slurryHeight, row, 1);
    layout->addWidget(m_slurryHeightUnit, row, 2);
    ++row;
    addRow(new QLabel(QStringLiteral("Height of outside lower fluid,   H out-Lower"), this),
           m_fluidHeight, units.length, "fluidHeightLowerUnit");
    return row;
}

void SlurryDialog::layOut()
{
    auto *layout = new QGridLayout(this);
    int row = layOutFields(layout);
    layout->addWidget(m_medium, row++, 0, 1, 3, Qt::AlignLeft);
    layout->addWidget(m_note, row++, 0, 1, 3);
    layout->addWidget(m_picture, 0, 3, row, 1, Qt::AlignCenter);
    layout->addLayout(editButtonRow(m_ok, m_editButtons), row, 0, 1, 4);
    layout->setColumnMinimumWidth(2, 60);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    keepRoomWhenHidden({m_slurryHeightLabel, m_slurryHeight, m_slurryHeightUnit});
}

std::array<InputDialog::NumberField, 7> SlurryDialog::numberFields(SlurryShownValues &values) const
{
    return {{{m_circumference, &values.circumference},
             {m_slurryLower, &values.slurryUnitWeightLower},
             {m_slurryUpper, &values.slurryUnitWeightUpper},
             {m_fluidLower, &values.fluidUnitWeightLower},
             {m_fluidUpper, &values.fluidUnitWeightUpper},
             {m_slurryHeight, &values.slurryHeightLower},
             {m_fluidHeight, &values.fluidHeightLower}}};
}

void SlurryDialog::showValues(SlurryShownValues values)
{
    m_rememberedLower = values.slurryUnitWeightLower;
    m_rememberedUpper = values.slurryUnitWeightUpper;
    showNumbers(numberFields(values));
    m_layers->button(values.twoSlurryLayers ? 1 : 0)->setChecked(true);
    // Also when the layers chosen do not change: the upper field, the height of
    // the lower layer and the picture follow the layers.
    chooseLayers(values.twoSlurryLayers);
}

void SlurryDialog::loadFromRecord()
{
    // The fields as stored, converted for display.
    showValues(shownSlurryValues(m_record.input, m_record.display));
}

void SlurryDialog::setTabOrders()
{
    QWidget *const order[]
        = {m_circumference, m_oneLayer,   m_twoLayers,    m_slurryLower, m_slurryUpper,
           m_fluidLower,    m_fluidUpper, m_slurryHeight, m_fluidHeight};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void SlurryDialog::connectControls()
{
    m_slurryLower->installEventFilter(this);
    m_slurryUpper->installEventFilter(this);
    connect(m_layers, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            chooseLayers(id == 1);
    });
    connectEditButtons(
        m_ok, m_editButtons, [this] { restoreDefaults(); }, [this] { truncate(); });
    connect(m_medium, &QPushButton::clicked, this, &SlurryDialog::openUnitWeight);
}

bool SlurryDialog::twoLayers() const
{
    return m_layers->checkedId() == 1;
}

void SlurryDialog::chooseLayers(bool two)
{
    showNumber(m_slurryUpper, two ? m_rememberedUpper : m_rememberedLower);
    m_slurryUpper->setEnabled(two);
    m_slurryHeightLabel->setVisible(two);
    m_slurryHeight->setVisible(two);
    m_slurryHeightUnit->setVisible(two);
    m_picture->setPixmap(slurryLayersPicture(two));
}

QWidget *SlurryDialog::enterSuccessor(QWidget *from) const
{
    if (from == m_circumference)
        return m_slurryLower;
    if (from == m_slurryLower)
        return twoLayers() ? m_slurryUpper : m_fluidLower;
    if (from == m_slurryUpper)
        return m_fluidLower;
    if (from == m_fluidLower)
        return m_fluidUpper;
    // With one layer Hin-Lower is hidden: the order goes on to Hout-Lower.
    if (from == m_fluidUpper)
        return m_slurryHeight->isVisibleTo(this) ? m_slurryHeight : m_fluidHeight;
    if (from == m_slurryHeight)
        return m_fluidHeight;
    if (from == m_fluidHeight)
        return m_circumference;
    return nullptr;
}

bool SlurryDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut) {
        if (watched == m_slurryLower)
            rememberLower();
        else if (watched == m_slurryUpper)
            rememberUpper();
    }
    return InputDialog::eventFilter(watched, event);
}

void SlurryDialog::rememberLower()
{
    // Text that is not a number is reported on OK; here it is simply not taken.
    if (const auto value = parseShownNumber(fromQString(m_slurryLower->text()))) {
        m_rememberedLower = *value;
        if (!twoLayers())
            showNumber(m_slurryUpper, *value);
    }
}

void SlurryDialog::rememberUpper()
{
    if (const auto value = parseShownNumber(fromQString(m_slurryUpper->text())))
        m_rememberedUpper = *value;
}

void SlurryDialog::restoreDefaults()
{
    // Two layers, with every control of the second layer shown.
    showValues(dialogDefaults(m_record.display.unitSystem).slurry);
}

void SlurryDialog::truncate()
{
    SlurryShownValues values;
    const auto fields = numberFields(values);
    if (!readNumbers(fields))
        return;
    for (const NumberField &f : fields)
        *f.value = roundToThousandths(*f.value);
    showNumbers(fields);
    m_rememberedLower = values.slurryUnitWeightLower;
    if (twoLayers())
        m_rememberedUpper = values.slurryUnitWeightUpper;
}

void SlurryDialog::openUnitWeight()
{
    UnitWeightDialog dialog(m_record, m_services, this);
    runModal(dialog);
}

void SlurryDialog::accept()
{
    SlurryShownValues shown;
    shown.twoSlurryLayers = twoLayers();
    if (!readNumbers(numberFields(shown)))
        return;
    // With one layer the upper slurry is the lower one, whatever the field shows.
    if (!shown.twoSlurryLayers) {
        shown.slurryUnitWeightUpper = shown.slurryUnitWeightLower;
        showNumber(m_slurryUpper, shown.slurryUnitWeightLower);
    }
    if (showsFailure(checkSlurryData(shown, m_record.input.transportUnitWeight, m_record.display)))
        return;
    storeSlurryValues(shown, m_record.display, m_record.input);
    InputDialog::accept();
}

} // namespace vendrix
