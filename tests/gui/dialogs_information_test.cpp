// General Information (company and logo files included) and the numerical
// results, driven with key and mouse events.
#include "app/dialogs/input/general_information_dialog.h"
#include "app/dialogs/results/numerical_results_dialog.h"
#include "dialog_test_support.h"
#include "engine/analysis_run.h"
#include "engine/numerical_results.h"
#include "model/company_files.h"
#include "model/field_table.h"
#include "model/input_rules.h"
#include "model/project_file.h"
#include "model/project_record.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include <optional>

using namespace vendrix;
using namespace vendrix::test;

namespace {

struct InformationFixture : ::testing::Test
{
    QTemporaryDir dataDirectory;
    ProjectRecord record;
    RecordingServices recorder;

    void SetUp() override
    {
        ASSERT_TRUE(dataDirectory.isValid());
        record.state.dataDirectory = dataDirectory.path().toStdString();
    }
};

} // namespace

TEST(LocalTime, WrittenAsTheCLibraryDoes)
{
    const std::string text = localTimeText();
    ASSERT_EQ(text.size(), 24u) << text;
    EXPECT_EQ(text[3], ' ');
    EXPECT_EQ(text[7], ' ');
    EXPECT_EQ(text[13], ':');
    EXPECT_EQ(text[16], ':');
}

TEST_F(InformationFixture, TypingRightAfterOpeningGoesIntoTheTitle)
{
    record.info.designer = "A. Engineer";
    GeneralInformationDialog dialog(record, recorder.services());
    showActive(dialog);
    EXPECT_EQ(focusName(dialog), "title");
    QTest::keyClicks(dialog.focusWidget(), QStringLiteral("Dike 2"));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(recorder.shown.empty());
    EXPECT_EQ(text(dialog, "title"), "Dike 2");
    pressEnter(dialog);
    EXPECT_EQ(focusName(dialog), "projectNumber");
    EXPECT_TRUE(dialog.isVisible());
}

// A text typed in full is one a saved project can be opened with again.
TEST_F(InformationFixture, EveryTextFieldTakesNoMoreThanItsLimit)
{
    record.info.designer = "A. Engineer";
    GeneralInformationDialog dialog(record, recorder.services());
    int fields = 0;
    for (const FieldEntry &entry : recordFields()) {
        if (entry.kind != FieldKind::Text)
            continue;
        if (auto *edit = dialog.findChild<QLineEdit *>(QString::fromLatin1(entry.name))) {
            SCOPED_TRACE(entry.name);
            EXPECT_EQ(edit->maxLength(), entry.maxLength);
            ++fields;
        }
    }
    EXPECT_GE(fields, 16);
}

TEST_F(InformationFixture, EnterOrderSkipsTheDateAndWrapsToTheTitle)
{
    GeneralInformationDialog dialog(record, recorder.services());
    showActive(dialog);
    expectEnterOrder(dialog,
                     {"title", "projectNumber", "projectNumberSuffix", "client", "designer",
                      "stationNumber", "companyName", "companyStreet1", "companyStreet2",
                      "companyCity", "companyState", "companyZip", "companyPhone", "companyFax",
                      "companyEmail", "description", "title"});
    EXPECT_TRUE(dialog.isVisible());
    // Ctrl+Enter breaks the line inside the description.
    child(dialog, "description")->setFocus();
    QTest::keyClicks(child(dialog, "description"), "one");
    QTest::keyClick(child(dialog, "description"), Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(child(dialog, "description"), "two");
    EXPECT_EQ(child<QPlainTextEdit>(dialog, "description")->toPlainText(), "one\ntwo");
}

TEST_F(InformationFixture, EmptyDesignerIsRefusedThenEverythingIsStored)
{
    GeneralInformationDialog dialog(record, recorder.services());
    showActive(dialog);
    EXPECT_FALSE(text(dialog, "dateTime").isEmpty());
    typeInto(dialog, "title", "Harbour dike");
    child(dialog, "description")->setFocus();
    QTest::keyClicks(child(dialog, "description"), "first");
    QTest::keyClick(child(dialog, "description"), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(child(dialog, "description"), "second");
    clickOk(dialog);
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].errorNumberText, "Error No.1120");
    EXPECT_EQ(recorder.shown[0].messageText, "\n Designer name must be input.");
    EXPECT_EQ(focusName(dialog), "designer");
    EXPECT_TRUE(record.info.title.empty());

    typeInto(dialog, "designer", "A. Engineer");
    clickRadio(dialog, "includeLogo_1");
    clickOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(record.info.title, "Harbour dike");
    EXPECT_EQ(record.info.designer, "A. Engineer");
    EXPECT_EQ(record.info.description, "first\r\nsecond");
    EXPECT_EQ(record.info.includeLogo, 1);
    EXPECT_EQ(record.info.dateTime.size(), 24u);
}

TEST_F(InformationFixture, TextLimitsWhileTyping)
{
    GeneralInformationDialog dialog(record, recorder.services());
    showActive(dialog);
    typeInto(dialog, "title", QString(45, QLatin1Char('t')));
    EXPECT_EQ(text(dialog, "title").size(), 40);
    typeInto(dialog, "companyState", QString(25, QLatin1Char('s')));
    EXPECT_EQ(text(dialog, "companyState").size(), 20);
    auto *description = child<QPlainTextEdit>(dialog, "description");
    description->setFocus();
    QTest::keyClicks(description, QString(598, QLatin1Char('d')));
    QTest::keyClick(description, Qt::Key_Return, Qt::ControlModifier); // CR LF: 600
    QTest::keyClicks(description, "xyz");
    EXPECT_EQ(description->toPlainText(), QString(598, QLatin1Char('d')) + "\n");
}

TEST_F(InformationFixture, CompanyDataSavedForTheNextProjectAndLogoChosen)
{
    {
        GeneralInformationDialog dialog(record, recorder.services());
        showActive(dialog);
        typeInto(dialog,
                 {"designer=A. Engineer", "companyName=Tube Works", "companyStreet1=1 Dike Road",
                  "companyEmail=office@example.com"});
        click(dialog, "saveCompany");
        typeInto(dialog, "companyCity", "Not saved");
        recorder.nextFileName = "/data/logos/tube.bmp";
        click(dialog, "chooseLogo");
        EXPECT_EQ(child<QLabel>(dialog, "logoPathShown")->text(), "Logo: /data/logos/tube.bmp");
        EXPECT_TRUE(record.info.logoPath.empty()); // only on OK
        click(dialog, "saveLogo");
        clickOk(dialog);
        ASSERT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(record.info.companyName, "Tube Works");
        EXPECT_EQ(record.info.logoPath, "/data/logos/tube.bmp");
    }
    // A new project: the company fields (as they were when saved) and the logo
    // come from the files, and reach the record on OK.
    resetProject(record, "/tmp");
    record.state.dataDirectory = dataDirectory.path().toStdString();
    GeneralInformationDialog dialog(record, recorder.services());
    showActive(dialog);
    EXPECT_EQ(text(dialog, "companyName"), "Tube Works");
    EXPECT_EQ(text(dialog, "companyStreet1"), "1 Dike Road");
    EXPECT_EQ(text(dialog, "companyCity"), "");
    EXPECT_EQ(text(dialog, "companyEmail"), "office@example.com");
    EXPECT_EQ(child<QLabel>(dialog, "logoPathShown")->text(), "Logo: /data/logos/tube.bmp");
    EXPECT_TRUE(record.info.companyName.empty());
    EXPECT_TRUE(record.info.logoPath.empty());
    typeInto(dialog, "designer", "A. Engineer");
    clickOk(dialog);
    EXPECT_EQ(record.info.companyName, "Tube Works");
    EXPECT_EQ(record.info.logoPath, "/data/logos/tube.bmp");
    EXPECT_TRUE(recorder.shown.empty());
}

TEST_F(InformationFixture, CancelLeavesTheRecordAndTheDataFilesAsTheyWere)
{
    const QString companyFile = dataDirectory.filePath(kCompanyFileName);
    const QString logoFile = dataDirectory.filePath(kLogoFileName);
    auto contents = [](const QString &path) -> std::optional<QByteArray> {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll();
    };
    for (const bool filesExist : {false, true}) {
        SCOPED_TRACE(filesExist ? "files of an earlier run" : "no files");
        QFile::remove(companyFile);
        QFile::remove(logoFile);
        if (filesExist) {
            CompanyData earlier;
            earlier.name = "Earlier";
            earlier.street1 = "Old Road";
            ASSERT_FALSE(saveCompanyData(record.state.dataDirectory, earlier));
            ASSERT_FALSE(saveLogoPath(record.state.dataDirectory, "/earlier.bmp"));
        }
        const auto companyBefore = contents(companyFile);
        const auto logoBefore = contents(logoFile);
        const std::string recordBefore = serializeProject(record);
        const ProjectInfo infoBefore = record.info;

        GeneralInformationDialog dialog(record, recorder.services());
        showActive(dialog);
        typeInto(dialog, "title", "Changed");
        typeInto(dialog, "designer", "Someone");
        typeInto(dialog, "companyName", "Changed Ltd");
        click(dialog, "saveCompany");
        recorder.nextFileName = "/changed.bmp";
        click(dialog, "chooseLogo");
        click(dialog, "saveLogo");
        clickRadio(dialog, "includeLogo_1");
        QTest::keyClick(&dialog, Qt::Key_Escape);

        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(serializeProject(record), recordBefore);
        EXPECT_EQ(record.info.logoPath, infoBefore.logoPath);
        EXPECT_EQ(record.info.companyName, infoBefore.companyName);
        EXPECT_EQ(record.info.dateTime, infoBefore.dateTime);
        EXPECT_EQ(contents(companyFile), companyBefore);
        EXPECT_EQ(contents(logoFile), logoBefore);
    }
    EXPECT_TRUE(recorder.shown.empty());
}

TEST_F(InformationFixture, StoredCompanyAndLogoAreNotReplacedFromTheFiles)
{
    CompanyData other;
    other.name = "Other";
    other.street1 = "Elsewhere";
    ASSERT_FALSE(saveCompanyData(record.state.dataDirectory, other));
    ASSERT_FALSE(saveLogoPath(record.state.dataDirectory, "/other.bmp"));
    record.info.companyName = "Mine";
    record.info.logoPath = "/mine.bmp";
    GeneralInformationDialog dialog(record, recorder.services());
    EXPECT_EQ(text(dialog, "companyName"), "Mine");
    EXPECT_EQ(text(dialog, "companyStreet1"), "");
    EXPECT_EQ(child<QLabel>(dialog, "logoPathShown")->text(), "Logo: /mine.bmp");
    EXPECT_EQ(record.info.logoPath, "/mine.bmp");
}

TEST_F(InformationFixture, SaveFailureIsReported)
{
    record.state.dataDirectory = "/nonexistent/vendrix/data";
    GeneralInformationDialog dialog(record, recorder.services());
    showActive(dialog);
    click(dialog, "saveCompany");
    EXPECT_TRUE(recorder.shown.empty()); // written on OK
    typeInto(dialog, "designer", "A. Engineer");
    clickOk(dialog);
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].errorNumberText, "");
    EXPECT_EQ(record.info.designer, "A. Engineer"); // the typed values are kept
}

TEST(NumericalResultsDialog, ShowsTheLinesOfTheLastRun)
{
    ProjectRecord record;
    record.display.asianPacific = true;
    ASSERT_FALSE(runAnalysis(record).refused());
    RecordingServices recorder;
    NumericalResultsDialog dialog(record, recorder.services());
    showActive(dialog);
    const auto expected = numericalResultsLines(record);
    for (int n = 1; n <= kNumericalResultsLines; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(dialog.lineText(n), toQString(expected[n - 1]));
        EXPECT_EQ(child<QLabel>(dialog, ("line" + std::to_string(n)).c_str())->text(),
                  dialog.lineText(n));
    }
    EXPECT_TRUE(dialog.lineText(12).endsWith(" [m^2]"));
    EXPECT_TRUE(dialog.lineText(16).isEmpty()); // no consolidated shape yet
    EXPECT_EQ(focusName(dialog), "return");
    pressEnter(dialog);
    EXPECT_FALSE(dialog.isVisible());
}

// Under the results: the exact method by name, the notice of a missed
// objective, nothing for a classic run that converged.
TEST(NumericalResultsDialog, SolutionMethodAndConvergenceNotice)
{
    ProjectRecord record;
    record.input.analysisType = AnalysisType::GivenHeight;
    record.input.desiredMaxHeight = 3.0;
    RecordingServices recorder;
    struct Case
    {
        SolutionMethod method;
        const char *notice; // nullptr: hidden
    } cases[] = {
        {SolutionMethod::Exact, "Solution method: exact."},
        {SolutionMethod::Classic, // misses this height
         "NOT CONVERGED: the results may not correspond to input data."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(solutionMethodName(c.method));
        ASSERT_FALSE(runAnalysis(record, c.method).refused());
        NumericalResultsDialog dialog(record, recorder.services());
        showActive(dialog);
        auto *notice = child<QLabel>(dialog, "solutionNotice");
        EXPECT_TRUE(notice->isVisible());
        EXPECT_EQ(notice->text(), QString::fromLatin1(c.notice));
    }
    record.input.analysisType = AnalysisType::GivenStrength;
    ASSERT_FALSE(runAnalysis(record, SolutionMethod::Classic).refused());
    ASSERT_EQ(record.solution.convergenceWarning, 0);
    NumericalResultsDialog dialog(record, recorder.services());
    showActive(dialog);
    EXPECT_FALSE(child<QLabel>(dialog, "solutionNotice")->isVisible());
}

TEST(NumericalResultsDialog, ConsolidationLinesOnlyForAConsolidatedShape)
{
    ProjectRecord record;
    ASSERT_FALSE(runAnalysis(record).refused());
    record.consolidation.consolidatedArea = 2.5;
    record.consolidation.finalHeight = 1.25;
    RecordingServices recorder;
    for (Shape shape : {Shape::AsFilled, Shape::Option1, Shape::Option2}) {
        SCOPED_TRACE(static_cast<int>(shape));
        record.state.shapeShown = shape;
        NumericalResultsDialog dialog(record, recorder.services());
        for (int n = 16; n <= 18; ++n)
            EXPECT_EQ(dialog.lineText(n).isEmpty(), shape == Shape::AsFilled) << n;
    }
}
