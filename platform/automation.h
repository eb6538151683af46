// What the script driver needs beyond the dialog services: the dialog a user could reach
// now, its controls by kind, and the user's own actions on them (a paste into a field, a
// pick in a list, a click, Escape), played through the real widgets.
#pragma once

#include "platform/platform.h"

#include <string>
#include <vector>

namespace zarn {

enum class ControlKind { none, edit, list, button, radio, other };

// The innermost open modal dialog, or nullptr when none is open.
Window active_dialog();
// Whether the application has ended (its task window destroyed) or never started.
bool application_ended();
// Ends the application as a Close would: every open dialog ends, the event loop stops.
void end_application();

ControlKind control_kind(Window dialog, int id);
// The ids of the dialog's edit fields, in increasing order.
std::vector<int> edit_ids(Window dialog);

// Shows the sheet with this title; false when the dialog has no such sheet.
bool show_sheet(Window dialog, const std::string& title);

// The user replaces the whole text of an edit field, as one paste would (one "modified"
// notification). A field on a sheet that is not showing is shown first.
void user_replace_text(Window dialog, int id, const std::string& text);
// The user picks the item with exactly this text; false when the list has no such item.
bool user_pick(Window dialog, int id, const std::string& item);
void user_click(Window dialog, int id);
void user_escape(Window dialog);

} // namespace zarn
