// The player is told when records and saved games cannot outlive the run:
// the start-up found no home folder, or could not write the user's data
// folder, and gave the module a folder of its own for this run only.

#include "game/tallimormod.h"

namespace tallimor {

void Tallimormod::Nohome(const std::string& tried) {
    if (box_ || wait_.Current() != Wait::Picfore) return;
    const std::string where =
        tried.empty() ? "no home folder is set (HOME)" : "the folder " + tried + " cannot be written";
    Messagebox(
        Message::Nohome,
        "Records and saved games cannot be kept: " + where + ".  They last only until the programme ends.",
        Afterbox::Finishgame);
}

}  // namespace tallimor
