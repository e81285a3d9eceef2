#include "model/failure.h"

#include "model/c_format.h"
#include "model/windows1252.h"

namespace vendrix {

std::string Failure::errorNumberText() const
{
    return number != 0 ? formatC("Error No.%d", number) : std::string();
}

std::string failureTextUtf8(const Failure &failure)
{
    std::string text = windows1252ToUtf8(failure.messageText);
    if (failure.path.empty())
        return text;
    // The mark is ASCII, so it sits at the same place after the conversion.
    if (const std::size_t at = text.find(kFailurePathMark); at != std::string::npos)
        text.replace(at, 2, failure.path.native());
    return text;
}

} // namespace vendrix
