// The parametric study: each point is the plain run of the project with its
// inputs set, failed points keep their reason, refused ranges name their input,
// and cancelling stops the study without touching the project.

#include "batch_test_support.h"
#include "cli/batch_study.h"
#include "engine/analysis_run.h"
#include "model/field_table.h"
#include "post/parametric_study.h"
#include "report/study_csv.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <future>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace vendrix {
namespace {

// Bit for bit: every number of the solution, profile included.
void expectSameSolution(const TubeSolution &a, const TubeSolution &b)
{
    EXPECT_EQ(std::memcmp(a.profileX.data(), b.profileX.data(), sizeof a.profileX), 0);
    EXPECT_EQ(std::memcmp(a.profileY.data(), b.profileY.data(), sizeof a.profileY), 0);
    for (double TubeSolution::*field :
         {&TubeSolution::computedCircumference, &TubeSolution::inletPressure,
          &TubeSolution::totalArea, &TubeSolution::ultimateStrengthCircumferential,
          &TubeSolution::ultimateStrengthAxial, &TubeSolution::maxHeight, &TubeSolution::maxWidth,
          &TubeSolution::heightAtMaxWidth, &TubeSolution::baseWidth, &TubeSolution::areaLowerSlurry,
          &TubeSolution::areaUpperSlurry})
        EXPECT_EQ(std::memcmp(&(a.*field), &(b.*field), sizeof(double)), 0);
    EXPECT_EQ(a.convergenceWarning, b.convergenceWarning);
    EXPECT_EQ(a.method, b.method);
}

ProjectRecord projectFor(AnalysisType objective)
{
    ProjectRecord project;
    project.input.analysisType = objective;
    return project;
}

TEST(ParametricStudy, RangeEndsExactlyAtItsLastValue)
{
    const struct
    {
        double from, to;
        int steps;
        size_t count;
    } cases[] = {{0.7, 0.1, 7, 7}, {12, 8, 2, 2}, {1.3, 1.3, 3, 3}, {1, 2, 1, 0}, {1, 2, 1001, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.steps);
        const std::vector<double> values = rangeValues(c.from, c.to, c.steps);
        ASSERT_EQ(values.size(), c.count);
        if (c.count > 0) {
            EXPECT_EQ(values.front(), c.from);
            EXPECT_EQ(values.back(), c.to);
        }
    }
}

TEST(ParametricStudy, VaryTakesARangeOrAList)
{
    const struct
    {
        const char *text;
        std::vector<double> values; // empty: refused
    } cases[] = {
        {"circumference=8:12:3", {8, 10, 12}},
        {"circumference=12,8.5", {12, 8.5}},
        {"rfCreep=2", {2}},
        {"circumference=8:12", {}},
        {"circumference=8:12:3:4", {}},
        {"circumference=8:12:x", {}},
        {"circumference=8:12:1", {}},
        {"circumference=8,,9", {}},
        {"circumference=0x10,9", {}},
        {"=8:12:3", {}},
        {"circumference=", {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        StudyAxis axis;
        const auto refusal = parseStudyAxis(c.text, axis);
        EXPECT_EQ(refusal.has_value(), c.values.empty());
        if (!refusal) {
            EXPECT_EQ(axis.field, std::string(c.text).substr(0, std::string(c.text).find('=')));
            EXPECT_EQ(axis.values, c.values);
        }
    }
}

// The point at the project's own value is the plain run, whatever the input
// and the method, and the study never changes the project.
TEST(ParametricStudy, PointAtProjectValueIsThePlainRun)
{
    const struct
    {
        AnalysisType objective;
        const char *field;
        double other;
    } cases[] = {
        {AnalysisType::GivenStrength, "circumference", 12},
        {AnalysisType::GivenStrength, "slurryUnitWeightLower", 13},
        {AnalysisType::GivenHeight, "desiredMaxHeight", 2},
        {AnalysisType::GivenPressure, "rfCreep", 2},
        {AnalysisType::GivenPressure, "fluidHeightLower", 0.5},
    };
    for (SolutionMethod method : {SolutionMethod::Exact, SolutionMethod::Classic}) {
        for (const auto &c : cases) {
            SCOPED_TRACE(std::string(c.field) + " " + solutionMethodName(method));
            const ProjectRecord project = projectFor(c.objective);
            ProjectRecord plain = project;
            ASSERT_FALSE(runAnalysis(plain, method).refused());
            ProjectRecord mutableProject = project;
            const double own = *findRecordField(c.field)->number(mutableProject);
            const StudyRequest request {{c.field, {c.other, own}}, std::nullopt, method};
            const std::vector<StudyPoint> points = runStudy(project, request, nullptr, 2);
            ASSERT_EQ(points.size(), 2u);
            ASSERT_TRUE(points[1].solved) << points[1].error;
            expectSameSolution(points[1].solution, plain.solution);
            EXPECT_FALSE(project.state.resultsValid);
        }
    }
}

// A family: one group per second value, in order, each point equal to a
// separate run at its inputs.
TEST(ParametricStudy, FamilyRowsEqualSeparateRuns)
{
    const ProjectRecord project = projectFor(AnalysisType::GivenStrength);
    const StudyRequest request {{"circumference", rangeValues(8, 12, 3)},
                                StudyAxis {"slurryUnitWeightLower", {11.5, 12.5}},
                                SolutionMethod::Exact};
    ASSERT_FALSE(checkStudyRequest(project, request));
    const std::vector<StudyPoint> points = runStudy(project, request);
    ASSERT_EQ(points.size(), 6u);
    for (size_t i = 0; i < points.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(points[i].first, request.first.values[i % 3]);
        EXPECT_EQ(points[i].second, request.second->values[i / 3]);
        ProjectRecord separate = project;
        separate.input.circumference = points[i].first;
        separate.input.slurryUnitWeightLower = points[i].second;
        ASSERT_FALSE(runAnalysis(separate).refused());
        ASSERT_TRUE(points[i].solved) << points[i].error;
        expectSameSolution(points[i].solution, separate.solution);
        EXPECT_EQ(studyValueOf(points[i], StudyValue::WorkingStrengthCircumferential),
                  separate.solution.ultimateStrengthCircumferential / (2.0 * 1.5 * 1.0 * 1.3));
    }
}

// A point breaking a rule between fields stays in the table with that rule's
// message; the others are solved.
TEST(ParametricStudy, FailedPointsKeepTheirReason)
{
    const struct
    {
        AnalysisType objective;
        StudyAxis axis;
        std::vector<const char *> errors; // "" for a solved point
    } cases[] = {
        {AnalysisType::GivenHeight, {"desiredMaxHeight", {2.5, 3.5}}, {"", "Error No.302"}},
        {AnalysisType::GivenStrength, {"slurryUnitWeightUpper", {11, 12.5}}, {"", "Error No.103"}},
        {AnalysisType::GivenPressure, {"pumpingPressure", {0, 20}}, {"Error No.305", ""}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.axis.field);
        const ProjectRecord project = projectFor(c.objective);
        const StudyRequest request {c.axis, std::nullopt, SolutionMethod::Exact};
        ASSERT_FALSE(checkStudyRequest(project, request));
        const std::vector<StudyPoint> points = runStudy(project, request);
        ASSERT_EQ(points.size(), c.errors.size());
        for (size_t i = 0; i < points.size(); ++i) {
            EXPECT_EQ(points[i].solved, *c.errors[i] == '\0');
            EXPECT_EQ(points[i].error.rfind(c.errors[i], 0), 0u) << points[i].error;
        }
    }
}

TEST(ParametricStudy, RefusedRangesNameTheirInput)
{
    const struct
    {
        StudyAxis first;
        std::optional<StudyAxis> second;
        const char *text;
    } cases[] = {
        {{"circumference", {0, 10}}, std::nullopt, "Circumference of tube"},
        {{"rfCreep", {0.5, 2}}, std::nullopt, "Reduction factor for creep"},
        {{"circumference", {10}}, std::nullopt, "circumference takes 2 to 1000"},
        {{"pumpingPressure", {10, 20}}, std::nullopt, "\"pumpingPressure\" cannot be varied"},
        {{"circumference", {8, 10}},
         StudyAxis {"rfCreep", std::vector<double>(9, 1.5)},
         "rfCreep takes 1 to 8"},
        {{"circumference", {8, 10}}, StudyAxis {"circumference", {9}}, "circumference cannot"},
    };
    const ProjectRecord project = projectFor(AnalysisType::GivenStrength);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const auto failure
            = checkStudyRequest(project, {c.first, c.second, kDefaultSolutionMethod});
        ASSERT_TRUE(failure);
        EXPECT_NE(failure->messageText.find(c.text), std::string::npos) << failure->messageText;
    }
}

TEST(ParametricStudy, CancellingStopsPromptlyAndKeepsEveryPoint)
{
    const ProjectRecord project = projectFor(AnalysisType::GivenStrength);
    const ProjectRecord before = project;
    const StudyRequest request {{"circumference", rangeValues(5, 40, 1000)},
                                StudyAxis {"rfCreep", {1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5}},
                                SolutionMethod::Exact};
    StudyControl control;
    auto study
        = std::async(std::launch::async, [&] { return runStudy(project, request, &control); });
    while (control.done.load() < 4)
        std::this_thread::yield();
    control.cancel = true;
    ASSERT_EQ(study.wait_for(std::chrono::seconds(2)), std::future_status::ready);
    const std::vector<StudyPoint> points = study.get();
    ASSERT_EQ(points.size(), 8000u);
    EXPECT_EQ(points.back().error, kStudyCancelled);
    EXPECT_EQ(points.back().first, 40);
    EXPECT_EQ(points.back().second, 4.5);
    EXPECT_EQ(points.back().input.rfCreep, 4.5);
    EXPECT_TRUE(points.front().solved);
    EXPECT_EQ(std::memcmp(&project.solution, &before.solution, sizeof project.solution), 0);
    EXPECT_EQ(project.input.circumference, before.input.circumference);
}

// The batch command: the "study" array with the inputs as given, the CSV file
// with its units and failed rows, and a refused range naming its --vary.
TEST(ParametricStudy, BatchWritesJsonAndCsv)
{
    const test::BatchResult r
        = test::runBatch({"--json", "--set", "analysisType=GivenHeight", "--vary",
                          "desiredMaxHeight=2.5,3.5", "--vary", "circumference=10,10.1"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"study\": [{\"inputs\": {\"desiredMaxHeight\": 2.5, "
                         "\"circumference\": 10}, \"solution\": {"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("{\"inputs\": {\"desiredMaxHeight\": 3.5, \"circumference\": 10.1}, "
                         "\"error\": \"Error No.302: "),
              std::string::npos);

    const ProjectRecord project = projectFor(AnalysisType::GivenHeight);
    const StudyRequest request {
        {"desiredMaxHeight", {2.5, 3.5}}, std::nullopt, kDefaultSolutionMethod};
    const std::string csv = studyCsvText(request, runStudy(project, request), UnitSystem::English);
    EXPECT_EQ(csv.rfind("desiredMaxHeight [ft],Maximum height [ft],", 0), 0u) << csv;
    EXPECT_NE(csv.find(",yes,\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find(",,,,,,,,,,,\"Error No.302: "), std::string::npos) << csv;

    test::expectRefused({
        {{"--json", "--vary", "circumference=0:10:5"}, "--vary circumference: Error No.109"},
        {{"--vary", "circumference=1:10:1001", "--study", "s.csv"}, "between 2 and 1000"},
        {{"--vary", "circumference=1:10:5"}, "--vary needs --study"},
    });
}

// Both inputs and every value of a solved point in feet and pounds, and an
// unsolved point's message as one quoted cell after the empty values.
TEST(StudyCsv, EveryCellInTheDisplayUnits)
{
    const StudyRequest request {{"circumference", {10, 12}},
                                StudyAxis {"fluidHeightLower", {2, 3}},
                                kDefaultSolutionMethod};
    StudyPoint solved;
    solved.first = 10;
    solved.second = 2;
    solved.solved = true;
    // Circumferential and axial working strengths divide by 4 and by 2.
    solved.input.rfInstallationDamage = solved.input.rfCreep = solved.input.rfDurability = 1;
    solved.input.rfSeamAxial = 4;
    solved.input.rfSeamCircumferential = 2;
    solved.input.circumference = 10;
    solved.solution.maxHeight = 2.5;
    solved.solution.maxWidth = 4.25;
    solved.solution.baseWidth = 3.5;
    solved.solution.ultimateStrengthCircumferential = 100;
    solved.solution.ultimateStrengthAxial = 40;
    solved.solution.totalArea = 7.5;
    solved.solution.inletPressure = 20;
    solved.solution.convergenceWarning = true;
    StudyPoint failed;
    failed.first = 12;
    failed.second = 3;
    failed.error = "Error No.302: \"H\"\ntoo high";
    std::istringstream text(studyCsvText(request, {solved, failed}, UnitSystem::English));
    std::string header, first, second;
    std::getline(text, header);
    std::getline(text, first);
    std::getline(text, second);
    EXPECT_EQ(header,
              "circumference [ft],fluidHeightLower [ft],Maximum height [ft],Maximum width [ft],"
              "Base width [ft],Storage area [ft^2],Working strength circumferential [lb/ft],"
              "Working strength axial [lb/ft],Required strength circumferential [lb/ft],"
              "Required strength axial [lb/ft],Pumping pressure [psi],H/D [-],Converged,Error");
    // Worked out with 1 m = 3.28084 ft, 1 kN/m = 68.519 lb/ft, 1 kPa = 0.145 psi.
    EXPECT_EQ(first,
              "32.8084,6.56168,8.2021,13.94357,11.48294,80.72933329,1712.975,1370.38,"
              "6851.9,2740.76,2.9,0.7853981634,no,");
    const size_t values = allStudyValues().size();
    EXPECT_EQ(second,
              "39.37008,9.84252," + std::string(values + 1, ',')
                  + "\"Error No.302: \"\"H\"\" too high\"");
}

} // namespace
} // namespace vendrix
