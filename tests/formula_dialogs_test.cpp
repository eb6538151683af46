// The formula dialogs as a user meets them, where a script cannot reach: the controls
// the power-formula dialog builds, the Power sheet's lists after a pick, the modeless
// wire-size table, Enter in a field, and the layouts themselves (nothing overlaps,
// every caption fits, every field and button is named).
#include "gui_test_support.h"

#include "platform/automation.h"
#include "platform/dialog_window.h"
#include "platform/frame_window.h"
#include "platform/services.h"
#include "resources/resources.h"
#include "shell/shell.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace zarn {
namespace {

using testing_support::take_messages;
using testing_support::when_running;
using testing_support::with_program;

// Picks `item` in the calculator's list and runs `steps` on the dialog that opens, which
// is closed afterwards if the steps leave it open. False when no dialog opened.
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

std::set<int> ids_of_kind(DialogWindow* dialog, const QMetaObject& kind)
{
    std::set<int> ids;
    for (const auto& [id, widget] : dialog->controls())
        if (kind.cast(widget)) ids.insert(id);
    return ids;
}

template <class Widget> int count_children(DialogWindow* dialog)
{
    int n = 0;
    for (QWidget* w : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        n += qobject_cast<Widget*>(w) != nullptr;
    return n;
}

TEST(PowerFormulaDialog, HorsepowerOnDirectCurrentBuildsExactlyItsControls)
{
    with_program([](DialogWindow* calculator) {
        bool opened = with_formula_dialog(calculator, 10275, "Direct Current", [](DialogWindow* d) {
            EXPECT_EQ(d->windowTitle(), "amperes");
            EXPECT_EQ(ids_of_kind(d, QLineEdit::staticMetaObject),
                      (std::set<int>{9991, 9994, 9996, 9999}));
            EXPECT_EQ(ids_of_kind(d, QPushButton::staticMetaObject), (std::set<int>{9990, 10258}));
            EXPECT_EQ(win_GetText(d->control(9990)), "Calculate");
            EXPECT_EQ(win_GetText(d->control(10258)), "&Close");
            // Nine captions (the notes included) and the "Notes" box.
            EXPECT_EQ(count_children<QLabel>(d), 9);
            EXPECT_EQ(count_children<QGroupBox>(d), 1);
            EXPECT_EQ(win_GetText(d->control(9985)), "Notes");
            EXPECT_EQ(win_GetText(d->control(9997)), "___________________________ =");
            EXPECT_EQ(count_children<QWidget>(d), 4 + 9 + 2 + 1);
        });
        EXPECT_TRUE(opened);
    });
}

// Each pair of choices builds its formula's fields and its own Calculate button.
TEST(PowerFormulaDialog, EveryLayoutBuildsItsFieldsAndCalculateButton)
{
    with_program([](DialogWindow* calculator) {
        for (const AmperesLayout& layout : amperes_layouts) {
            std::set<int> edits;
            std::set<int> buttons{10258};
            for (const ControlTemplate& c : layout.formula) {
                if (c.kind == Ctl::Edit) edits.insert(c.id);
                if (c.kind == Ctl::Button) buttons.insert(c.id);
            }
            ASSERT_TRUE(user_pick(calculator, 10273, layout.unit));
            bool opened = with_formula_dialog(calculator, 10275, layout.current, [&](auto* d) {
                EXPECT_EQ(ids_of_kind(d, QLineEdit::staticMetaObject), edits) << layout.unit;
                EXPECT_EQ(ids_of_kind(d, QPushButton::staticMetaObject), buttons)
                    << layout.unit << " / " << layout.current;
            });
            EXPECT_TRUE(opened) << layout.unit << " / " << layout.current;
        }
        EXPECT_TRUE(take_messages().empty());
    });
}

TEST(PowerSheet, StepOneResetsStepTwoAndAWarningKeepsBothChoices)
{
    with_program([](DialogWindow* calculator) {
        ASSERT_TRUE(user_pick(calculator, 10273, "Amperes - kVA known"));
        EXPECT_TRUE(take_messages().empty());
        EXPECT_FALSE(with_formula_dialog(calculator, 10275, "Direct Current", [](auto*) {}));
        EXPECT_EQ(take_messages(), std::vector<std::string>{
                                       "Warning: Not valid for direct current\n try a different "
                                       "selection!"});
        EXPECT_EQ(dialog_GetListButton(calculator, 10273).text, "Amperes - kVA known");
        EXPECT_EQ(dialog_GetListButton(calculator, 10275).text, "Direct Current");

        ASSERT_TRUE(user_pick(calculator, 10273, "Kilowatts"));
        EXPECT_EQ(dialog_GetListButton(calculator, 10275).index, 0);
        EXPECT_TRUE(modal_dialogs().back() == calculator); // nothing opened

        // After a formula dialog closes its list still shows the item.
        EXPECT_TRUE(with_formula_dialog(calculator, 10277, "Motor Torque", [](auto*) {}));
        EXPECT_EQ(dialog_GetListButton(calculator, 10277).text, "Motor Torque");
    });
}

// Enter presses the default button, Close: the dialog ends as OK without calculating.
TEST(FormulaDialog, EnterInAFieldClosesWithoutCalculating)
{
    with_program([](DialogWindow* calculator) {
        bool opened = with_formula_dialog(calculator, 10277, "Motor Torque", [](DialogWindow* d) {
            user_replace_text(d, 10210, "10");
            user_replace_text(d, 10212, "1750");
            QTest::keyClick(d->control(10212), Qt::Key_Return);
            EXPECT_TRUE(d->ended());
            EXPECT_EQ(d->answer(), 1);
            EXPECT_EQ(win_GetText(d->control(10216)), "");
        });
        EXPECT_TRUE(opened);
        EXPECT_TRUE(take_messages().empty());
    });
}

int visible_wire_tables()
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += w->isVisible() && w->windowTitle() == "Wire sizes";
    return n;
}

TEST(WireSizes, OpensBesideItsOwnerAsOftenAsAskedAndClosesWithIt)
{
    with_program([](DialogWindow* calculator) {
        bool opened = with_formula_dialog(calculator, 10277, "Voltage drop", [](DialogWindow* d) {
            user_click(d, 10173);
            user_click(d, 10173);
            EXPECT_EQ(visible_wire_tables(), 2);
            // The table does not block its owner.
            EXPECT_TRUE(d->isEnabled());
            EXPECT_EQ(modal_dialogs().back(), d);
            // Its Close closes that table only.
            DialogWindow* table = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w->windowTitle() == "Wire sizes")
                    table = dynamic_cast<DialogWindow*>(w);
            ASSERT_NE(table, nullptr);
            EXPECT_EQ(win_GetText(table->control(10158)), "16.46");
            EXPECT_EQ(win_GetText(table->control(10157)), "1.620");
            user_click(table, 1);
            EXPECT_EQ(visible_wire_tables(), 1);
            user_click(d, 10173);
            EXPECT_EQ(visible_wire_tables(), 2);
        });
        EXPECT_TRUE(opened);
        // The voltage-drop dialog has closed; its tables went with it.
        QCoreApplication::processEvents();
        EXPECT_EQ(visible_wire_tables(), 0);
    });
}

// ---- Layouts ------------------------------------------------------------------------------

struct NamedControls {
    std::string name;
    int width;
    int height;
    std::vector<ControlTemplate> controls;
};

std::vector<NamedControls> formula_layouts()
{
    std::vector<NamedControls> all;
    for (int id : {10259, 10219, 10209, 10194, 10184, 10174, 10159, 10143}) {
        const DialogTemplate* t = find_template(id);
        if (!t) {
            ADD_FAILURE() << "no template " << id;
            continue;
        }
        all.push_back({t->caption, t->width, t->height, {t->controls.begin(), t->controls.end()}});
    }
    const DialogTemplate* amperes = find_template(10257);
    for (const AmperesLayout& layout : amperes_layouts) {
        NamedControls n{std::string(layout.unit) + " / " + layout.current,
                        amperes->width,
                        amperes->height,
                        {amperes->controls.begin(), amperes->controls.end()}};
        n.controls.insert(n.controls.end(), layout.formula.begin(), layout.formula.end());
        n.controls.insert(n.controls.end(), layout.notes.begin(), layout.notes.end());
        all.push_back(std::move(n));
    }
    return all;
}

QString without_mnemonic(const char* text)
{
    return QString::fromUtf8(text).remove(QLatin1Char('&'));
}

// In the dialog font: every control lies inside its dialog, no two overlap (group boxes
// frame others, and a fraction bar's text sits at the foot of its rectangle, under the
// numerator), every caption and button text fits its rectangle, and every field has a
// name for screen readers.
TEST(FormulaLayouts, AreTidy)
{
    const QFont font = QApplication::font();
    const DialogUnits units(font);
    const QFontMetrics metrics(font);
    for (const NamedControls& dialog : formula_layouts()) {
        const QRect area(0, 0, units.px_x(dialog.width), units.px_y(dialog.height));
        for (size_t i = 0; i < dialog.controls.size(); ++i) {
            const ControlTemplate& c = dialog.controls[i];
            const QRect r = units.rect(c.rect);
            const QString text = QString::fromUtf8(c.text);
            EXPECT_TRUE(area.contains(r)) << dialog.name << ": " << c.text << " " << c.id;
            if (c.kind == Ctl::Edit) {
                EXPECT_TRUE(c.name && *c.name) << dialog.name << ": field " << c.id;
            }
            if (c.kind == Ctl::Text || c.kind == Ctl::TextCentre || c.kind == Ctl::TextRight) {
                QRect needed =
                    metrics.boundingRect(QRect(0, 0, r.width(), 10000), Qt::TextWordWrap, text);
                EXPECT_TRUE(needed.width() <= r.width() && needed.height() <= r.height())
                    << dialog.name << ": \"" << c.text << "\"";
            }
            if (c.kind == Ctl::Button || c.kind == Ctl::DefButton) {
                EXPECT_LE(metrics.horizontalAdvance(without_mnemonic(c.text)) + 8, r.width())
                    << dialog.name << ": " << c.text;
            }
            if (c.kind == Ctl::Group || c.kind == Ctl::Bar) continue;
            for (size_t j = i + 1; j < dialog.controls.size(); ++j) {
                const ControlTemplate& other = dialog.controls[j];
                if (other.kind == Ctl::Group || other.kind == Ctl::Bar) continue;
                EXPECT_FALSE(r.intersects(units.rect(other.rect)))
                    << dialog.name << ": \"" << c.text << "\" " << c.id << " and \"" << other.text
                    << "\" " << other.id;
            }
        }
    }
}

} // namespace
} // namespace zarn
