// The graphical results window: colour choice, bitmap file, spreadsheet export,
// and the bitmap files themselves read back by Qt and by the logo decoder.
#include "app/dialogs/results/filling_envelope_dialog.h"
#include "app/dialogs/results/graphical_results_window.h"
#include "app/ui_services.h"
#include "dialog_test_support.h"
#include "engine/analysis_run.h"
#include "graphics/bmp_file.h"
#include "graphics/cross_section_drawing.h"
#include "model/atomic_file.h"
#include "model/dib_file.h"
#include "post/consolidation.h"

#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstring>
#include <initializer_list>
#include <utility>

using namespace vendrix;
using vendrix::test::child;
using vendrix::test::RecordingServices;

namespace {

ProjectRecord solvedProject()
{
    ProjectRecord record;
    EXPECT_FALSE(runAnalysis(record).refused());
    record.state.shapeShown = Shape::AsFilled;
    return record;
}

std::uint32_t read32(const std::string &bytes, size_t at)
{
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

std::uint16_t read16(const std::string &bytes, size_t at)
{
    std::uint16_t value = 0;
    std::memcpy(&value, bytes.data() + at, 2);
    return value;
}

std::string fileBytes(const QString &path)
{
    std::string bytes;
    const auto failure = readWholeFile(path.toStdString(), bytes);
    EXPECT_FALSE(failure) << failure->messageText;
    return bytes;
}

// The results window opened on a record, with a folder for what it saves and
// services that answer its file dialogs.
struct SavingWindow
{
    explicit SavingWindow(ProjectRecord &record)
        : window(record, recorder.services())
    {
        window.show();
        QApplication::processEvents();
    }

    // Saves through the button, the file dialog answering the bare name;
    // returns what was written under the name with the default extension added.
    std::string savedThrough(const char *button, const QString &fileName)
    {
        recorder.nextFileName = dir.filePath(fileName.section('.', 0, 0));
        QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
        return fileBytes(dir.filePath(fileName));
    }

    // Cancelled file dialogs write nothing; unwritable places are reported
    // with the error icon. The folder keeps the two files written before.
    void expectCancelledAndUnwritableWriteNothing(
        std::initializer_list<std::pair<const char *, const char *>> buttonsAndFiles)
    {
        recorder.nextFileName.clear();
        for (const auto &[button, file] : buttonsAndFiles)
            QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
        EXPECT_TRUE(recorder.shown.empty());
        for (const auto &[button, file] : buttonsAndFiles) {
            recorder.nextFileName = dir.filePath(QString("missing/") + file);
            QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
        }
        ASSERT_EQ(recorder.shown.size(), buttonsAndFiles.size());
        for (const auto &shown : recorder.shown)
            EXPECT_TRUE(shown.errorIcon) << shown.messageText;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }

    QTemporaryDir dir;
    RecordingServices recorder;
    GraphicalResultsWindow window;
};

} // namespace

TEST(BmpFile, HeadersFollowTheBitmapLayoutAndReadersAgreeOnThePixels)
{
    struct Case
    {
        int width, height;
    };
    // Widths whose rows need 0, 1, 2 and 3 padding bytes.
    const Case cases[] = {{4, 3}, {5, 2}, {6, 1}, {7, 4}, {628, 410}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.width);
        QImage image(c.width, c.height, QImage::Format_RGB32);
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                image.setPixelColor(x, y, QColor((x * 37) % 256, (y * 53) % 256, (x + y) % 256));
        const std::string bytes = bmpFileBytes(image);
        const std::uint32_t rowBytes = ((24 * c.width + 31) / 32) * 4;
        const std::uint32_t imageSize = rowBytes * c.height;
        EXPECT_EQ(bytes.substr(0, 2), "BM");
        EXPECT_EQ(read32(bytes, 2), 54 + imageSize);
        EXPECT_EQ(bytes.size(), 54 + imageSize);
        EXPECT_EQ(read32(bytes, 6), 0u);
        EXPECT_EQ(read32(bytes, 10), 54u);
        EXPECT_EQ(read32(bytes, 14), 40u);
        EXPECT_EQ(static_cast<int>(read32(bytes, 18)), c.width);
        EXPECT_EQ(static_cast<int>(read32(bytes, 22)), c.height);
        EXPECT_EQ(read16(bytes, 26), 1);
        EXPECT_EQ(read16(bytes, 28), 24);
        EXPECT_EQ(read32(bytes, 30), 0u);
        EXPECT_EQ(read32(bytes, 34), imageSize);

        QImage qtRead;
        ASSERT_TRUE(qtRead.loadFromData(reinterpret_cast<const uchar *>(bytes.data()),
                                        static_cast<int>(bytes.size()), "BMP"));
        DibPicture ours;
        ASSERT_TRUE(decodeDib(bytes, ours));
        ASSERT_EQ(ours.width, c.width);
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                const QRgb expected = image.pixel(x, y) & 0xFFFFFF;
                ASSERT_EQ(qtRead.pixel(x, y) & 0xFFFFFF, expected) << x << "," << y;
                ASSERT_EQ(ours.pixels[static_cast<size_t>(y * c.width + x)] & 0xFFFFFF, expected)
                    << x << "," << y;
            }
        }
    }
}

TEST(GraphicalResults, ColourChoiceRepaintsAndSwapsTheBanner)
{
    ProjectRecord record = solvedProject();
    RecordingServices recorder;
    const UiServices services = recorder.services();
    GraphicalResultsWindow dialog(record, services);
    dialog.show();
    dialog.view()->resize(CrossSectionView::kStandardSize);
    EXPECT_TRUE(child<QLabel>(dialog, "colourBanner")->isVisible());
    EXPECT_FALSE(child<QLabel>(dialog, "blackWhiteBanner")->isVisible());
    EXPECT_EQ(dialog.view()->picture().pixelColor(5, 5), crossSectionColours::paleBlue);

    // Choosing black and white, then colour again.
    for (const char *choice : {"screenBlackWhite_1", "screenBlackWhite_0"}) {
        SCOPED_TRACE(choice);
        dialog.runColourDialog = [choice](QDialog &colourDialog) {
            child<QRadioButton>(colourDialog, choice)->setChecked(true);
            colourDialog.accept();
            return colourDialog.result();
        };
        QTest::mouseClick(child<QPushButton>(dialog, "blackWhite"), Qt::LeftButton);
        const bool blackWhite = std::strcmp(choice, "screenBlackWhite_1") == 0;
        EXPECT_EQ(record.display.screenBlackWhite, blackWhite ? 1 : 0);
        EXPECT_EQ(child<QLabel>(dialog, "colourBanner")->isVisible(), !blackWhite);
        EXPECT_EQ(child<QLabel>(dialog, "blackWhiteBanner")->isVisible(), blackWhite);
        EXPECT_EQ(dialog.view()->picture().pixelColor(5, 5),
                  blackWhite ? QColor(Qt::white) : crossSectionColours::paleBlue);
    }

    // Escape in the colour dialog keeps the stored choice.
    dialog.runColourDialog = [](QDialog &colourDialog) {
        child<QRadioButton>(colourDialog, "screenBlackWhite_1")->setChecked(true);
        colourDialog.reject();
        return colourDialog.result();
    };
    QTest::mouseClick(child<QPushButton>(dialog, "blackWhite"), Qt::LeftButton);
    EXPECT_EQ(record.display.screenBlackWhite, 0);
}

TEST(GraphicalResults, BitmapFileAndSpreadsheetAreWrittenWhereChosen)
{
    ProjectRecord record = solvedProject();
    // The window keeps its own copy of the services it was given.
    SavingWindow w(record);
    ASSERT_TRUE(w.dir.isValid());
    // The window opens with the drawing area at its standard size, which is
    // the size of the saved bitmap.
    EXPECT_EQ(w.window.view()->size(), CrossSectionView::kStandardSize);

    // The default extensions are added to a bare name.
    const std::string bmp = w.savedThrough("BITMAP_FILE", "section.bmp");
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(read32(bmp, 18), 628u);
    EXPECT_EQ(read32(bmp, 22), 410u);
    QImage saved(w.dir.filePath("section.bmp"));
    EXPECT_EQ(saved.pixelColor(5, 5), crossSectionColours::paleBlue);

    const std::string xls = w.savedThrough("exportToExcel", "shape.xls");
    EXPECT_EQ(std::count(xls.begin(), xls.end(), '\n'), 2 + 722);
    // A name ending in .xlsx (as the workbook's filter gives it) makes a workbook.
    w.recorder.nextFileName = w.dir.filePath("shape.xlsx");
    QTest::mouseClick(child<QPushButton>(w.window, "exportToExcel"), Qt::LeftButton);
    EXPECT_EQ(fileBytes(w.dir.filePath("shape.xlsx")).rfind("PK\x03\x04", 0), 0u);
    QFile::remove(w.dir.filePath("shape.xlsx"));
    EXPECT_TRUE(w.recorder.shown.empty());

    w.expectCancelledAndUnwritableWriteNothing(
        {{"BITMAP_FILE", "section.bmp"}, {"exportToExcel", "shape.xls"}});
}

TEST(GraphicalResults, CsvAndCadDrawingOfTheShownShapeAreWrittenWhereChosen)
{
    ProjectRecord record = solvedProject();
    record.input.consolidatedUnitWeight = 14;
    computeConsolidationOption2(record);
    record.state.shapeShown = Shape::Option2;
    SavingWindow w(record);
    ASSERT_TRUE(w.dir.isValid());
    EXPECT_EQ(w.window.view()->size(), CrossSectionView::kStandardSize);

    const std::string csv = w.savedThrough("saveAsCsv", "rectangle.csv");
    EXPECT_EQ(csv.rfind("x [m],y [m]\n", 0), 0u);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 4);

    const std::string dxf = w.savedThrough("exportToCad", "rectangle.dxf");
    EXPECT_NE(dxf.find("Consolidated shape, Option 2"), std::string::npos);
    EXPECT_NE(dxf.find("TUBE_AS_FILLED"), std::string::npos);
    EXPECT_TRUE(w.recorder.shown.empty());

    w.expectCancelledAndUnwritableWriteNothing(
        {{"saveAsCsv", "shape.csv"}, {"exportToCad", "shape.dxf"}});
}

TEST(GraphicalResults, ReturnClosesAndTagFollowsTheTagSetting)
{
    test::forEachTagSetting(solvedProject(), [](ProjectRecord &record, bool hidden) {
        RecordingServices recorder;
        GraphicalResultsWindow dialog(record, recorder.services());
        dialog.show();
        test::expectTag(dialog, "IDD_GRAPHICAL_RESULTS", hidden);
        QTest::mouseClick(child<QPushButton>(dialog, "return"), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_FALSE(dialog.isVisible());
    });
}

TEST(GraphicalResults, CannotBeShrunkBelowTheStandardDrawingArea)
{
    ProjectRecord record = solvedProject();
    RecordingServices recorder;
    GraphicalResultsWindow dialog(record, recorder.services());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.resize(200, 150); // as far as the user could drag its corner
    QApplication::processEvents();
    EXPECT_GE(dialog.view()->width(), 628);
    EXPECT_GE(dialog.view()->height(), 410);
}

// The drawings and tables of a saved project are offered under its name in its
// folder, with a filter of their own type; the envelope window does the same.
TEST(GraphicalResults, SaveDialogsSuggestTheProjectsNameInItsFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ProjectRecord record = solvedProject();
    record.info.projectPath = dir.filePath("groin 4.Vdx").toStdString();
    QStringList suggested, filters;
    UiServices services = RecordingServices().services();
    services.saveFileName
        = [&](QWidget *, const QString &, const QString &path, const QString &filter) {
              suggested << path;
              filters << filter;
              return QString(); // cancelled
          };
    GraphicalResultsWindow window(record, services);
    FillingEnvelopeDialog envelope(record, services);
    const struct
    {
        QWidget *window;
        const char *button;
        const char *name;
        const char *filter;
    } cases[] = {
        {&window, "exportToCad", "groin 4.dxf", "(*.dxf)"},
        {&window, "saveAsCsv", "groin 4.csv", "(*.csv)"},
        {&envelope, "saveTable", "groin 4-envelope.csv", "(*.csv)"},
        {&envelope, "savePicture", "groin 4-envelope.png", "(*.svg)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.button);
        suggested.clear();
        filters.clear();
        c.window->show();
        QTest::mouseClick(child<QPushButton>(*c.window, c.button), Qt::LeftButton);
        ASSERT_EQ(suggested.size(), 1);
        EXPECT_EQ(suggested[0], dir.filePath(c.name));
        EXPECT_TRUE(filters[0].contains(c.filter)) << filters[0].toStdString();
    }
}

// The filter chosen in a save dialog decides the type when the name has no
// suffix or still has the suggested one.
TEST(ChosenFile, SuffixFollowsTheChosenFilter)
{
    const struct
    {
        const char *path;
        const char *filter;
        const char *expected;
    } cases[] = {
        {"/d/chart.png", "SVG pictures (*.svg)", "/d/chart.svg"}, // suggestion kept
        {"/d/chart", "SVG pictures (*.svg)", "/d/chart.svg"},
        {"/d/chart.png", "PNG pictures (*.png)", "/d/chart.png"},
        {"/d/chart.SVG", "SVG pictures (*.svg)", "/d/chart.SVG"},
        {"/d/chart.bmp", "SVG pictures (*.svg)", "/d/chart.bmp"}, // typed: the writer decides
        {"", "SVG pictures (*.svg)", ""}, // cancelled
        {"/d/chart", "", "/d/chart"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.path) + " " + c.filter);
        EXPECT_EQ(suffixForChosenFilter(c.path, "png", c.filter), QString(c.expected));
    }
}
