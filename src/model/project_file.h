#pragma once
// The project file (.Vdx): a flat little-endian stream of the saved inputs,
// identification and display settings, starting with a format version number.
// Writing produces version 11 while the design check inputs hold a new
// project's values, else version 12 (version 11 with the design check inputs
// after the reserved blocks). Reading accepts versions 1 to 12 (10 and below
// lack the client, company, logo and Asian Pacific fields, which then keep
// their values in memory; 11 and below the design check inputs, which then
// take a new project's), refuses 13 to 99 as written by a newer version, and
// any other version, a file that ends early or goes on after its last field,
// and any file holding a number that is not finite. Results are never saved.

#include "model/failure.h"
#include "model/project_record.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vendrix {

// The newest version this program reads and writes.
inline constexpr int kProjectFormatVersion = 12;
inline constexpr const char *kProjectFileExtension = ".Vdx";
inline constexpr const char *kProjectFileFilter = "Vendrix Files (*.Vdx)";

// Messages for files that cannot be read; %1 stands for the file name.
inline constexpr const char *kUnexpectedFileFormat = "Unexpected file format.";
inline constexpr const char *kNotAProjectMessage
    = "%1\nThis file is not a Vendrix project, or damaged, and cannot be opened.";
inline constexpr const char *kCannotFindFileMessage
    = "%1\nCannot find this file.\nPlease verify that the correct path and file name are given.";
inline constexpr const char *kAccessDeniedMessage = "Access to %1 was denied.";
inline constexpr const char *kNewerVersionMessage
    = "%1\nThis file was written by a newer version of Vendrix and cannot be opened.";
// %2 stands for the field name.
inline constexpr const char *kNotFiniteMessage
    = "%1\nThe value of %2 in this file is not a finite number; the file cannot be opened.";
inline constexpr const char *kSubnormalMessage
    = "%1\nThe value of %2 in this file is too close to zero to keep its digits; the file "
      "cannot be opened.";
// %3 stands for the field's maximum length.
inline constexpr const char *kTextTooLongMessage
    = "%1\nThe text of %2 in this file is longer than its %3 characters; the file cannot be "
      "opened.";
inline constexpr const char *kNotRegularFileMessage
    = "%1\nThis is not a regular file and cannot be opened as a project.";

// The saved fields of `record` as the bytes of a version 11 or 12 file.
std::string serializeProject(const ProjectRecord &record);

// Reads a whole file image. On success the saved fields of `record` are replaced
// (fields a short file lacks keep their values; nothing else changes). A short,
// truncated or corrupt image is refused with the message why and leaves
// `record` untouched. `fileName` is named in the "past its end" message.
std::optional<Failure> deserializeProject(std::string_view bytes, ProjectRecord &record,
                                          const std::filesystem::path &fileName = {});

// Opens a project file as deserializeProject does; on success also sets
// info.projectPath to `path` and clears state.resultsValid (the file holds no
// results). On failure `record` is unchanged and the failure says why.
std::optional<Failure> openProjectFile(const std::filesystem::path &path, ProjectRecord &record);

// Writes the project to `path` through a temporary file that replaces the target
// only when complete, so a failed save leaves any previous file intact. The
// caller sets info.projectPath to `path` after a successful save.
std::optional<Failure> saveProjectFile(const std::filesystem::path &path,
                                       const ProjectRecord &record);

} // namespace vendrix
