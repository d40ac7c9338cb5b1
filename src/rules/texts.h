#pragma once
// Small text helpers shared by every message that prints a count.

#include <string>
#include <string_view>

namespace tallimor {

// The word agreeing with a count: itself for 1; "are" for "is", "have" for
// "has", otherwise the word with an "s".
std::string Plural(std::string_view word, long n);

}  // namespace tallimor
