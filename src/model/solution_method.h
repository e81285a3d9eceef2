#pragma once
// The two ways of solving the equilibrium shape.

#include <string_view>

namespace vendrix {

enum class SolutionMethod {
    Exact, // zone changes at their exact angles, closed-form integrals, root-finding searches
    Classic, // the fixed-step searches on a half-degree grid of the earlier program
};

inline constexpr SolutionMethod kDefaultSolutionMethod = SolutionMethod::Exact;

// "exact" or "classic": the name in settings, batch options and JSON.
inline const char *solutionMethodName(SolutionMethod method)
{
    return method == SolutionMethod::Classic ? "classic" : "exact";
}

// Reads a name written by solutionMethodName; false for anything else.
inline bool parseSolutionMethod(std::string_view name, SolutionMethod &method)
{
    if (name == "exact")
        method = SolutionMethod::Exact;
    else if (name == "classic")
        method = SolutionMethod::Classic;
    else
        return false;
    return true;
}

} // namespace vendrix
