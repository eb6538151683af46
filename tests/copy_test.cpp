// Copying what the calculator and the formula dialogs show: "Copy as table" (Ctrl+Shift+C
// or the context menu) gives the showing sheet's or dialog's fields as label<TAB>value
// lines in plain ASCII, whatever the locale; "Copy value" on a field gives its text.
#include "gui_test_support.h"

#include "platform/automation.h"
#include "platform/dialog_window.h"
#include "platform/field_table.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>

namespace zarn {
namespace {

using testing_support::take_messages;
using testing_support::with_formula_dialog;
using testing_support::with_program;

std::string clipboard()
{
    return QGuiApplication::clipboard()->text().toStdString();
}

void copy_with_keys(QWidget* focus)
{
    QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
}

// A decimal-comma locale in force while a test runs.
struct GermanLocale {
    GermanLocale() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    ~GermanLocale() { QLocale::setDefault(QLocale::c()); }
};

TEST(Copy, TextBecomesPlainAscii)
{
    const struct {
        const char* text;
        const char* ascii;
    } cases[] = {
        {"kg/cm²", "kg/cm2"},       {"In³", "In3"},       {"Lumens/ft²", "Lumens/ft2"},
        {"Wet Pints", "Wet Pints"}, {"20 °F", "20 degF"}, {"5 µm", "5 um"},
        {"Café", "Cafe"},           {"1\t2\n3", "1 2 3"}, {"Ω ✓ 😀", "? ? ?"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ascii_text(QString::fromUtf8(c.text)).toStdString(), c.ascii) << c.text;
    }
}

TEST(Copy, TableOfTheShowingSheetByKeys)
{
    GermanLocale locale;
    with_program([](DialogWindow* calculator) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(calculator)); // keys go to the active window
        auto* celsius = qobject_cast<QLineEdit*>(calculator->control(10464));
        ASSERT_NE(celsius, nullptr);
        celsius->setFocus();
        QTest::keyClicks(celsius, "100");
        copy_with_keys(celsius);
        EXPECT_EQ(clipboard(), "Fahrenheit\t212\nCelsius\t100\nKelvin\t373.15\nRankin\t671.67\n");
        EXPECT_EQ(celsius->text(), "100"); // the keys typed nothing

        // Another sheet: only its own fields, in tab order, the labels in ASCII, a large
        // value in its exponent form, and text that is no number as it was typed.
        user_replace_text(calculator, 10342, "100000");
        copy_with_keys(calculator->control(10342));
        const std::string volume = clipboard();
        EXPECT_EQ(volume.rfind("Wet Ounces\t1.27970E+07\nWet Pints\t799769.053\n", 0), 0u)
            << volume;
        EXPECT_NE(volume.find("\nIn3\t2.30947E+07\ncm3\t3.78459E+08\nft3\t13371.824\n"),
                  std::string::npos)
            << volume;
        EXPECT_NE(volume.find("\nDry Pints\t687297.921\n"), std::string::npos) << volume;
        EXPECT_EQ(std::count(volume.begin(), volume.end(), '\n'), 16);
        for (unsigned char c : volume) {
            EXPECT_LT(c, 0x80) << volume;
        }
        user_replace_text(calculator, 10342, " 1,5 ");
        copy_with_keys(calculator->control(1)); // from a button as well
        EXPECT_NE(clipboard().find("\nGallons\t 1,5 \n"), std::string::npos) << clipboard();
        EXPECT_TRUE(take_messages().empty());
    });
}

// Opens the context menu of `widget` and, once it shows, hands it to `use` and closes it.
void with_context_menu(QWidget* widget, std::function<void(QMenu*)> use)
{
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        shown = true;
        use(menu);
        menu->close();
    });
    const QPoint centre = widget->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, centre, widget->mapToGlobal(centre));
    QApplication::sendEvent(widget, &event);
    EXPECT_TRUE(shown) << "no menu";
}

// The menu's action with this text (less the shortcut some menus add after a tab).
QAction* action(QMenu* menu, const char* text)
{
    for (QAction* a : menu->actions())
        if (a->text().section(u'\t', 0, 0) == QString::fromUtf8(text)) return a;
    return nullptr;
}

TEST(Copy, FromTheContextMenusOfASheetAndOfAField)
{
    with_program([](DialogWindow* calculator) {
        user_replace_text(calculator, 10464, "100");
        // Anywhere on the sheet: the table.
        QGuiApplication::clipboard()->clear();
        with_context_menu(calculator->control(10465), [](QMenu* menu) {
            ASSERT_NE(action(menu, "Copy as t&able"), nullptr);
            EXPECT_EQ(action(menu, "Copy as t&able")->shortcut(),
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
            EXPECT_EQ(action(menu, "Copy &value"), nullptr);
            action(menu, "Copy as t&able")->trigger();
        });
        EXPECT_EQ(clipboard(), "Fahrenheit\t212\nCelsius\t100\nKelvin\t373.15\nRankin\t671.67\n");

        // On a field: its usual editing actions, its value, the table.
        QWidget* kelvin = calculator->control(10466);
        with_context_menu(kelvin, [](QMenu* menu) {
            EXPECT_NE(action(menu, "&Copy"), nullptr);
            EXPECT_NE(action(menu, "&Paste"), nullptr);
            EXPECT_NE(action(menu, "Copy as t&able"), nullptr);
            ASSERT_NE(action(menu, "Copy &value"), nullptr);
            action(menu, "Copy &value")->trigger();
        });
        EXPECT_EQ(clipboard(), "373.15");
        user_replace_text(calculator, 10466, "");
        with_context_menu(kelvin, [](QMenu* menu) {
            ASSERT_NE(action(menu, "Copy &value"), nullptr);
            EXPECT_FALSE(action(menu, "Copy &value")->isEnabled());
        });

        // A sheet of lists only has nothing to copy: no menu, and the keys leave the
        // clipboard alone.
        ASSERT_TRUE(show_sheet(calculator, "Valves"));
        bool menu_shown = false;
        QTimer::singleShot(0, [&] {
            if (auto* menu = QApplication::activePopupWidget()) {
                menu_shown = true;
                menu->close();
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                calculator->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(calculator, &event);
        QCoreApplication::processEvents();
        EXPECT_FALSE(menu_shown);
        calculator->activateWindow(); // as a closed menu gives it back
        ASSERT_TRUE(QTest::qWaitForWindowActive(calculator));
        copy_with_keys(calculator->control(10093));
        EXPECT_EQ(clipboard(), "373.15");
    });
}

// A formula dialog copies its fields in reading order: inputs, then results.
TEST(Copy, TableOfAFormulaDialog)
{
    GermanLocale locale;
    with_program([](DialogWindow* calculator) {
        ASSERT_TRUE(show_sheet(calculator, "Valves"));
        bool opened =
            with_formula_dialog(calculator, 10093, "Flow Coefficient - Water", [](DialogWindow* d) {
                ASSERT_TRUE(QTest::qWaitForWindowActive(d));
                user_replace_text(d, 10087, "10");
                user_replace_text(d, 10088, "4.5");
                user_click(d, 10001);
                copy_with_keys(d->control(10088));
                EXPECT_EQ(clipboard(), "GPM - Gallons per minute\t10\n"
                                       "*P - Change in pressure (psi)\t4.5\n"
                                       "Cv - Flow Coefficient\t4.714045208\n");
            });
        EXPECT_TRUE(opened);
        EXPECT_TRUE(take_messages().empty());
    });
}

} // namespace
} // namespace zarn
