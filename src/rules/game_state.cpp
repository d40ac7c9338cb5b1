#include "rules/game_state.h"

#include <array>
#include <utility>

namespace tallimor {

namespace {

constexpr std::array<std::pair<GameStatus, std::string_view>, 11> kStatusTexts{{
    {GameStatus::None, ""},
    {GameStatus::Preparation, "Preparation"},
    {GameStatus::Playing, "Playing"},
    {GameStatus::Continueplaying, "Continue Playing"},
    {GameStatus::Win, "Win"},
    {GameStatus::Gameover, "Gameover"},
    {GameStatus::Errordetected, "Error Detected"},
    {GameStatus::Endgame, "End Game"},
    {GameStatus::Hintsconsistent, "Hint(s) Consistent"},
    {GameStatus::Latedetection, "Late Detection of Error"},
    {GameStatus::Nextdemo, "Next Demo"},
}};

}  // namespace

std::string_view Gamestatustext(GameStatus status) {
    for (const auto& [named, text] : kStatusTexts)
        if (named == status) return text;
    return "";
}

std::optional<GameStatus> Gamestatusnamed(std::string_view text) {
    for (const auto& [named, own] : kStatusTexts)
        if (own == text) return named;
    return std::nullopt;
}

}  // namespace tallimor
