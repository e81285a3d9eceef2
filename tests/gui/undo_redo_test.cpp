// Edit > Undo and Redo through the real windows and keys: steps of two input
// dialogs and a unit switch undone and redone to the exact saved fields, the
// modified "*" following the undo stack, and visits that change nothing.
#include "app/window/main_window.h"
#include "model/project_file.h"
#include "shell_test_support.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

using namespace vendrix;
using namespace vendrix::test;

namespace {

struct UndoFixture : ::testing::Test
{
    QTemporaryDir dir;
    ProjectRecord record;
    RecordingServices recorder;
    SaveQuestion question;
    DialogScript script;
    std::unique_ptr<MainWindow> frame;

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        record.state.dataDirectory = dir.filePath("data").toStdString();
        UiServices services = recorder.services();
        question.install(services);
        frame = std::make_unique<MainWindow>(record, services, nullptr);
        frame->setDialogRunner(script.runner());
        frame->show();
        QApplication::setActiveWindow(frame.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }

    // Modify Input Data, the input menu's `button`, then `edit` and OK in the
    // dialog `dialogClass` it opens.
    void inInputDialog(const char *button, const char *dialogClass,
                       const std::function<void(QDialog &)> &edit)
    {
        script.steps.clear();
        script.steps["InputMenu"] = [button](QDialog &dialog) {
            click(dialog, button);
            click(dialog, "ok");
            return dialog.result();
        };
        script.steps[dialogClass] = [edit](QDialog &dialog) {
            edit(dialog);
            clickOk(dialog);
            return dialog.result();
        };
        QTest::mouseClick(child<QPushButton>(*frame->mainMenu(), "modifyInputData"),
                          Qt::LeftButton);
    }

    // Keys of the Edit menu pressed in the main window.
    void press(const QKeySequence &keys)
    {
        QApplication::setActiveWindow(frame.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        QTest::keySequence(frame.get(), keys);
    }

    QString actionText(const char *name) { return frame->action(name)->text().remove('&'); }
    std::string saved() const { return serializeProject(record); }
    bool modified() const { return frame->isWindowModified(); }
};

} // namespace

TEST_F(UndoFixture, TwoDialogsAndAUnitSwitchUndoAndRedoToTheExactValues)
{
    QStringList menus;
    for (QAction *item : frame->menuBar()->actions())
        menus << item->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&View", "&Options", "&Help"}));
    frame->action("fileNew")->trigger();
    ASSERT_NE(frame->mainMenu(), nullptr);
    EXPECT_FALSE(frame->action("editUndo")->isEnabled());

    const struct
    {
        const char *button;
        const char *dialog;
        std::function<void(QDialog &)> edit;
        const char *step;
    } changes[] = {
        {"slurryData", "SlurryDialog",
         [](QDialog &d) { typeInto(d, "circumference", "12.345678"); }, "Slurry and Geometry Data"},
        {"reductionFactors", "ReductionFactorsDialog",
         [](QDialog &d) { typeInto(d, "rfCreep", "1.7"); }, "Reduction Factors"},
        {"units", "UnitsDialog", [](QDialog &d) { clickRadio(d, "englishUnits_1"); },
         "Select Units"},
    };
    std::vector<std::string> states = {saved()};
    for (const auto &change : changes) {
        SCOPED_TRACE(change.step);
        inInputDialog(change.button, change.dialog, change.edit);
        EXPECT_TRUE(saved() != states.back());
        states.push_back(saved());
        EXPECT_EQ(actionText("editUndo"), QStringLiteral("Undo ") + change.step);
    }
    EXPECT_EQ(record.display.unitSystem, UnitSystem::English);
    EXPECT_EQ(record.input.circumference, 12.345678);

    // A run's results go with an undo, as with a changed input.
    QTest::mouseClick(child<QPushButton>(*frame->mainMenu(), "runVendrix"), Qt::LeftButton);
    ASSERT_TRUE(frame->action("filePrint")->isEnabled());
    const QKeySequence undoKeys[]
        = {QKeySequence::Undo, QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence::Undo};
    for (int i = 2; i >= 0; --i) {
        SCOPED_TRACE(changes[i].step);
        press(undoKeys[2 - i]);
        EXPECT_TRUE(saved() == states[i]) << "the saved fields differ";
        EXPECT_EQ(actionText("editRedo"), QStringLiteral("Redo ") + changes[i].step);
        EXPECT_FALSE(frame->mainMenu()->resultButtonsEnabled());
        EXPECT_FALSE(frame->action("filePrint")->isEnabled());
    }
    EXPECT_EQ(record.input.circumference, 10);
    EXPECT_EQ(record.display.unitSystem, UnitSystem::SI);
    EXPECT_FALSE(frame->action("editUndo")->isEnabled());

    const QKeySequence redoKeys[] = {QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::Key_Y),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(changes[i].step);
        press(redoKeys[i]);
        EXPECT_TRUE(saved() == states[i + 1]) << "the saved fields differ";
    }
    EXPECT_FALSE(frame->action("editRedo")->isEnabled());
    // A new change after an undo drops the steps that were undone.
    frame->action("editUndo")->trigger();
    inInputDialog("slurryData", "SlurryDialog",
                  [](QDialog &d) { typeInto(d, "circumference", "20"); });
    EXPECT_FALSE(frame->action("editRedo")->isEnabled());
    EXPECT_EQ(record.display.unitSystem, UnitSystem::SI);
}

TEST_F(UndoFixture, ModifiedMarkFollowsTheSavedState)
{
    const QString path = dir.filePath("marked.Vdx");
    frame->action("fileNew")->trigger();
    recorder.nextFileName = path;
    frame->action("fileSaveAs")->trigger();
    frame->action("fileClose")->trigger();
    frame->openFile(path);
    auto change = [this](const char *circumference) {
        inInputDialog("slurryData", "SlurryDialog",
                      [circumference](QDialog &d) { typeInto(d, "circumference", circumference); });
    };
    const struct
    {
        const char *what;
        std::function<void()> act;
        bool modified;
    } steps[] = {
        {"opened", [] {}, false},
        {"changed", [&] { change("11"); }, true},
        {"saved", [&] { frame->action("fileSave")->trigger(); }, false},
        {"changed again", [&] { change("12"); }, true},
        {"undone to the save", [&] { press(QKeySequence::Undo); }, false},
        {"undone past the save", [&] { press(QKeySequence::Undo); }, true},
        {"redone to the save", [&] { press(QKeySequence::Redo); }, false},
        {"OK without a change", [&] { change("11"); }, false},
        {"mended on reading", [&] { frame->document().setModified(true); }, true},
        {"changed, then undone",
         [&] {
             change("13");
             press(QKeySequence::Undo);
         },
         true},
        {"saved at last", [&] { frame->action("fileSave")->trigger(); }, false},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(modified(), step.modified);
        EXPECT_EQ(frame->document().isModified(), step.modified);
    }
    // A save that fails keeps the mark.
    change("14");
    QFile::remove(path);
    ASSERT_TRUE(QDir(dir.path()).mkdir("marked.Vdx"));
    frame->action("fileSave")->trigger();
    EXPECT_TRUE(modified());
    question.answer = QMessageBox::No;
    frame->action("fileClose")->trigger();
    EXPECT_EQ(question.asked.size(), 1u);
}

// Modify Input Data and OK in every dialog with nothing changed, quantities left
// as they were: no step, no mark, no question on Close.
TEST_F(UndoFixture, VisitsWithoutAChangeMarkNothing)
{
    frame->action("fileNew")->trigger();
    script.steps["InputMenu"] = [](QDialog &dialog) {
        for (const char *button : {"units", "slurryData", "reductionFactors", "analysisType"})
            click(dialog, button);
        click(dialog, "ok");
        return dialog.result();
    };
    for (const char *name :
         {"UnitsDialog", "SlurryDialog", "ReductionFactorsDialog", "AnalysisTypeDialog"}) {
        script.steps[name] = [](QDialog &dialog) {
            clickOk(dialog);
            return dialog.result();
        };
    }
    QTest::mouseClick(child<QPushButton>(*frame->mainMenu(), "modifyInputData"), Qt::LeftButton);
    EXPECT_EQ(script.count("AnalysisTypeDialog"), 1);
    EXPECT_FALSE(modified());
    EXPECT_FALSE(frame->action("editUndo")->isEnabled());
    frame->action("fileClose")->trigger();
    EXPECT_TRUE(question.asked.empty());
}
