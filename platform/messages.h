// All message boxes and the program-error report go through one sink: a box in the
// window, or a printed line under zarn-calc.
#pragma once

#include <exception>
#include <functional>
#include <string>

namespace zarn {

enum class BoxIcon { stop, information, warning };

struct Message {
    BoxIcon icon;
    std::string title;
    std::string text;
};

using MessageSink = std::function<void(const Message&)>;

// Replaces the sink; an empty sink restores the boxes of the window.
void set_message_sink(MessageSink sink);
void show_message(const Message& message);

// The "Program Error" report of a fault that ended an event.
void report_program_error(const std::exception& error);

} // namespace zarn
