// Numbers in files, reports and typed fields stay with '.' whatever locale the
// user runs the program in.
#include "app/dialogs/input/slurry_dialog.h"
#include "app/window/main_window.h"
#include "app/window/vendrix_application.h"
#include "graphics/qt_text.h"
#include "report/xlsx_export.h"
#include "shell_test_support.h"

#include <QAction>
#include <QLocale>
#include <QProcess>

#include <clocale>
#include <cstdio>
#include <fstream>
#include <locale>
#include <sstream>

using namespace vendrix;
using namespace vendrix::test;

namespace {

struct CommaDecimal : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

// A German C locale: the installed one, or one compiled into a temporary folder
// from the system's locale sources (LOCPATH then points there).
bool selectGermanNumbers()
{
    for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr)
            return true;
    }
    static QTemporaryDir compiled;
    static const bool built = compiled.isValid()
        && QProcess::execute(QStringLiteral("localedef"),
                             {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                              QStringLiteral("UTF-8"), compiled.filePath("de_DE.UTF-8")})
            == 0;
    if (!built)
        return false;
    setenv("LOCPATH", compiled.path().toLocal8Bit().constData(), 1);
    return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
}

// Installs a comma-decimal locale everywhere a number could pick it up: Qt's
// default locale, the C++ global locale and, where the system has one, the C
// library's LC_NUMERIC. Restores everything afterwards.
struct CommaDecimalLocale
{
    QLocale previousQt;
    std::locale previousCxx;
    std::string previousC;
    bool cLibraryComma = false;

    CommaDecimalLocale()
        : previousCxx(std::locale())
        , previousC(std::setlocale(LC_NUMERIC, nullptr))
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
        cLibraryComma = selectGermanNumbers();
    }
    ~CommaDecimalLocale()
    {
        QLocale::setDefault(previousQt);
        std::locale::global(previousCxx);
        std::setlocale(LC_NUMERIC, previousC.c_str());
        unsetenv("LOCPATH");
    }
};

std::string readFile(const QString &path)
{
    std::ifstream file(path.toStdString(), std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

} // namespace

TEST(CommaLocale, CNumericLocaleIsRestoredForTheCLibrary)
{
    CommaDecimalLocale comma;
    if (!comma.cLibraryComma)
        GTEST_SKIP() << "no German locale and no locale sources to build one";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", 2.5);
    EXPECT_STREQ(text, "2,5") << "the comma locale is in effect";
    keepCNumericLocale();
    std::snprintf(text, sizeof text, "%.1f", 2.5);
    EXPECT_STREQ(text, "2.5");
}

// libxlsxwriter prints its numbers with the C library, in the locale of the thread.
TEST(CommaLocale, WorkbookNumbersKeepThePoint)
{
    CommaDecimalLocale comma;
    if (!comma.cLibraryComma)
        GTEST_SKIP() << "no German locale and no locale sources to build one";
    if (QProcess::execute(QStringLiteral("/usr/bin/python3"), {"-c", "import openpyxl"}) != 0)
        GTEST_SKIP() << "python3-openpyxl is not installed";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ProjectRecord record;
    record.input.rfCreep = 1.5;
    const QString book = dir.filePath("comma.xlsx");
    ASSERT_FALSE(writeXlsxFile(book.toStdString(), record).has_value());
    const QString rfCreepIsANumber
        = QStringLiteral("import openpyxl, sys\n"
                         "rows = openpyxl.load_workbook(sys.argv[1])['Inputs and results']\n"
                         "sys.exit(0 if ('rfCreep', 1.5, None) in rows.values else 1)");
    EXPECT_EQ(QProcess::execute(QStringLiteral("/usr/bin/python3"), {"-c", rfCreepIsANumber, book}),
              0);
}

TEST(CommaLocale, FilesAndFieldsKeepThePoint)
{
    CommaDecimalLocale comma;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QSettings settings(dir.filePath("settings.ini"), QSettings::IniFormat);
    RecordingServices recorder;
    ProjectRecord record;
    record.state.dataDirectory = dir.filePath("data").toStdString();

    // A typed comma is refused, a point is taken.
    {
        SlurryDialog dialog(record, recorder.services());
        showActive(dialog);
        EXPECT_EQ(text(dialog, "fluidUnitWeightLower"), "10");
        expectCommaRefusedAndPointTaken(dialog, recorder, "circumference",
                                        record.input.circumference, 12.5);
    }
    recorder.shown.clear();

    // The results text file and the project file written from the main window.
    MainWindow frame(record, recorder.services(), nullptr, DesktopHooks {}, &settings);
    frame.show();
    frame.action("fileNew")->trigger();
    record.input.circumference = 12.5;
    frame.mainMenu()->runAnalysis();
    recorder.nextFileName = dir.filePath("results.txt");
    frame.mainMenu()->saveResultsAsText();
    const std::string results = readFile(dir.filePath("results.txt"));
    EXPECT_NE(results.find("Circumference of tube"), std::string::npos);
    EXPECT_NE(results.find("12.50"), std::string::npos);
    EXPECT_EQ(results.find("12,5"), std::string::npos);

    recorder.nextFileName = dir.filePath("comma.Vdx");
    frame.action("fileSaveAs")->trigger();
    frame.action("fileClose")->trigger();
    record.input.circumference = 10;
    ASSERT_TRUE(frame.openFile(dir.filePath("comma.Vdx")));
    EXPECT_EQ(record.input.circumference, 12.5);
    EXPECT_TRUE(recorder.shown.empty());
    frame.action("fileClose")->trigger();
}
