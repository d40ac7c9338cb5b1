#include "game/guess_row.h"

#include <algorithm>

namespace tallimor {

void GuessRow::Reset(const GameSettings& s) {
    settings_ = s;
    settings_.Codelength = static_cast<int16_t>(std::clamp<int>(s.Codelength, 0, kRowcells));
    Clear();
}

void GuessRow::Clear() {
    cells_.fill(kEmptycell);
    counts_.fill(0);
}

bool GuessRow::Hasborder(int colour) const {
    return Incolours(colour) && counts_[static_cast<size_t>(colour)] < settings_.MaxRepeat;
}

bool GuessRow::Fillcolour(int colour) {
    if (!Hasborder(colour)) return false;
    for (int p = 0; p < Length(); ++p) {
        if (cells_[static_cast<size_t>(p)] != kEmptycell) continue;
        cells_[static_cast<size_t>(p)] = colour;
        ++counts_[static_cast<size_t>(colour)];
        Sortfixed();
        return true;
    }
    return false;  // the row is full
}

bool GuessRow::Dropcolour(int colour, int position) {
    if (settings_.Fixedorder()) return Fillcolour(colour);
    if (!Valid(position) || !Incolours(colour)) return false;
    int& cell = cells_[static_cast<size_t>(position)];
    if (cell == colour) return false;
    // A colour at its limit cannot be taken, so the limit always holds.
    if (!Hasborder(colour)) return false;
    if (cell != kEmptycell) --counts_[static_cast<size_t>(cell)];
    cell = colour;
    ++counts_[static_cast<size_t>(colour)];
    return true;
}

bool GuessRow::Moveposition(int from, int to) {
    if (settings_.Fixedorder() || !Valid(from) || !Valid(to) || from == to) return false;
    if (cells_[static_cast<size_t>(from)] == kEmptycell) return false;
    std::swap(cells_[static_cast<size_t>(from)], cells_[static_cast<size_t>(to)]);
    return true;
}

bool GuessRow::Emptyposition(int position) {
    if (!Valid(position)) return false;
    int& cell = cells_[static_cast<size_t>(position)];
    if (cell == kEmptycell) return false;
    --counts_[static_cast<size_t>(cell)];
    cell = kEmptycell;
    Sortfixed();
    return true;
}

int GuessRow::Cell(int position) const {
    return position >= 0 && position < kRowcells ? cells_[static_cast<size_t>(position)] : kEmptycell;
}

int GuessRow::Count(int colour) const {
    return colour >= 0 && colour < 10 ? counts_[static_cast<size_t>(colour)] : 0;
}

int GuessRow::Guessblanks() const {
    return static_cast<int>(std::count(cells_.begin(), cells_.begin() + Length(), kEmptycell));
}

std::string GuessRow::Codestring() const {
    std::string code;
    for (int p = 0; p < Length(); ++p) {
        int cell = cells_[static_cast<size_t>(p)];
        code += cell == kEmptycell ? 'b' : static_cast<char>('0' + cell);
    }
    return code;
}

void GuessRow::Sortfixed() {
    // The empty mark is above every colour, so empty positions end up last.
    if (settings_.Fixedorder()) std::sort(cells_.begin(), cells_.begin() + Length());
}

}  // namespace tallimor
