#pragma once
// The game clock: the seconds spent in a game, and those seconds in words.

#include <cstdint>
#include <functional>
#include <string>

namespace tallimor {

constexpr int16_t kGameSeconds = 3600;     // a game ends when this is passed
constexpr int16_t kWarningSeconds = 3300;  // five minutes before the end

// Seconds from a fixed origin, never running backwards.  Not the time of day,
// so neither a game nor a wait that spans midnight loses its count.  Tests
// pass their own source and run an hour in an instant.
using TimeSource = std::function<double()>;
TimeSource Steadytime();

// "0 second", "59 seconds", "1 minute 1 second", "2 minutes 5 seconds",
// "3 minutes " (a whole number of minutes keeps its trailing blank).
std::string Converttime(int seconds);

// "Time spent:  " and the time in words, as the time label shows it.
std::string Timelabeltext(const std::string& timetext);

class GameClock {
   public:
    explicit GameClock(TimeSource now);

    // Starts counting from now, carrying `offset` seconds into the count.
    void Start(int16_t offset);
    // Timespent = Timeoffset + the whole seconds since Start; Timetext follows.
    int16_t Calculatetime();
    double Now() const { return now_(); }

    int16_t Timespent = 0;
    int16_t Timeoffset = 0;
    std::string Timetext = "0 second";
    int16_t Recordtime = 0;  // taken at a win, for the Top Five list
    std::string Recordtimetext;

   private:
    TimeSource now_;
    double starttime_ = 0;
};

}  // namespace tallimor
