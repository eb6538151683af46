// Plays a script of user steps against the real dialogs, headless. One step per line:
//   tab TITLE | type ID TEXT | pick ID ITEM | click ID | check ID | escape | show [ID...]
// Blank lines and lines starting with # are skipped.
#pragma once

#include "platform/messages.h"
#include "platform/platform.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zarn {

struct ScriptHooks {
    // A `show` line: a field's id and its text.
    std::function<void(int id, const std::string& text)> shown;
    // A message box the program showed; it counts as answered with OK.
    std::function<void(const Message& message)> message;
    // A step the driver could not play (line counted from 1); the script stops.
    std::function<void(int line, const std::string& why)> failed;
    // Steps of the driver's users beyond the standard ones (for example a screenshot
    // step of a developer tool): given the verb, its arguments and the active dialog
    // (or nullptr); returns false for a verb it does not know either.
    std::function<bool(const std::string& verb, const std::string& args, Window dialog)> extra;
};

// Starts the program as a user would (the calculator opened on its first sheet), plays
// the steps in order, and ends the program after the last one or when a step ends it.
// Returns 0, or 2 when a step failed. Needs the application object to exist.
int play_script(const std::vector<std::string>& lines, const ScriptHooks& hooks);

// The same with the lines asked for one at a time, each just before it is played (inside
// the dialog an earlier step opened, if it is still open): the source gives the next line,
// or nothing after the last one. A source may look at the dialogs before it answers.
using ScriptSource = std::function<std::optional<std::string>()>;
int play_script(const ScriptSource& next_line, const ScriptHooks& hooks);

// Hooks that print what the program does: `ID<TAB>TEXT` and `TITLE: TEXT` lines on
// standard output, the driver's complaints as `zarn-calc: line N: WHY` on standard error.
ScriptHooks printing_hooks();

// A message's text on one line: each line break written as the two characters \n.
std::string one_line(const std::string& text);

} // namespace zarn
