#include "cli/json_writer.h"

#include "model/c_format.h"

#include <charconv>
#include <cmath>

namespace vendrix {

std::string JsonWriter::quoted(std::string_view utf8)
{
    std::string out = "\"";
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20)
                out += formatC("\\u%04x", byte);
            else
                out += c;
        }
    }
    out += '"';
    return out;
}

void JsonWriter::separate()
{
    if (!m_first)
        m_text += ", ";
    m_first = false;
}

void JsonWriter::key(std::string_view name)
{
    separate();
    if (!name.empty())
        m_text += quoted(name) + ": ";
}

void JsonWriter::open(std::string_view name, char bracket)
{
    key(name);
    m_text += bracket;
    m_first = true;
}

void JsonWriter::close(char bracket)
{
    m_text += bracket;
    m_first = false;
}

void JsonWriter::beginObject(std::string_view name)
{
    open(name, '{');
}

void JsonWriter::endObject()
{
    close('}');
}

void JsonWriter::beginArray(std::string_view name)
{
    open(name, '[');
}

void JsonWriter::endArray()
{
    close(']');
}

void JsonWriter::number(std::string_view name, double value)
{
    key(name);
    // JSON has no NaN or infinity; such a value is written as null.
    m_text += std::isfinite(value) ? formatC("%.17g", value) : std::string("null");
}

void JsonWriter::shortestNumber(std::string_view name, double value)
{
    key(name);
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    m_text += std::isfinite(value) ? std::string(text, result.ptr) : std::string("null");
}

void JsonWriter::integer(std::string_view name, long value)
{
    key(name);
    m_text += std::to_string(value);
}

void JsonWriter::string(std::string_view name, std::string_view utf8)
{
    key(name);
    m_text += quoted(utf8);
}

void JsonWriter::boolean(std::string_view name, bool value)
{
    key(name);
    m_text += value ? "true" : "false";
}

void JsonWriter::null(std::string_view name)
{
    key(name);
    m_text += "null";
}

void JsonWriter::arrayNumber(double value)
{
    separate();
    m_text += std::isfinite(value) ? formatC("%.17g", value) : std::string("null");
}

} // namespace vendrix
