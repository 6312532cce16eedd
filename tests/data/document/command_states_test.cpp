#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "data/document/command_states.h"

namespace quillory::testkit {
namespace {

// The enabled commands by name: file (the frames and their buttons, Search), row (Delete,
// Modify, Replace), delchk, play, save.
std::string Enabled(const CommandStates& s) {
    std::string names;
    for (const auto& [on, name] : {std::pair{s.fileCommands, "file"},
                                   {s.rowCommands, "row"},
                                   {s.deleteChecked, "delchk"},
                                   {s.playList, "play"},
                                   {s.save, "save"}}) {
        names += on ? std::string(names.empty() ? "" : " ") + name : "";
    }
    return names;
}

struct Step {
    const char* what;
    std::function<void(CommandMemory&)> step;
    CommandSituation situation;
    const char* enabled;
};

const CommandSituation kOpen{.savedFileOpen = true};
const CommandSituation kHighlighted{.savedFileOpen = true, .rowHighlighted = true};

// One user's session, step by step: each step's enabled commands follow from all before it.
TEST(CommandStatesTest, EveryCommandFollowsTheStepsOfASession) {
    const auto none = [](CommandMemory&) {};
    const Step steps[] = {
        {"start", none, {}, ""},
        {"highlight without a file", none, {.rowHighlighted = true}, "row"},
        {"open", [](CommandMemory& m) { m.FileRead(); }, kOpen, "file save"},
        {"open an imported list", none, {}, "file"},
        {"highlight", none, kHighlighted, "file row save"},
        {"every row hidden",
         none,
         {.savedFileOpen = true, .rowHighlighted = true, .rowsShown = 0},
         "file save"},
        {"some rows hidden",
         none,
         {.savedFileOpen = true, .rowHighlighted = true, .rowsShown = 2},
         "file row save"},
        {"tick", [](CommandMemory& m) { m.TickToggled(1); }, kOpen, "file delchk play save"},
        {"tick another", [](CommandMemory& m) { m.TickToggled(2); }, kOpen,
         "file delchk play save"},
        {"untick one", [](CommandMemory& m) { m.TickToggled(1); }, kOpen, "file delchk play save"},
        {"untick the last", [](CommandMemory& m) { m.TickToggled(0); }, kOpen, "file play save"},
        {"uncheck", [](CommandMemory& m) { m.AllUnticked(0); }, kOpen, "file save"},
        {"undo gives no ticks back", [](CommandMemory& m) { m.HistoryMoved(0); }, kOpen,
         "file save"},
        {"redo gives ticks back", [](CommandMemory& m) { m.HistoryMoved(3); }, kOpen,
         "file delchk play save"},
        {"undo again", [](CommandMemory& m) { m.HistoryMoved(0); }, kOpen, "file play save"},
        {"del chk'd", [](CommandMemory& m) { m.CheckedDeleted(0); }, kOpen, "file play save"},
        {"find ticking none", [](CommandMemory& m) { m.FoundAndTicked(0); }, kOpen,
         "file delchk play save"},
        {"invert ticking none", [](CommandMemory& m) { m.Inverted(0, 5); }, kOpen, "file save"},
        {"find ticking two", [](CommandMemory& m) { m.FoundAndTicked(2); }, kOpen,
         "file delchk play save"},
        {"invert an empty list", [](CommandMemory& m) { m.Inverted(0, 0); }, kOpen,
         "file play save"},
        {"invert ticking three", [](CommandMemory& m) { m.Inverted(3, 5); }, kOpen,
         "file delchk play save"},
        {"play list with nothing ticked", [](CommandMemory& m) { m.PlayListAsked(false); }, kOpen,
         "file delchk save"},
        {"check", [](CommandMemory& m) { m.AllTicked(); }, kHighlighted,
         "file row delchk play save"},
        {"delete the highlighted row", none, kOpen, "file delchk play save"},
        {"play list opened", [](CommandMemory& m) { m.PlayListAsked(true); }, kOpen,
         "file delchk play save"},
        {"del chk'd leaving hidden ticks", [](CommandMemory& m) { m.CheckedDeleted(2); }, kOpen,
         "file delchk play save"},
        {"uncheck leaving hidden ticks", [](CommandMemory& m) { m.AllUnticked(2); }, kOpen,
         "file delchk play save"},
        {"del chk'd of the last ticks", [](CommandMemory& m) { m.CheckedDeleted(0); }, kOpen,
         "file play save"},
    };
    CommandMemory memory;
    for (const Step& s : steps) {
        s.step(memory);
        EXPECT_EQ(Enabled(memory.States(s.situation)), s.enabled) << s.what;
    }
}

}  // namespace
}  // namespace quillory::testkit
