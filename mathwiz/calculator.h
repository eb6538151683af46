// The calculator dialog: fifteen sheets, one handler that routes every sheet's events.
#pragma once

#include "platform/platform.h"

namespace zarn {

// Opens the calculator modally over `parent` and returns when it has ended.
void dlg_zarn_math_wizard_Create(Window parent);
Outcome dlg_zarn_math_wizard_eh(Window dialog, const Event& event);

} // namespace zarn
