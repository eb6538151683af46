// Shared by the widget tests.
#pragma once

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

} // namespace zarn::testing_support
