#include "rules/code_string.h"

#include <algorithm>

namespace tallimor {

std::string Colourdigits(const GameSettings& s) {
    return std::string("0123456789").substr(0, static_cast<size_t>(std::clamp<int>(s.Colours, 0, 10)));
}

int Countchar(std::string_view text, char ch) {
    return static_cast<int>(std::count(text.begin(), text.end(), ch));
}

void Sortcode(std::string& code) {
    const size_t x = code.size();
    for (size_t pass = 1; pass < x; ++pass)
        for (size_t j = 0; j + 1 < x; ++j)
            if (code[j] == kBlank || code[j] > code[j + 1]) std::swap(code[j], code[j + 1]);
}

Inputrefusal Whyrefused(const GameSettings& s, std::string_view text, std::string_view alphabet) {
    if (text.size() > static_cast<size_t>(s.Codelength)) return Inputrefusal::Full;
    for (char ch : text)
        if (alphabet.find(ch) == std::string_view::npos) return Inputrefusal::Notcolour;
    for (char ch : alphabet) {
        const bool blank = ch == kBlank;
        if (Countchar(text, ch) > (blank ? s.Blankroom : s.MaxRepeat))
            return blank ? Inputrefusal::Blanks : Inputrefusal::Repeat;
    }
    if (s.Fixedorder())
        for (size_t i = 0; i + 1 < text.size(); ++i)
            if (alphabet.find(text[i]) > alphabet.find(text[i + 1])) return Inputrefusal::Order;
    return Inputrefusal::None;
}

bool Checkinput(const GameSettings& s, std::string_view text, std::string_view alphabet) {
    return Whyrefused(s, text, alphabet) == Inputrefusal::None;
}

bool Isvalidcode(const GameSettings& s, std::string_view code) {
    return code.size() == static_cast<size_t>(s.Codelength) && Checkinput(s, code, Colourdigits(s) + kBlank);
}

namespace {

// An index in [0, n) from one uniform draw.
size_t Pick(RandomSource& random, size_t n) {
    size_t k = static_cast<size_t>(random.Draw() * static_cast<double>(n));
    return std::min(k, n - 1);
}

std::string Randomcode(GameState& g, int16_t& blanks) {
    const GameSettings& s = g.Settings;
    std::string colours = Colourdigits(s);
    std::string positions = std::string("12345678").substr(0, static_cast<size_t>(s.Codelength));
    size_t nb = 0;
    if (!s.Fixedcodelength()) nb = Pick(g.Random, static_cast<size_t>(s.Blankroom) + 1);
    std::string code(static_cast<size_t>(s.Codelength), kUnfilled);
    while (positions.size() > nb && !colours.empty()) {
        size_t k = Pick(g.Random, colours.size());
        char c = colours[k];
        colours.erase(k, 1);  // a colour is used for one run of copies only
        size_t limit =
            std::min<size_t>(static_cast<size_t>(std::max<int16_t>(s.MaxRepeat, 1)), positions.size() - nb);
        size_t copies = Pick(g.Random, limit) + 1;
        for (size_t n = 0; n < copies; ++n) {
            size_t j = Pick(g.Random, positions.size());
            code[static_cast<size_t>(positions[j] - '1')] = c;
            positions.erase(j, 1);
        }
    }
    std::replace(code.begin(), code.end(), kUnfilled, kBlank);
    if (s.Fixedorder()) Sortcode(code);
    blanks = static_cast<int16_t>(nb);
    return code;
}

}  // namespace

void Makecode(GameState& g, MakeTarget target) {
    int16_t blanks = 0;
    if (target == MakeTarget::Answer) {
        g.Answer = Randomcode(g, blanks);
        g.Answerblanks = blanks;
        return;
    }
    do {
        g.Guessstr = Randomcode(g, blanks);
    } while (g.Guessstr == g.Answer || !Isnewguess(g));
}

bool Isnewguess(const GameState& g) {
    int last = g.Settings.Playerguesses() ? g.Currenttrial : g.Currenttrial - 1;
    last = std::min(last, kLastTrial);
    for (int t = 1; t <= last; ++t)
        if (g.Record[t].Trialguess == g.Guessstr) return false;
    return true;
}

}  // namespace tallimor
