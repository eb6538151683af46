// Shared by the widget tests.
#pragma once

#include "platform/dialog_window.h"
#include "platform/messages.h"

#include <QCoreApplication>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace zarn::testing_support {

// Message boxes shown since the last call, as "TITLE: TEXT".
std::vector<std::string> take_messages();
std::vector<Message>& recorded_messages();

// Runs `steps` once the event loop (a modal dialog's, usually) is running.
inline void when_running(std::function<void()> steps)
{
    QTimer::singleShot(0, std::move(steps));
}

// Starts the program as a user would and runs `steps` on the calculator once it is open.
// A step may schedule further steps with `then`, to look again once a dialog it ended
// has gone or to act inside a dialog it is about to open; the program ends after the last
// step (or when a step ends it), so that nothing of one test runs in the next.
void with_program(std::function<void(DialogWindow* calculator)> steps);
void then(std::function<void()> step);

// Picks `item` in the calculator's list and runs `steps` on the dialog that opens, which
// is closed afterwards if the steps leave it open. False when no dialog opened.
bool with_formula_dialog(DialogWindow* calculator, int list_id, const char* item,
                         std::function<void(DialogWindow* dialog)> steps);

} // namespace zarn::testing_support
