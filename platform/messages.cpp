#include "platform/messages.h"

#include "platform/dialog_window.h"
#include "platform/platform.h"

#include <QApplication>
#include <QMessageBox>

namespace zarn {
namespace {

MessageSink& current_sink()
{
    static MessageSink sink;
    return sink;
}

void show_box(const Message& message)
{
    QMessageBox::Icon icon = message.icon == BoxIcon::stop          ? QMessageBox::Critical
                             : message.icon == BoxIcon::information ? QMessageBox::Information
                                                                    : QMessageBox::Warning;
    const auto& stack = modal_dialogs();
    QWidget* parent = stack.empty() ? QApplication::activeWindow() : stack.back();
    QMessageBox box(icon, QString::fromStdString(message.title),
                    QString::fromStdString(message.text), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void set_message_sink(MessageSink sink)
{
    current_sink() = std::move(sink);
}

void show_message(const Message& message)
{
    if (current_sink())
        current_sink()(message);
    else
        show_box(message);
}

void report_program_error(const std::exception& error)
{
    show_message({BoxIcon::stop, "Program Error", error.what()});
}

void dlg_Error(std::string_view text)
{
    show_message({BoxIcon::stop, "Error", std::string(text)});
}

void dlg_Note(std::string_view title, std::string_view text)
{
    show_message({BoxIcon::information, std::string(title), std::string(text)});
}

} // namespace zarn
