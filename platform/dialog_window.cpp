#include "platform/dialog_window.h"

#include "platform/custom_class.h"
#include "platform/field_table.h"
#include "platform/frame_window.h"
#include "platform/messages.h"
#include "platform/number_text.h"
#include "platform/qt_text.h"
#include "platform/tab_control.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QWindow>

#include <algorithm>
#include <memory>

namespace zarn {
namespace {

std::vector<DialogWindow*>& modal_stack()
{
    static std::vector<DialogWindow*> stack;
    return stack;
}

// A button's text as a screen reader says it: without the mnemonic marker.
QString spoken(const char* text)
{
    QString s = qtext(text);
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'&' && i + 1 < s.size()) ++i;
        out += s[i];
    }
    return out;
}

// A fraction bar drawn as text: a run of underscores, then its ending. The underscores are
// stretched (or narrowed) so that the bar spans its rectangle, less the ending, which keeps
// its own shape: fonts differ in how wide an underscore is, and the bar must still reach
// across the formula above it.
class FractionBar final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        const QString all = text();
        const qsizetype run = all.lastIndexOf(u'_') + 1;
        const QString bar = all.left(run);
        const QString ending = all.mid(run);
        QFontMetricsF metrics(font());
        const double available = width() - metrics.horizontalAdvance(ending);
        const double natural = metrics.horizontalAdvance(bar);
        const double baseline = (height() - metrics.height()) / 2 + metrics.ascent();
        QPainter painter(this);
        if (natural > 0 && available > 0) {
            painter.save();
            painter.translate(0, baseline);
            painter.scale(available / natural, 1);
            painter.drawText(QPointF(0, 0), bar);
            painter.restore();
        }
        painter.drawText(QPointF(available, baseline), ending);
    }
};

// The keys a dialog answers itself, whichever of its controls has the focus. Shift+Tab
// comes as Backtab from some keyboards.
const QKeySequence copy_table_key(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
const QKeySequence next_sheet_key(Qt::CTRL | Qt::Key_Tab);
const QKeySequence previous_sheet_keys[] = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)};

// The keys of a dialog (DialogWindow::grab_keys), one object for them all, handing the
// key pressed to the dialog.
class DialogKeys final : public QShortcut {
public:
    explicit DialogKeys(DialogWindow* dialog) : QShortcut(dialog), dialog_(dialog) {}

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::Shortcut) return QShortcut::event(event);
        dialog_->on_keys(static_cast<QShortcutEvent*>(event)->key());
        return true;
    }

private:
    DialogWindow* dialog_;
};

// An edit field whose context menu adds the copy actions to the usual editing ones.
class FieldEdit final : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override
    {
        if (DialogWindow* dialog = dialog_of(this))
            show_copy_menu(dialog, this, event->globalPos());
        else
            QLineEdit::contextMenuEvent(event);
    }
};

} // namespace

const std::vector<DialogWindow*>& modal_dialogs()
{
    return modal_stack();
}

// ---- Dialog units ---------------------------------------------------------------------

DialogUnits::DialogUnits(const QFont& font)
{
    QFontMetricsF metrics(font);
    double average = metrics.horizontalAdvance(
                         QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                     52.0;
    x = average / 4.0;
    y = metrics.height() / 8.0;
}

int DialogUnits::px_x(int units) const
{
    return qRound(units * x);
}
int DialogUnits::px_y(int units) const
{
    return qRound(units * y);
}

QRect DialogUnits::rect(const Rect& r) const
{
    int left = px_x(r.left);
    int top = px_y(r.top);
    return QRect(left, top, px_x(r.right) - left, px_y(r.bottom) - top);
}

// ---- The dialog -----------------------------------------------------------------------

DialogWindow::DialogWindow(Window owner, const DialogTemplate& tmpl, std::string_view title,
                           FieldList fields, Handler handler, bool modal)
    : QDialog(nullptr), owner_(owner), template_id_(tmpl.id), handler_(handler), modal_(modal),
      units_(QApplication::font())
{
    // A fixed-size frame with a caption and a close box; no help, minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(title.empty() ? qtext(tmpl.caption) : qtext(title));
    setFixedSize(units_.px_x(tmpl.width), units_.px_y(tmpl.height));
    prepare_window(this);
    add_controls(this, tmpl.controls);
    declare_fields(fields);
    if (auto* owner_dialog = dialog_of(owner)) {
        owner_dialog->own(this);
        // Keep the dialog above its owner on the desktop.
        create();
        if (owner_dialog->windowHandle() && windowHandle())
            windowHandle()->setTransientParent(owner_dialog->windowHandle());
    }
    if (!modal_) setAttribute(Qt::WA_DeleteOnClose, false);
}

DialogWindow::~DialogWindow()
{
    for (auto& window : owned_)
        delete window.data();
    auto& stack = modal_stack();
    stack.erase(std::remove(stack.begin(), stack.end(), this), stack.end());
}

QWidget* DialogWindow::control(int id) const
{
    auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

void DialogWindow::add_controls(QWidget* page, std::span<const ControlTemplate> controls)
{
    for (const ControlTemplate& c : controls) {
        QWidget* widget = nullptr;
        const int id = c.id;
        switch (c.kind) {
        case Ctl::Button:
        case Ctl::DefButton: {
            auto* button = new QPushButton(qtext(c.text), page);
            button->setDefault(c.kind == Ctl::DefButton);
            if (c.kind == Ctl::DefButton) default_button_ = button;
            button->setAccessibleName(spoken(c.text));
            connect(button, &QPushButton::clicked, this,
                    [this, id] { on_control(id, Change::activated); });
            widget = button;
            break;
        }
        case Ctl::Edit: {
            auto* edit = new FieldEdit(page);
            if (!keys_) grab_keys(); // a dialog with fields copies them as a table
            edit->setAccessibleName(qtext(c.name));
            // The user's edits only: the program's own writes are never heard.
            connect(edit, &QLineEdit::textEdited, this,
                    [this, id] { on_control(id, Change::modified); });
            widget = edit;
            break;
        }
        case Ctl::Text:
        case Ctl::TextCentre:
        case Ctl::TextRight: {
            auto* label = new QLabel(qtext(c.text), page);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            Qt::Alignment across = c.kind == Ctl::Text         ? Qt::AlignLeft
                                   : c.kind == Ctl::TextCentre ? Qt::AlignHCenter
                                                               : Qt::AlignRight;
            label->setAlignment(across | Qt::AlignVCenter);
            widget = label;
            break;
        }
        case Ctl::Bar: {
            auto* bar = new FractionBar(qtext(c.text), page);
            bar->setTextFormat(Qt::PlainText);
            widget = bar;
            break;
        }
        case Ctl::Group: {
            auto* group = new QGroupBox(qtext(c.text), page);
            group->setAttribute(Qt::WA_TransparentForMouseEvents);
            group->setFocusPolicy(Qt::NoFocus);
            widget = group;
            break;
        }
        case Ctl::DropList: {
            auto* list = new QComboBox(page);
            list->setAccessibleName(qtext(c.name));
            // A pick of the item already shown counts too, so a formula can be reopened.
            connect(list, &QComboBox::activated, this,
                    [this, id] { on_control(id, Change::selchanged); });
            widget = list;
            break;
        }
        case Ctl::Radio: {
            auto* radio = new QRadioButton(qtext(c.text), page);
            radio->setAccessibleName(spoken(c.text));
            connect(radio, &QRadioButton::clicked, this,
                    [this, id] { on_control(id, Change::activated); });
            widget = radio;
            break;
        }
        case Ctl::Custom:
            widget = create_custom_control(c.text ? c.text : "", page);
            break;
        case Ctl::Tabs:
            widget = tabs_ = new TabControl(page);
            grab_keys();
            break;
        }
        widget->setGeometry(units_.rect(c.rect));
        widget->setProperty("zarn_id", id);
        if (c.kind == Ctl::Group) widget->lower();
        widget->show();
        if (id != 0) controls_.emplace(id, widget);
    }
}

void DialogWindow::keep_default_button_last()
{
    if (!default_button_) return;
    // The last control Tab can reach (labels and frames take no focus).
    QWidget* last = previousInFocusChain();
    while (last != this && (last == default_button_ || last->focusPolicy() == Qt::NoFocus))
        last = last->previousInFocusChain();
    if (last != this) setTabOrder(last, default_button_);
}

void DialogWindow::declare_fields(FieldList fields)
{
    for (const FieldDecl& field : fields) {
        fields_.push_back(field);
        switch (field.kind) {
        case FieldKind::editreal:
        case FieldKind::editstr:
            if (auto* edit = qobject_cast<QLineEdit*>(control(field.id))) edit->clear();
            break;
        case FieldKind::list:
            if (auto* list = qobject_cast<QComboBox*>(control(field.id))) {
                QSignalBlocker quiet(list);
                list->clear();
                for (const char* item : field.items)
                    list->addItem(qtext(item));
                list->setCurrentIndex(0);
            }
            break;
        case FieldKind::radiobuttongroup:
            for (int id = field.id; id <= field.last_id; ++id)
                if (auto* radio = qobject_cast<QRadioButton*>(control(id)))
                    radio->setChecked(id == field.id);
            break;
        }
    }
}

Outcome DialogWindow::deliver(const Event& event)
{
    try {
        return handler_(this, event);
    } catch (const std::exception& error) {
        report_program_error(error);
    } catch (...) {
        report_program_error(std::runtime_error("An unexpected error ended the operation"));
    }
    return Handled;
}

void DialogWindow::on_control(int id, Change change)
{
    if (ended_) return;
    if (deliver({e_control, id, change}) == Handled || ended_) return;
    if (id == 1 && change == Change::activated) default_ok();
    if (id == 2) end(2);
}

// OK declined by the handler: every real field must hold a number or nothing.
void DialogWindow::default_ok()
{
    for (const FieldDecl& field : fields_) {
        if (field.kind != FieldKind::editreal) continue;
        auto* edit = qobject_cast<QLineEdit*>(control(field.id));
        if (!edit) continue;
        if (read_field_text(edit->text().toStdString()).kind == FieldText::NotANumber) {
            dlg_Error("??? must be an real");
            if (reveal_control) reveal_control(field.id);
            edit->setFocus();
            edit->selectAll();
            return;
        }
    }
    end(1);
}

void DialogWindow::reject()
{
    on_control(2, Change::activated);
}
void DialogWindow::accept()
{
    on_control(1, Change::activated);
}
void DialogWindow::done(int answer)
{
    end(answer == QDialog::Accepted ? 1 : 2);
}

void DialogWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (ended_) return;
    if (deliver({e_closerequest}) == Declined) end(2);
}

void DialogWindow::grab_keys()
{
    QList<QKeySequence> keys{copy_table_key};
    if (tabs_) {
        keys << next_sheet_key << previous_sheet_keys[0] << previous_sheet_keys[1];
        for (int digit = Qt::Key_1; digit <= Qt::Key_9; ++digit)
            keys << QKeySequence(Qt::CTRL | Qt::Key(digit));
    }
    if (!keys_) keys_ = new DialogKeys(this);
    keys_->setKeys(keys);
}

void DialogWindow::on_keys(const QKeySequence& keys)
{
    if (keys == copy_table_key) {
        copy_field_table(*this);
        return;
    }
    if (!tabs_) return;
    // Ctrl+Tab and Ctrl+Shift+Tab step through the sheets, round from the last to the first;
    // Ctrl+1 to Ctrl+9 show the first nine. The sheet shown takes the focus on its first
    // input.
    const int count = tabs_->sheets()->count();
    const int current = tabs_->current_sheet();
    int wanted = -1;
    if (keys == next_sheet_key)
        wanted = (current + 1) % count;
    else if (keys == previous_sheet_keys[0] || keys == previous_sheet_keys[1])
        wanted = (current + count - 1) % count;
    else if (keys[0].key() >= Qt::Key_1 && keys[0].key() <= Qt::Key_9)
        wanted = keys[0].key() - Qt::Key_1; // Ctrl and a digit, the only other keys
    if (wanted < 0 || wanted >= count) return;
    tabs_->show_sheet(wanted);
    focus_first_input(this, tabs_->sheets()->currentWidget());
}

void DialogWindow::contextMenuEvent(QContextMenuEvent* event)
{
    show_copy_menu(this, nullptr, event->globalPos());
}

bool DialogWindow::event(QEvent* e)
{
    if (e->type() == posted_event_type()) {
        deliver(static_cast<PostedEvent*>(e)->event);
        return true;
    }
    return QDialog::event(e);
}

int DialogWindow::run_modal()
{
    QWidget* owner_window = owner_ ? owner_->window() : nullptr;
    bool owner_enabled = owner_window && owner_window->isEnabled();
    if (owner_enabled) owner_window->setEnabled(false);
    modal_stack().push_back(this);

    if (owner_window && owner_window->isVisible() && !owner_window->isMinimized()) {
        move(owner_window->frameGeometry().center() - rect().center());
    } else if (QScreen* screen = QApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    if (!ended_) {
        show();
        raise();
        activateWindow();
        focus_first_input(this);
        QEventLoop loop;
        loop_ = &loop;
        if (!ended_) loop.exec(QEventLoop::DialogExec);
        loop_ = nullptr;
    }
    hide();
    auto& stack = modal_stack();
    stack.erase(std::remove(stack.begin(), stack.end(), this), stack.end());
    if (owner_enabled) {
        owner_window->setEnabled(true);
        if (owner_window->isVisible()) owner_window->activateWindow();
    }
    return answer_;
}

void DialogWindow::end(int answer)
{
    if (ended_) return;
    ended_ = true;
    answer_ = answer;
    if (modal_) {
        if (loop_) loop_->exit();
    } else {
        hide();
        deleteLater();
    }
}

FinalValues DialogWindow::final_values() const
{
    FinalValues values;
    for (const FieldDecl& field : fields_) {
        FinalValue value{field.id, field.kind, std::nullopt, {}, 0};
        if (auto* edit = qobject_cast<QLineEdit*>(control(field.id))) {
            value.text = edit->text().toStdString();
            FieldText read = read_field_text(value.text);
            if (read.kind == FieldText::Number) value.real = read.value;
        } else if (auto* list = qobject_cast<QComboBox*>(control(field.id))) {
            value.text = list->currentText().toStdString();
            value.selected = list->currentIndex();
        } else if (field.kind == FieldKind::radiobuttongroup) {
            for (int id = field.id; id <= field.last_id; ++id)
                if (auto* radio = qobject_cast<QRadioButton*>(control(id)))
                    if (radio->isChecked()) value.selected = id;
        }
        values.push_back(std::move(value));
    }
    return values;
}

DialogWindow* dialog_of(Window window)
{
    for (QWidget* w = window; w; w = w->parentWidget())
        if (auto* dialog = dynamic_cast<DialogWindow*>(w)) return dialog;
    return nullptr;
}

void focus_first_input(DialogWindow* dialog, QWidget* within)
{
    // Creation order is tab order: the first visible edit field or list takes the focus.
    QWidget* first = nullptr;
    for (QWidget* w = dialog->nextInFocusChain(); w && w != dialog; w = w->nextInFocusChain()) {
        if (!w->isVisibleTo(dialog) || !w->isEnabled()) continue;
        if (within && !within->isAncestorOf(w)) continue;
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)) {
            first = w;
            break;
        }
    }
    if (first) first->setFocus(Qt::OtherFocusReason);
}

void show_copy_menu(DialogWindow* dialog, QLineEdit* field, const QPoint& where)
{
    const bool fields = !field_table(*dialog).isEmpty();
    if (!field && !fields) return; // nothing to copy here: no menu
    // Built when asked for and gone once closed: a dialog carries no menu of its own.
    std::unique_ptr<QMenu> menu(field ? field->createStandardContextMenu() : new QMenu);
    if (field) {
        menu->addSeparator();
        QAction* value = menu->addAction(QStringLiteral("Copy &value"));
        value->setEnabled(!field->text().isEmpty());
        QObject::connect(value, &QAction::triggered, field,
                         [field] { copy_field_value(field->text()); });
    }
    QAction* table = menu->addAction(QStringLiteral("Copy as t&able"));
    // Shown in the menu; the dialog itself hears the key.
    table->setShortcut(copy_table_key);
    table->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(table, &QAction::triggered, dialog, [dialog] { copy_field_table(*dialog); });
    menu->exec(where);
}

} // namespace zarn
