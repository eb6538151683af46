// Window services beyond dialogs and fields: the task window with its menu and message
// window, the tab-dialog package, registered window classes and their painting, and the
// help viewer.
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace zarn {

// ---- Platform attributes --------------------------------------------------------------

enum class PlatformAttr {
    frame_mode,   // the task window is a frame whose client area hosts child windows
    three_d_look, // dialogs and controls drawn with raised and sunken edges
};
void platform_SetAttribute(PlatformAttr attribute, bool on);

// ---- Task window --------------------------------------------------------------------

struct MenuItem {
    int id;               // 0: a separator
    const char* text;     // with & before the mnemonic letter
    const char* shortcut; // key sequence text such as "F7" or "Ctrl+F1", or nullptr
};
struct MenuPopup {
    const char* title;
    std::span<const MenuItem> items;
};
struct MenuResource {
    int id;
    std::span<const MenuPopup> popups;
};
const MenuResource* find_menu(int id); // from the resources

// Frame mode: the task window is a frame whose client area holds child windows, and its
// menu bar gains the "&Window" popup (Tile, Cascade, Arrange Icons).
struct TaskWindowAttributes {
    bool minimised = true;
};

// Creates the task window with the menu resource, delivers its events to `handler`
// (e_create first) and returns it. The window lives until win_Destroy, which ends the
// application's event loop.
Window win_CreateTaskWindow(const TaskWindowAttributes& attributes, Handler handler, int menu_id,
                            std::string_view app_name, std::string_view title);

// The message window: a child window of the task window that keeps at most `max_lines`.
Window MSG_CREATE(Window parent, std::string_view title, int max_lines);
void msg_Resize(Window message_window);

// ---- Tab-dialog package ---------------------------------------------------------------

struct Font {
    std::string family;
    double point_size;
};
Font win_GetFont(Window window);

enum class TabPlacement { Left };

struct SheetDef {
    int number;
    const char* title;
    int template_id;
    FieldList fields;
};

void tabdlg_Register();
// Builds every sheet's controls as controls of `dialog` (each addressed by its id from the
// dialog), declares the sheets' fields and shows the sheet numbered `selected`.
void tabdlg_Create(Window dialog, int tab_control_id, const Font& font, TabPlacement placement,
                   std::span<const SheetDef> sheets, int selected);

// ---- Window classes and pictures ------------------------------------------------------

void class_Create(std::string_view name, Handler handler);
void class_Destroy(std::string_view name);

using Colour = std::uint32_t; // 0xRRGGBB
enum class Attr {
    face_colour, // dialog backgrounds and buttons
    text_colour, // text drawn on the face colour
};
Colour win_GetAttrVal(Window window, Attr attribute);
Rect win_GetClientRect(Window window); // in pixels, left and top 0
void win_Clear(Window window, Colour colour);

struct Picture;
enum class RasterOp { source_and_dest, source_or_dest };
Picture* pict_GetFromRes(int resource_id); // nullptr when there is no such picture
void pict_GetSize(const Picture* picture, int* width, int* height);
// Draws the picture's `source` rectangle stretched onto `dest` of the window's client
// area, combining each pixel with what is below it by `op`.
void pict_Draw(Window window, const Picture* picture, Rect source, Rect dest, RasterOp op);
// Draws the picture's `source` rectangle stretched onto `dest` as ink of one colour: its
// black pixels in `ink`, its white ones leaving what is below, its grey edges in between.
void pict_DrawInk(Window window, const Picture* picture, Rect source, Rect dest, Colour ink);
void pict_Destroy(Picture* picture);

// ---- Help -----------------------------------------------------------------------------

// Opens the help at its contents page, owned by `owner`.
void help_OpenContents(Window owner);

} // namespace zarn
