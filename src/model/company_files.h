#pragma once
// The company information file (COMPANY.INF, nine lines) and the logo file
// (CoLogoV.INF, one line with the logo bitmap path) in the per-user data
// directory. They let the General Information dialog fill a new project's
// company fields and logo path. Each value is one line ending in a line feed.

#include "model/failure.h"
#include "model/project_record.h"

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace vendrix {

inline constexpr const char *kCompanyFileName = "COMPANY.INF";
inline constexpr const char *kLogoFileName = "CoLogoV.INF";

// The nine company lines in file order.
struct CompanyData
{
    std::string name;
    std::string street1;
    std::string street2;
    std::string city;
    std::string state;
    std::string zip;
    std::string phone;
    std::string fax;
    std::string email;
};

// Most characters each company line keeps when read, in file order (the
// dialog's maximum length of the field); anything further on the line is skipped.
inline constexpr int kCompanyLineCapacities[9] = {100, 100, 100, 30, 20, 20, 30, 30, 30};
// Most characters of the logo path line kept when read.
inline constexpr int kLogoLineCapacity = 300;

// Takes one line from the front of `bytes`: at most `capacity` characters
// without its line feed (and a carriage return before it); the rest of a longer
// line is skipped so it cannot spill into the next value. False when `bytes`
// is empty.
bool readDataLine(std::string_view &bytes, int capacity, std::string &line);

// The nine company lines of a file image; missing lines give empty values.
void parseCompanyData(std::string_view bytes, CompanyData &data);

CompanyData companyDataOf(const ProjectInfo &info);
void applyCompanyData(const CompanyData &data, ProjectInfo &info);

// Paths of the two files; empty when there is no data directory.
std::string companyFilePath(const std::string &dataDirectory);
std::string logoFilePath(const std::string &dataDirectory);

// Writes the nine lines (replacing the file only once it is complete). Line
// breaks inside a value become blanks so that every value stays on its line.
// A failure when the file could not be written.
std::optional<Failure> saveCompanyData(const std::string &dataDirectory, const CompanyData &data);

// Reads the nine lines into `data`; lines missing at the end of the file give
// empty values. When the file cannot be opened `data` is left as it is and
// "open failed on input file" with the system's reason goes to `diagnostics`.
bool loadCompanyData(const std::string &dataDirectory, CompanyData &data,
                     std::FILE *diagnostics = stderr);

// Writes the logo path as the one line of the logo file; a failure when it
// could not be written.
std::optional<Failure> saveLogoPath(const std::string &dataDirectory, const std::string &logoPath);

// Reads the first line of the logo file into `logoPath`; false (and `logoPath`
// unchanged) when the file cannot be opened.
bool loadLogoPath(const std::string &dataDirectory, std::string &logoPath);

} // namespace vendrix
