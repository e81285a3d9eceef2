#pragma once
// Names under which the program presents itself and keeps its settings.

namespace vendrix {

inline constexpr const char *kProgramName = "Vendrix";
inline constexpr const char *kProgramVersionText = "Vendrix Version 3.0";
// Settings (recent files) are kept under this organisation name.
inline constexpr const char *kSettingsOrganisation = "Brune Engineering, Inc. application";
inline constexpr const char *kSettingsApplication = "Vendrix";

} // namespace vendrix
