#include "records/statistics_list.h"

#include <cstdio>

#include "rules/setting_lists.h"

namespace tallimor {

namespace {

const std::string& Item(const std::vector<std::string>& items, int choice) {
    static const std::string none;
    return choice >= 1 && choice <= static_cast<int>(items.size()) ? items[static_cast<size_t>(choice - 1)]
                                                                   : none;
}

}  // namespace

void Showlist(std::vector<std::string>& lines, const WinnersRecord& record, const Statisticslabels& labels,
              int colours, int lengthclass, int ordertype, int startfrom, int hinterrors, int maxrepeat) {
    const bool fixed = lengthclass <= 8;
    const int length = fixed ? lengthclass : lengthclass - 5;
    const std::string repetition = maxrepeat == 1        ? "No repetition"
                                   : maxrepeat == length ? "May be repeated any times"
                                                         : SettingLists::AtMostText(maxrepeat);
    lines.push_back(std::to_string(colours) + " colours   " +
                    (fixed ? std::to_string(length) : SettingLists::UnspecifiedText(length)) + "  " +
                    Item(labels.order, ordertype) + "  " + Item(labels.start, startfrom) + "  " +
                    Item(labels.hint, hinterrors) + "  " + repetition);
    const int i = Settingindex(lengthclass, ordertype, startfrom, hinterrors, maxrepeat);
    int population = 0;
    char average[32] = "0";
    if (i >= 0) {
        population = record.Population[static_cast<size_t>(i)];
        // A single-precision value shows at most seven significant digits.
        std::snprintf(average, sizeof average, "%.7g",
                      static_cast<double>(record.Average[static_cast<size_t>(i)]));
    }
    lines.push_back(std::to_string(population) + "     " + average);
    lines.emplace_back();
}

void Showcolours(std::vector<std::string>& lines, const WinnersRecord& record, const Statisticslabels& labels,
                 int colours) {
    for (int lengthclass = 3; lengthclass <= 13; ++lengthclass) {
        const int length = lengthclass <= 8 ? lengthclass : lengthclass - 5;
        if (length > colours - 2) continue;
        for (int order = 1; order <= 2; ++order)
            for (int start = 1; start <= 2; ++start)
                for (int hints = 1; hints <= 2; ++hints)
                    for (int repeat = 1; repeat <= length; ++repeat)
                        Showlist(lines, record, labels, colours, lengthclass, order, start, hints, repeat);
    }
}

}  // namespace tallimor
