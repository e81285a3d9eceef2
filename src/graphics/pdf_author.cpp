#include "graphics/pdf_author.h"

#include <charconv>
#include <cstdio>
#include <optional>
#include <string_view>

namespace vendrix {

namespace {

// The whole number after `key` (as in "/Size 11" or "/Info 1 0 R") within `text`.
std::optional<long long> numberAfter(std::string_view text, std::string_view key)
{
    std::size_t at = text.find(key);
    if (at == std::string_view::npos)
        return std::nullopt;
    at = text.find_first_not_of(" \r\n", at + key.size());
    if (at == std::string_view::npos)
        return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data() + at, text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() + at)
        return std::nullopt;
    return value;
}

// A text string as UTF-16 with its byte order mark, in hexadecimal: no byte of
// it needs escaping.
std::string hexTextString(const QString &text)
{
    std::string out = "<FEFF";
    char digits[5];
    for (const QChar c : text) {
        std::snprintf(digits, sizeof digits, "%04X", unsigned(c.unicode()));
        out += digits;
    }
    return out + ">";
}

// The entries between "<<" and ">>" of object `number`'s dictionary.
std::optional<std::string_view> dictionaryEntries(std::string_view pdf, long long number)
{
    const std::string head = "\n" + std::to_string(number) + " 0 obj";
    const std::size_t start = pdf.find(head);
    const std::size_t open = pdf.find("<<", start);
    const std::size_t end = pdf.find("endobj", open);
    const std::size_t close = pdf.rfind(">>", end);
    if (start == std::string_view::npos || end == std::string_view::npos || close < open + 2)
        return std::nullopt;
    return pdf.substr(open + 2, close - open - 2);
}

std::string tenDigits(std::size_t offset)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%010zu", offset);
    return digits;
}

} // namespace

std::string withPdfAuthor(std::string pdf, const QString &author)
{
    const std::size_t trailerAt = pdf.rfind("\ntrailer");
    if (author.isEmpty() || trailerAt == std::string::npos)
        return pdf;
    const std::string_view trailer = std::string_view(pdf).substr(trailerAt);
    const auto size = numberAfter(trailer, "/Size");
    const auto info = numberAfter(trailer, "/Info");
    const auto root = numberAfter(trailer, "/Root");
    const auto previous = numberAfter(trailer, "startxref");
    if (!size || !info || !root || !previous)
        return pdf;
    const auto entries = dictionaryEntries(pdf, *info);
    if (!entries)
        return pdf;

    // The new information object takes the next free number; the new trailer
    // points at it and back at the file's own cross-reference table.
    const std::string number = std::to_string(*size);
    std::string update = number + " 0 obj\n<<" + std::string(*entries) + "/Author "
        + hexTextString(author) + "\n>>\nendobj\n";
    if (!pdf.ends_with('\n'))
        pdf += '\n';
    const std::size_t objectAt = pdf.size();
    const std::size_t tableAt = objectAt + update.size();
    update += "xref\n" + number + " 1\n" + tenDigits(objectAt) + " 00000 n \ntrailer\n<<\n/Size "
        + std::to_string(*size + 1) + "\n/Info " + number + " 0 R\n/Root " + std::to_string(*root)
        + " 0 R\n/Prev " + std::to_string(*previous) + "\n>>\nstartxref\n" + std::to_string(tableAt)
        + "\n%%EOF\n";
    return pdf + update;
}

} // namespace vendrix
