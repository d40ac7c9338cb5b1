#include "rules/setting_lists.h"

#include <algorithm>

namespace tallimor {

namespace {

int Number(const std::string& text) {
    int value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9') break;
        value = value * 10 + (ch - '0');
    }
    return value;
}

// Character `n` (counted from 1) of a text read as a digit; 0 when absent.
int DigitAt(const std::string& text, size_t n) {
    if (text.size() < n) return 0;
    char ch = text[n - 1];
    return ch >= '0' && ch <= '9' ? ch - '0' : 0;
}

const char* const kAnyTimes = "May be repeated any times";

}  // namespace

const std::string& ChoiceList::Text() const {
    static const std::string empty;
    return shown >= 0 && shown < Count() ? items[static_cast<size_t>(shown)] : empty;
}

int ChoiceList::Find(const std::string& text) const {
    auto it = std::find(items.begin(), items.end(), text);
    return it == items.end() ? -1 : static_cast<int>(it - items.begin());
}

void ChoiceList::Insert(int position, const std::string& text) {
    position = std::clamp(position, 0, Count());
    items.insert(items.begin() + position, text);
    if (position <= shown && Count() > 1) ++shown;
}

void ChoiceList::Remove(int position) {
    if (position < 0 || position >= Count()) return;
    items.erase(items.begin() + position);
    if (position < shown) --shown;
    shown = std::min(shown, Count() - 1);
}

std::string SettingLists::UnspecifiedText(int maximum) {
    return "Unspecified (3 - " + std::to_string(maximum) + ")";
}

std::string SettingLists::AtMostText(int k) { return "Each colour at most " + std::to_string(k) + " times"; }

int SettingLists::LengthNumber(const std::string& lengthText) {
    return lengthText.size() > 1 ? DigitAt(lengthText, 18) : Number(lengthText);
}

SettingLists::SettingLists() {
    Cbwho.items = {"You guess", "Computer guesses", "Watch computer play"};
    Cbcolour.items = {"5", "6", "7", "8", "9", "10"};
    Cbcolour.shown = 5;
    Cbstart.items = {"Trial 1", "Middle"};
    Cblength.items = {"3", "4", "5", "6", "7", "8"};
    for (int m = 4; m <= 8; ++m) Cblength.items.push_back(UnspecifiedText(m));
    Cbhint.items = {"No error", "May contain error(s)"};
    Cborder.items = {"Fixed order", "Random order"};
    Cbrepeat.items = {"No repetition", AtMostText(2), kAnyTimes};
}

ChoiceList& SettingLists::List(SettingList list) {
    switch (list) {
        case SettingList::Who:
            return Cbwho;
        case SettingList::Colour:
            return Cbcolour;
        case SettingList::Start:
            return Cbstart;
        case SettingList::Length:
            return Cblength;
        case SettingList::Hint:
            return Cbhint;
        case SettingList::Order:
            return Cborder;
        case SettingList::Repeat:
            break;
    }
    return Cbrepeat;
}

bool SettingLists::Choose(SettingList list, const std::string& text) {
    ChoiceList& choice = List(list);
    int position = choice.Find(text);
    if (position < 0) return false;
    choice.shown = position;
    switch (list) {
        case SettingList::Who:
            Cbwho_Click();
            break;
        case SettingList::Colour:
            Cbcolour_Click();
            break;
        case SettingList::Length:
            Cblength_Click();
            break;
        case SettingList::Hint:
            Cbhint_Click();
            break;
        case SettingList::Repeat:
            Cbrepeat_Click();
            break;
        case SettingList::Start:
        case SettingList::Order:
            break;
    }
    return true;
}

void SettingLists::Cbcolour_Click() {
    int m = Number(Cbcolour.Text()) - 2;
    if (Maxlength < m) {
        for (int i = Maxlength + 1; i <= m; ++i) Cblength.Insert(i - Minlength, std::to_string(i));
        if (m > 3)
            for (int i = Maxlength + 1; i <= m; ++i) Cblength.Append(UnspecifiedText(i));
    } else if (Maxlength > m) {
        for (int i = Maxlength; i >= m + 1; --i) {
            Cblength.Remove(i - Minlength);
            Cblength.Remove(Cblength.Count() - 1);
        }
    }
    Maxlength = m;
}

void SettingLists::Cblength_Click() {
    const int x = LengthNumber(Cblength.Text());
    const int lowest = x + 2;
    while (11 - Cbcolour.Count() < lowest) Cbcolour.Remove(0);
    const int missing = (11 - Cbcolour.Count()) - lowest;
    for (int k = 0; k < missing; ++k) Cbcolour.Insert(k, std::to_string(lowest + k));

    if (Cbrepeat.Count() > 2) {
        // "No repetition", "at most k" for k = 2..x-1, then "any times" last.
        for (int k = Cbrepeat.Count(); k <= x - 1; ++k) Cbrepeat.Insert(Cbrepeat.Count() - 1, AtMostText(k));
        while (Cbrepeat.Count() - 2 > x - 2) Cbrepeat.Remove(Cbrepeat.Count() - 2);
    }
}

void SettingLists::Cbrepeat_Click() {
    const std::string& text = Cbrepeat.Text();
    const int n = text.rfind("Each colour at most ", 0) == 0 ? DigitAt(text, 21) + 1 : 3;
    auto isFixed = [](const std::string& item) { return item.size() == 1; };
    // Fixed lengths first: they run from Minlength at the top of the list.
    if (n > Minlength) {
        for (int i = Minlength; i < n; ++i) Cblength.Remove(0);
    } else {
        for (int i = n; i < Minlength; ++i) Cblength.Insert(i - n, std::to_string(i));
    }
    // Then the unspecified items, which must run from max(4, n) to Maxlength.
    const int firstUnspecified = std::max(4, n);
    for (int i = 4; i < firstUnspecified; ++i) {
        int position = Cblength.Find(UnspecifiedText(i));
        if (position >= 0) Cblength.Remove(position);
    }
    int afterFixed = static_cast<int>(std::count_if(Cblength.items.begin(), Cblength.items.end(), isFixed));
    for (int i = firstUnspecified; i <= Maxlength; ++i) {
        if (Cblength.Find(UnspecifiedText(i)) < 0) Cblength.Insert(afterFixed, UnspecifiedText(i));
        ++afterFixed;
    }
    Minlength = n;
}

void SettingLists::Cbwho_Click() {
    if (Cbwho.Text() == "Computer guesses" && Cbhint.Count() == 2) {
        Cbhint.Remove(1);
    } else if (Cbhint.Count() == 1) {
        Cbhint.Insert(1, "May contain error(s)");
    }
}

void SettingLists::Cbhint_Click() {
    if (Cbhint.Text() == "May contain error(s)" && Cbwho.Count() == 3) {
        Cbwho.Remove(1);
    } else if (Cbwho.Count() == 2) {
        Cbwho.Insert(1, "Computer guesses");
    }
}

SavedSetting SettingLists::Save() const {
    return {Cbwho.Text(),  Cbcolour.Text(), Cbstart.Text(), Cblength.Text(),
            Cbhint.Text(), Cborder.Text(),  Cbrepeat.Text()};
}

void SettingLists::Restore(const SavedSetting& saved) {
    // "Computer guesses" is missing from the role list while "May contain
    // error(s)" is shown; then the hints go back first to make room for it.
    const bool whoRestored = Choose(SettingList::Who, saved.who);
    Choose(SettingList::Start, saved.start);
    Choose(SettingList::Hint, saved.hints);
    if (!whoRestored) Choose(SettingList::Who, saved.who);
    Choose(SettingList::Order, saved.order);
    const int x = LengthNumber(saved.length);
    auto restorePair = [&] {
        if (x >= Minlength) {
            Choose(SettingList::Length, saved.length);
            Choose(SettingList::Repeat, saved.repeat);
        } else {
            Choose(SettingList::Repeat, saved.repeat);
            Choose(SettingList::Length, saved.length);
        }
    };
    if (Cbcolour.Count() > 0 && Number(Cbcolour.items.front()) > Number(saved.colours)) {
        restorePair();
        Choose(SettingList::Colour, saved.colours);
    } else {
        Choose(SettingList::Colour, saved.colours);
        restorePair();
    }
}

void SettingLists::Updatesetting(GameSettings& s) const {
    const std::string& who = Cbwho.Text();
    if (who == "You guess")
        s.Who = Guesser::Player;
    else if (who == "Computer guesses")
        s.Who = Guesser::Computer;
    else if (who == "Watch computer play")
        s.Who = Guesser::Watch;
    s.Colours = static_cast<int16_t>(Number(Cbcolour.Text()));
    s.Startfrom = static_cast<Startpoint>(Cbstart.shown + 1);
    s.Hinterrors = static_cast<Hintkind>(Cbhint.shown + 1);
    s.Ordertype = static_cast<Ordering>(Cborder.shown + 1);
    s.MaxRepeat = static_cast<int16_t>(Cbrepeat.shown + 1);
    const std::string& length = Cblength.Text();
    if (length.size() > 1) {
        s.Codelength = static_cast<int16_t>(DigitAt(length, 18));
        s.Fixedlength = Lengthkind::Unspecified;
        s.Blankroom = static_cast<int16_t>(s.Codelength - 3);
    } else {
        s.Codelength = static_cast<int16_t>(Number(length));
        s.Fixedlength = Lengthkind::Fixed;
        s.Blankroom = 0;
    }
    Setlengthclass(s);
}

}  // namespace tallimor
