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

QString toQString(const RecordText &text)
{
    return toQString(text.cp1252);
}

RecordText toRecordText(const QString &text)
{
    return RecordText(fromQString(text));
}

QString pathToQString(const std::filesystem::path &path)
{
    const std::string &native = path.native();
    return QString::fromUtf8(native.data(), static_cast<qsizetype>(native.size()));
}

std::filesystem::path pathFromQString(const QString &path)
{
    return std::filesystem::path(path.toStdString());
}

QString failureText(const Failure &failure)
{
    QString text = toQString(failure.messageText);
    if (failure.path.empty())
        return text;
    if (const qsizetype at = text.indexOf(QLatin1String(kFailurePathMark)); at >= 0)
        text.replace(at, 2, pathToQString(failure.path));
    return text;
}

} // namespace vendrix
