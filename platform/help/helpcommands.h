#pragma once

namespace help {

// The help commands a program sends, with their traditional values.
inline constexpr int HELP_CONTEXT = 0x0001;  // data: a context number
inline constexpr int HELP_FINDER = 0x000B;   // data: not used
inline constexpr int HELP_KEY = 0x0101;      // data: a keyword, may be empty

}  // namespace help
