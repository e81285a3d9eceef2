#pragma once
// What every fuzz target uses to report a broken property: a message on the
// error stream and an abort, which libFuzzer records with the input.

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace vendrix::fuzz {

[[noreturn]] inline void broken(const char *what)
{
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

inline void require(bool holds, const char *what)
{
    if (!holds)
        broken(what);
}

// True when a printed text holds "nan" or "inf" as a word of its own, as
// printf writes a number that is not finite ("-nan", "inf", "-inf").
inline bool showsNonNumber(std::string_view text)
{
    auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    for (const std::string_view word : {std::string_view("nan"), std::string_view("inf")}) {
        for (std::size_t at = text.find(word); at != std::string_view::npos;
             at = text.find(word, at + 1)) {
            const bool before = at > 0 && isLetter(text[at - 1]);
            const bool after = at + 3 < text.size() && isLetter(text[at + 3]);
            if (!before && !after)
                return true;
        }
    }
    return false;
}

} // namespace vendrix::fuzz
