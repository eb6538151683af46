// The window services the dialogs use: dialogs built from templates, their fields, message
// boxes and window operations. Everything runs on the one GUI thread. Dialog handlers
// include only this header; the Qt side stays inside platform/.
#pragma once

#include "platform/dialog_value.h"
#include "platform/templates.h"

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class QWidget;

namespace zarn {

using Window = QWidget*;

// ---- Events -------------------------------------------------------------------------

enum EventType { e_create, e_destroy, e_size, e_update, e_closerequest, e_menu, e_control };

// What happened to a control: its text was changed by the user (`modified`), the user
// picked a list item (`selchanged`), or a button was clicked (`activated`).
enum class Change { none, modified, selchanged, activated };

struct Event {
    EventType type;
    int id = 0; // control id for e_control, command id for e_menu
    Change change = Change::none;
};

// A handler either handles an event or declines it; a declined event gets the default
// processing (for a dialog: id 1 validates and ends it with answer 1, id 2 and the close
// box end it with answer 2).
enum Outcome { Declined, Handled };
using Handler = Outcome (*)(Window, const Event&);

inline bool is_click(const Event& e, int id)
{
    return e.type == e_control && e.id == id;
}
inline bool is_modified(const Event& e, int id)
{
    return e.type == e_control && e.id == id && e.change == Change::modified;
}
inline bool is_pick(const Event& e, int id)
{
    return e.type == e_control && e.id == id && e.change == Change::selchanged;
}

// ---- Field declarations ---------------------------------------------------------------

enum class FieldKind { editreal, editstr, list, radiobuttongroup };

struct FieldDecl {
    FieldKind kind;
    int id;                               // the field; the first button of a radio group
    std::span<const char* const> items{}; // list items
    int last_id = 0;                      // the last button of a radio group
};

constexpr FieldDecl editreal(int id)
{
    return {FieldKind::editreal, id};
}
constexpr FieldDecl editstr(int id)
{
    return {FieldKind::editstr, id};
}
constexpr FieldDecl listfield(int id, std::span<const char* const> items)
{
    return {FieldKind::list, id, items};
}
constexpr FieldDecl radiobuttongroup(int first_id, int last_id)
{
    return {FieldKind::radiobuttongroup, first_id, {}, last_id};
}

using FieldList = std::span<const FieldDecl>;

// A field's value when its dialog ended.
struct FinalValue {
    int id;
    FieldKind kind;
    DialogValue real;
    std::string text;
    int selected = 0; // selected list index or radio button id
};
using FinalValues = std::vector<FinalValue>;

struct DialogResult {
    int answer; // 1 OK, 2 Cancel
    FinalValues values;
};

// ---- Dialogs --------------------------------------------------------------------------

// Opens a modal dialog from a template over `parent` (disabled meanwhile) and returns when
// it has ended. An empty title keeps the template's caption.
DialogResult DIALOG_CREATEMODAL(Window parent, int template_id, std::string_view title,
                                FieldList fields, Handler handler, int flags);
// Opens a modeless dialog owned by `parent` and returns at once. It closes with its owner.
Window DIALOG_CREATEMODELESS(Window parent, int template_id, std::string_view title,
                             FieldList fields, Handler handler, int flags);
// A plain modal dialog from a template, with no declared fields.
void dialog_CreateFromTemplate(Window parent, int template_id, Handler handler);

DialogValue DIALOG_VLGETREAL(int id, const FinalValues& values);
std::string DIALOG_VLGETSTR(int id, const FinalValues& values);
int DIALOG_VLGETRADIOBUTTON(int first_id, const FinalValues& values);

// ---- Fields ---------------------------------------------------------------------------

// Raised by DIALOG_GETREAL for text that is no number; callers may trap it. Untrapped, it
// ends the event with the "Program Error" report.
struct NotANumberError : std::runtime_error {
    NotANumberError(int id, const std::string& text);
    int id;
};

// The field's value: void for blank text, else its number; other text raises
// NotANumberError.
DialogValue DIALOG_GETREAL(Window dialog, int id);
// Writes a value (void clears the field). The dialog hears no event of its own write.
// A value that is not a finite number is never shown: it raises an ArithmeticFault.
void dialog_SetReal(Window dialog, int id, DialogValue value);
void dialog_SetStr(Window dialog, int id, std::string_view text);

struct ListSelection {
    std::string text;
    int index;
};
ListSelection dialog_GetListButton(Window dialog, int id);
void dialog_SetListButton(Window dialog, int id, int index);
// The id of the selected button of the radio group starting at first_id.
int DIALOG_GETRADIOBUTTON(Window dialog, int first_id);

// ---- Windows --------------------------------------------------------------------------

Window win_GetCtlHandle(Window dialog, int id); // nullptr when there is no such control
std::string win_GetText(Window window);
void win_SetText(Window window, std::string_view text); // heard by no handler
int win_GetCtlId(Window control);
Window win_GetParent(Window window); // the owner of a dialog, the dialog of a control
// Closes a window: a dialog ends with answer 2, the task window ends the application.
void win_Destroy(Window window);
void win_PostEvent(Window window, const Event& event);
// Adds controls to a dialog after its creation, in the order given.
void win_CreateDynControl(Window dialog, std::span<const ControlTemplate> controls);

// ---- Messages -------------------------------------------------------------------------

void dlg_Error(std::string_view text);                        // box "Error", stop icon
void dlg_Note(std::string_view title, std::string_view text); // information icon

} // namespace zarn
