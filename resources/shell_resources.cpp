// The task window's menu (with its accelerators) and the About box.
#include "platform/services.h"
#include "resources/resources.h"

namespace zarn {
namespace {

constexpr MenuItem file_items[] = {
    {10492, "&Start Calculator", "F7"},
    {0, nullptr, nullptr},
    {10493, "E&xit", nullptr},
};
constexpr MenuItem help_items[] = {
    {10495, "&Contents", "Ctrl+F1"},
    {0, nullptr, nullptr},
    {10496, "&About", nullptr},
};
constexpr MenuPopup main_menu_popups[] = {
    {"&File", file_items},
    {"&Help", help_items},
};
constexpr MenuResource main_menu = {10490, main_menu_popups};

// clang-format off
constexpr ControlTemplate about_controls[] = {
    {Ctl::TextCentre, 10486, "Zarn Calculator",                                      {10, 10, 190, 22}},
    {Ctl::TextCentre, 10487, "Version 1.2",                                          {10, 24, 190, 36}},
    {Ctl::TextCentre, 10488, "Free to use and to share; provided without warranty.", {10, 42, 190, 54}},
    {Ctl::TextCentre, 10489, "Published by the Zarn Calculator developers",          {10, 56, 190, 68}},
    {Ctl::DefButton,  1,     "OK",                                                   {75, 76, 125, 90}},
};
// clang-format on

} // namespace

const DialogTemplate about_template = {10485, "About", 200, 96, about_controls};

const MenuResource* find_menu(int id)
{
    return id == main_menu.id ? &main_menu : nullptr;
}

} // namespace zarn
