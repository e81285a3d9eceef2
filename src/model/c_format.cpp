#include "model/c_format.h"

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <vector>

namespace vendrix {

namespace {

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// Switches the calling thread to the "C" locale for its lifetime.
class ScopedCLocale
{
public:
    ScopedCLocale()
        : m_previous(uselocale(cLocale()))
    { }
    ~ScopedCLocale() { uselocale(m_previous); }
    ScopedCLocale(const ScopedCLocale &) = delete;
    ScopedCLocale &operator=(const ScopedCLocale &) = delete;

private:
    locale_t m_previous;
};

} // namespace

std::string formatC(const char *format, ...)
{
    ScopedCLocale cLocaleScope;
    char buffer[256];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    std::string result;
    if (length < 0) {
        va_end(again);
        return result;
    }
    if (static_cast<size_t>(length) < sizeof buffer) {
        result.assign(buffer, static_cast<size_t>(length));
    } else {
        std::vector<char> large(static_cast<size_t>(length) + 1);
        std::vsnprintf(large.data(), large.size(), format, again);
        result.assign(large.data(), static_cast<size_t>(length));
    }
    va_end(again);
    return result;
}

std::string formatResult(int decimals, double value)
{
    std::string text = formatC("%.*f", decimals, value);
    const bool printsAsZero = text.find_first_of("123456789") == std::string::npos;
    if (printsAsZero && value != 0 && std::isfinite(value)) {
        // The first significant digit is at decimal place -floor(log10|v|);
        // one more place gives the second.
        const int first = -static_cast<int>(std::floor(std::log10(std::fabs(value))));
        // Below 1e-4, as printf's %g decides, a fixed text grows unreadable:
        // every such value is written with an exponent, never some of each.
        text = first <= 4 ? formatC("%.*f", std::max(decimals, first + 1), value)
                          : formatC("%.1e", value);
    }
    return text;
}

std::string formatFieldNumber(double value)
{
    return formatC("%.15g", value);
}

double strtodC(const char *text, char **end)
{
    return strtod_l(text, end, cLocale());
}

bool parseFieldNumber(std::string_view text, double &value)
{
    std::string copy(text);
    const char *begin = copy.c_str();
    while (*begin != '\0' && std::isspace(static_cast<unsigned char>(*begin)) != 0)
        ++begin;
    if (*begin == '\0')
        return false;
    char *end = nullptr;
    const double parsed = strtodC(begin, &end);
    if (end == begin)
        return false;
    while (*end != '\0' && std::isspace(static_cast<unsigned char>(*end)) != 0)
        ++end;
    if (*end != '\0')
        return false;
    value = parsed;
    return true;
}

bool parsePlainDecimal(std::string_view text, double &value)
{
    std::size_t i = 0;
    auto digits = [&text, &i]() {
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i - start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t mantissaStart = i;
    std::size_t mantissaDigits = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0)
        return false;
    const bool nonZero = text.substr(mantissaStart, i - mantissaStart).find_first_of("123456789")
        != std::string_view::npos;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    if (i != text.size())
        return false;
    const std::string copy(text);
    const double parsed = strtodC(copy.c_str(), nullptr);
    if (!std::isfinite(parsed) || (nonZero && parsed == 0))
        return false;
    value = parsed;
    return true;
}

std::string withCrLf(std::string_view text)
{
    std::string crlf;
    crlf.reserve(text.size() + text.size() / 16 + 8);
    for (char c : text) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    return crlf;
}

namespace {

bool isControl(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7f;
}

} // namespace

std::string printableLine(std::string_view text)
{
    std::string line(text);
    for (char &c : line)
        if (isControl(c))
            c = ' ';
    return line;
}

std::string printableLines(std::string_view text)
{
    std::string lines;
    lines.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        lines += c == '\r' || c == '\n' ? '\n' : isControl(c) ? ' ' : c;
    }
    return lines;
}

} // namespace vendrix
