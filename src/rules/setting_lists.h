#pragma once
// The seven choice lists of the Game Setting Menu and the rules that rebuild
// them, so that only allowed combinations can ever be picked.  The window binds
// its drop-down lists to these contents; the rules themselves need no window.

#include <string>
#include <vector>

#include "rules/game_settings.h"

namespace tallimor {

// One drop-down list: its items and the one it shows.
struct ChoiceList {
    std::vector<std::string> items;
    int shown = 0;  // ListIndex

    const std::string& Text() const;
    int Count() const { return static_cast<int>(items.size()); }
    int Find(const std::string& text) const;  // -1 when absent
    // Inserting or removing items keeps the shown item shown.
    void Insert(int position, const std::string& text);
    void Remove(int position);
    void Append(const std::string& text) { Insert(Count(), text); }
};

// The seven list texts as they were when the menu was opened.
struct SavedSetting {
    std::string who, colours, start, length, hints, order, repeat;
};

enum class SettingList { Who, Colour, Start, Length, Hint, Order, Repeat };

class SettingLists {
   public:
    SettingLists();  // the contents and shown items at program start

    ChoiceList Cbwho, Cbcolour, Cbstart, Cblength, Cbhint, Cborder, Cbrepeat;
    int Minlength = 3;  // smallest length the length list offers
    int Maxlength = 8;  // largest one: colours shown minus 2

    // Shows `text` in a list and runs that list's rebuilding rule, as a
    // player's pick or the program's setting of the list text does.  A text
    // the list does not hold changes nothing and returns false.
    bool Choose(SettingList list, const std::string& text);
    ChoiceList& List(SettingList list);

    void Cbcolour_Click();
    void Cblength_Click();
    void Cbrepeat_Click();
    void Cbwho_Click();
    void Cbhint_Click();

    SavedSetting Save() const;
    // Puts saved texts back in the order the menu's Cancel uses, each through
    // its rebuilding rule.
    void Restore(const SavedSetting& saved);

    // Copies the shown items into the settings (Starttrial is left alone).
    void Updatesetting(GameSettings& s) const;

    static std::string UnspecifiedText(int maximum);
    static std::string AtMostText(int k);
    // Length number of a length item: the digit M of an unspecified item.
    static int LengthNumber(const std::string& lengthText);
};

}  // namespace tallimor
