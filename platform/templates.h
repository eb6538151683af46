// Dialog templates: each dialog is described as data, a caption, a size and a list of
// controls with their kind, id, text and rectangle in dialog units. A dialog unit is a
// quarter of the dialog font's average character width across and an eighth of its height
// down, so every dialog scales with its font and with the screen's resolution.
#pragma once

#include <span>

namespace zarn {

enum class Ctl {
    Button,     // push button
    DefButton,  // the dialog's default push button (pressed by Enter)
    Edit,       // edit field with border
    Text,       // static text, left aligned
    TextCentre, // static text, centred
    TextRight,  // static text, right aligned
    Bar,        // a fraction bar: a run of underscores and its ending (" =", " x 100 ="),
                // the underscores drawn across the whole rectangle whatever the font
    Group,      // group box (a titled frame drawn behind the controls it holds)
    DropList,   // drop-down list, no typing
    Radio,      // radio button
    Custom,     // a control of a registered window class; `text` names the class
    Tabs,       // the tab control that hosts a tabbed dialog's sheets
};

// Left, top, right and bottom edges, in dialog units.
struct Rect {
    int left;
    int top;
    int right;
    int bottom;
};

struct ControlTemplate {
    Ctl kind;
    int id; // 0: a static that is never addressed
    const char* text;
    Rect rect;
    // What a screen reader says for an edit field or list: the text of its label.
    // Buttons and radio buttons are named by their own text.
    const char* name = nullptr;
};

struct DialogTemplate {
    int id;
    const char* caption;
    int width; // dialog units
    int height;
    std::span<const ControlTemplate> controls;
};

// The template with this resource id, or nullptr.
const DialogTemplate* find_template(int id);

} // namespace zarn
