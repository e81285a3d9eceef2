#pragma once
// The one place where the program's strings become QString and back: record
// and message texts are Windows-1252 bytes, paths are std::filesystem::path
// (UTF-8 on Linux), and a Failure joins a message with the path it is about.

#include "model/failure.h"
#include "model/record_text.h"

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

namespace vendrix {

QString toQString(std::string_view windows1252);
QString toQString(const RecordText &text);
inline QString toQString(const char *windows1252)
{
    return toQString(std::string_view(windows1252));
}
// Characters outside the code page become '?'.
std::string fromQString(const QString &text);
RecordText toRecordText(const QString &text);

QString pathToQString(const std::filesystem::path &path);
std::filesystem::path pathFromQString(const QString &path);

// The failure's message with its path in place, for a message box.
QString failureText(const Failure &failure);

} // namespace vendrix
