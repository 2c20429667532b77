#pragma once

// Splitting of rule fields at their separators, on code points.

#include <string>
#include <string_view>
#include <vector>

namespace rinolux {

// The pieces of text between the separator characters (any character of trenner).
// With leereBehalten empty pieces are kept (the empty text gives one empty piece),
// otherwise they are dropped.
std::vector<std::u32string> TextTeilen(std::u32string_view text, std::u32string_view trenner, bool leereBehalten);

} // namespace rinolux
