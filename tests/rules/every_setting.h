#pragma once
// The settings the menu allows, for tests that must hold in every one of them.

#include <algorithm>
#include <vector>

#include "rules/game_settings.h"

namespace tallimor {

// Colours from `from` to `to`, lengths up to `maxLength`; fixed lengths before
// unspecified ones, then the order type, then the repetition limit.
inline std::vector<GameSettings> Everysetting(int from, int to, int maxLength = 8, int who = 1) {
    std::vector<GameSettings> all;
    for (int colours = from; colours <= to; ++colours)
        for (bool fixed : {true, false})
            for (int length = fixed ? 3 : 4; length <= std::min(colours - 2, maxLength); ++length)
                for (int order = 1; order <= 2; ++order)
                    for (int repeat = 1; repeat <= length; ++repeat)
                        all.push_back(GameSettings::Make(colours, length, fixed, order, repeat, who));
    return all;
}

}  // namespace tallimor
