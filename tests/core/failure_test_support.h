#pragma once
// Reading a file function's outcome inside an assertion: true when it
// succeeded, with the reason of a failure in `message` for the assertion text.

#include "model/failure.h"

#include <optional>
#include <string>

namespace vendrix {

inline bool succeeds(const std::optional<Failure> &failure, std::string &message)
{
    message = failure ? failureTextUtf8(*failure) : std::string();
    return !failure;
}

} // namespace vendrix
