#include "platform/automation.h"

#include "platform/dialog_window.h"
#include "platform/frame_window.h"
#include "platform/tab_control.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace zarn {

Window active_dialog()
{
    const auto& stack = modal_dialogs();
    return stack.empty() ? nullptr : stack.back();
}

bool application_ended()
{
    FrameWindow* frame = task_window();
    return !frame || frame->destroyed();
}

void end_application()
{
    if (FrameWindow* frame = task_window())
        frame->destroy_window();
    else
        QCoreApplication::exit(0);
}

ControlKind control_kind(Window dialog, int id)
{
    DialogWindow* d = dialog_of(dialog);
    QWidget* w = d ? d->control(id) : nullptr;
    if (!w) return ControlKind::none;
    if (qobject_cast<QLineEdit*>(w)) return ControlKind::edit;
    if (qobject_cast<QComboBox*>(w)) return ControlKind::list;
    if (qobject_cast<QRadioButton*>(w)) return ControlKind::radio;
    if (qobject_cast<QAbstractButton*>(w)) return ControlKind::button;
    return ControlKind::other;
}

std::vector<int> edit_ids(Window dialog)
{
    std::vector<int> ids;
    if (DialogWindow* d = dialog_of(dialog))
        for (const auto& [id, widget] : d->controls())
            if (qobject_cast<QLineEdit*>(widget)) ids.push_back(id);
    return ids;
}

bool show_sheet(Window dialog, const std::string& title)
{
    DialogWindow* d = dialog_of(dialog);
    if (!d) return false;
    for (const auto& [id, widget] : d->controls()) {
        auto* tabs = dynamic_cast<TabControl*>(widget);
        if (!tabs) continue;
        const QString wanted = QString::fromStdString(title);
        for (int i = 0; i < tabs->titles()->count(); ++i) {
            if (tabs->titles()->item(i)->text() != wanted) continue;
            tabs->show_sheet(i);
            return true;
        }
    }
    return false;
}

void user_replace_text(Window dialog, int id, const std::string& text)
{
    DialogWindow* d = dialog_of(dialog);
    auto* edit = d ? qobject_cast<QLineEdit*>(d->control(id)) : nullptr;
    if (!edit) return;
    if (d->reveal_control) d->reveal_control(id);
    edit->setFocus(Qt::OtherFocusReason);
    // Select everything and insert the new text: one edit, as a paste over a selection.
    edit->selectAll();
    edit->insert(QString::fromStdString(text));
}

bool user_pick(Window dialog, int id, const std::string& item)
{
    DialogWindow* d = dialog_of(dialog);
    auto* list = d ? qobject_cast<QComboBox*>(d->control(id)) : nullptr;
    if (!list) return false;
    int index =
        list->findText(QString::fromStdString(item), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) return false;
    if (d->reveal_control) d->reveal_control(id);
    list->setCurrentIndex(index);
    emit list->activated(index);
    return true;
}

void user_click(Window dialog, int id)
{
    DialogWindow* d = dialog_of(dialog);
    auto* button = d ? qobject_cast<QAbstractButton*>(d->control(id)) : nullptr;
    if (!button) return;
    if (d->reveal_control) d->reveal_control(id);
    button->click();
}

void user_escape(Window dialog)
{
    DialogWindow* d = dialog_of(dialog);
    if (!d) return;
    QWidget* target = d->focusWidget() ? d->focusWidget() : d;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
}

} // namespace zarn
