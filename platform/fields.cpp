// Field and window operations on dialogs built from templates.
#include "platform/dialog_window.h"
#include "platform/frame_window.h"
#include "platform/number_text.h"
#include "platform/qt_text.h"
#include "platform/real.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <memory>

namespace zarn {
namespace {

DialogWindow& dialog_ref(Window window)
{
    DialogWindow* dialog = dialog_of(window);
    if (!dialog) throw std::logic_error("not a dialog window");
    return *dialog;
}

template <class Widget> Widget& control_ref(Window dialog, int id, const char* what)
{
    auto* widget = qobject_cast<Widget*>(dialog_ref(dialog).control(id));
    if (!widget)
        throw std::logic_error("control " + std::to_string(id) + " is not " + std::string(what));
    return *widget;
}

void write_edit(QLineEdit& edit, const QString& text)
{
    QSignalBlocker quiet(&edit);
    edit.setText(text);
    // A value too long for its field shows its first digits, not its last: the magnitude
    // must never be hidden. The field being typed in keeps its cursor where it is.
    if (!edit.hasFocus()) edit.setCursorPosition(0);
}

DialogWindow* open_dialog(Window parent, int template_id, std::string_view title, FieldList fields,
                          Handler handler, bool modal)
{
    const DialogTemplate* tmpl = find_template(template_id);
    if (!tmpl) throw std::logic_error("no dialog template " + std::to_string(template_id));
    return new DialogWindow(parent, *tmpl, title, fields, handler, modal);
}

const FinalValue* find_value(int id, const FinalValues& values)
{
    for (const FinalValue& value : values)
        if (value.id == id) return &value;
    return nullptr;
}

// A field's text as a message quotes it: whole when it is short, else its first characters
// and "...", so that a page of pasted text cannot make the box taller than the screen.
std::string quoted_for_message(const std::string& text)
{
    constexpr qsizetype most = 40;
    const QString whole = qtext(text);
    if (whole.size() <= most) return "\"" + text + "\"";
    qsizetype cut = most;
    if (whole[cut - 1].isHighSurrogate()) --cut;
    return "\"" + whole.left(cut).toStdString() + "...\"";
}

} // namespace

NotANumberError::NotANumberError(int field_id, const std::string& text)
    : std::runtime_error(quoted_for_message(text) + " is not a number"), id(field_id)
{
}

// ---- Dialogs --------------------------------------------------------------------------

DialogResult DIALOG_CREATEMODAL(Window parent, int template_id, std::string_view title,
                                FieldList fields, Handler handler, int /*flags*/)
{
    std::unique_ptr<DialogWindow> dialog(
        open_dialog(parent, template_id, title, fields, handler, true));
    dialog->deliver({e_create});
    int answer = dialog->run_modal();
    return {answer, dialog->final_values()};
}

Window DIALOG_CREATEMODELESS(Window parent, int template_id, std::string_view title,
                             FieldList fields, Handler handler, int /*flags*/)
{
    DialogWindow* dialog = open_dialog(parent, template_id, title, fields, handler, false);
    dialog->deliver({e_create});
    if (!dialog->ended()) {
        if (QWidget* owner = parent ? parent->window() : nullptr)
            dialog->move(owner->frameGeometry().topRight() + QPoint(8, 0));
        dialog->show();
    }
    return dialog;
}

void dialog_CreateFromTemplate(Window parent, int template_id, Handler handler)
{
    DIALOG_CREATEMODAL(parent, template_id, "", {}, handler, 0);
}

DialogValue DIALOG_VLGETREAL(int id, const FinalValues& values)
{
    const FinalValue* value = find_value(id, values);
    return value ? value->real : std::nullopt;
}

std::string DIALOG_VLGETSTR(int id, const FinalValues& values)
{
    const FinalValue* value = find_value(id, values);
    return value ? value->text : std::string();
}

int DIALOG_VLGETRADIOBUTTON(int first_id, const FinalValues& values)
{
    const FinalValue* value = find_value(first_id, values);
    return value ? value->selected : first_id;
}

// ---- Fields ---------------------------------------------------------------------------

DialogValue DIALOG_GETREAL(Window dialog, int id)
{
    std::string text = control_ref<QLineEdit>(dialog, id, "an edit field").text().toStdString();
    FieldText read = read_field_text(text);
    if (read.kind == FieldText::Blank) return std::nullopt;
    if (read.kind == FieldText::NotANumber) throw NotANumberError(id, text);
    return read.value;
}

void dialog_SetReal(Window dialog, int id, DialogValue value)
{
    auto& edit = control_ref<QLineEdit>(dialog, id, "an edit field");
    if (!value) {
        write_edit(edit, QString());
        return;
    }
    write_edit(edit, QString::fromStdString(real_to_text(checked_finite(*value))));
}

void dialog_SetStr(Window dialog, int id, std::string_view text)
{
    write_edit(control_ref<QLineEdit>(dialog, id, "an edit field"), qtext(text));
}

ListSelection dialog_GetListButton(Window dialog, int id)
{
    auto& list = control_ref<QComboBox>(dialog, id, "a list");
    return {list.currentText().toStdString(), list.currentIndex()};
}

void dialog_SetListButton(Window dialog, int id, int index)
{
    auto& list = control_ref<QComboBox>(dialog, id, "a list");
    QSignalBlocker quiet(&list);
    list.setCurrentIndex(index);
}

int DIALOG_GETRADIOBUTTON(Window dialog, int first_id)
{
    DialogWindow& d = dialog_ref(dialog);
    for (const FieldDecl& field : d.fields()) {
        if (field.kind != FieldKind::radiobuttongroup || field.id != first_id) continue;
        for (int id = field.id; id <= field.last_id; ++id)
            if (auto* radio = qobject_cast<QRadioButton*>(d.control(id)))
                if (radio->isChecked()) return id;
    }
    return first_id;
}

// ---- Windows --------------------------------------------------------------------------

Window win_GetCtlHandle(Window dialog, int id)
{
    return dialog_ref(dialog).control(id);
}

std::string win_GetText(Window window)
{
    if (auto* edit = qobject_cast<QLineEdit*>(window)) return edit->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(window)) return label->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(window)) return button->text().toStdString();
    if (auto* list = qobject_cast<QComboBox*>(window)) return list->currentText().toStdString();
    if (auto* group = qobject_cast<QGroupBox*>(window)) return group->title().toStdString();
    return window ? window->windowTitle().toStdString() : std::string();
}

void win_SetText(Window window, std::string_view text)
{
    if (!window) return;
    QSignalBlocker quiet(window);
    if (auto* edit = qobject_cast<QLineEdit*>(window))
        write_edit(*edit, qtext(text));
    else if (auto* label = qobject_cast<QLabel*>(window))
        label->setText(qtext(text));
    else if (auto* button = qobject_cast<QAbstractButton*>(window))
        button->setText(qtext(text));
    else if (auto* group = qobject_cast<QGroupBox*>(window))
        group->setTitle(qtext(text));
    else
        window->setWindowTitle(qtext(text));
}

int win_GetCtlId(Window control)
{
    return control ? control->property("zarn_id").toInt() : 0;
}

Window win_GetParent(Window window)
{
    if (auto* dialog = dynamic_cast<DialogWindow*>(window)) return dialog->owner();
    if (auto* dialog = dialog_of(window)) return dialog;
    return window ? window->parentWidget() : nullptr;
}

void win_Destroy(Window window)
{
    if (!window) return;
    if (auto* dialog = dynamic_cast<DialogWindow*>(window)) {
        dialog->end(2);
    } else if (auto* frame = dynamic_cast<FrameWindow*>(window)) {
        frame->destroy_window();
    } else {
        window->hide();
        window->deleteLater();
    }
}

int posted_event_type()
{
    static const int type = QEvent::registerEventType();
    return type;
}

void win_PostEvent(Window window, const Event& event)
{
    QCoreApplication::postEvent(window, new PostedEvent(event));
}

void win_CreateDynControl(Window dialog, std::span<const ControlTemplate> controls)
{
    DialogWindow& d = dialog_ref(dialog);
    d.add_controls(&d, controls);
    d.keep_default_button_last();
}

} // namespace zarn
