#include "app/printing/report_option_dialog.h"

#include "app/dialogs/common/dialog_widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vendrix {

namespace {

QRadioButton *radio(QWidget *parent, const QString &text, const QString &name)
{
    auto *button = new QRadioButton(text, parent);
    button->setObjectName(name);
    return button;
}

QGroupBox *pairGroup(const QString &title, QRadioButton *first, QRadioButton *second)
{
    auto *box = new QGroupBox(title);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(first);
    layout->addWidget(second);
    auto *group = new QButtonGroup(box);
    group->addButton(first);
    group->addButton(second);
    return box;
}

} // namespace

ReportOptionDialog::ReportOptionDialog(const ProjectRecord &record, ReportOptions &options,
                                       const UiServices &services, QWidget *parent,
                                       bool askForConsolidationPage)
    : QDialog(parent)
    , m_options(options)
    , m_services(services)
{
    // The option dialogs share the program's tan background with black text.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(223, 201, 159));
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    auto *layout = new QVBoxLayout(this);
    // The resource tag, shown only while the main menu's tag button has them on.
    auto *tag = new QLabel(askForConsolidationPage ? QStringLiteral("IDD_ADD_PAGE")
                                                   : QStringLiteral("IDD_DISPLAY_GRAPHICS"));
    tag->setObjectName(QStringLiteral("dialogTag"));
    tag->setVisible(!record.state.hideDialogTags);
    layout->addWidget(tag);
    if (askForConsolidationPage) {
        layout->addWidget(
            new QLabel(tr("Do you want the consolidated drawing to be part of the report?")));
        m_addPage = radio(this, tr("YES, add consolidation page to report"),
                          QStringLiteral("omitConsolidationPage0"));
        m_omitPage = radio(this, tr("NO, do not add consolidation page to report"),
                           QStringLiteral("omitConsolidationPage1"));
        auto *box = pairGroup(QString(), m_addPage, m_omitPage);
        layout->addWidget(box);
        (!options.omitConsolidationPage ? m_addPage : m_omitPage)->setChecked(true);
    }
    m_colour
        = radio(this, tr("Color (ideal for color printer)"), QStringLiteral("printBlackWhite0"));
    m_blackWhite = radio(
        this, tr("   Black  and white (better contrast in printout and common reproduction)"),
        QStringLiteral("printBlackWhite1"));
    layout->addWidget(pairGroup(tr("Graphics printout:"), m_colour, m_blackWhite));
    (!options.printBlackWhite ? m_colour : m_blackWhite)->setChecked(true);

    m_logoNo = radio(this, tr("NO"), QStringLiteral("includeLogo0"));
    m_logoYes = radio(this, tr("YES"), QStringLiteral("includeLogo1"));
    layout->addWidget(pairGroup(tr("Include LOGO"), m_logoNo, m_logoYes));
    (options.includeLogo ? m_logoYes : m_logoNo)->setChecked(true);

    m_designCheckPage = new QCheckBox(tr("Add the design check page to the report"), this);
    m_designCheckPage->setObjectName(QStringLiteral("addDesignCheckPage"));
    m_designCheckPage->setChecked(options.addDesignCheckPage);
    layout->addWidget(m_designCheckPage);

    // Only OK: the choice is always taken, Escape keeps the stored settings.
    addOkButtonBox(this, layout);
}

void ReportOptionDialog::accept()
{
    if (m_addPage)
        m_options.omitConsolidationPage = !m_addPage->isChecked();
    m_options.printBlackWhite = m_blackWhite->isChecked();
    m_options.includeLogo = m_logoYes->isChecked();
    m_options.addDesignCheckPage = m_designCheckPage->isChecked();
    QDialog::accept();
}

} // namespace vendrix
