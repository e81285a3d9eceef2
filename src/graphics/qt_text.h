#pragma once
// The one place where project texts (Windows-1252 bytes) become QString and back.

#include <QString>

#include <string>
#include <string_view>

namespace vendrix {

QString toQString(std::string_view windows1252);
// Characters outside the code page become '?'.
std::string fromQString(const QString &text);

} // namespace vendrix
