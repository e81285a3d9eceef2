#include "model/failure.h"

#include "model/c_format.h"

namespace vendrix {

std::string Failure::errorNumberText() const
{
    return number != 0 ? formatC("Error No.%d", number) : std::string();
}

} // namespace vendrix
