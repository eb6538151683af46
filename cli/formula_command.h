// `zarn-calc formula NAME [KEY=VALUE ...]`: opens a formula's dialog as a user would (its
// sheet, its list, its item), types the values into the fields named by their keys,
// presses Calculate and prints every field as KEY<TAB>TEXT in reading order.
// `zarn-calc formula --list` lists the formulas with their keys.
#pragma once

#include "cli/script_driver.h"

#include <functional>
#include <string>
#include <vector>

namespace zarn {

// Plays script lines with hooks against the dialogs, headless; returns play_script's status.
using ScriptPlayerFn =
    std::function<int(const std::vector<std::string>& lines, const ScriptHooks& hooks)>;

// Runs the command with the arguments that follow "formula". Returns the exit status: 0,
// 1 when the dialog showed a message box (printed as TITLE: TEXT on standard error), 2 for
// an unknown name or key or a malformed argument.
int formula_command(const std::vector<std::string>& args, const ScriptPlayerFn& play);

} // namespace zarn
