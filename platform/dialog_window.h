// The Qt dialog behind every dialog the program opens, and the bookkeeping that the window
// services need: controls by id, declared fields, the owner, the modal loop.
#pragma once

#include "platform/platform.h"

#include <QDialog>
#include <QEvent>
#include <QPointer>

#include <functional>

#include <map>
#include <vector>

class QEventLoop;
class QLineEdit;
class QShortcut;

namespace zarn {

class TabControl;

// Pixels per dialog unit, from the dialog font's metrics.
struct DialogUnits {
    double x; // pixels per horizontal unit
    double y; // pixels per vertical unit
    explicit DialogUnits(const QFont& font);
    int px_x(int units) const;
    int px_y(int units) const;
    QRect rect(const Rect& r) const;
};

class DialogWindow final : public QDialog {
public:
    DialogWindow(Window owner, const DialogTemplate& tmpl, std::string_view title, FieldList fields,
                 Handler handler, bool modal);
    ~DialogWindow() override;

    // Hands an event to the dialog's handler; a fault escaping it is reported and the
    // event counts as handled. Declined events get the default processing.
    Outcome deliver(const Event& event);

    // Creates template controls on `page` (the dialog itself or one of its sheets),
    // registers their ids and connects their notifications.
    void add_controls(QWidget* page, std::span<const ControlTemplate> controls);
    void declare_fields(FieldList fields);
    // Controls added once the dialog stands (a tabbed dialog's sheets, controls built at
    // run time) come after its default button in the focus chain; this puts that button
    // back at the end, so that Tab reaches it last.
    void keep_default_button_last();

    QWidget* control(int id) const;
    const std::map<int, QWidget*>& controls() const { return controls_; }
    const std::vector<FieldDecl>& fields() const { return fields_; }
    const DialogUnits& units() const { return units_; }
    Window owner() const { return owner_; }
    int template_id() const { return template_id_; }
    bool modal() const { return modal_; }

    // Runs the modal loop until the dialog ends; returns the answer.
    int run_modal();
    // Ends the dialog with an answer (1 OK, 2 Cancel). A modeless dialog is destroyed.
    void end(int answer);
    bool ended() const { return ended_; }
    int answer() const { return answer_; }
    FinalValues final_values() const;
    void own(QWidget* window) { owned_.push_back(window); }

    // Registers the keys the dialog answers whatever has the focus: Ctrl+Shift+C copies
    // its fields as a table; a tabbed dialog's Ctrl+Tab, Ctrl+Shift+Tab and Ctrl+1 to
    // Ctrl+9 switch sheets. `on_keys` is given the key pressed.
    void grab_keys();
    void on_keys(const QKeySequence& keys);

    // Where a field on a hidden sheet must be shown first (tabbed dialogs).
    std::function<void(int id)> reveal_control;

protected:
    void reject() override;
    void accept() override;
    void done(int) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void on_control(int id, Change change);
    void default_ok();

    Window owner_;
    int template_id_;
    Handler handler_;
    bool modal_;
    DialogUnits units_;
    std::map<int, QWidget*> controls_;
    QWidget* default_button_ = nullptr;
    TabControl* tabs_ = nullptr; // a tabbed dialog's sheets
    QShortcut* keys_ = nullptr;
    std::vector<FieldDecl> fields_;
    std::vector<QPointer<QWidget>> owned_;
    QEventLoop* loop_ = nullptr;
    bool ended_ = false;
    int answer_ = 2;
};

// The dialog a window belongs to: itself, or the dialog holding the control.
DialogWindow* dialog_of(Window window);

// Modal dialogs open now, outermost first.
const std::vector<DialogWindow*>& modal_dialogs();

// An event posted to a window (win_PostEvent), delivered to its handler later.
int posted_event_type();
struct PostedEvent : QEvent {
    explicit PostedEvent(const Event& e) : QEvent(QEvent::Type(posted_event_type())), event(e) {}
    Event event;
};

// Gives the focus to the first visible edit field or list of the dialog, or of `within`,
// one of its sheets.
void focus_first_input(DialogWindow* dialog, QWidget* within = nullptr);

// The context menu of a dialog: "Copy as table" (also Ctrl+Shift+C), and for an edit
// field first its usual editing actions and "Copy value".
void show_copy_menu(DialogWindow* dialog, QLineEdit* field, const QPoint& where);

} // namespace zarn
