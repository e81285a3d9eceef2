#include "graphics/qt_text.h"

#include "model/windows1252.h"

#include <QList>

namespace vendrix {

QString toQString(std::string_view windows1252)
{
    QString text;
    text.reserve(static_cast<qsizetype>(windows1252.size()));
    for (char c : windows1252)
        text.append(
            QChar(static_cast<char16_t>(windows1252ToUnicode(static_cast<unsigned char>(c)))));
    return text;
}

std::string fromQString(const QString &text)
{
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (char32_t cp : text.toUcs4())
        bytes += unicodeToWindows1252(cp);
    return bytes;
}

} // namespace vendrix
