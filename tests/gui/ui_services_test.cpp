// The shared save step of the desktop: the default suffix of a chosen file,
// and the writer's failure shown to the user.
#include "app/dialogs/results/option_photos_dialog.h"
#include "app/ui_services.h"
#include "dialog_test_support.h"

#include <QLabel>
#include <QWidget>

using namespace vendrix;
using namespace vendrix::test;

TEST(ChosenFile, DefaultSuffixOnlyWhenThePathHasNone)
{
    struct Case
    {
        const char *path;
        const char *expected;
    };
    const Case cases[] = {
        {"", ""}, // cancelled stays cancelled
        {"/data/results", "/data/results.txt"}, // no suffix
        {"/data/results.TXT", "/data/results.TXT"}, // any suffix is kept
        {"/data/run.1/results", "/data/run.1/results.txt"}, // a dot in a folder is no suffix
        {"/data/results.csv", "/data/results.csv"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(withDefaultSuffix(QString::fromLatin1(c.path), "txt"),
                  QString::fromLatin1(c.expected));
    }
}

TEST(ChosenFile, WriterFailureIsShownAndCancelWritesNothing)
{
    RecordingServices recorder;
    QWidget parent;
    int calls = 0;
    std::string written;
    const FileWriter failing = [&](const std::string &path) -> std::optional<Failure> {
        ++calls;
        written = path;
        return Failure::plain("Unable to open " + path);
    };
    writeChosenFile(recorder.services(), &parent, QString(), failing);
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(recorder.shown.empty());

    writeChosenFile(recorder.services(), &parent, QStringLiteral("/nowhere/a.csv"), failing);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(written, "/nowhere/a.csv");
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].messageText, "Unable to open /nowhere/a.csv");
}

TEST(OptionPhotos, EachOptionHasItsOwnTagTitleAndText)
{
    ProjectRecord record;
    RecordingServices recorder;
    OptionPhotosDialog first(record, recorder.services(), Shape::Option1);
    OptionPhotosDialog second(record, recorder.services(), Shape::Option2);
    EXPECT_EQ(first.windowTitle(), "Photos for Option #1");
    EXPECT_EQ(second.windowTitle(), "Photos for Option #2");
    EXPECT_EQ(child<QLabel>(first, "dialogTag")->text(), "IDD_PHOTOS1");
    EXPECT_EQ(child<QLabel>(second, "dialogTag")->text(), "IDD_PHOTOS2");
}
