#include "data/document/command_states.h"

namespace quillory {

void CommandMemory::TickToggled(std::size_t ticked) {
    deleteChecked_ = ticked > 0;
    playList_ = true;
}

void CommandMemory::AllTicked() {
    deleteChecked_ = playList_ = true;
}

void CommandMemory::AllUnticked(std::size_t stillTicked) {
    deleteChecked_ = playList_ = stillTicked > 0;
}

void CommandMemory::Inverted(std::size_t ticked, std::size_t rows) {
    deleteChecked_ = ticked > 0;
    // An empty list leaves Play List as it was.
    if (rows > 0) {
        playList_ = ticked > 0;
    }
}

void CommandMemory::FoundAndTicked(std::size_t matched) {
    // Del Chk'd comes even when nothing matched.
    deleteChecked_ = true;
    playList_ = playList_ || matched > 0;
}

void CommandMemory::HistoryMoved(std::size_t ticked) {
    deleteChecked_ = ticked > 0;
    playList_ = playList_ || ticked > 0;
}

CommandStates CommandMemory::States(const CommandSituation& situation) const {
    // A highlighted row is one of the rows shown.
    const bool rowShown = situation.rowHighlighted && situation.rowsShown > 0;
    return {.fileCommands = fileCommands_,
            .rowCommands = rowShown,
            .deleteChecked = deleteChecked_,
            .playList = playList_,
            .save = situation.savedFileOpen};
}

}  // namespace quillory
