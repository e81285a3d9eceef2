#include "app/window/main_menu.h"

#include "app/dialogs/common/dialog_widgets.h"
#include "app/dialogs/common/form_dialog.h"
#include "app/dialogs/results/consolidated_data_dialog.h"
#include "app/dialogs/results/design_check_window.h"
#include "app/dialogs/results/filling_envelope_dialog.h"
#include "app/dialogs/results/numerical_results_dialog.h"
#include "app/dialogs/results/parametric_study_window.h"
#include "app/dialogs/results/quantities_dialog.h"
#include "app/window/input_menu.h"
#include "engine/analysis_run.h"
#include "graphics/qt_text.h"
#include "model/units.h"
#include "report/results_text.h"

#include <QApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vendrix {

namespace {

// The wait cursor for the length of the run.
struct WaitCursor
{
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

MainMenu::MainMenu(ProjectRecord &record, const UiServices &services, QWidget *parent)
    : QWidget(parent)
    , m_record(record)
    , m_services(services)
    , m_tag(new QLabel(QStringLiteral("IDD_START"), this))
{
    setObjectName(QStringLiteral("mainMenu"));
    setWindowTitle(QStringLiteral("Main Menu"));
    applyDialogFace(this, kMainMenuFaceColour);
    setProperty("helpTopic", QStringLiteral("::/Working_with_Vendrix.htm"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 12, 20, 8);
    layout->setSpacing(10);
    addCaption(layout);
    addMenuButtons();
    layout->addStretch(1);
    layout->addLayout(createTagRow());

    m_record.state.resultsValid = false;
    setResultButtonsEnabled(false);
    m_tag->setVisible(!m_record.state.hideDialogTags);
}

void MainMenu::addCaption(QVBoxLayout *layout)
{
    layout->addWidget(centredTitle(QStringLiteral("Main Menu"), "caption", this, 1.25));
}

void MainMenu::addMenuButtons()
{
    QPushButton *modify = addButton(QStringLiteral("&Modify Input Data"), "modifyInputData", 1001);
    QPushButton *run = addButton(QStringLiteral("&Run Vendrix"), "runVendrix", 1002);
    m_results[0]
        = addButton(QStringLiteral("View &Numerical Results"), "viewNumericalResults", 1003);
    m_results[1] = addButton(QStringLiteral("View &Cross-Section\nof  Geosynthetic  Tube"),
                             "viewCrossSection", 1004);
    m_results[4] = addButton(QStringLiteral("Calculate Con&solidated\nShape of Tube"),
                             "consolidatedShape", 1045);
    m_results[3] = addButton(QStringLiteral("Calculate &Quantity and Cost of\nGeosynthetic and "
                                            "Fill Material"),
                             "quantityAndCost", 1006);
    QPushButton *envelope = addButton(QStringLiteral("Filling &Envelope"), "fillingEnvelope", 1046);
    QPushButton *study = addButton(QStringLiteral("&Parametric Study"), "parametricStudy", 1047);
    QPushButton *check = addButton(QStringLiteral("&Design Check"), "designCheck", 1048);
    m_results[2] = addButton(QStringLiteral("Save Results as &Text File"), "saveResultsText", 1005);
    connect(modify, &QPushButton::clicked, this, &MainMenu::modifyInputData);
    connect(run, &QPushButton::clicked, this, &MainMenu::runAnalysis);
    connect(m_results[0], &QPushButton::clicked, this, &MainMenu::viewNumericalResults);
    connect(m_results[1], &QPushButton::clicked, this, &MainMenu::viewCrossSection);
    connect(m_results[2], &QPushButton::clicked, this, &MainMenu::saveResultsAsText);
    connect(m_results[3], &QPushButton::clicked, this, &MainMenu::calculateQuantities);
    connect(m_results[4], &QPushButton::clicked, this, &MainMenu::calculateConsolidatedShape);
    connect(envelope, &QPushButton::clicked, this, &MainMenu::showFillingEnvelope);
    connect(study, &QPushButton::clicked, this, &MainMenu::showParametricStudy);
    connect(check, &QPushButton::clicked, this, &MainMenu::showDesignCheck);
}

QLayout *MainMenu::createTagRow()
{
    auto *bottom = new QHBoxLayout;
    m_tag->setObjectName(QStringLiteral("dialogTag"));
    bottom->addWidget(m_tag);
    bottom->addStretch(1);
    // Deliberately tiny and unlabelled: it is meant for support, not for users.
    auto *toggle = new QPushButton(this);
    toggle->setObjectName(QStringLiteral("tagToggle"));
    toggle->setProperty("controlId", 1007);
    toggle->setFixedSize(10, 10);
    toggle->setFlat(true);
    toggle->setFocusPolicy(Qt::NoFocus);
    toggle->setAccessibleName(QStringLiteral("Show resource tags"));
    connect(toggle, &QPushButton::clicked, this, &MainMenu::toggleDialogTags);
    bottom->addWidget(toggle, 0, Qt::AlignBottom);
    return bottom;
}

QPushButton *MainMenu::addButton(const QString &text, const char *name, int controlId)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setProperty("controlId", controlId);
    button->setMinimumHeight(text.contains(QLatin1Char('\n')) ? 52 : 36);
    button->setMinimumWidth(260);
    layout()->addWidget(button);
    return button;
}

bool MainMenu::resultButtonsEnabled() const
{
    for (const QPushButton *button : m_results) {
        if (!button->isEnabled())
            return false;
    }
    return true;
}

void MainMenu::setResultButtonsEnabled(bool enabled)
{
    for (QPushButton *button : m_results)
        button->setEnabled(enabled);
    emit resultsValidChanged(m_record.state.resultsValid);
}

void MainMenu::modifyInputData()
{
    m_record.state.resultsValid = false;
    m_record.state.shapeShown = Shape::AsFilled;
    setResultButtonsEnabled(false);
    {
        InputMenu menu(m_record, m_services, this, runDialog);
        runDialog(menu);
    }
    setResultButtonsEnabled(false);
    emit inputChanged();
}

void MainMenu::savedFieldsRestored(StepEffect effect)
{
    if (effect == StepEffect::InvalidatesResults) {
        m_record.state.resultsValid = false;
        m_record.state.shapeShown = Shape::AsFilled;
        setResultButtonsEnabled(false);
    }
    emit inputChanged();
}

void MainMenu::runAnalysis()
{
    RunOutcome outcome;
    {
        WaitCursor wait;
        outcome = vendrix::runAnalysis(m_record, solutionMethod);
    }
    if (const auto &failure = outcome.failure)
        showRefusal(*failure);
    setResultButtonsEnabled(m_record.state.resultsValid);
}

void MainMenu::showRefusal(const Failure &failure)
{
    // Numbered rules open the conflict dialog, field-format rules a message box.
    if (failure.number == 0) {
        if (m_services.message)
            m_services.message(this, failureText(failure));
    } else if (m_services.conflict) {
        m_services.conflict(this, failure.errorNumberText(), failure.messageText);
    }
}

void MainMenu::viewNumericalResults()
{
    NumericalResultsDialog dialog(m_record, m_services, this);
    runDialog(dialog);
}

void MainMenu::viewCrossSection()
{
    const std::optional<Shape> shown = m_record.state.shapeShown;
    m_record.state.shapeShown = Shape::AsFilled;
    if (showGraphicalResults)
        showGraphicalResults(this);
    m_record.state.shapeShown = shown;
}

void MainMenu::saveResultsAsText()
{
    const QString path = askSaveFileName(m_services, this, m_record.info.projectPath,
                                         QStringLiteral("Save As"), QStringLiteral("*.txt"),
                                         QStringLiteral("Text Files (*.txt);;All Files (*)"));
    writeChosenFile(
        m_services, this, withDefaultSuffix(path, "txt"),
        [this](const std::filesystem::path &file) { return writeResultsTextFile(file, m_record); });
}

void MainMenu::calculateQuantities()
{
    QuantitiesDialog dialog(m_record, m_services, this, quantitiesHooks);
    runDialog(dialog);
}

void MainMenu::calculateConsolidatedShape()
{
    ConsolidatedDataDialog dialog(m_record, m_services, this, consolidationHooks);
    if (showGraphicalResults)
        dialog.setCrossSectionView(showGraphicalResults);
    runDialog(dialog);
}

void MainMenu::showFillingEnvelope()
{
    FillingEnvelopeDialog dialog(m_record, m_services, this);
    runDialog(dialog);
}

void MainMenu::showParametricStudy()
{
    ParametricStudyWindow window(m_record, m_services, solutionMethod, this);
    runDialog(window);
}

void MainMenu::showDesignCheck()
{
    DesignCheckWindow window(m_record, m_services, solutionMethod, this);
    window.runDialog = runDialog;
    runDialog(window);
}

void MainMenu::keyPressEvent(QKeyEvent *event)
{
    // Outside a dialog a button ignores Enter; here Enter presses the focused one.
    auto *button = qobject_cast<QPushButton *>(focusWidget());
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && button
        && button->isEnabled() && button->parentWidget() == this) {
        button->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainMenu::toggleDialogTags()
{
    m_record.state.hideDialogTags = !m_record.state.hideDialogTags;
    m_tag->setVisible(!m_record.state.hideDialogTags);
}

} // namespace vendrix
