#pragma once
// The command line of tallimor-sim.

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "rules/game_settings.h"

namespace tallimor::sim {

// A bad command line; the message is printed as a one-line usage error.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class Options {
   public:
    // Flags that take no value.
    Options(int argc, char** argv, int first, const std::vector<std::string>& switches);

    bool Has(const std::string& name) const { return values_.count(name) != 0; }
    std::string Text(const std::string& name) const;
    std::string Text(const std::string& name, const std::string& fallback) const;
    long Number(const std::string& name, long low, long high) const;
    long Number(const std::string& name, long low, long high, long fallback) const;
    uint64_t Seed() const;  // --seed, or the clock
    // Only these names may appear.
    void Allow(const std::vector<std::string>& names) const;

    // --colours --length [--unspecified] --order --repeat as a setting.
    GameSettings Setting() const;

   private:
    std::map<std::string, std::string> values_;
};

}  // namespace tallimor::sim
