#pragma once
// The author in a PDF's document information. QPdfWriter of this Qt writes only
// title, creator and producer there, so the author comes in an update appended
// to the finished file, the way PDF editors add to a document.

#include <QString>

#include <string>

namespace vendrix {

// `pdf` with an appended update whose document information is the file's own
// plus `author`. Unchanged when the author is empty or the file does not end in
// the plain cross-reference table and trailer QPdfWriter writes.
std::string withPdfAuthor(std::string pdf, const QString &author);

} // namespace vendrix
