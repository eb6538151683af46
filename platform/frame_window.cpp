#include "platform/frame_window.h"

#include "platform/dialog_window.h"
#include "platform/messages.h"
#include "platform/qt_text.h"
#include "platform/services.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace zarn {
namespace {

QPointer<FrameWindow>& current_task_window()
{
    static QPointer<FrameWindow> window;
    return window;
}

// Minimised child windows in a row along the bottom of the client area.
void arrange_icons(QMdiArea* area)
{
    int x = 0;
    for (QMdiSubWindow* child : area->subWindowList()) {
        if (!child->isMinimized()) continue;
        child->move(x, area->viewport()->height() - child->height());
        x += child->width();
    }
}

} // namespace

FrameWindow* task_window()
{
    return current_task_window();
}

FrameWindow::FrameWindow(Handler handler) : handler_(handler), area_(new QMdiArea(this))
{
    prepare_window(this);
    setCentralWidget(area_);
    area_->setAccessibleName(QStringLiteral("Windows"));
    area_->viewport()->installEventFilter(this);
}

Outcome FrameWindow::deliver(const Event& event)
{
    try {
        return handler_(this, event);
    } catch (const std::exception& error) {
        report_program_error(error);
    }
    return Handled;
}

bool FrameWindow::event(QEvent* e)
{
    if (e->type() == posted_event_type()) {
        if (!destroyed_) deliver(static_cast<PostedEvent*>(e)->event);
        return true;
    }
    return QMainWindow::event(e);
}

void FrameWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    if (!destroyed_ && deliver({e_closerequest}) == Declined) destroy_window();
}

// The client area's size is what the handler cares about: it is watched directly, so that
// children re-fitted on e_size see its new size.
bool FrameWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == area_->viewport() && event->type() == QEvent::Resize && !destroyed_)
        deliver({e_size});
    return QMainWindow::eventFilter(watched, event);
}

void FrameWindow::destroy_window()
{
    if (destroyed_) return;
    destroyed_ = true;
    // Innermost first, so that each dialog's caller sees it ended as cancelled.
    std::vector<DialogWindow*> open(modal_dialogs().rbegin(), modal_dialogs().rend());
    for (DialogWindow* dialog : open)
        dialog->end(2);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && !dynamic_cast<DialogWindow*>(window)) window->hide();
    deliver({e_destroy});
    hide();
    QCoreApplication::exit(0);
}

namespace {

// The menu resource in the frame's menu bar, with the accelerators of its items, and in
// frame mode the platform's own popup for arranging the child windows.
void build_menu(FrameWindow* frame, int menu_id)
{
    if (const MenuResource* menu = find_menu(menu_id)) {
        for (const MenuPopup& popup : menu->popups) {
            QMenu* items = frame->menuBar()->addMenu(QString::fromUtf8(popup.title));
            for (const MenuItem& item : popup.items) {
                if (item.id == 0) {
                    items->addSeparator();
                    continue;
                }
                QAction* action = items->addAction(QString::fromUtf8(item.text));
                if (item.shortcut)
                    action->setShortcut(QKeySequence(QString::fromUtf8(item.shortcut)));
                const int id = item.id;
                QObject::connect(action, &QAction::triggered, frame, [frame, id] {
                    frame->deliver({e_menu, id});
                });
            }
        }
    }
    if (!platform_frame_mode()) return;
    QMdiArea* area = frame->client_area();
    QMenu* window_menu = frame->menuBar()->addMenu(QStringLiteral("&Window"));
    QObject::connect(window_menu->addAction(QStringLiteral("&Tile")), &QAction::triggered, area,
                     &QMdiArea::tileSubWindows);
    QObject::connect(window_menu->addAction(QStringLiteral("&Cascade")), &QAction::triggered, area,
                     &QMdiArea::cascadeSubWindows);
    QObject::connect(window_menu->addAction(QStringLiteral("&Arrange Icons")), &QAction::triggered,
                     area, [area] { arrange_icons(area); });
}

} // namespace

Window win_CreateTaskWindow(const TaskWindowAttributes& attributes, Handler handler, int menu_id,
                            std::string_view app_name, std::string_view title)
{
    QCoreApplication::setApplicationName(qtext(app_name));
    auto* frame = new FrameWindow(handler);
    current_task_window() = frame;
    frame->setWindowTitle(qtext(title));
    frame->resize(640, 420);
    if (!attributes.minimised) {
        build_menu(frame, menu_id);
        show_program_icon();
        frame->deliver({e_create});
        frame->show();
        return frame;
    }
    // A minimised task window is only an icon, disabled while the calculator its creation
    // opens is up: its menu, the program's icon and its showing wait until the event loop
    // runs, after that dialog, which the user sees first and which keeps the focus.
    frame->setWindowState(Qt::WindowMinimized);
    frame->setAttribute(Qt::WA_ShowWithoutActivating);
    frame->deliver({e_create});
    QMetaObject::invokeMethod(
        frame,
        [frame, menu_id] {
            if (frame->destroyed()) return;
            build_menu(frame, menu_id);
            show_program_icon();
            frame->show();
            if (!modal_dialogs().empty()) modal_dialogs().back()->activateWindow();
        },
        Qt::QueuedConnection);
    return frame;
}

Window MSG_CREATE(Window parent, std::string_view title, int max_lines)
{
    auto* frame = dynamic_cast<FrameWindow*>(parent);
    if (!frame) throw std::logic_error("the message window needs the task window");
    auto* text = new QPlainTextEdit;
    text->setReadOnly(true);
    text->setMaximumBlockCount(max_lines);
    text->setAccessibleName(qtext(title));
    QMdiSubWindow* child = frame->client_area()->addSubWindow(text);
    child->setWindowTitle(qtext(title));
    child->show();
    return child;
}

void msg_Resize(Window message_window)
{
    auto* child = qobject_cast<QMdiSubWindow*>(message_window);
    if (!child || !child->mdiArea() || child->isMinimized() || child->isMaximized()) return;
    child->setGeometry(child->mdiArea()->viewport()->rect());
}

} // namespace zarn
