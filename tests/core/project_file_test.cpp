#include "failure_test_support.h"
#include "model/atomic_file.h"
#include "model/project_file.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace vendrix {
namespace {

// Builds file images by hand, independently of the writer.
struct Image
{
    std::string bytes;

    Image &u8(unsigned value)
    {
        bytes += static_cast<char>(value);
        return *this;
    }
    Image &u16(unsigned value) { return u8(value & 0xFF).u8((value >> 8) & 0xFF); }
    Image &i32(std::int32_t value)
    {
        const auto v = static_cast<std::uint32_t>(value);
        return u16(v & 0xFFFF).u16(v >> 16);
    }
    Image &f64(double value)
    {
        std::uint64_t raw = 0;
        std::memcpy(&raw, &value, sizeof raw);
        return i32(static_cast<std::int32_t>(raw & 0xFFFFFFFF))
            .i32(static_cast<std::int32_t>(raw >> 32));
    }
    Image &str(const std::string &text)
    {
        if (text.size() < 255)
            u8(static_cast<unsigned>(text.size()));
        else
            u8(0xFF).u16(static_cast<unsigned>(text.size())); // texts below 65534 here
        bytes += text;
        return *this;
    }
};

// The values of a file in file order, initially those of a new project.
struct FileValues
{
    int englishUnits = 0, printBlackWhite = 0, includeLogo = 0, asianPacific = 0;
    int twoSlurryLayers = 1, analysisType = 0;
    // currencyUnit; dateTime, description, designer, projectNumber, title;
    // client, companyName, companyState, companyStreet1, companyStreet2,
    // companyCity, companyZip, projectNumberSuffix, companyEmail, companyFax,
    // companyPhone, stationNumber, logoPath; costPerUnitArea, quantityRemarks.
    std::vector<std::string> texts {"$", "", "", "", "", "", "", "", "",     "", "",
                                    "",  "", "", "", "", "", "", "", "0.00", ""};
    // circumference; the four unit weights, Hin-Lower, Hout-Lower, RFid, RFd,
    // RFc, RFss circumferential, RFss axial; strength, height, pressure,
    // transporting medium, Gs, consolidated unit weight; tube length.
    std::vector<double> reals {10.0, 12.0, 11.0,  10.0, 0.0,  1.0,       2.0, 1.3,  1.0, 1.5,
                               2.0,  2.0,  100.0, 2.5,  20.0, 9.8073607, 2.7, 12.0, 1.0};
};

// A file image built by hand from the field table, independently of the writer.
// Version 10 files lack items 10 to 24 and the final reserved text.
std::string handImage(int version, const FileValues &v = FileValues {})
{
    Image im;
    im.i32(version).i32(v.englishUnits).str(v.texts[0]).i32(v.printBlackWhite);
    for (int i = 1; i <= 5; ++i)
        im.str(v.texts[i]);
    if (version > 10) {
        for (int i = 6; i <= 18; ++i)
            im.str(v.texts[i]);
        im.i32(v.includeLogo).i32(v.asianPacific);
    }
    im.f64(v.reals[0]).i32(v.twoSlurryLayers);
    for (int i = 1; i <= 11; ++i)
        im.f64(v.reals[i]);
    im.i32(v.analysisType);
    for (int i = 12; i <= 17; ++i)
        im.f64(v.reals[i]);
    im.str(v.texts[19]).str(v.texts[20]).f64(v.reals[18]);
    for (int i = 0; i < 100; ++i)
        im.i32(0);
    for (int i = 0; i < 100; ++i)
        im.f64(0.0);
    for (int i = 0; i < 100; ++i)
        im.str("");
    if (version > 10)
        im.str("");
    return im.bytes;
}

std::string initialImage(int version)
{
    return handImage(version);
}

std::string bits(double value)
{
    std::uint64_t raw = 0;
    std::memcpy(&raw, &value, sizeof raw);
    return std::to_string(raw);
}

// The saved texts, flags and reals of a record, each in file order.
std::array<std::string *, 21> textFields(ProjectRecord &r)
{
    return {&r.display.currencyUnit,       &r.info.dateTime.cp1252,
            &r.info.description.cp1252,    &r.info.designer.cp1252,
            &r.info.projectNumber.cp1252,  &r.info.title.cp1252,
            &r.info.client.cp1252,         &r.info.companyName.cp1252,
            &r.info.companyState.cp1252,   &r.info.companyStreet1.cp1252,
            &r.info.companyStreet2.cp1252, &r.info.companyCity.cp1252,
            &r.info.companyZip.cp1252,     &r.info.projectNumberSuffix.cp1252,
            &r.info.companyEmail.cp1252,   &r.info.companyFax.cp1252,
            &r.info.companyPhone.cp1252,   &r.info.stationNumber.cp1252,
            &r.info.logoPath.cp1252,       &r.input.costPerUnitArea,
            &r.input.quantityRemarks};
}

std::array<bool *, 4> flagFields(ProjectRecord &r)
{
    return {&r.display.printBlackWhite, &r.info.includeLogo, &r.display.asianPacific,
            &r.input.twoSlurryLayers};
}

std::array<double *, 19> realFields(ProjectRecord &r)
{
    TubeInput &in = r.input;
    return {&in.circumference,
            &in.slurryUnitWeightLower,
            &in.slurryUnitWeightUpper,
            &in.fluidUnitWeightLower,
            &in.fluidUnitWeightUpper,
            &in.slurryHeightLower,
            &in.fluidHeightLower,
            &in.rfInstallationDamage,
            &in.rfDurability,
            &in.rfCreep,
            &in.rfSeamCircumferential,
            &in.rfSeamAxial,
            &in.ultimateStrength,
            &in.desiredMaxHeight,
            &in.pumpingPressure,
            &in.transportUnitWeight,
            &in.specificGravitySolids,
            &in.consolidatedUnitWeight,
            &in.tubeLength};
}

// Names for the failure messages, in the order of the lists above.
constexpr const char *kTextNames[] = {"currencyUnit",   "dateTime",
                                      "description",    "designer",
                                      "projectNumber",  "title",
                                      "client",         "companyName",
                                      "companyState",   "companyStreet1",
                                      "companyStreet2", "companyCity",
                                      "companyZip",     "projectNumberSuffix",
                                      "companyEmail",   "companyFax",
                                      "companyPhone",   "stationNumber",
                                      "logoPath",       "costPerUnitArea",
                                      "quantityRemarks"};
constexpr const char *kFlagNames[]
    = {"printBlackWhite", "includeLogo", "asianPacific", "twoSlurryLayers"};
constexpr const char *kRealNames[] = {"circumference",
                                      "slurryUnitWeightLower",
                                      "slurryUnitWeightUpper",
                                      "fluidUnitWeightLower",
                                      "fluidUnitWeightUpper",
                                      "slurryHeightLower",
                                      "fluidHeightLower",
                                      "rfInstallationDamage",
                                      "rfDurability",
                                      "rfCreep",
                                      "rfSeamCircumferential",
                                      "rfSeamAxial",
                                      "ultimateStrength",
                                      "desiredMaxHeight",
                                      "pumpingPressure",
                                      "transportUnitWeight",
                                      "specificGravitySolids",
                                      "consolidatedUnitWeight",
                                      "tubeLength"};

// Every saved field, by name, doubles by their bits.
std::vector<std::string> savedFields(const ProjectRecord &record)
{
    ProjectRecord r = record;
    std::vector<std::string> fields;
    for (std::size_t i = 0; i < std::size(kTextNames); ++i)
        fields.push_back(std::string(kTextNames[i]) + "=" + *textFields(r)[i]);
    for (std::size_t i = 0; i < std::size(kFlagNames); ++i)
        fields.push_back(std::string(kFlagNames[i]) + "=" + std::to_string(*flagFields(r)[i]));
    for (std::size_t i = 0; i < std::size(kRealNames); ++i)
        fields.push_back(std::string(kRealNames[i]) + "=" + bits(*realFields(r)[i]));
    fields.push_back("analysisType=" + std::to_string(static_cast<int>(r.input.analysisType)));
    fields.push_back("englishUnits=" + std::to_string(isEnglish(r.display)));
    return fields;
}

// The saved fields and the fields the file must never touch.
void expectSameRecord(const ProjectRecord &a, const ProjectRecord &b)
{
    EXPECT_EQ(savedFields(a), savedFields(b));
    EXPECT_EQ(a.info.projectPath, b.info.projectPath);
    EXPECT_EQ(a.display.screenBlackWhite, b.display.screenBlackWhite);
    EXPECT_EQ(a.display.omitConsolidationPage, b.display.omitConsolidationPage);
    EXPECT_EQ(a.state.resultsValid, b.state.resultsValid);
    EXPECT_EQ(a.solution.maxHeight, b.solution.maxHeight);
}

class RandomRecords
{
public:
    explicit RandomRecords(unsigned seed)
        : m_random(seed)
    { }

    std::string text()
    {
        static const std::size_t lengths[] = {0, 1, 7, 40, 254, 255, 256, 600};
        // Now and then a text that needs the 16-bit or 32-bit length prefix.
        const std::size_t length = m_random() % 50 == 0 ? 65533 + m_random() % 2
                                                        : lengths[m_random() % std::size(lengths)];
        std::string s(length, '\0');
        for (char &c : s)
            c = static_cast<char>(m_random() % 256); // every Windows-1252 byte
        return s;
    }
    double real()
    {
        std::uint64_t raw = (std::uint64_t(m_random()) << 32) | m_random();
        double d = 0;
        std::memcpy(&d, &raw, sizeof d); // any bit pattern, NaNs included
        return d;
    }
    int integer() { return static_cast<int>(m_random()); }

    ProjectRecord record()
    {
        ProjectRecord r;
        for (std::string *s : textFields(r))
            *s = text();
        for (bool *flag : flagFields(r))
            *flag = (integer() & 1) != 0;
        r.display.unitSystem = (integer() & 1) != 0 ? UnitSystem::English : UnitSystem::SI;
        for (double *d : realFields(r))
            *d = real();
        r.input.analysisType = static_cast<AnalysisType>(m_random() % 3);
        return r;
    }

private:
    std::mt19937 m_random;
};

// A record whose fields all differ from the initial project.
ProjectRecord sampleRecord()
{
    ProjectRecord r;
    r.display.unitSystem = 1 ? UnitSystem::English : UnitSystem::SI;
    r.display.currencyUnit = "\x80";
    r.info.title = "Dike at \xC5rhus";
    r.info.designer = "Designer";
    r.info.description = RecordText(std::string(300, 'd'));
    r.info.companyName = "Company";
    r.info.logoPath = "/tmp/logo.bmp";
    r.info.includeLogo = true;
    r.display.asianPacific = true;
    r.input.circumference = 12.5;
    r.input.analysisType = AnalysisType::GivenPressure;
    r.input.quantityRemarks = "remarks";
    r.display.screenBlackWhite = true;
    r.display.omitConsolidationPage = true;
    r.info.projectPath = "/somewhere/else.Vdx";
    r.solution.maxHeight = 1.75;
    return r;
}

TEST(ProjectFile, InitialProjectMatchesHandBuiltImage)
{
    const std::string written = serializeProject(ProjectRecord {});
    EXPECT_EQ(written, initialImage(11));
    EXPECT_EQ(written.substr(8, 2), std::string("\x01$"));
}

TEST(ProjectFile, EveryFieldHasItsPlaceInTheFile)
{
    // A distinct value in every field, so that two fields swapped in the file
    // order cannot go unnoticed.
    ProjectRecord r;
    FileValues v;
    const auto texts = textFields(r);
    for (std::size_t i = 0; i < texts.size(); ++i)
        *texts[i] = v.texts[i] = "text " + std::to_string(i);
    const auto reals = realFields(r);
    for (std::size_t i = 0; i < reals.size(); ++i)
        *reals[i] = v.reals[i] = 100.5 + static_cast<double>(i);
    r.display.unitSystem = UnitSystem::English;
    r.display.printBlackWhite = r.info.includeLogo = r.display.asianPacific = true;
    r.input.twoSlurryLayers = false;
    v.englishUnits = v.printBlackWhite = v.includeLogo = v.asianPacific = true;
    v.twoSlurryLayers = false;
    r.input.analysisType = AnalysisType::GivenHeight;
    v.analysisType = 1;

    EXPECT_EQ(serializeProject(r), handImage(11, v));
    ProjectRecord back;
    std::string message;
    ASSERT_TRUE(succeeds(deserializeProject(handImage(11, v), back), message)) << message;
    EXPECT_EQ(savedFields(back), savedFields(r));
}

TEST(ProjectFile, RandomRecordsRoundTripBitForBit)
{
    RandomRecords random(20261208);
    for (int i = 0; i < 60; ++i) {
        SCOPED_TRACE(i);
        const ProjectRecord saved = random.record();
        const std::string bytes = serializeProject(saved);
        ProjectRecord reopened = sampleRecord();
        std::string message;
        ASSERT_TRUE(succeeds(deserializeProject(bytes, reopened), message)) << message;
        // Fields outside the file keep their values; the saved ones match.
        ProjectRecord expected = saved;
        expected.info.projectPath = "/somewhere/else.Vdx";
        expected.display.screenBlackWhite = true;
        expected.display.omitConsolidationPage = true;
        expected.solution.maxHeight = 1.75;
        expectSameRecord(reopened, expected);
    }
}

TEST(ProjectFile, TextLengthPrefixes)
{
    struct Case
    {
        std::size_t length;
        std::string prefix;
    };
    const Case cases[] = {
        {0, std::string("\x00", 1)},
        {254, "\xFE"},
        {255, std::string("\xFF\xFF\x00", 3)},
        {256, std::string("\xFF\x00\x01", 3)},
        {65533, "\xFF\xFD\xFF"},
        // 0xFFFE after 0xFF would mark UTF-16, so this length takes the long form.
        {65534, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
        {70000, std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.length);
        ProjectRecord r;
        r.display.currencyUnit = std::string(c.length, '\xB3');
        const std::string bytes = serializeProject(r);
        EXPECT_EQ(bytes.substr(8, c.prefix.size()), c.prefix);
        ProjectRecord back;
        std::string message;
        ASSERT_TRUE(succeeds(deserializeProject(bytes, back), message));
        EXPECT_EQ(back.display.currencyUnit, r.display.currencyUnit);
    }
}

TEST(ProjectFile, Utf16TextsAreReadAsWindows1252)
{
    const std::string image = initialImage(11);
    struct Case
    {
        const char *name;
        std::string encoded;
        std::string expected;
    };
    // U+20AC euro, 'A', U+00E9, U+4E2D (not in the code page), a surrogate pair.
    const std::string units("\xAC\x20\x41\x00\xE9\x00\x2D\x4E\x3D\xD8\x00\xDE", 12);
    const Case cases[] = {
        {"short length", std::string("\xFF\xFE\xFF\x06", 4) + units,
         "\x80"
         "A\xE9??"},
        {"16-bit length", std::string("\xFF\xFE\xFF\xFF\x06\x00", 6) + units,
         "\x80"
         "A\xE9??"},
        {"empty", std::string("\xFF\xFE\xFF\x00", 4), ""},
        // A pair first and a lone high surrogate last: one '?' each.
        {"pair first", std::string("\xFF\xFE\xFF\x04\x3D\xD8\x00\xDE\x41\x00\x00\xD8", 12), "?A?"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        // Replace the currency text "$" (bytes 8 and 9).
        const std::string bytes = image.substr(0, 8) + c.encoded + image.substr(10);
        ProjectRecord r;
        std::string message;
        ASSERT_TRUE(succeeds(deserializeProject(bytes, r), message)) << message;
        EXPECT_EQ(r.display.currencyUnit, c.expected);
        EXPECT_EQ(r.input.circumference, 10.0);
    }
}

TEST(ProjectFile, ShortFormatKeepsFieldsItLacks)
{
    ProjectRecord r = sampleRecord();
    r.info.client = "Client";
    r.info.companyStreet1 = "Street";
    std::string message;
    FileValues oldFile;
    oldFile.texts[5] = "Old title";
    ASSERT_TRUE(succeeds(deserializeProject(handImage(10, oldFile), r), message)) << message;
    EXPECT_EQ(r.info.title, "Old title");
    EXPECT_EQ(r.info.designer, "");
    EXPECT_EQ(r.input.circumference, 10.0);
    EXPECT_EQ(r.input.analysisType, AnalysisType::GivenStrength);
    EXPECT_EQ(r.display.unitSystem, UnitSystem::SI);
    // Not in a version 10 file: kept as they were in memory.
    EXPECT_EQ(r.info.client, "Client");
    EXPECT_EQ(r.info.companyName, "Company");
    EXPECT_EQ(r.info.companyStreet1, "Street");
    EXPECT_EQ(r.info.logoPath, "/tmp/logo.bmp");
    EXPECT_EQ(r.info.includeLogo, 1);
    EXPECT_EQ(r.display.asianPacific, 1);

    // Version 11 is read as the full form, any lower one as the short one; a
    // later version is refused (see NewerVersionsAreRefused).
    EXPECT_TRUE(succeeds(deserializeProject(initialImage(11), r), message));
    EXPECT_EQ(r.info.companyName, "");
    std::string v1 = initialImage(10);
    v1[0] = 1;
    EXPECT_TRUE(succeeds(deserializeProject(v1, r), message));
}

// A version 12 image by hand: version 11's bytes, then the design check inputs.
std::string version12Image(const std::vector<double> &designCheck)
{
    Image im;
    im.i32(12).bytes += initialImage(11).substr(4);
    for (const double value : designCheck)
        im.f64(value);
    return im.bytes;
}

// The design check inputs in file order.
std::vector<double> designCheckValues(const DesignCheckInputs &c)
{
    return {c.fabricStrengthCircumferential,
            c.fabricStrengthAxial,
            c.fabricStiffness,
            c.waterLevelLoaded,
            c.waterLevelProtected,
            c.foundationFriction,
            c.allowableBearingPressure,
            c.designWaveHeight,
            c.requiredSafetySliding,
            c.requiredSafetyOverturning,
            c.waveStabilityLimit};
}

// A project with any design check input changed is written as version 12 and
// read back whole; a version 11 file gives a new project's inputs.
TEST(ProjectFile, DesignCheckInputsRoundTripAsVersion12)
{
    ProjectRecord saved;
    saved.designCheck
        = {101.5, 42.25, 850, 3.5, kFollowFluidHeight, 0.65, 180, 1.2, 1.3, 1.75, 0.8};
    const std::vector<double> values = designCheckValues(saved.designCheck);
    const std::string bytes = serializeProject(saved);
    EXPECT_EQ(bytes, version12Image(values));

    ProjectRecord opened;
    opened.designCheck.foundationFriction = 0.9;
    std::string message;
    ASSERT_TRUE(succeeds(deserializeProject(bytes, opened), message)) << message;
    EXPECT_EQ(designCheckValues(opened.designCheck), values);

    ASSERT_TRUE(succeeds(deserializeProject(initialImage(11), opened), message)) << message;
    EXPECT_EQ(designCheckValues(opened.designCheck), designCheckValues(DesignCheckInputs {}));
    // One changed input is enough.
    saved.designCheck = DesignCheckInputs {};
    saved.designCheck.foundationFriction = 0.25;
    EXPECT_EQ(serializeProject(saved)[0], 12);
}

// Only the versions ever written, or a later one, open or are refused as newer;
// anything else, and a file that ends early or goes on, is not a project.
TEST(ProjectFile, FilesThatAreNotProjectsAreNamedAsSuch)
{
    const std::string notAProject
        = "p.Vdx\nThis file is not a Vendrix project, or damaged, and cannot be opened.";
    const std::string newer
        = "p.Vdx\nThis file was written by a newer version of Vendrix and cannot be opened.";
    auto withVersion = [](std::int32_t version) {
        std::string image = initialImage(version >= 1 && version <= 10 ? 10 : 11);
        return Image().i32(version).bytes + image.substr(4);
    };
    const struct
    {
        const char *name;
        std::string bytes;
        std::string message; // empty: opens
    } cases[] = {
        {"version 1", withVersion(1), ""},
        {"version 10", withVersion(10), ""},
        {"version 11", withVersion(11), ""},
        {"version 12 without its design check", withVersion(12), notAProject},
        {"version 13", withVersion(13), newer},
        {"version 99", withVersion(99), newer},
        {"version 100", withVersion(100), notAProject},
        {"version 100 with every field of 12",
         [] {
             ProjectRecord full;
             full.designCheck.foundationFriction = 0.25;
             return Image().i32(100).bytes + serializeProject(full).substr(4);
         }(),
         notAProject},
        {"version 0", withVersion(0), notAProject},
        {"version -5", withVersion(-5), notAProject},
        {"version -2^31", withVersion(INT32_MIN), notAProject},
        {"empty", "", notAProject},
        {"PDF", "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n1 0 obj\n<< /Type /Catalog >>\nendobj\n",
         notAProject},
        {"text", "# Vendrix\n\nDesign of geosynthetic tubes.\n", notAProject},
        {"trailing byte", initialImage(11) + "x", notAProject},
        {"trailing file", initialImage(11) + initialImage(11), notAProject},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ProjectRecord r = sampleRecord();
        const std::string before = serializeProject(r);
        std::string message;
        EXPECT_EQ(succeeds(deserializeProject(c.bytes, r, "p.Vdx"), message), c.message.empty());
        EXPECT_EQ(message, c.message);
        if (!c.message.empty()) {
            EXPECT_EQ(serializeProject(r), before);
        }
    }
}

TEST(ProjectFile, EnglishProjectHoldsSiValues)
{
    ProjectRecord r;
    r.display.unitSystem = 1 ? UnitSystem::English : UnitSystem::SI;
    const std::string bytes = serializeProject(r);
    EXPECT_EQ(bytes, [] {
        std::string image = initialImage(11);
        image[4] = 1;
        return image;
    }());
}

TEST(ProjectFile, EveryTruncationIsRefusedAndChangesNothing)
{
    ProjectRecord source = sampleRecord();
    source.info.companyFax = RecordText(std::string(300, 'f'));
    const std::string bytes = serializeProject(source);
    const ProjectRecord before;
    const std::string beforeBytes = serializeProject(before);
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        SCOPED_TRACE(length);
        ProjectRecord r = before;
        std::string message;
        ASSERT_FALSE(succeeds(
            deserializeProject(std::string_view(bytes).substr(0, length), r, "p.Vdx"), message));
        EXPECT_EQ(message,
                  "p.Vdx\nThis file is not a Vendrix project, or damaged, and cannot be "
                  "opened.");
        ASSERT_EQ(serializeProject(r), beforeBytes);
    }
}

TEST(ProjectFile, HugeLengthPrefixIsRefusedAtOnce)
{
    const std::string image = initialImage(11);
    const std::string prefixes[] = {
        std::string("\xFF\xFF\xFF\xF0\xFF\xFF\xFF", 7), // 32-bit, almost 4 GiB
        std::string(14, '\xFF') + "\x7F", // 64-bit, 2^63 - 1
        std::string("\xFF\xFE", 2) + std::string(14, '\xFF') + "\x7F", // the same in UTF-16
        std::string("\xFF\xFE\xFF\xFF\x00\x80", 6), // UTF-16 units beyond the end
    };
    for (const std::string &prefix : prefixes) {
        ProjectRecord r;
        std::string message;
        EXPECT_FALSE(
            succeeds(deserializeProject(image.substr(0, 8) + prefix + image.substr(10), r, "p.Vdx"),
                     message));
        EXPECT_EQ(message,
                  "p.Vdx\nThis file is not a Vendrix project, or damaged, and cannot be "
                  "opened.");
    }
    // Without a file name the message simply leaves the name out.
    ProjectRecord r;
    std::string message;
    EXPECT_FALSE(succeeds(deserializeProject(image.substr(0, 8) + prefixes[0], r), message));
    EXPECT_EQ(message, "\nThis file is not a Vendrix project, or damaged, and cannot be opened.");
}

TEST(ProjectFile, UnknownObjectiveIsRefused)
{
    ProjectRecord source;
    std::string bytes = serializeProject(source);
    // The objective follows the 13th double after the texts; find it by writing 2.
    source.input.analysisType = AnalysisType::GivenPressure;
    const std::string withTwo = serializeProject(source);
    std::size_t at = 0;
    while (bytes[at] == withTwo[at])
        ++at;
    for (int value : {3, -1}) {
        std::string bad = bytes;
        bad[at] = static_cast<char>(value);
        if (value < 0)
            bad.replace(at, 4, "\xFF\xFF\xFF\xFF");
        ProjectRecord r = sampleRecord();
        std::string message;
        EXPECT_FALSE(succeeds(deserializeProject(bad, r), message));
        EXPECT_EQ(message, "Unexpected file format.");
        EXPECT_EQ(r.input.analysisType, AnalysisType::GivenPressure);
    }
}

TEST(ProjectFile, RandomMutationsAreReadOrRefusedSafely)
{
    ProjectRecord source = sampleRecord();
    source.info.companyStreet2 = RecordText(std::string(260, 's'));
    const std::string bytes = serializeProject(source);
    std::mt19937 random(4711);
    const ProjectRecord before = sampleRecord();
    const std::string beforeBytes = serializeProject(before);
    int refused = 0;
    for (int i = 0; i < 3000; ++i) {
        std::string mutated = bytes;
        const int edits = 1 + static_cast<int>(random() % 4);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = random() % mutated.size();
            switch (random() % 4) {
            case 0:
                mutated[at] = static_cast<char>(random());
                break;
            case 1:
                mutated[at] = '\xFF';
                break;
            case 2:
                mutated.erase(at, 1 + random() % 8);
                break;
            default:
                mutated.insert(at, 1 + random() % 8, static_cast<char>(random()));
                break;
            }
            if (mutated.empty())
                mutated = "x";
        }
        ProjectRecord r = before;
        std::string message;
        if (!succeeds(deserializeProject(mutated, r), message)) {
            ++refused;
            EXPECT_FALSE(message.empty());
            ASSERT_EQ(serializeProject(r), beforeBytes) << "mutation " << i;
        }
    }
    EXPECT_GT(refused, 0);
}

class ProjectFileOnDisk : public ::testing::Test
{
protected:
    std::string path(const char *name) const { return m_scratch.file(name); }

    test::ScratchFolder m_scratch {"project"};
    const std::filesystem::path &m_dir = m_scratch.path();
};

TEST_F(ProjectFileOnDisk, SaveAndOpen)
{
    ProjectRecord saved = sampleRecord();
    std::string message;
    ASSERT_TRUE(succeeds(saveProjectFile(path("dike.Vdx"), saved), message)) << message;

    ProjectRecord opened;
    opened.state.resultsValid = true;
    ASSERT_TRUE(succeeds(openProjectFile(path("dike.Vdx"), opened), message)) << message;
    EXPECT_EQ(serializeProject(opened), serializeProject(saved));
    EXPECT_EQ(opened.info.projectPath, path("dike.Vdx"));
    EXPECT_EQ(opened.state.resultsValid, 0);
    EXPECT_EQ(opened.display.screenBlackWhite, 0);
}

TEST_F(ProjectFileOnDisk, RefusedFilesChangeNothing)
{
    std::string message;
    ProjectRecord r = sampleRecord();
    EXPECT_FALSE(succeeds(openProjectFile(path("missing.Vdx"), r), message));
    EXPECT_EQ(message,
              path("missing.Vdx")
                  + "\nCannot find this file.\nPlease verify that the correct path and file name "
                    "are given.");

    std::ofstream(path("short.Vdx"), std::ios::binary) << std::string("\x0B\x00\x00", 3);
    EXPECT_FALSE(succeeds(openProjectFile(path("short.Vdx"), r), message));
    EXPECT_EQ(message,
              path("short.Vdx")
                  + "\nThis file is not a Vendrix project, or damaged, and cannot be opened.");
    EXPECT_EQ(r.info.projectPath, "/somewhere/else.Vdx");
    EXPECT_EQ(serializeProject(r), serializeProject(sampleRecord()));

    // A directory or a device never ends up being read.
    for (const std::string &notAFile : {m_dir.string(), std::string("/dev/zero")}) {
        EXPECT_FALSE(succeeds(openProjectFile(notAFile, r), message));
        EXPECT_EQ(message,
                  notAFile + "\nThis is not a regular file and cannot be opened as a project.");
    }
    EXPECT_EQ(serializeProject(r), serializeProject(sampleRecord()));

    EXPECT_FALSE(succeeds(saveProjectFile(path("no/such/dir.Vdx"), r), message));
    EXPECT_FALSE(message.empty());
}

// A disk that fills up during the save (here a file size limit, which fails
// the write as a full disk does) is reported, and the saved file stays as it was.
TEST_F(ProjectFileOnDisk, AFailedWriteKeepsThePreviousFile)
{
    std::string message;
    const ProjectRecord first = sampleRecord();
    ASSERT_TRUE(succeeds(saveProjectFile(path("dike.Vdx"), first), message)) << message;
    ProjectRecord changed = first;
    changed.input.circumference += 1;

    struct rlimit limit
    {
    };
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tiny = limit;
    tiny.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool saved = succeeds(saveProjectFile(path("dike.Vdx"), changed), message);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(message, "Cannot write \"" + path("dike.Vdx") + "\": File too large");
    std::string bytes;
    ASSERT_TRUE(succeeds(readWholeFile(path("dike.Vdx"), bytes), message));
    EXPECT_EQ(bytes, serializeProject(first));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir), {}), 1);
}

} // namespace
} // namespace vendrix
