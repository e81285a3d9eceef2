// The company and logo file readers on any bytes: every value stays within
// its capacity and on its own line, and what is read is written and read back
// the same.
#include "fuzz_check.h"
#include "model/company_files.h"

#include <cstddef>
#include <cstdint>

using namespace vendrix;

namespace {

bool plainLine(const std::string &value)
{
    return value.find_first_of("\r\n") == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    CompanyData company;
    parseCompanyData(bytes, company);
    const std::string *values[]
        = {&company.name, &company.street1, &company.street2, &company.city, &company.state,
           &company.zip,  &company.phone,   &company.fax,     &company.email};
    bool plain = true;
    for (int i = 0; i < 9; ++i) {
        fuzz::require(values[i]->size() <= static_cast<std::size_t>(kCompanyLineCapacities[i]),
                      "a company value stays within its capacity");
        fuzz::require(values[i]->find('\n') == std::string::npos, "a value is one line");
        plain = plain && plainLine(*values[i]);
    }
    std::string_view rest = bytes;
    std::string logo;
    if (readDataLine(rest, kLogoLineCapacity, logo))
        fuzz::require(logo.size() <= static_cast<std::size_t>(kLogoLineCapacity),
                      "the logo path stays within its capacity");

    // Values without line breaks, written one a line as the file holds them,
    // are read back exactly.
    if (plain) {
        std::string file;
        for (const std::string *value : values)
            file += *value + "\n";
        CompanyData reread;
        parseCompanyData(file, reread);
        for (int i = 0; i < 9; ++i) {
            const std::string *again[]
                = {&reread.name, &reread.street1, &reread.street2, &reread.city, &reread.state,
                   &reread.zip,  &reread.phone,   &reread.fax,     &reread.email};
            fuzz::require(*again[i] == *values[i], "company data round trip");
        }
    }
    return 0;
}
