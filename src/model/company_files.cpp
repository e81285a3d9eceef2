#include "model/company_files.h"

#include "model/atomic_file.h"
#include "model/regular_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

namespace vendrix {

namespace {

std::string pathIn(const std::string &dataDirectory, const char *name)
{
    // Without a data directory there is no file: never fall back to "/NAME".
    if (dataDirectory.empty())
        return std::string();
    std::string path = dataDirectory;
    if (path.back() != '/')
        path += '/';
    return path + name;
}

// The two files hold a few short lines; anything beyond this is never read.
constexpr std::size_t kLargestDataFileBytes = 1024 * 1024;

// Reads the start of a data file; nullopt with errno set when it cannot be
// opened or is not a regular file (a FIFO or device would block or never end).
std::optional<std::string> readDataFile(const std::string &path)
{
    std::FILE *file = openRegularFile(path);
    if (!file)
        return std::nullopt;
    std::string bytes;
    bool truncated = false;
    const bool read = readOpenFile(file, bytes, kLargestDataFileBytes, truncated);
    const int error = errno;
    std::fclose(file);
    if (!read) {
        errno = error;
        return std::nullopt;
    }
    return bytes;
}

void appendLine(std::string &out, const std::string &value)
{
    for (const char c : value)
        out += (c == '\n' || c == '\r') ? ' ' : c;
    out += '\n';
}

} // namespace

bool readDataLine(std::string_view &bytes, int capacity, std::string &line)
{
    line.clear();
    if (bytes.empty())
        return false;
    const std::size_t end = bytes.find('\n');
    std::string_view whole = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    // A carriage return before the line feed, as in a file written on Windows.
    if (end != std::string_view::npos && !whole.empty() && whole.back() == '\r')
        whole.remove_suffix(1);
    line = std::string(whole.substr(0, static_cast<std::size_t>(std::max(capacity, 0))));
    return true;
}

namespace {

// Each line of the company file and the project field it fills, in file order.
struct CompanyField
{
    std::string CompanyData::*line;
    RecordText ProjectInfo::*field;
};

const CompanyField kCompanyFields[] = {
    {&CompanyData::name, &ProjectInfo::companyName},
    {&CompanyData::street1, &ProjectInfo::companyStreet1},
    {&CompanyData::street2, &ProjectInfo::companyStreet2},
    {&CompanyData::city, &ProjectInfo::companyCity},
    {&CompanyData::state, &ProjectInfo::companyState},
    {&CompanyData::zip, &ProjectInfo::companyZip},
    {&CompanyData::phone, &ProjectInfo::companyPhone},
    {&CompanyData::fax, &ProjectInfo::companyFax},
    {&CompanyData::email, &ProjectInfo::companyEmail},
};

} // namespace

void parseCompanyData(std::string_view bytes, CompanyData &data)
{
    std::string line;
    for (int i = 0; i < 9; ++i) {
        std::string &field = data.*kCompanyFields[i].line;
        if (readDataLine(bytes, kCompanyLineCapacities[i], line))
            field = line;
        else
            field.clear();
    }
}

CompanyData companyDataOf(const ProjectInfo &info)
{
    CompanyData data;
    for (const CompanyField &f : kCompanyFields)
        data.*f.line = (info.*f.field).cp1252;
    return data;
}

void applyCompanyData(const CompanyData &data, ProjectInfo &info)
{
    for (const CompanyField &f : kCompanyFields)
        info.*f.field = RecordText(data.*f.line);
}

std::string companyFilePath(const std::string &dataDirectory)
{
    return pathIn(dataDirectory, kCompanyFileName);
}

std::string logoFilePath(const std::string &dataDirectory)
{
    return pathIn(dataDirectory, kLogoFileName);
}

std::optional<Failure> saveCompanyData(const std::string &dataDirectory, const CompanyData &data)
{
    const std::string path = companyFilePath(dataDirectory);
    if (path.empty())
        return Failure::plain("There is no folder for the program's data.");
    std::string text;
    for (const CompanyField &f : kCompanyFields)
        appendLine(text, data.*f.line);
    return writeFileAtomically(path, text);
}

bool loadCompanyData(const std::string &dataDirectory, CompanyData &data, std::FILE *diagnostics)
{
    const std::optional<std::string> bytes = readDataFile(companyFilePath(dataDirectory));
    if (!bytes) {
        const int error = errno;
        if (diagnostics)
            std::fprintf(diagnostics, "open failed on input file\n%s\n", std::strerror(error));
        return false;
    }
    parseCompanyData(*bytes, data);
    return true;
}

std::optional<Failure> saveLogoPath(const std::string &dataDirectory, const std::string &logoPath)
{
    const std::string path = logoFilePath(dataDirectory);
    if (path.empty())
        return Failure::plain("There is no folder for the program's data.");
    std::string text;
    appendLine(text, logoPath);
    return writeFileAtomically(path, text);
}

bool loadLogoPath(const std::string &dataDirectory, std::string &logoPath)
{
    const std::optional<std::string> bytes = readDataFile(logoFilePath(dataDirectory));
    if (!bytes)
        return false;
    std::string_view rest = *bytes;
    std::string line;
    if (readDataLine(rest, kLogoLineCapacity, line))
        logoPath = line;
    else
        logoPath.clear();
    return true;
}

} // namespace vendrix
