#include "rules/texts.h"

namespace tallimor {

std::string Plural(std::string_view word, long n) {
    if (n == 1) return std::string(word);
    if (word == "is") return "are";
    if (word == "has") return "have";
    return std::string(word) + "s";
}

}  // namespace tallimor
