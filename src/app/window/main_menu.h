#pragma once
// The main menu "Main Menu": present while a project is open, beside the input
// display inside the main window. It leads to the input menu, runs the analysis
// and opens the result windows; the result buttons are enabled only between a
// successful run and the next visit to the input menu (or undo of an input).

#include "app/dialogs/common/dialog_runner.h"
#include "app/dialogs/results/post_processing_hooks.h"
#include "app/ui_services.h"
#include "model/project_record.h"

#include <QColor>
#include <QWidget>

#include <functional>

class QLabel;
class QLayout;
class QPushButton;
class QVBoxLayout;

namespace vendrix {

inline const QColor kMainMenuFaceColour(102, 236, 204);

class MainMenu : public QWidget
{
    Q_OBJECT

public:
    // Opening the main menu clears resultsValid and disables the result buttons.
    MainMenu(ProjectRecord &record, const UiServices &services, QWidget *parent = nullptr);

    // Shows the cross-section window modally for the current shape (the graphical
    // results). While unset, "View Cross-Section" has nothing to show.
    std::function<void(QWidget *parent)> showGraphicalResults;
    // How modal dialogs are shown (exec() unless a test replaces it).
    DialogRunner runDialog = execRunner();
    ConsolidationHooks consolidationHooks = defaultConsolidationHooks();
    QuantitiesHooks quantitiesHooks = defaultQuantitiesHooks();
    // How Run Vendrix solves (the program's preference).
    SolutionMethod solutionMethod = kDefaultSolutionMethod;

    // The result buttons: View Numerical Results, View Cross-Section, Save Results
    // as Text File, Quantity and Cost, Consolidated Shape.
    bool resultButtonsEnabled() const;

public slots:
    void modifyInputData();
    void runAnalysis();
    void viewNumericalResults();
    void viewCrossSection();
    void saveResultsAsText();
    void calculateQuantities();
    void calculateConsolidatedShape();
    // Needs no run: the envelope solves the tube itself.
    void showFillingEnvelope();
    // Needs no run either: every point is a run of a copy of the project.
    void showParametricStudy();
    // Needs no run either: the check solves the tube by the exact method.
    void showDesignCheck();
    // The small picture button: shows or hides the resource tags of every window.
    void toggleDialogTags();
    // Saved fields were put back by undo or redo: with `effect` InvalidatesResults
    // the results go as after Modify Input Data; the input display repaints.
    void savedFieldsRestored(StepEffect effect);

signals:
    // The input changed and the input display has to be repainted.
    void inputChanged();
    // Results became valid or invalid (Print and Print Preview follow).
    void resultsValidChanged(bool valid);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setResultButtonsEnabled(bool enabled);
    void showRefusal(const Failure &failure);
    void addCaption(QVBoxLayout *layout);
    void addMenuButtons();
    QLayout *createTagRow();
    QPushButton *addButton(const QString &text, const char *name, int controlId);

    ProjectRecord &m_record;
    UiServices m_services;
    QPushButton *m_results[5] = {};
    QLabel *m_tag;
};

} // namespace vendrix
