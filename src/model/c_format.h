#pragma once
// printf-style formatting and number reading that always use '.' as the decimal
// point, whatever locale the user or the GUI toolkit has installed.

#include <string>
#include <string_view>

namespace vendrix {

// Like snprintf, but under the "C" locale.
std::string formatC(const char *format, ...) __attribute__((format(printf, 1, 2)));

// A result with `decimals` decimals ("%.*f"), except that a value that is not
// zero but would print as 0 (0, 0.0, -0.00) gets as many decimals as it needs
// to show two significant digits: 0.034 with no decimals prints as "0.034",
// and below 1e-4 with an exponent: 8e-8 prints as "8.0e-08".
std::string formatResult(int decimals, double value);

// A number as shown in an input field: general format with 15 significant
// digits (10 -> "10", 10 m in feet -> "32.8084").
std::string formatFieldNumber(double value);

// strtod under the "C" locale.
double strtodC(const char *text, char **end);

// Reads a whole field as a number: optional blanks around one C-syntax floating
// point number, nothing else. Returns false for anything else ("abc", "12,5",
// "1.2.3", "").
bool parseFieldNumber(std::string_view text, double &value);

// Reads a number written in plain decimal notation and nothing else: an
// optional sign, digits with at most one point, an optional exponent ("-12.5",
// "3e-2"). Refused: blanks, hexadecimal, "inf", "nan", a value beyond the range
// of a double, and a non-zero text so small that it would read as 0. (The
// rules refuse a subnormal value: see checkNumberBounds.)
bool parsePlainDecimal(std::string_view text, double &value);

// A text as a file opened in text mode writes it: every "\n" becomes CR LF.
std::string withCrLf(std::string_view text);

// A text field as one line of an output: every control character (line breaks,
// tab, escape, bell, DEL ...) becomes a blank, so it cannot break the line or
// act on a terminal or printer.
std::string printableLine(std::string_view text);

// A text of several lines: CR LF, a lone CR and LF become "\n", any other
// control character a blank.
std::string printableLines(std::string_view text);

} // namespace vendrix
