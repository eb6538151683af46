// The dialog binding: field reads and writes, no echo of the program's writes, the OK
// validation, and the "Program Error" report of faults that escape a handler. The dialogs
// here are built from the Temperature sheet's template: four real fields and button 1.
#include "gui_test_support.h"

#include "platform/dialog_window.h"
#include "platform/platform.h"
#include "platform/real.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <limits>

namespace zarn {
namespace {

using testing_support::take_messages;
using testing_support::when_running;

constexpr int sheet_template = 10461;
constexpr FieldDecl four_fields[] = {editreal(10462), editreal(10464), editreal(10466),
                                     editreal(10468)};

std::vector<Event> heard;

// Copies every edit of 10462 into 10464 and records the events it hears.
Outcome copying_eh(Window dialog, const Event& event)
{
    heard.push_back(event);
    if (!is_modified(event, 10462)) return Declined;
    DialogValue value = DIALOG_GETREAL(dialog, 10462);
    dialog_SetReal(dialog, 10464, value);
    return Handled;
}

QLineEdit* edit(Window dialog, int id)
{
    return qobject_cast<QLineEdit*>(win_GetCtlHandle(dialog, id));
}

struct ModelessDialog {
    explicit ModelessDialog(Handler handler)
        : window(DIALOG_CREATEMODELESS(nullptr, sheet_template, "", four_fields, handler, 0))
    {
    }
    ~ModelessDialog() { win_Destroy(window); }
    Window window;
};

TEST(Binding, KeystrokesAreHeardButTheProgramsWritesAreNot)
{
    heard.clear();
    ModelessDialog d(copying_eh);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].type, e_create);
    heard.clear();

    QTest::keyClicks(edit(d.window, 10462), "12.5");
    EXPECT_EQ(edit(d.window, 10464)->text(), "12.5");
    ASSERT_EQ(heard.size(), 4u); // one per keystroke, all from 10462
    for (const Event& e : heard) {
        EXPECT_EQ(e.id, 10462);
        EXPECT_EQ(e.change, Change::modified);
    }
    // Program writes of every kind stay silent.
    heard.clear();
    dialog_SetStr(d.window, 10466, "7");
    win_SetText(edit(d.window, 10468), "8");
    dialog_SetReal(d.window, 10462, 3.0);
    EXPECT_TRUE(heard.empty());
    EXPECT_EQ(edit(d.window, 10462)->text(), "3");
    EXPECT_EQ(edit(d.window, 10464)->text(), "12.5");
}

TEST(Binding, ReadsAndWritesFollowTheNumberRules)
{
    ModelessDialog d([](Window, const Event&) { return Declined; });
    struct Case {
        const char* text;
        DialogValue value;
    };
    const Case readable[] = {
        {"", std::nullopt}, {"   ", std::nullopt}, {" 25 ", 25.0}, {"+5.", 5.0}, {".5e1", 5.0}};
    for (const Case& c : readable) {
        edit(d.window, 10462)->setText(c.text);
        EXPECT_EQ(DIALOG_GETREAL(d.window, 10462), c.value) << c.text;
    }
    for (const char* text : {"abc", "1,5", "12a", "-", "0x10"}) {
        edit(d.window, 10462)->setText(text);
        EXPECT_THROW(DIALOG_GETREAL(d.window, 10462), NotANumberError) << text;
    }
    dialog_SetReal(d.window, 10464, 0.000012345);
    EXPECT_EQ(edit(d.window, 10464)->text(), "1.2345E-05");
    dialog_SetReal(d.window, 10464, std::nullopt);
    EXPECT_EQ(edit(d.window, 10464)->text(), "");
}

TEST(Binding, NeverShowsANonFiniteValue)
{
    ModelessDialog d([](Window, const Event&) { return Declined; });
    dialog_SetReal(d.window, 10464, 5.0);
    EXPECT_THROW(dialog_SetReal(d.window, 10464, std::numeric_limits<double>::quiet_NaN()),
                 ArithmeticFault);
    EXPECT_THROW(dialog_SetReal(d.window, 10464, -std::numeric_limits<double>::infinity()),
                 ArithmeticFault);
    EXPECT_EQ(edit(d.window, 10464)->text(), "5");
}

// Writes 10466, then fails: the write made before the fault stays, nothing after it.
Outcome faulting_eh(Window dialog, const Event& event)
{
    if (is_modified(event, 10462)) {
        dialog_SetReal(dialog, 10466, 1.0);
        Real zero = 0;
        dialog_SetReal(dialog, 10468, (Real(1) / zero).value());
        return Handled;
    }
    if (is_modified(event, 10464)) {
        DialogValue v = DIALOG_GETREAL(dialog, 10464); // untrapped read of text
        dialog_SetReal(dialog, 10468, v);
        return Handled;
    }
    return Declined;
}

TEST(Binding, FaultsEndTheEventWithTheProgramErrorReport)
{
    ModelessDialog d(faulting_eh);
    take_messages();
    QTest::keyClicks(edit(d.window, 10462), "1");
    EXPECT_EQ(take_messages(), std::vector<std::string>{"Program Error: Division by zero"});
    EXPECT_EQ(edit(d.window, 10466)->text(), "1");
    EXPECT_EQ(edit(d.window, 10468)->text(), "");

    QTest::keyClicks(edit(d.window, 10464), "x");
    EXPECT_EQ(take_messages(), std::vector<std::string>{"Program Error: \"x\" is not a number"});
    EXPECT_EQ(edit(d.window, 10468)->text(), "");
    // A page of pasted text is quoted by its beginning only: the box stays on the screen.
    edit(d.window, 10464)->setText(QString(4000, u'x'));
    QTest::keyClicks(edit(d.window, 10464), "y");
    EXPECT_EQ(take_messages(), std::vector<std::string>{"Program Error: \"" + std::string(40, 'x') +
                                                        "...\" is not a number"});
    // The dialog carries on.
    QTest::keyClicks(edit(d.window, 10462), "2");
    EXPECT_EQ(take_messages().size(), 1u);
}

TEST(Binding, OkIsHeldBackByTextThatIsNoNumber)
{
    take_messages();
    bool checked = false;
    when_running([&] {
        DialogWindow* d = modal_dialogs().back();
        edit(d, 10462)->setText("12");
        edit(d, 10466)->setText("abc");
        edit(d, 10468)->setText("also bad");
        QTest::mouseClick(qobject_cast<QWidget*>(d->control(1)), Qt::LeftButton);
        EXPECT_EQ(take_messages(), std::vector<std::string>{"Error: ??? must be an real"});
        EXPECT_FALSE(d->ended());
        EXPECT_EQ(d->focusWidget(), edit(d, 10466));
        EXPECT_EQ(edit(d, 10466)->selectedText(), "abc");
        edit(d, 10466)->clear();
        edit(d, 10468)->setText(" 4 ");
        QTest::mouseClick(qobject_cast<QWidget*>(d->control(1)), Qt::LeftButton);
        checked = true;
    });
    DialogResult result = DIALOG_CREATEMODAL(
        nullptr, sheet_template, "", four_fields, [](Window, const Event&) { return Declined; }, 0);
    EXPECT_TRUE(checked);
    EXPECT_EQ(result.answer, 1);
    EXPECT_EQ(DIALOG_VLGETREAL(10462, result.values), 12.0);
    EXPECT_EQ(DIALOG_VLGETREAL(10466, result.values), std::nullopt);
    EXPECT_EQ(DIALOG_VLGETREAL(10468, result.values), 4.0);
}

TEST(Binding, EscapeAndTheCloseBoxCancelWithoutValidation)
{
    for (bool close_box : {false, true}) {
        when_running([close_box] {
            DialogWindow* d = modal_dialogs().back();
            edit(d, 10462)->setText("abc");
            if (close_box)
                d->close();
            else
                QTest::keyClick(edit(d, 10462), Qt::Key_Escape);
        });
        DialogResult result = DIALOG_CREATEMODAL(
            nullptr, sheet_template, "", four_fields, [](Window, const Event&) { return Declined; },
            0);
        EXPECT_EQ(result.answer, 2) << (close_box ? "close box" : "Escape");
    }
    EXPECT_TRUE(take_messages().empty());
}

} // namespace
} // namespace zarn
