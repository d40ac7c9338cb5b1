#pragma once
// The mouse input's position table: the colour at each of the eight positions
// of the guess row (kEmptycell for none) and how often each colour is used.
// Every change of the row goes through here, so the table, the counts and the
// repetition limit never disagree.  No window: the panel draws from this.

#include <array>
#include <string>

#include "rules/game_settings.h"

namespace tallimor {

constexpr int kEmptycell = 99;
constexpr int kRowcells = 8;

class GuessRow {
   public:
    // Codelength empty positions, every count 0.
    void Reset(const GameSettings& s);
    // Forgets every placed colour (the row stays empty).
    void Clear();

    // A colour may still be taken: it is in play and below the repetition limit.
    bool Hasborder(int colour) const;

    // Each returns true when the row changed.
    bool Fillcolour(int colour);                // into the first empty position
    bool Dropcolour(int colour, int position);  // a colour dropped on a position
    bool Moveposition(int from, int to);        // a position dropped on another
    bool Emptyposition(int position);           // double-click, or dropped on the panel

    int Cell(int position) const;
    int Count(int colour) const;
    int Length() const { return settings_.Codelength; }
    int Guessblanks() const;
    // The Submit button is offered when the empty positions fit the blank room.
    bool Submitok() const { return Guessblanks() <= settings_.Blankroom; }
    // The row as a code string, 'b' for an empty position.
    std::string Codestring() const;

   private:
    bool Valid(int position) const { return position >= 0 && position < settings_.Codelength; }
    bool Incolours(int colour) const { return colour >= 0 && colour < settings_.Colours; }
    void Sortfixed();  // a "Fixed order" row always stands sorted, empty last

    GameSettings settings_;
    std::array<int, kRowcells> cells_{};
    std::array<int, 10> counts_{};
};

}  // namespace tallimor
