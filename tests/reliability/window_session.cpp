// Linked with the window program's own main (shell/main.cpp, unchanged) into
// zarn-calculator-session: once the application object exists, a timer plays one user
// session through the real windows, from start-up to the end of the program, so that the
// sanitizers watch the whole life of the window program. The session is named by the first
// argument:
//   close-box     closes the calculator by its close box;
//   escape-exit   Escape, then the task window's Help > Contents (the pages must be the
//                 ones beside the program, whatever the working directory holds),
//                 Help > About (OK), File > Start Calculator, a formula dialog with two
//                 charts beside it, Escape twice and File > Exit, the help still open.
// Should the program end before the session has been played, it fails.
#include "platform/automation.h"
#include "platform/dialog_window.h"
#include "platform/frame_window.h"
#include "platform/help_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using zarn::Window;

constexpr int calculator_template = 10483;
constexpr int about_template = 10485;

// A step of the session: what it waits for, and what the user then does. The step counts
// as played before it acts, because acting may open a modal dialog whose own event loop
// plays the steps that follow.
struct Step {
    std::function<Window()> ready; // the window to act on once it is there, else nullptr
    std::function<void(Window)> act;
};

zarn::DialogWindow* top_dialog()
{
    auto* dialog = zarn::dialog_of(zarn::active_dialog());
    return dialog && dialog->isVisible() && !dialog->ended() ? dialog : nullptr;
}

// The dialog of this template when it is the one a user can reach.
std::function<Window()> dialog_open(int template_id)
{
    return [template_id]() -> Window {
        auto* dialog = top_dialog();
        return dialog && dialog->template_id() == template_id ? dialog : nullptr;
    };
}

// Any formula dialog over the calculator.
Window formula_open()
{
    auto* dialog = top_dialog();
    return dialog && dialog->template_id() != calculator_template ? dialog : nullptr;
}

// The task window when no dialog is open.
Window only_task_window()
{
    return zarn::active_dialog() ? nullptr : zarn::task_window();
}

Window help_open()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* help = dynamic_cast<zarn::HelpWindow*>(w); help && help->isVisible()) return help;
    return nullptr;
}

// The help shows the contents page of the folder beside the program.
void check_help_source(Window window)
{
    auto* help = dynamic_cast<zarn::HelpWindow*>(window);
    const QString beside_program = QDir(QCoreApplication::applicationDirPath() +
                                        QStringLiteral("/../share/zarn-calculator/help"))
                                       .canonicalPath();
    const QString shown = QFileInfo(help->browser()->source().toLocalFile()).canonicalFilePath();
    if (shown != beside_program + QStringLiteral("/index.html")) {
        std::fprintf(stderr, "zarn-calculator-session: the help shows %s, not the contents in %s\n",
                     qPrintable(shown), qPrintable(beside_program));
        std::_Exit(1);
    }
}

void trigger_menu(const QString& text)
{
    for (QAction* popup : zarn::task_window()->menuBar()->actions())
        if (QMenu* menu = popup->menu())
            for (QAction* action : menu->actions())
                if (action->text() == text) return action->trigger();
    std::fprintf(stderr, "zarn-calculator-session: no menu item %s\n", qPrintable(text));
    std::_Exit(1);
}

std::vector<Step> close_box_session()
{
    return {
        {dialog_open(calculator_template), [](Window d) { d->close(); }},
    };
}

std::vector<Step> escape_exit_session()
{
    return {
        {dialog_open(calculator_template), zarn::user_escape},
        {only_task_window, [](Window) { trigger_menu("&Contents"); }},
        {help_open, check_help_source},
        {only_task_window, [](Window) { trigger_menu("&About"); }},
        {dialog_open(about_template), [](Window d) { zarn::user_click(d, 1); }},
        {only_task_window, [](Window) { trigger_menu("&Start Calculator"); }},
        {dialog_open(calculator_template),
         [](Window d) {
             zarn::user_replace_text(d, 10464, "100");
             zarn::user_pick(d, 10135, "Velocity Two");
         }},
        {formula_open,
         [](Window d) {
             zarn::user_click(d, 10102); // a flow coefficient chart beside it, twice
             zarn::user_click(d, 10102);
             zarn::user_escape(d);
         }},
        {dialog_open(calculator_template), zarn::user_escape},
        {only_task_window, [](Window) { trigger_menu("E&xit"); }},
    };
}

size_t next = 0;
std::vector<Step> steps;

void check_played()
{
    if (next == steps.size()) return;
    std::fprintf(stderr, "zarn-calculator-session: the program ended before step %zu\n", next + 1);
    std::_Exit(1);
}

void drive()
{
    const QStringList args = QCoreApplication::arguments();
    const QString name = args.size() > 1 ? args[1] : QString();
    if (name == "close-box") {
        steps = close_box_session();
    } else if (name == "escape-exit") {
        steps = escape_exit_session();
    } else {
        std::fprintf(stderr, "usage: zarn-calculator-session close-box | escape-exit\n");
        std::exit(2);
    }
    qAddPostRoutine(check_played);
    static int waited = 0;
    auto* timer = new QTimer(qApp);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer] {
        if (next == steps.size()) return timer->stop();
        if (Window window = steps[next].ready()) {
            waited = 0;
            // Acted on from a call of its own: should it open a modal dialog, this timer
            // keeps firing in the dialog's event loop (a timer never fires inside itself).
            QTimer::singleShot(0, [act = steps[next++].act, window] { act(window); });
        } else if (++waited > 3000) { // a minute
            std::fprintf(stderr, "zarn-calculator-session: step %zu never came about\n", next + 1);
            std::_Exit(1);
        }
    });
    timer->start();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(drive)
