#include "model/company_files.h"

#include "model/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

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

std::FILE *openForReading(const std::string &path)
{
    if (path.empty()) {
        errno = ENOENT;
        return nullptr;
    }
    std::FILE *file = std::fopen(path.c_str(), "rb");
    struct stat status
    {
    };
    if (file && (::fstat(::fileno(file), &status) != 0 || S_ISDIR(status.st_mode))) {
        std::fclose(file);
        errno = EISDIR;
        return nullptr;
    }
    return file;
}

// One line of at most `capacity` characters without its line feed (and a
// carriage return before it, as in a file written on Windows). The rest of a
// longer line is skipped so it cannot spill into the next value. False at the
// end of the file before any character.
bool readLine(std::FILE *file, int capacity, std::string &line)
{
    line.clear();
    int c = std::fgetc(file);
    if (c == EOF)
        return false;
    for (; c != EOF && c != '\n'; c = std::fgetc(file)) {
        if (static_cast<int>(line.size()) < capacity)
            line += static_cast<char>(c);
    }
    if (!line.empty() && line.back() == '\r' && c == '\n')
        line.pop_back();
    return true;
}

void appendLine(std::string &out, const std::string &value)
{
    for (const char c : value)
        out += (c == '\n' || c == '\r') ? ' ' : c;
    out += '\n';
}

} // namespace

CompanyData companyDataOf(const ProjectInfo &info)
{
    return {info.companyName,  info.companyStreet1, info.companyStreet2,
            info.companyCity,  info.companyState,   info.companyZip,
            info.companyPhone, info.companyFax,     info.companyEmail};
}

void applyCompanyData(const CompanyData &data, ProjectInfo &info)
{
    info.companyName = data.name;
    info.companyStreet1 = data.street1;
    info.companyStreet2 = data.street2;
    info.companyCity = data.city;
    info.companyState = data.state;
    info.companyZip = data.zip;
    info.companyPhone = data.phone;
    info.companyFax = data.fax;
    info.companyEmail = data.email;
}

std::string companyFilePath(const std::string &dataDirectory)
{
    return pathIn(dataDirectory, kCompanyFileName);
}

std::string logoFilePath(const std::string &dataDirectory)
{
    return pathIn(dataDirectory, kLogoFileName);
}

bool saveCompanyData(const std::string &dataDirectory, const CompanyData &data)
{
    const std::string path = companyFilePath(dataDirectory);
    if (path.empty())
        return false;
    std::string text;
    for (const std::string *value : {&data.name, &data.street1, &data.street2, &data.city,
                                     &data.state, &data.zip, &data.phone, &data.fax, &data.email})
        appendLine(text, *value);
    std::string error;
    return writeFileAtomically(path, text, error);
}

bool loadCompanyData(const std::string &dataDirectory, CompanyData &data, std::FILE *diagnostics)
{
    std::FILE *file = openForReading(companyFilePath(dataDirectory));
    if (!file) {
        const int error = errno;
        if (diagnostics)
            std::fprintf(diagnostics, "open failed on input file\n%s\n", std::strerror(error));
        return false;
    }
    std::string *fields[] = {&data.name, &data.street1, &data.street2, &data.city, &data.state,
                             &data.zip,  &data.phone,   &data.fax,     &data.email};
    std::string line;
    for (int i = 0; i < 9; ++i) {
        if (readLine(file, kCompanyLineCapacities[i], line))
            *fields[i] = line;
        else
            fields[i]->clear();
    }
    std::fclose(file);
    return true;
}

bool saveLogoPath(const std::string &dataDirectory, const std::string &logoPath)
{
    const std::string path = logoFilePath(dataDirectory);
    if (path.empty())
        return false;
    std::string text;
    appendLine(text, logoPath);
    std::string error;
    return writeFileAtomically(path, text, error);
}

bool loadLogoPath(const std::string &dataDirectory, std::string &logoPath)
{
    std::FILE *file = openForReading(logoFilePath(dataDirectory));
    if (!file)
        return false;
    std::string line;
    if (readLine(file, kLogoLineCapacity, line))
        logoPath = line;
    else
        logoPath.clear();
    std::fclose(file);
    return true;
}

} // namespace vendrix
