// The application shell: the task window, its menu, the About box and the help command.
#pragma once

#include "platform/platform.h"

namespace zarn {

// Sets the platform attributes, creates the minimised task window and posts it the
// "Start Calculator" command, so that the calculator opens once the event loop runs.
// The application lives until the task window is destroyed.
Window start_zarn_calculator();

Outcome task_win_eh(Window window, const Event& event);
void dlg_about_dialog_Create(Window parent);
Outcome dlg_about_dialog_eh(Window dialog, const Event& event);

} // namespace zarn
