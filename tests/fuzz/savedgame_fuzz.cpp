// Fuzz target for the saved-game reader: a refused file leaves the buffer as
// it was, and a record it accepts is one the writer writes back to the same
// bytes and the reader accepts again.
#include <cstdio>
#include <cstdlib>

#include "savegame/saved_game_file.h"

using namespace tallimor;

static void Require(bool ok, const char* what) {
    if (!ok) std::fprintf(stderr, "saved game fuzz target: %s\n", what), std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SavedGameFile before;
    before.Gamestatus = "stale", before.Trialguess[5] = "0123";  // what a refusal must keep
    SavedGameFile buffer = before;
    const std::string why = Decodesavedgame(data, size, buffer);
    if (!why.empty()) {
        Require(buffer == before, "a refused file changed the buffer");
        return 0;
    }
    Require(Checksavedgame(buffer).empty(), "an accepted record fails its own check");
    const std::vector<uint8_t> bytes = Encodesavedgame(buffer);
    Require(bytes.size() == kSavedGameRecordLength, "an accepted record does not fit a record");
    SavedGameFile again;
    Require(Decodesavedgame(bytes.data(), bytes.size(), again).empty() && again == buffer,
            "a written record read back differently");
    Require(Encodesavedgame(again) == bytes, "a record written twice gave other bytes");
    return 0;
}
