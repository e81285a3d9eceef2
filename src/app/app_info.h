#pragma once
// Names under which the program presents itself and keeps its settings.

#include "vendrix_version.h"

namespace vendrix {

inline constexpr const char *kProgramName = "Vendrix";
inline constexpr const char *kProgramVersionText = "Vendrix Version " VENDRIX_VERSION;
// Settings (recent files) are kept under this organisation name.
inline constexpr const char *kSettingsOrganisation = "Brune Engineering, Inc. application";
inline constexpr const char *kSettingsApplication = "Vendrix";
// The desktop entry (packaging/vendrix.desktop) that gives the windows their icon.
inline constexpr const char *kDesktopFileName = "vendrix";

// The maker as named on the first screen, the About box and the contact dialog.
inline constexpr const char *kMakerName = "Vendrix Engineering Software";
// The maker's web pages opened by the first screen and the About box.
inline constexpr const char *kMakerHomePage = "https://vendrix.example.org/";
inline constexpr const char *kMakerUpdatePage = "https://vendrix.example.org/updates";
inline constexpr const char *kMakerEmail = "support@vendrix.example.org";

} // namespace vendrix
