// The shell and the calculator as a user meets them: start-up order, the fifteen sheets and
// their controls, and the ways to close the calculator.
#include "gui_test_support.h"

#include "platform/automation.h"
#include "platform/dialog_window.h"
#include "platform/frame_window.h"
#include "platform/help_window.h"
#include "platform/services.h"
#include "platform/tab_control.h"
#include "resources/resources.h"
#include "shell/shell.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace zarn {
namespace {

using testing_support::take_messages;
using testing_support::then;
using testing_support::with_program;

constexpr int sheet_templates[] = {10461, 10429, 10133, 10379, 10359, 10323, 10303, 10278,
                                   10270, 10245, 10229, 10471, 10091, 10018, 10008};

QAction* menu_action(const char* text)
{
    for (QAction* action : task_window()->menuBar()->findChildren<QAction*>())
        if (action->text() == QString::fromUtf8(text)) return action;
    return nullptr;
}

TEST(Calculator, OpensAtOnceOverTheMinimisedTaskWindow)
{
    with_program([](DialogWindow* calculator) {
        EXPECT_EQ(calculator->windowTitle(), "Zarn Calculator ver1.1");
        EXPECT_TRUE(calculator->isVisible());
        FrameWindow* frame = task_window();
        EXPECT_EQ(frame->windowTitle(), "Zarn Calculator");
        EXPECT_TRUE(frame->isMinimized());
        EXPECT_FALSE(frame->isEnabled()); // the calculator is modal to it
        EXPECT_EQ(win_GetParent(calculator), frame);
        auto* tabs = dynamic_cast<TabControl*>(calculator->control(10484));
        ASSERT_NE(tabs, nullptr);
        EXPECT_EQ(tabs->current_sheet(), 0);
        // The titles stand in a list along the left edge, beside the sheets.
        EXPECT_LT(tabs->titles()->geometry().right(), tabs->sheets()->geometry().left());
        QStringList titles;
        for (int i = 0; i < tabs->titles()->count(); ++i)
            titles << tabs->titles()->item(i)->text();
        EXPECT_EQ(titles, QStringList({"Temperature", "Pressure", "Flow", "Length", "Weight",
                                       "Volume", "Area", "Work/Force", "Power", "Heat", "Speed",
                                       "Light", "Valves", "Humidity", "Wind Chill"}));
        // All fifteen titles are visible at once, without scrolling.
        EXPECT_FALSE(tabs->titles()->verticalScrollBar()->isVisible());
        for (int id : edit_ids(calculator)) {
            EXPECT_EQ(win_GetText(calculator->control(id)), "") << id;
        }
    });
}

TEST(Calculator, ListsStartOnTheirFirstItems)
{
    with_program([](DialogWindow* calculator) {
        EXPECT_EQ(dialog_GetListButton(calculator, 10273).text, "Amperes - horsepower known");
        EXPECT_EQ(dialog_GetListButton(calculator, 10275).text, "Select Current Type...");
        EXPECT_EQ(dialog_GetListButton(calculator, 10277).text, "Select a formula...");
        for (int id : {10430, 10135, 10256, 10093}) {
            EXPECT_EQ(dialog_GetListButton(calculator, id).index, 0) << id;
        }
        auto* other = qobject_cast<QComboBox*>(calculator->control(10277));
        ASSERT_NE(other, nullptr);
        EXPECT_EQ(other->count(), 8);
        EXPECT_EQ(other->itemText(7), "Voltage drop");
    });
}

// Apart from the id-1 buttons, no two controls of the calculator share an id.
TEST(Calculator, ControlIdsAreUniqueExceptTheOneButtons)
{
    std::map<int, int> count;
    std::vector<const DialogTemplate*> all{find_template(10483)};
    for (int id : sheet_templates)
        all.push_back(find_template(id));
    int one_buttons = 0;
    for (const DialogTemplate* tmpl : all) {
        ASSERT_NE(tmpl, nullptr);
        for (const ControlTemplate& c : tmpl->controls) {
            if (c.id == 1)
                ++one_buttons;
            else if (c.id != 0)
                ++count[c.id];
        }
    }
    EXPECT_EQ(one_buttons, 16);
    for (const auto& [id, n] : count) {
        EXPECT_EQ(n, 1) << "id " << id;
    }
}

// Screen readers and outside checks find each field, list and button by what it says.
TEST(Calculator, EveryFieldListAndButtonHasAnAccessibleName)
{
    with_program([](DialogWindow* calculator) {
        for (QWidget* w : calculator->findChildren<QWidget*>()) {
            bool named = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                         qobject_cast<QAbstractButton*>(w) || qobject_cast<QListWidget*>(w);
            if (named && w->property("zarn_id").isValid())
                EXPECT_FALSE(w->accessibleName().isEmpty()) << win_GetCtlId(w);
        }
        EXPECT_EQ(calculator->control(10464)->accessibleName(), "Celsius");
        EXPECT_EQ(calculator->control(1)->accessibleName(), "Close");
    });
}

TEST(Calculator, SheetsKeepTheirTextsAndAFieldOnAHiddenSheetIsShownFirst)
{
    with_program([](DialogWindow* calculator) {
        auto* tabs = dynamic_cast<TabControl*>(calculator->control(10484));
        user_replace_text(calculator, 10021, "72");
        EXPECT_EQ(tabs->current_sheet(), 13);
        ASSERT_TRUE(show_sheet(calculator, "Temperature"));
        ASSERT_TRUE(show_sheet(calculator, "Humidity"));
        EXPECT_EQ(win_GetText(calculator->control(10021)), "72");
        EXPECT_FALSE(show_sheet(calculator, "Nothing"));
    });
}

// Real keystrokes in a unit field: each one converts the rest of the sheet, and the field
// being typed in keeps exactly what was typed (never rewritten, even when it holds more
// decimals than the sheet shows). Text that is not yet a number, or none, changes nothing.
TEST(Calculator, KeystrokesConvertTheSheetAndNeverEchoIntoTheTypedField)
{
    with_program([](DialogWindow* calculator) {
        auto* celsius = qobject_cast<QLineEdit*>(calculator->control(10464));
        ASSERT_NE(celsius, nullptr);
        celsius->setFocus();
        auto others = [calculator] {
            return win_GetText(calculator->control(10462)) + " " +
                   win_GetText(calculator->control(10466)) + " " +
                   win_GetText(calculator->control(10468));
        };
        struct Keystroke {
            QString key;
            const char* field;  // the Celsius field after the keystroke
            const char* others; // Fahrenheit, Kelvin, Rankin
        };
        const Keystroke keystrokes[] = {
            {"-", "-", "  "},
            {"\b", "", "  "},
            {"1", "1", "33.8 274.15 493.47"},
            {"0", "10", "50 283.15 509.67"},
            {"0", "100", "212 373.15 671.67"},
            {".", "100.", "212 373.15 671.67"},
            {"0", "100.0", "212 373.15 671.67"},
            {"0", "100.00", "212 373.15 671.67"},
            {"001", "100.00001", "212 373.15 671.67"},
            {"x", "100.00001x", "212 373.15 671.67"},
            {"\b\b\b\b\b\b\b\b\b", "1", "33.8 274.15 493.47"},
            {"\b", "", "33.8 274.15 493.47"},
        };
        for (const Keystroke& k : keystrokes) {
            for (QChar c : k.key) {
                if (c == u'\b')
                    QTest::keyClick(celsius, Qt::Key_Backspace);
                else
                    QTest::keyClicks(celsius, QString(c));
            }
            EXPECT_EQ(celsius->text().toStdString(), k.field);
            EXPECT_EQ(celsius->cursorPosition(), celsius->text().size()) << k.field;
            EXPECT_EQ(others(), k.others) << "after \"" << k.field << "\"";
        }
        // A written field shows its first digits, whatever its width.
        auto* fahrenheit = qobject_cast<QLineEdit*>(calculator->control(10462));
        EXPECT_EQ(fahrenheit->cursorPosition(), 0);
        EXPECT_TRUE(take_messages().empty());
    });
}

struct CloseCase {
    const char* how;
    std::function<void(DialogWindow*)> act;
};

// The close box, the dialog's Close, any sheet's id-1 button and Enter end the application.
TEST(Calculator, ClosingItEndsTheApplication)
{
    const CloseCase cases[] = {
        {"close box", [](DialogWindow* c) { c->close(); }},
        {"Close button", [](DialogWindow* c) { user_click(c, 1); }},
        {"Enter in a field",
         [](DialogWindow* c) { QTest::keyClick(c->control(10462), Qt::Key_Return); }},
        {"a sheet's OK button",
         [](DialogWindow* c) {
             ASSERT_TRUE(show_sheet(c, "Length"));
             for (QAbstractButton* b : c->findChildren<QAbstractButton*>())
                 if (b->property("zarn_id").toInt() == 1 && b->isVisible() && b != c->control(1))
                     b->click();
         }},
    };
    for (const CloseCase& c : cases) {
        bool ended = false;
        with_program([&](DialogWindow* calculator) {
            c.act(calculator);
            ended = application_ended();
        });
        EXPECT_TRUE(ended) << c.how;
    }
    EXPECT_TRUE(take_messages().empty());
}

TEST(Calculator, EscapeLeavesTheTaskWindowWhoseMenuStartsAFreshCalculator)
{
    with_program([](DialogWindow* calculator) {
        user_replace_text(calculator, 10010, "12");
        show_sheet(calculator, "Wind Chill");
        QTest::keyClick(calculator->control(10010), Qt::Key_Escape);
        // The calculator's loop ends once this step returns; look again then.
        then([] {
            EXPECT_TRUE(modal_dialogs().empty());
            FrameWindow* frame = task_window();
            ASSERT_FALSE(application_ended());
            EXPECT_TRUE(frame->isEnabled());
            auto* messages = frame->client_area()->subWindowList().value(0);
            ASSERT_NE(messages, nullptr);
            EXPECT_EQ(messages->windowTitle(), "Messages");
            auto* text = qobject_cast<QPlainTextEdit*>(messages->widget());
            ASSERT_NE(text, nullptr);
            EXPECT_TRUE(text->toPlainText().isEmpty());
            EXPECT_EQ(text->maximumBlockCount(), 100);

            QAction* start = menu_action("&Start Calculator");
            ASSERT_NE(start, nullptr);
            EXPECT_EQ(start->shortcut(), QKeySequence(Qt::Key_F7));
            then([] {
                ASSERT_EQ(modal_dialogs().size(), 1u);
                DialogWindow* fresh = modal_dialogs().back();
                auto* tabs = dynamic_cast<TabControl*>(fresh->control(10484));
                EXPECT_EQ(tabs->current_sheet(), 0);
                EXPECT_EQ(win_GetText(fresh->control(10010)), "");
                QAction* exit = menu_action("E&xit");
                ASSERT_NE(exit, nullptr);
                EXPECT_FALSE(task_window()->isEnabled()); // the menu waits for the calculator
                end_application();
            });
            start->trigger();
        });
    });
}

TEST(Calculator, ExitEndsTheApplication)
{
    with_program([](DialogWindow* calculator) {
        QTest::keyClick(calculator, Qt::Key_Escape);
        then([] {
            ASSERT_FALSE(application_ended());
            menu_action("E&xit")->trigger();
            EXPECT_TRUE(application_ended());
        });
    });
}

// The help opens beside the program, at its contents page, from Help > Contents (Ctrl+F1).
TEST(Calculator, HelpOpensAtItsContentsPage)
{
    with_program([](DialogWindow* calculator) {
        QTest::keyClick(calculator, Qt::Key_Escape);
        then([] {
            QAction* contents = menu_action("&Contents");
            ASSERT_NE(contents, nullptr);
            EXPECT_EQ(contents->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F1));
            contents->trigger();
            EXPECT_TRUE(take_messages().empty());
            HelpWindow* window = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* found = dynamic_cast<HelpWindow*>(w)) window = found;
            ASSERT_NE(window, nullptr);
            EXPECT_TRUE(window->isVisible());
            QTextBrowser* help = window->browser();
            EXPECT_TRUE(help->source().path().endsWith("share/zarn-calculator/help/index.html"));
            EXPECT_TRUE(help->toPlainText().contains("Contents"));
            window->close();
            end_application();
        });
    });
}

TEST(Calculator, AboutShowsTheProductAndVersion)
{
    with_program([](DialogWindow* calculator) {
        QTest::keyClick(calculator, Qt::Key_Escape);
        then([] {
            bool seen = false;
            then([&seen] {
                DialogWindow* about = modal_dialogs().back();
                EXPECT_EQ(about->windowTitle(), "About");
                EXPECT_EQ(win_GetText(about->control(10486)), "Zarn Calculator");
                EXPECT_EQ(win_GetText(about->control(10487)), "Version 1.2");
                EXPECT_FALSE(win_GetText(about->control(10488)).empty());
                EXPECT_FALSE(win_GetText(about->control(10489)).empty());
                seen = true;
                user_click(about, 1);
            });
            menu_action("&About")->trigger(); // returns when the box is closed
            EXPECT_TRUE(seen);
            EXPECT_TRUE(modal_dialogs().empty());
            end_application();
        });
    });
}

} // namespace
} // namespace zarn
