#include "app/app_info.h"

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(vendrix::programUsage(), stdout);
        return 0;
    }
    std::fputs(vendrix::programUsage(), stdout);
    return 0;
}
