#include "app/app_info.h"

namespace vendrix {

const char *programUsage()
{
    return "Usage: vendrix [PROJECT.Vdx]\n"
           "       vendrix run [options]\n"
           "       vendrix --help\n";
}

} // namespace vendrix
