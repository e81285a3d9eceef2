#include "app/dialogs/input/slurry_dialog.h"

#include "app/dialogs/common/dialog_runner.h"
#include "app/dialogs/common/dialog_widgets.h"
#include "app/dialogs/input/unit_weight_dialog.h"
#include "graphics/dialog_artwork.h"
#include "graphics/qt_text.h"
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
    : FormDialog(record, services, "IDD_MODIFY_SLURRY", parent)
    , m_circumference(fields().addNumber(FieldId::Circumference, this))
    , m_layers(makeRadioGroup(fieldName(FieldId::TwoSlurryLayers), this))
    , m_slurryLower(fields().addNumber(FieldId::SlurryUnitWeightLower, this))
    , m_slurryUpper(fields().addNumber(FieldId::SlurryUnitWeightUpper, this))
    , m_fluidLower(fields().addNumber(FieldId::FluidUnitWeightLower, this))
    , m_fluidUpper(fields().addNumber(FieldId::FluidUnitWeightUpper, this))
    , m_slurryHeight(fields().addNumber(FieldId::SlurryHeightLower, this))
    , m_fluidHeight(fields().addNumber(FieldId::FluidHeightLower, this))
    , m_slurryHeightLabel(makeFieldLabel(FieldId::SlurryHeightLower, this))
    , m_slurryHeightUnit(nullptr)
    , m_picture(new QLabel(this))
    , m_ok(makeButton(QStringLiteral("&OK"), "ok", this))
{
    setWindowTitle(QStringLiteral("Slurry Data"));
    setHelpTopic(QStringLiteral("::/Working_with_Vendrix.htm#slurry"));
    createControls();
    layOut();
    // The fields as stored, converted for display.
    fields().showRecord(record);
    showLayers(record.input.twoSlurryLayers);
    setTabOrders();
    connectControls();
}

void SlurryDialog::createControls()
{
    m_oneLayer = makeRadio(QStringLiteral("1"), m_layers, 0, this);
    m_twoLayers = makeRadio(QStringLiteral("2"), m_layers, 1, this);
    m_slurryHeightUnit = fields().unitLabel(FieldId::SlurryHeightLower, this);
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
    int row = 0;
    auto addRow = [&](FieldEdit *field) {
        layout->addWidget(makeFieldLabel(field->field(), this), row, 0);
        layout->addWidget(field, row, 1);
        layout->addWidget(fields().unitLabel(field->field(), this), row, 2);
        ++row;
    };
    addRow(m_circumference);
    auto *layersRow = new QHBoxLayout;
    layersRow->addWidget(new QLabel(QStringLiteral("Total number of slurry layers :"), this));
    layersRow->addWidget(m_oneLayer);
    layersRow->addWidget(m_twoLayers);
    layersRow->addStretch();
    layout->addLayout(layersRow, row++, 0, 1, 3);
    layout->addWidget(makeHeading(QStringLiteral("Unit weight of slurry :"), this), row++, 0);
    addRow(m_slurryLower);
    addRow(m_slurryUpper);
    layout->addWidget(makeHeading(QStringLiteral("Unit weight of fluid outside tube :"), this),
                      row++, 0);
    addRow(m_fluidLower);
    addRow(m_fluidUpper);
    layout->addWidget(m_slurryHeightLabel, row, 0);
    layout->addWidget(m_slurryHeight, row, 1);
    layout->addWidget(m_slurryHeightUnit, row, 2);
    ++row;
    addRow(m_fluidHeight);
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

void SlurryDialog::showLayers(bool two)
{
    m_rememberedLower = *fields().typedValue(FieldId::SlurryUnitWeightLower);
    m_rememberedUpper = *fields().typedValue(FieldId::SlurryUnitWeightUpper);
    m_layers->button(two ? 1 : 0)->setChecked(true);
    // Also when the layers chosen do not change: the upper field, the height of
    // the lower layer and the picture follow the layers.
    chooseLayers(two);
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
    m_slurryUpper->showNumber(two ? m_rememberedUpper : m_rememberedLower);
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
    return FormDialog::eventFilter(watched, event);
}

void SlurryDialog::rememberLower()
{
    // Text that is not a number is reported on OK; here it is simply not taken.
    if (const auto value = parseShownNumber(fromQString(m_slurryLower->text()))) {
        m_rememberedLower = *value;
        if (!twoLayers())
            m_slurryUpper->showNumber(*value);
    }
}

void SlurryDialog::rememberUpper()
{
    if (const auto value = parseShownNumber(fromQString(m_slurryUpper->text())))
        m_rememberedUpper = *value;
}

void SlurryDialog::restoreDefaults()
{
    fields().showDefaults();
    // Two layers, with every control of the second layer shown.
    showLayers(dialogDefaultValue(FieldId::TwoSlurryLayers, record().display.unitSystem) != 0);
}

void SlurryDialog::truncate()
{
    if (!fields().truncate())
        return;
    m_rememberedLower = *fields().typedValue(FieldId::SlurryUnitWeightLower);
    if (twoLayers())
        m_rememberedUpper = *fields().typedValue(FieldId::SlurryUnitWeightUpper);
}

void SlurryDialog::openUnitWeight()
{
    UnitWeightDialog dialog(record(), services(), this);
    runModal(dialog);
}

void SlurryDialog::accept()
{
    ProjectRecord edited = record();
    edited.input.twoSlurryLayers = twoLayers();
    if (!fields().read(edited))
        return;
    // With one layer the upper slurry is the lower one, whatever the field shows.
    if (!edited.input.twoSlurryLayers) {
        edited.input.slurryUnitWeightUpper = edited.input.slurryUnitWeightLower;
        m_slurryUpper->showNumber(*fields().typedValue(FieldId::SlurryUnitWeightLower));
    }
    if (showsFailure(checkSlurryData(edited)))
        return;
    commitStep(services(), QStringLiteral("Slurry and Geometry Data"), [&] {
        fields().commit(edited, record());
        record().input.twoSlurryLayers = edited.input.twoSlurryLayers;
    });
    FormDialog::accept();
}

} // namespace vendrix
