// Writes the manual page vendrix(1) from the option table of `vendrix --help`.
// Usage: vendrix_manual_page DATE OUTPUT
#include "cli/batch_help.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fputs("usage: vendrix_manual_page DATE OUTPUT\n", stderr);
        return 2;
    }
    std::FILE *file = std::fopen(argv[2], "wb");
    if (!file) {
        std::perror(argv[2]);
        return 1;
    }
    const std::string page = vendrix::manualPage(argv[1]);
    const bool written = std::fwrite(page.data(), 1, page.size(), file) == page.size();
    return std::fclose(file) == 0 && written ? 0 : 1;
}
