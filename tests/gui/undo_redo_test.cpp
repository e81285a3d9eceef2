// Edit > Undo and Redo through the real windows and keys: two input dialogs and
// a unit switch undone and redone to the exact saved fields, and the modified
// "*" following the undo stack.
#include "app/window/main_window.h"
#include "model/project_file.h"
#include "shell_test_support.h"

#include <QAction>
#include <QDir>
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
        record.state.dataDirectory = dir.filePath("data").toStdString();
        UiServices services = recorder.services();
        question.install(services);
        frame = std::make_unique<MainWindow>(record, services, nullptr);
        frame->setDialogRunner(script.runner());
        frame->show();
    }

    // Modify Input Data, then OK in each input dialog `buttons` open, after
    // `edit` in the dialog `dialogClass` (the others are left as they are).
    void confirm(std::vector<const char *> buttons, const char *dialogClass = "",
                 std::function<void(QDialog &)> edit = {})
    {
        script.steps["InputMenu"] = [buttons](QDialog &dialog) {
            for (const char *button : buttons)
                click(dialog, button);
            click(dialog, "ok");
            return dialog.result();
        };
        for (const char *name :
             {"UnitsDialog", "SlurryDialog", "ReductionFactorsDialog", "AnalysisTypeDialog"}) {
            script.steps[name] = [edit, changed = name == std::string(dialogClass)](QDialog &d) {
                if (changed)
                    edit(d);
                clickOk(d);
                return d.result();
            };
        }
        QTest::mouseClick(child<QPushButton>(*frame->mainMenu(), "modifyInputData"),
                          Qt::LeftButton);
    }
    void typeCircumference(const char *value)
    {
        confirm({"slurryData"}, "SlurryDialog",
                [value](QDialog &d) { typeInto(d, "circumference", value); });
    }

    // Keys of the Edit menu pressed in the main window.
    void press(const QKeySequence &keys)
    {
        QApplication::setActiveWindow(frame.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
        QTest::keySequence(frame.get(), keys);
    }
    QString text(const char *action) { return frame->action(action)->text().remove('&'); }
    std::string saved() const { return serializeProject(record); }
};

} // namespace

TEST_F(UndoFixture, TwoDialogsAndAUnitSwitchUndoAndRedoToTheExactValues)
{
    QStringList menus;
    for (QAction *item : frame->menuBar()->actions())
        menus << item->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&View", "&Options", "&Help"}));
    frame->action("fileNew")->trigger();
    const struct
    {
        const char *button, *dialog;
        std::function<void(QDialog &)> edit;
        const char *step;
    } changes[] = {
        {"slurryData", "SlurryDialog", [](QDialog &d) { typeInto(d, "circumference", "12.3457"); },
         "Slurry and Geometry Data"},
        {"reductionFactors", "ReductionFactorsDialog",
         [](QDialog &d) { typeInto(d, "rfCreep", "1.7"); }, "Reduction Factors"},
        {"units", "UnitsDialog", [](QDialog &d) { clickRadio(d, "englishUnits_1"); },
         "Select Units"},
    };
    std::vector<std::string> states = {saved()};
    for (const auto &change : changes) {
        confirm({change.button}, change.dialog, change.edit);
        EXPECT_TRUE(saved() != states.back()) << change.step;
        states.push_back(saved());
        EXPECT_EQ(text("editUndo"), QStringLiteral("Undo ") + change.step);
    }
    // An undo takes the run's results, as a changed input does.
    QTest::mouseClick(child<QPushButton>(*frame->mainMenu(), "runVendrix"), Qt::LeftButton);
    ASSERT_TRUE(frame->action("filePrint")->isEnabled());
    for (int i = 2; i >= 0; --i) {
        press(i == 1 ? QKeySequence(Qt::CTRL | Qt::Key_Z) : QKeySequence(QKeySequence::Undo));
        EXPECT_TRUE(saved() == states[i]) << changes[i].step;
        EXPECT_EQ(text("editRedo"), QStringLiteral("Redo ") + changes[i].step);
        EXPECT_FALSE(frame->mainMenu()->resultButtonsEnabled());
        EXPECT_FALSE(frame->action("filePrint")->isEnabled());
    }
    EXPECT_EQ(record.display.unitSystem, UnitSystem::SI);
    EXPECT_FALSE(frame->action("editUndo")->isEnabled());
    const QKeySequence redoKeys[] = {QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::Key_Y),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
    for (int i = 0; i < 3; ++i) {
        press(redoKeys[i]);
        EXPECT_TRUE(saved() == states[i + 1]) << changes[i].step;
    }
    EXPECT_EQ(record.input.circumference, 12.3457);
    EXPECT_EQ(record.display.unitSystem, UnitSystem::English);
}

TEST_F(UndoFixture, ModifiedMarkFollowsTheSavedState)
{
    const QString path = dir.filePath("marked.Vdx");
    frame->action("fileNew")->trigger();
    recorder.nextFileName = path;
    frame->action("fileSaveAs")->trigger();
    frame->action("fileClose")->trigger();
    frame->openFile(path);
    const struct
    {
        const char *what;
        std::function<void()> act;
        bool modified;
    } steps[] = {
        {"opened", [] {}, false},
        {"changed", [&] { typeCircumference("11"); }, true},
        {"saved", [&] { frame->action("fileSave")->trigger(); }, false},
        {"changed again", [&] { typeCircumference("12"); }, true},
        {"undone to the save", [&] { press(QKeySequence::Undo); }, false},
        {"undone past the save", [&] { press(QKeySequence::Undo); }, true},
        {"redone to the save", [&] { press(QKeySequence::Redo); }, false},
        {"every dialog OK without a change",
         [&] {
             confirm({"units", "slurryData", "reductionFactors", "analysisType"});
         },
         false},
        {"mended on reading", [&] { frame->document().setModified(true); }, true},
        {"changed, then undone",
         [&] {
             typeCircumference("13");
             press(QKeySequence::Undo);
         },
         true},
        {"saved at last", [&] { frame->action("fileSave")->trigger(); }, false},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(frame->isWindowModified(), step.modified);
        EXPECT_EQ(frame->document().isModified(), step.modified);
    }
    // A failed save keeps the mark, and Close asks.
    typeCircumference("14");
    ASSERT_TRUE(QFile::remove(path) && QDir(dir.path()).mkdir("marked.Vdx"));
    frame->action("fileSave")->trigger();
    EXPECT_TRUE(frame->isWindowModified());
    question.answer = QMessageBox::No;
    frame->action("fileClose")->trigger();
    EXPECT_EQ(question.asked.size(), 1u);
}
