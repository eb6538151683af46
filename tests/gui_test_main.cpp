// Widget tests run offscreen, with message boxes recorded instead of shown, so that an
// unexpected box fails a test instead of hanging it.
#include "gui_test_support.h"

#include "platform/application.h"
#include "platform/automation.h"
#include "platform/frame_window.h"
#include "shell/shell.h"

#include <QByteArray>
#include <QtGlobal>

#include <memory>

#include <gtest/gtest.h>

namespace zarn::testing_support {

std::vector<Message>& recorded_messages()
{
    static std::vector<Message> messages;
    return messages;
}

std::vector<std::string> take_messages()
{
    std::vector<std::string> lines;
    for (const Message& m : recorded_messages())
        lines.push_back(m.title + ": " + m.text);
    recorded_messages().clear();
    return lines;
}

namespace {
int pending_program_steps = 0;
} // namespace

void then(std::function<void()> step)
{
    ++pending_program_steps;
    QTimer::singleShot(0, [step = std::move(step)] {
        step();
        if (--pending_program_steps == 0 && !application_ended()) end_application();
    });
}

void with_program(std::function<void(DialogWindow* calculator)> steps)
{
    start_zarn_calculator();
    then([steps] {
        if (modal_dialogs().empty()) {
            ADD_FAILURE() << "the calculator did not open";
            return;
        }
        steps(modal_dialogs().back());
    });
    QCoreApplication::exec();
    delete task_window();
}

bool with_formula_dialog(DialogWindow* calculator, int list_id, const char* item,
                         std::function<void(DialogWindow* dialog)> steps)
{
    auto opened = std::make_shared<bool>(false);
    when_running([opened, steps] {
        if (modal_dialogs().size() < 2) return;
        DialogWindow* dialog = modal_dialogs().back();
        *opened = true;
        steps(dialog);
        if (!dialog->ended()) dialog->end(2);
    });
    EXPECT_TRUE(user_pick(calculator, list_id, item)) << item;
    if (!*opened) QCoreApplication::processEvents(); // let the pending step go by
    return *opened;
}

} // namespace zarn::testing_support

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    testing::InitGoogleTest(&argc, argv);
    zarn::Application app(argc, argv);
    zarn::set_message_sink(
        [](const zarn::Message& m) { zarn::testing_support::recorded_messages().push_back(m); });
    return RUN_ALL_TESTS();
}
