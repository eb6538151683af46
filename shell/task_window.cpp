#include "custom/custbut.h"
#include "mathwiz/calculator.h"
#include "platform/services.h"
#include "shell/shell.h"

namespace zarn {
namespace {

constexpr int main_menu_id = 10490;
constexpr int cmd_start_calculator = 10492;
constexpr int cmd_exit = 10493;
constexpr int cmd_help_contents = 10495;
constexpr int cmd_about = 10496;
constexpr int about_template_id = 10485;
constexpr int message_lines_kept = 100;

Window message_window = nullptr;

} // namespace

Window start_zarn_calculator()
{
    platform_SetAttribute(PlatformAttr::frame_mode, true);
    platform_SetAttribute(PlatformAttr::three_d_look, true);
    TaskWindowAttributes attributes;
    attributes.minimised = true;
    return win_CreateTaskWindow(attributes, task_win_eh, main_menu_id, "zarn calculator",
                                "Zarn Calculator");
}

Outcome task_win_eh(Window window, const Event& event)
{
    switch (event.type) {
    case e_create:
        message_window = MSG_CREATE(window, "Messages", message_lines_kept);
        tabdlg_Register();
        class_Create(sprites_class, sprites_eh);
        win_PostEvent(window, {e_menu, cmd_start_calculator});
        return Handled;
    case e_destroy:
        class_Destroy(sprites_class);
        message_window = nullptr;
        return Handled;
    case e_size:
        if (message_window) msg_Resize(message_window);
        return Handled;
    case e_menu:
        switch (event.id) {
        case cmd_start_calculator:
            dlg_zarn_math_wizard_Create(window);
            return Handled;
        case cmd_help_contents:
            help_OpenContents(window);
            return Handled;
        case cmd_about:
            dlg_about_dialog_Create(window);
            return Handled;
        case cmd_exit:
            win_Destroy(window);
            return Handled;
        default:
            return Declined;
        }
    default:
        return Declined;
    }
}

void dlg_about_dialog_Create(Window parent)
{
    dialog_CreateFromTemplate(parent, about_template_id, dlg_about_dialog_eh);
}

Outcome dlg_about_dialog_eh(Window dialog, const Event& event)
{
    if (event.type != e_control || event.id != 1) return Declined;
    win_Destroy(dialog);
    return Handled;
}

} // namespace zarn
