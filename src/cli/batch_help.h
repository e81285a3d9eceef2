#pragma once
// What `vendrix --help` and the manual page say about the program and its
// options. Both are made from the tables below, so they cannot drift apart.

#include <string>
#include <vector>

namespace vendrix {

struct CommandForm
{
    const char *synopsis; // "vendrix run [PROJECT.Vdx] [options]"
    const char *text; // one line
};

struct OptionHelp
{
    const char *name; // "--set"
    const char *argument; // "NAME=VALUE", empty for a switch
    const char *text; // lines as --help breaks them
    const char *sample; // an accepted value, empty for a switch
};

// The ways to call the program.
const std::vector<CommandForm> &commandForms();

// The options of `vendrix run`, in the order --help lists them.
const std::vector<OptionHelp> &batchOptionHelp();

// The manual page vendrix(1) in man(7) markup; `date` as in "2026-12-08".
std::string manualPage(const std::string &date);

} // namespace vendrix
