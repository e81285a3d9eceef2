#include "graphics/locale_paper.h"

#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace vendrix {

namespace {

// The paper height (mm) that the C library's locale data give, or 0 when the
// locale is not installed.
unsigned installedPaperHeight(const std::string &name)
{
    const locale_t locale = newlocale(LC_PAPER_MASK, name.c_str(), static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr))
        return 0;
    // The C library returns this number in place of a string pointer.
    const auto height = static_cast<unsigned>(
        reinterpret_cast<std::uintptr_t>(nl_langinfo_l(_NL_PAPER_HEIGHT, locale)));
    freelocale(locale);
    return height;
}

// Territories whose locales print on Letter, for locales not installed here.
bool letterTerritory(const std::string &name)
{
    const size_t start = name.find('_');
    if (start == std::string::npos)
        return false;
    const std::string territory
        = name.substr(start + 1, name.find_first_of(".@", start) - start - 1);
    static const char *const letter[]
        = {"US", "CA", "PR", "MX", "PH", "CL", "CO", "CR", "GT", "NI", "PA", "SV", "VE"};
    return std::any_of(std::begin(letter), std::end(letter),
                       [&](const char *code) { return territory == code; });
}

} // namespace

QPageSize::PageSizeId paperOfLocale(const char *lcAll, const char *lcPaper, const char *lang)
{
    std::string name;
    for (const char *candidate : {lcAll, lcPaper, lang}) {
        if (candidate && *candidate != '\0') {
            name = candidate;
            break;
        }
    }
    if (name.empty() || name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0)
        return QPageSize::A4;
    if (const unsigned height = installedPaperHeight(name))
        return height == 279 ? QPageSize::Letter : QPageSize::A4;
    return letterTerritory(name) ? QPageSize::Letter : QPageSize::A4;
}

QPageSize localePaperSize()
{
    return QPageSize(
        paperOfLocale(std::getenv("LC_ALL"), std::getenv("LC_PAPER"), std::getenv("LANG")));
}

} // namespace vendrix
