#pragma once
// The paper of the user's locale (LC_PAPER), which printed reports use when no
// paper is chosen.

#include <QPageSize>

namespace vendrix {

// Letter or A4 for the locale that decides LC_PAPER: LC_ALL, else LC_PAPER,
// else LANG, as for every locale category; the C locale and unknown names give
// A4. Null arguments count as unset.
QPageSize::PageSizeId paperOfLocale(const char *lcAll, const char *lcPaper, const char *lang);

// The same for this process's environment.
QPageSize localePaperSize();

} // namespace vendrix
