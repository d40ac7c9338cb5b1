#include "options.h"

#include <algorithm>
#include <chrono>

namespace tallimor::sim {

Options::Options(int argc, char** argv, int first, const std::vector<std::string>& switches) {
    for (int i = first; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg.rfind("--", 0) != 0 || arg.size() < 3) throw UsageError("unexpected argument '" + arg + "'");
        const std::string name = arg.substr(2);
        if (values_.count(name)) throw UsageError("--" + name + " given twice");
        if (std::find(switches.begin(), switches.end(), name) != switches.end()) {
            values_[name] = "";
            continue;
        }
        if (i + 1 >= argc) throw UsageError("--" + name + " needs a value");
        values_[name] = argv[++i];
    }
}

std::string Options::Text(const std::string& name) const {
    auto it = values_.find(name);
    if (it == values_.end()) throw UsageError("--" + name + " is required");
    return it->second;
}

std::string Options::Text(const std::string& name, const std::string& fallback) const {
    return Has(name) ? Text(name) : fallback;
}

long Options::Number(const std::string& name, long low, long high) const {
    const std::string text = Text(name);
    size_t used = 0;
    long value = 0;
    try {
        value = std::stol(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || value < low || value > high)
        throw UsageError("--" + name + " must be a number from " + std::to_string(low) + " to " +
                         std::to_string(high));
    return value;
}

long Options::Number(const std::string& name, long low, long high, long fallback) const {
    return Has(name) ? Number(name, low, high) : fallback;
}

uint64_t Options::Seed() const {
    if (!Has("seed"))
        return static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    const std::string text = Text("seed");
    size_t used = 0;
    uint64_t seed = 0;
    try {
        seed = std::stoull(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used == 0 || used != text.size() || text[0] == '-') throw UsageError("--seed must be a whole number");
    return seed;
}

void Options::Allow(const std::vector<std::string>& names) const {
    for (const auto& [name, value] : values_)
        if (std::find(names.begin(), names.end(), name) == names.end())
            throw UsageError("unknown option --" + name);
}

GameSettings Options::Setting() const {
    const bool unspecified = Has("unspecified");
    const int colours = static_cast<int>(Number("colours", 5, 10));
    const int length = static_cast<int>(Number("length", unspecified ? 4 : 3, 8));
    if (colours < length + 2) throw UsageError("--colours must be at least the length plus 2");
    const std::string order = Text("order");
    if (order != "fixed" && order != "random") throw UsageError("--order must be fixed or random");
    const int repeat = static_cast<int>(Number("repeat", 1, length));
    return GameSettings::Make(colours, length, !unspecified, order == "fixed" ? 1 : 2, repeat, 3);
}

}  // namespace tallimor::sim
