#pragma once

#include <string>

namespace quillory {

class Prompts;
class Session;

// Saves the kept play list as delimited text where the user chooses; true when it was written.
bool SavePlayList(Session& session, Prompts& prompts);

// Asks what to do with the play list's unsaved work (typed comments, changed positions) before
// it would be lost (moment: "closing", "opening another file"): Save writes it as text, Discard
// lets it go (the next opening starts afresh from the ticks), Cancel keeps it. False when
// nothing is to happen.
bool PlayListWorkMayGo(Session& session, Prompts& prompts, const std::string& moment);

}  // namespace quillory
