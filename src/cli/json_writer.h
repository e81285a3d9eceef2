#pragma once
// A small writer of one JSON object: keys in the order they are added, numbers
// that read back exactly, strings escaped. Texts are given as UTF-8.

#include <string>
#include <string_view>

namespace vendrix {

class JsonWriter
{
public:
    void beginObject(std::string_view key = {});
    void endObject();
    void beginArray(std::string_view key);
    void endArray();
    void number(std::string_view key, double value);
    // The shortest text that reads back to the same double, for values as given.
    void shortestNumber(std::string_view key, double value);
    void integer(std::string_view key, long value);
    void string(std::string_view key, std::string_view utf8);
    void boolean(std::string_view key, bool value);
    void null(std::string_view key);
    void arrayNumber(double value);

    const std::string &text() const { return m_text; }

    static std::string quoted(std::string_view utf8);

private:
    void separate();
    void key(std::string_view key);
    void open(std::string_view name, char bracket);
    void close(char bracket);

    std::string m_text;
    bool m_first = true;
};

} // namespace vendrix
