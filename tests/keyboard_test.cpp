// Keyboard use and screen readers over every sheet and dialog: Tab follows the reading
// order (inputs, Calculate, results, Close last), a formula dialog opens on its first
// input, Ctrl+Tab, Ctrl+Shift+Tab and Ctrl+1 to Ctrl+9 switch sheets, mnemonics press
// their buttons, and every field, list and button is named from its label.
#include "gui_test_support.h"

#include "cli/formula_catalog.h"
#include "platform/automation.h"
#include "platform/dialog_window.h"
#include "platform/frame_window.h"
#include "platform/tab_control.h"
#include "shell/shell.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace zarn {
namespace {

using testing_support::take_messages;
using testing_support::then;
using testing_support::with_formula_dialog;
using testing_support::with_program;

const char* const sheet_titles[] = {
    "Temperature", "Pressure", "Flow",  "Length", "Weight", "Volume",   "Area",      "Work/Force",
    "Power",       "Heat",     "Speed", "Light",  "Valves", "Humidity", "Wind Chill"};

TabControl* tabs_of(DialogWindow* calculator)
{
    return dynamic_cast<TabControl*>(calculator->control(10484));
}

// What Tab visits, from `from` round to it again: the widgets in the order they take the
// focus, played with real Tab keys.
std::vector<QWidget*> tab_cycle(QWidget* window, QWidget* from)
{
    std::vector<QWidget*> cycle{from};
    from->setFocus(Qt::TabFocusReason);
    for (int step = 0; step < 200; ++step) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        QWidget* now = window->focusWidget();
        if (now == from) return cycle;
        cycle.push_back(now);
    }
    ADD_FAILURE() << "Tab never came back to where it started";
    return cycle;
}

std::string describe(QWidget* w)
{
    return std::to_string(win_GetCtlId(w)) + " \"" + w->accessibleName().toStdString() + "\"";
}

// A formula's reading order, as zarn-calc knows its fields and buttons: every field a
// Calculate button reads comes before that button, and every result after a Calculate.
void expect_reading_order(const CatalogFormula& formula, const std::vector<int>& ids)
{
    const std::string name = formula_name(formula);
    auto place = [&ids](int id) {
        auto it = std::find(ids.begin(), ids.end(), id);
        return it == ids.end() ? -1 : int(it - ids.begin());
    };
    std::map<std::string, int> id_of;
    for (const CatalogField& field : formula.fields) {
        id_of[field.key] = field.id;
        EXPECT_GE(place(field.id), 0) << name << ": Tab never reaches " << field.key;
    }
    std::set<std::string> read;
    int first_calculate = int(ids.size());
    for (const CatalogButton& button : formula.buttons) {
        for (const char* key : button.inputs) {
            read.insert(key);
            if (button.id == as_typed) continue;
            EXPECT_LT(place(id_of[key]), place(button.id))
                << name << ": " << key << " comes after its Calculate";
        }
        if (button.id != as_typed) first_calculate = std::min(first_calculate, place(button.id));
    }
    for (const CatalogField& field : formula.fields)
        if (!read.count(field.key)) {
            EXPECT_GT(place(field.id), first_calculate)
                << name << ": the result " << field.key << " comes before Calculate";
        }
}

// Opens each formula dialog of the catalog as a user would and runs `steps` on it.
void for_each_formula_dialog(DialogWindow* calculator,
                             const std::function<void(const CatalogFormula&, DialogWindow*)>& steps)
{
    std::set<std::string> seen;
    for (const CatalogFormula& formula : formula_catalog()) {
        if (formula.picks.empty()) continue; // a calculator on a sheet
        std::string opened_by;
        for (const CatalogPick& pick : formula.picks)
            opened_by += std::string(pick.item) + "/";
        if (!seen.insert(opened_by).second) continue; // the same dialog once more
        ASSERT_TRUE(show_sheet(calculator, formula.sheet));
        for (size_t i = 0; i + 1 < formula.picks.size(); ++i)
            ASSERT_TRUE(user_pick(calculator, formula.picks[i].list_id, formula.picks[i].item));
        const CatalogPick& last = formula.picks.back();
        bool opened = with_formula_dialog(calculator, last.list_id, last.item,
                                          [&](DialogWindow* d) { steps(formula, d); });
        EXPECT_TRUE(opened) << formula_name(formula);
    }
}

std::vector<int> ids_of(const std::vector<QWidget*>& widgets)
{
    std::vector<int> ids;
    for (QWidget* w : widgets)
        ids.push_back(win_GetCtlId(w));
    return ids;
}

TEST(Keyboard, FormulaDialogsOpenOnTheirFirstInputAndTabInReadingOrder)
{
    with_program([](DialogWindow* calculator) {
        for_each_formula_dialog(calculator, [](const CatalogFormula& formula, DialogWindow* d) {
            const std::string name = formula_name(formula);
            QWidget* first = d->focusWidget();
            ASSERT_NE(first, nullptr) << name;
            EXPECT_TRUE(qobject_cast<QLineEdit*>(first)) << name << ": " << describe(first);
            std::vector<QWidget*> cycle = tab_cycle(d, first);
            // Round the cycle, the dialog's default button (Close) comes last: the first
            // input focused is the first control of the dialog.
            auto* close = qobject_cast<QPushButton*>(cycle.back());
            EXPECT_TRUE(close && close->isDefault()) << name << ": " << describe(cycle.back());
            expect_reading_order(formula, ids_of(cycle));
        });
        EXPECT_TRUE(take_messages().empty());
    });
}

// A sheet's controls in the order Tab visits them: each one below the one before, or in a
// column to its right; never back up the page. The sheet's own button comes last among
// them, then the calculator's Close, then the list of sheets.
TEST(Keyboard, SheetsTabInReadingOrder)
{
    with_program([](DialogWindow* calculator) {
        TabControl* tabs = tabs_of(calculator);
        ASSERT_NE(tabs, nullptr);
        for (const char* title : sheet_titles) {
            ASSERT_TRUE(show_sheet(calculator, title));
            std::vector<QWidget*> cycle = tab_cycle(calculator, tabs->titles());
            ASSERT_GE(cycle.size(), 3u) << title;
            EXPECT_EQ(cycle.back(), calculator->control(1)) << title;
            std::vector<QWidget*> sheet(cycle.begin() + 1, cycle.end() - 1);
            QWidget* page = tabs->sheets()->currentWidget();
            for (QWidget* w : sheet) {
                EXPECT_EQ(w->parentWidget(), page) << title << ": " << describe(w);
            }
            EXPECT_EQ(win_GetCtlId(sheet.back()), 1) << title;
            for (size_t i = 1; i < sheet.size(); ++i) {
                const QRect before = sheet[i - 1]->geometry();
                const QRect now = sheet[i]->geometry();
                EXPECT_TRUE(now.top() > before.top() || now.left() > before.right())
                    << title << ": " << describe(sheet[i - 1]) << " then " << describe(sheet[i]);
            }
            for (const CatalogFormula& formula : formula_catalog())
                if (formula.picks.empty() && formula.sheet == std::string(title))
                    expect_reading_order(formula, ids_of(sheet));
        }
    });
}

// Ctrl+Tab and Ctrl+Shift+Tab step through the sheets, round at either end, and
// Ctrl+1 to Ctrl+9 show the first nine, from wherever the focus is; the sheet shown takes
// the focus on its first input, and no key types into a field.
TEST(Keyboard, ControlKeysSwitchSheets)
{
    with_program([](DialogWindow* calculator) {
        TabControl* tabs = tabs_of(calculator);
        ASSERT_NE(tabs, nullptr);
        auto* fahrenheit = qobject_cast<QLineEdit*>(calculator->control(10462));
        ASSERT_TRUE(QTest::qWaitForWindowActive(calculator)); // keys go to the active window
        fahrenheit->setFocus();
        QTest::keyClicks(fahrenheit, "32");
        struct Step {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int sheet;       // shown after the key
            int first_input; // then focused
        };
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        const Qt::KeyboardModifiers ctrl_shift = Qt::ControlModifier | Qt::ShiftModifier;
        const Step steps[] = {
            {Qt::Key_Tab, ctrl, 1, 10430},
            {Qt::Key_Tab, ctrl, 2, 10135},
            {Qt::Key_Backtab, ctrl_shift, 1, 10430},
            {Qt::Key_Tab, ctrl_shift, 0, 10462},
            {Qt::Key_Tab, ctrl_shift, 14, 10010},
            {Qt::Key_Tab, ctrl, 0, 10462},
            {Qt::Key_9, ctrl, 8, 10273},
            {Qt::Key_6, ctrl, 5, 10325},
            {Qt::Key_1, ctrl, 0, 10462},
        };
        for (const Step& step : steps) {
            QTest::keyClick(calculator->focusWidget(), step.key, step.modifiers);
            EXPECT_EQ(tabs->current_sheet(), step.sheet)
                << QKeySequence(step.key | step.modifiers).toString().toStdString();
            EXPECT_EQ(calculator->focusWidget(), calculator->control(step.first_input))
                << step.sheet;
        }
        EXPECT_EQ(fahrenheit->text(), "32");
        // From the list of sheets and from the Close button too.
        for (QWidget* from : {static_cast<QWidget*>(tabs->titles()), calculator->control(1)}) {
            from->setFocus();
            QTest::keyClick(from, Qt::Key_4, ctrl);
            EXPECT_EQ(tabs->current_sheet(), 3);
            QTest::keyClick(calculator->focusWidget(), Qt::Key_Tab, ctrl);
            EXPECT_EQ(tabs->current_sheet(), 4);
            EXPECT_EQ(calculator->focusWidget(), calculator->control(10361));
        }
        EXPECT_TRUE(take_messages().empty());
    });
}

// A button pressed from the keyboard shows itself down for a moment before it clicks:
// let the events run until `done`, for two seconds at most.
bool events_until(const std::function<bool()>& done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 2000)
        QTest::qWait(10);
    return done();
}

// A mnemonic that only one button of the window shows presses that button, as a click
// would; Close on a formula dialog ends it as OK. Where several buttons share the letter
// (the Humidity sheet's two "&Calculate" and its "&Close", beside the calculator's own),
// it moves the focus among them and presses none.
TEST(Keyboard, MnemonicsPressTheirButtons)
{
    bool ended = false;
    with_program([&ended](DialogWindow* calculator) {
        ASSERT_TRUE(show_sheet(calculator, "Valves"));
        bool opened =
            with_formula_dialog(calculator, 10093, "Flow Coefficient - Water", [](DialogWindow* d) {
                ASSERT_TRUE(QTest::qWaitForWindowActive(d));
                QTest::keyClick(d->focusWidget(), Qt::Key_C, Qt::AltModifier);
                EXPECT_TRUE(events_until([d] { return d->ended(); }));
                EXPECT_EQ(d->answer(), 1);
            });
        EXPECT_TRUE(opened);
        ASSERT_TRUE(show_sheet(calculator, "Humidity"));
        ASSERT_TRUE(QTest::qWaitForWindowActive(calculator));
        user_replace_text(calculator, 10021, "80");
        user_replace_text(calculator, 10023, "70");
        QWidget* before = calculator->focusWidget();
        QTest::keyClick(before, Qt::Key_C, Qt::AltModifier);
        // Only the focus moves: a button being pressed would show itself down at once.
        auto* button = qobject_cast<QPushButton*>(calculator->focusWidget());
        ASSERT_NE(button, nullptr);
        EXPECT_NE(button, before);
        EXPECT_FALSE(button->isDown());

        ASSERT_TRUE(show_sheet(calculator, "Length"));
        calculator->control(10381)->setFocus();
        QTest::keyClick(calculator->control(10381), Qt::Key_O, Qt::AltModifier);
        ended = events_until([] { return application_ended(); });
    });
    EXPECT_TRUE(ended) << "Alt+O did not press the Length sheet's OK";
}

// Screen readers say what a control is for: every edit field, list and button of every
// dialog has a name, a field's name is its label (unique in its dialog or sheet, so that a
// copied table says which value is which), a button's its caption.
void expect_named_controls(QWidget* window, const std::string& what)
{
    std::map<QWidget*, std::set<QString>> field_names; // per sheet (or dialog)
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->property("zarn_id").isValid()) continue;
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w)) {
            EXPECT_FALSE(w->accessibleName().isEmpty()) << what << ": " << describe(w);
            if (qobject_cast<QLineEdit*>(w)) {
                EXPECT_TRUE(field_names[w->parentWidget()].insert(w->accessibleName()).second)
                    << what << ": a second field named " << describe(w);
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            EXPECT_EQ(button->accessibleName(), QString(button->text()).remove(u'&'))
                << what << ": " << describe(w);
        }
    }
}

DialogWindow* newest_window_titled(const QString& title)
{
    DialogWindow* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == title) found = dynamic_cast<DialogWindow*>(w);
    return found;
}

TEST(Accessibility, EveryDialogNamesItsFieldsListsAndButtons)
{
    with_program([](DialogWindow* calculator) {
        expect_named_controls(calculator, "calculator");
        for_each_formula_dialog(calculator, [](const CatalogFormula& formula, DialogWindow* d) {
            expect_named_controls(d, formula_name(formula));
            // The reference windows some dialogs open beside them.
            for (auto [button, title] :
                 {std::pair{10102, "flowcoefficients"}, std::pair{10173, "Wire sizes"}}) {
                if (!d->control(button)) continue;
                user_click(d, button);
                DialogWindow* reference = newest_window_titled(title);
                ASSERT_NE(reference, nullptr) << title;
                expect_named_controls(reference, title);
            }
        });
        QTest::keyClick(calculator, Qt::Key_Escape);
        then([] {
            bool seen = false;
            then([&seen] {
                DialogWindow* about = modal_dialogs().back();
                expect_named_controls(about, "About");
                seen = true;
                user_click(about, 1);
            });
            dlg_about_dialog_Create(task_window()); // returns when the box is closed
            EXPECT_TRUE(seen);
            end_application();
        });
    });
}

} // namespace
} // namespace zarn
