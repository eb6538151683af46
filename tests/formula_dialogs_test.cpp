// The formula dialogs as a user meets them, where a script cannot reach: the controls
// the power-formula dialog builds, the Power sheet's lists after a pick, the dialog each
// list item opens, the modeless wire-size table and flow coefficient chart, Enter in a
// field, and the layouts themselves (nothing overlaps, every caption fits, every field
// and button is named, every picture has its size).
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
#include <QRadioButton>
#include <QStyle>
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
using testing_support::with_formula_dialog;
using testing_support::with_program;

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

int visible_windows(const QString& title)
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += w->isVisible() && w->windowTitle() == title;
    return n;
}

DialogWindow* a_visible_window(const QString& title)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == title) return dynamic_cast<DialogWindow*>(w);
    return nullptr;
}

int visible_wire_tables()
{
    return visible_windows("Wire sizes");
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

// Every formula of the Pressure, Flow, Heat and Valves lists opens its own dialog, over
// the calculator, with its template's caption.
TEST(FormulaLists, EachItemOpensItsDialog)
{
    const struct {
        int list;
        const char* item;
        const char* caption;
    } cases[] = {
        {10430, "AirPressure", "AirPressure"},
        {10430, "Head Pressure", "HeadPressure"},
        {10135, "Velocity", "Air Velocity (fpm)"},
        {10135, "Velocity Two", "Velocity two"},
        {10135, "Air Density", "airdensity"},
        {10135, "Air Flow", "Air Flow"},
        {10256, "BTU/HR(Water)-GPM and degF known", "BTU"},
        {10256, "BTU/HR(Air-Sensible)-CFM and degF known", "BTU/Hr Air Sensible"},
        {10256, "TONS - GPM and degF known", "Tons Formulas"},
        {10093, "Flow Coefficient - Water", "water"},
        {10093, "Flow Coefficient - Steam", "steam"},
    };
    with_program([&cases](DialogWindow* calculator) {
        for (const auto& c : cases) {
            bool opened = with_formula_dialog(calculator, c.list, c.item, [&](DialogWindow* d) {
                EXPECT_EQ(d->windowTitle().toStdString(), c.caption) << c.item;
                EXPECT_FALSE(calculator->isEnabled()) << c.item;
            });
            EXPECT_TRUE(opened) << c.item;
            EXPECT_EQ(dialog_GetListButton(calculator, c.list).text, c.item);
        }
        EXPECT_TRUE(take_messages().empty());
    });
}

// The steam valve's control starts on "Two position or" at every opening.
TEST(SteamValve, ControlStartsOnTwoPositionAtEveryOpening)
{
    with_program([](DialogWindow* calculator) {
        for (int opening = 0; opening < 2; ++opening) {
            bool opened = with_formula_dialog(
                calculator, 10093, "Flow Coefficient - Steam", [](DialogWindow* d) {
                    auto* two_position = qobject_cast<QRadioButton*>(d->control(10080));
                    auto* modulating = qobject_cast<QRadioButton*>(d->control(10081));
                    ASSERT_TRUE(two_position && modulating);
                    EXPECT_TRUE(two_position->isChecked());
                    EXPECT_FALSE(modulating->isChecked());
                    EXPECT_EQ(DIALOG_GETRADIOBUTTON(d, 10080), 10080);
                    QTest::mouseClick(modulating, Qt::LeftButton);
                    EXPECT_EQ(DIALOG_GETRADIOBUTTON(d, 10080), 10081);
                    EXPECT_FALSE(two_position->isChecked());
                });
            EXPECT_TRUE(opened);
        }
    });
}

TEST(FlowCoefficients, ChartsOpenBesideTheirOwnerAsOftenAsAskedAndCloseWithIt)
{
    const QString chart = "flowcoefficients";
    with_program([chart](DialogWindow* calculator) {
        bool opened = with_formula_dialog(calculator, 10135, "Velocity Two", [&](DialogWindow* d) {
            user_click(d, 10102);
            user_click(d, 10102);
            EXPECT_EQ(visible_windows(chart), 2);
            // A chart does not block its owner: Cf can be typed and calculated meanwhile.
            EXPECT_TRUE(d->isEnabled());
            EXPECT_EQ(modal_dialogs().back(), d);
            user_replace_text(d, 10096, "1000");
            user_replace_text(d, 10098, "20");
            user_click(d, 10001);
            EXPECT_EQ(win_GetText(d->control(10100)), "4000");
            // A chart's Close, and Escape, close that chart only.
            DialogWindow* one = a_visible_window(chart);
            ASSERT_NE(one, nullptr);
            EXPECT_NE(one->control(10104), nullptr);
            user_click(one, 1);
            EXPECT_EQ(visible_windows(chart), 1);
            DialogWindow* other = a_visible_window(chart);
            ASSERT_NE(other, nullptr);
            QTest::keyClick(other, Qt::Key_Escape);
            EXPECT_EQ(visible_windows(chart), 0);
            EXPECT_EQ(visible_windows("Velocity two"), 1);
            user_click(d, 10102);
            user_click(d, 10102);
            EXPECT_EQ(visible_windows(chart), 2);
        });
        EXPECT_TRUE(opened);
        // The velocity dialog has closed; its charts went with it.
        QCoreApplication::processEvents();
        EXPECT_EQ(visible_windows(chart), 0);
        EXPECT_TRUE(take_messages().empty());
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
    for (int id : {10259, 10219, 10209, 10194, 10184, 10174, 10159, 10143, 10125, 10094,
                   10103, 10115, 10105, 10083, 10070, 10411, 10401, 10062, 10048, 10000}) {
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
    const QStyle* style = QApplication::style();
    const int radio_indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                                style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing) + 4;
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
            if (c.kind == Ctl::Radio) {
                EXPECT_LE(metrics.horizontalAdvance(without_mnemonic(c.text)) + radio_indicator,
                          r.width())
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

// Each formula picture and the chart fill a control of their own size, in dialog units.
TEST(FormulaLayouts, PicturesHaveTheirSizes)
{
    const struct {
        int dialog;
        int picture;
        int width;
        int height;
    } cases[] = {
        {10070, 10071, 80, 25},   {10083, 10084, 66, 25}, {10094, 10095, 133, 19},
        {10103, 10104, 171, 139}, {10125, 10126, 94, 22}, {10411, 10419, 86, 14},
    };
    for (const auto& c : cases) {
        const DialogTemplate* t = find_template(c.dialog);
        ASSERT_NE(t, nullptr) << c.dialog;
        int found = 0;
        for (const ControlTemplate& control : t->controls) {
            if (control.id != c.picture) continue;
            ++found;
            EXPECT_EQ(control.kind, Ctl::Custom) << c.picture;
            EXPECT_STREQ(control.text, "sprites") << c.picture;
            EXPECT_EQ(control.rect.right - control.rect.left, c.width) << c.picture;
            EXPECT_EQ(control.rect.bottom - control.rect.top, c.height) << c.picture;
        }
        EXPECT_EQ(found, 1) << c.picture;
    }
}

} // namespace
} // namespace zarn
