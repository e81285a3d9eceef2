#include "model/company_files.h"
#include "model/data_directory.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace vendrix {
namespace {

class DataFiles : public ::testing::Test
{
protected:
    std::string root() const { return m_root.string(); }
    std::string fileText(const std::string &path) const
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void writeText(const std::string &path, const std::string &text) const
    {
        std::ofstream(path, std::ios::binary) << text;
    }

    test::ScratchFolder m_scratch {"data"};
    const std::filesystem::path &m_root = m_scratch.path();
};

CompanyData sampleCompany()
{
    return {"Brune Engineering, Inc.",
            "1 Main Street",
            "Suite 2",
            "Springfield",
            "IL",
            "62701",
            "555-0100",
            "555-0101",
            "info@example.com"};
}

TEST(DataDirectory, LocalDataFolder)
{
    struct Case
    {
        const char *override;
        const char *xdg;
        const char *home;
        const char *expected; // nullptr = none
    };
    const Case cases[] = {
        {nullptr, nullptr, "/home/u", "/home/u/.local/share"},
        {nullptr, "/data", "/home/u", "/data"},
        {nullptr, "relative", "/home/u", "/home/u/.local/share"},
        {"", "", "/home/u", "/home/u/.local/share"},
        {"/tmp/t", "/data", "/home/u", "/tmp/t"},
        {nullptr, nullptr, nullptr, nullptr},
        {nullptr, "", "", nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.expected ? c.expected : "none");
        const auto folder = localDataFolder(c.override, c.xdg, c.home);
        ASSERT_EQ(folder.has_value(), c.expected != nullptr);
        if (folder) {
            EXPECT_EQ(*folder, c.expected);
        }
    }
}

TEST_F(DataFiles, DataDirectoryIsCreatedWithItsParents)
{
    const std::string folder = root() + "/a/b/";
    DataDirectoryResult result = prepareDataDirectory(folder);
    EXPECT_EQ(result.directory, root() + "/a/b/Brune/Vendrix");
    EXPECT_TRUE(result.messages.empty());
    EXPECT_TRUE(std::filesystem::is_directory(result.directory));

    // An existing directory is used unchanged, without messages.
    writeText(result.directory + "/keep", "x");
    result = prepareDataDirectory(folder);
    EXPECT_TRUE(result.messages.empty());
    EXPECT_EQ(fileText(result.directory + "/keep"), "x");

    // A plain file in the way cannot become a directory.
    writeText(root() + "/file", "x");
    result = prepareDataDirectory(root() + "/file");
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0], "Error occurred and unable to create data directory.");

    result = prepareDataDirectory(std::nullopt);
    EXPECT_EQ(result.directory, "");
    ASSERT_EQ(result.messages.size(), 2u);
    EXPECT_EQ(result.messages[0], "Unable to get the location of local application data path.");
    EXPECT_EQ(result.messages[1], "Unable to read application data path.");
}

TEST_F(DataFiles, CompanyDataRoundTrip)
{
    const CompanyData saved = sampleCompany();
    ASSERT_FALSE(saveCompanyData(root(), saved));
    EXPECT_EQ(fileText(root() + "/COMPANY.INF"),
              "Brune Engineering, Inc.\n1 Main Street\nSuite 2\nSpringfield\nIL\n62701\n"
              "555-0100\n555-0101\ninfo@example.com\n");
    CompanyData read;
    // Reading leaves no file open behind it.
    const auto openFiles
        = [] { return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}); };
    const auto before = openFiles();
    ASSERT_TRUE(loadCompanyData(root(), read, nullptr));
    EXPECT_EQ(openFiles(), before);
    ProjectInfo info;
    applyCompanyData(read, info);
    EXPECT_EQ(info.companyEmail, "info@example.com");
    EXPECT_EQ(companyDataOf(info).zip, "62701");
    EXPECT_EQ(read.name, saved.name);
    EXPECT_EQ(read.street2, saved.street2);
    EXPECT_EQ(read.fax, saved.fax);
}

TEST_F(DataFiles, LongLinesDoNotSpillIntoTheNextField)
{
    struct Case
    {
        const char *name;
        std::string fileText;
        std::string expectedName;
        std::string expectedStreet1;
        std::string expectedCity;
    };
    const std::string full(100, 'N');
    const Case cases[] = {
        // The full 100 characters the dialog allows are kept.
        {"100-character name", full + "\nStreet\n\nCity\n", full, "Street", "City"},
        {"longer name is cut", full + "XYZ\nStreet\n\nCity\n", full, "Street", "City"},
        {"long city is cut", "N\nS\n\n" + std::string(45, 'C') + "\nIL\n", "N", "S",
         std::string(30, 'C')},
        {"Windows line ends", "N\r\nS\r\n\r\nCity\r\n", "N", "S", "City"},
        {"short file", "N\n", "N", "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        writeText(root() + "/COMPANY.INF", c.fileText);
        CompanyData data = sampleCompany();
        ASSERT_TRUE(loadCompanyData(root(), data, nullptr));
        EXPECT_EQ(data.name, c.expectedName);
        EXPECT_EQ(data.street1, c.expectedStreet1);
        EXPECT_EQ(data.city, c.expectedCity);
    }

    // Saved and read back whole, at the full length of every field.
    CompanyData longest {full,
                         full,
                         full,
                         std::string(30, 'c'),
                         std::string(20, 's'),
                         std::string(20, 'z'),
                         std::string(30, 'p'),
                         std::string(30, 'f'),
                         std::string(30, 'e')};
    ASSERT_FALSE(saveCompanyData(root(), longest));
    CompanyData read;
    ASSERT_TRUE(loadCompanyData(root(), read, nullptr));
    EXPECT_EQ(read.name, full);
    EXPECT_EQ(read.street1, full);
    EXPECT_EQ(read.email, longest.email);

    // A line break inside a value cannot move the following values.
    longest.name = "two\nlines";
    ASSERT_FALSE(saveCompanyData(root(), longest));
    ASSERT_TRUE(loadCompanyData(root(), read, nullptr));
    EXPECT_EQ(read.name, "two lines");
    EXPECT_EQ(read.street1, full);
}

TEST_F(DataFiles, MissingFilesLeaveFieldsAsTheyAre)
{
    CompanyData data;
    char buffer[256] = {};
    std::FILE *diagnostics = fmemopen(buffer, sizeof buffer, "w");
    ASSERT_NE(diagnostics, nullptr);
    EXPECT_FALSE(loadCompanyData(root(), data, diagnostics));
    std::fclose(diagnostics);
    EXPECT_EQ(std::string(buffer).rfind("open failed on input file\n", 0), 0u);
    EXPECT_GT(std::string(buffer).size(), std::string("open failed on input file\n").size());
    EXPECT_EQ(data.name, "");
    EXPECT_EQ(data.street1, "");

    std::string logo = "kept.bmp";
    EXPECT_FALSE(loadLogoPath(root(), logo));
    EXPECT_EQ(logo, "kept.bmp");

    // Without a data directory nothing is read or written anywhere.
    EXPECT_FALSE(loadCompanyData("", data, nullptr));
    EXPECT_TRUE(saveCompanyData("", data));
    EXPECT_TRUE(saveLogoPath("", logo));
}

TEST_F(DataFiles, LogoPathRoundTrip)
{
    ASSERT_FALSE(saveLogoPath(root(), "/home/u/logo \xE9.bmp"));
    EXPECT_EQ(fileText(root() + "/CoLogoV.INF"), "/home/u/logo \xE9.bmp\n");
    std::string logo;
    ASSERT_TRUE(loadLogoPath(root(), logo));
    EXPECT_EQ(logo, "/home/u/logo \xE9.bmp");

    writeText(root() + "/CoLogoV.INF", std::string(310, 'p') + "\nsecond\n");
    ASSERT_TRUE(loadLogoPath(root(), logo));
    EXPECT_EQ(logo, std::string(300, 'p'));
}

} // namespace
} // namespace vendrix
