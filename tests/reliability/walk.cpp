// zarn-walk: a long random walk through every sheet and every formula dialog, as a user
// would take it, with a check after every step. A seeded generator writes `zarn-calc run`
// steps one at a time from what the dialogs show (typing numbers, junk, blanks, huge and
// tiny values, NAN and INF and texts of kilobytes; picking list items; clicking every
// button; opening and closing dialogs and their modeless windows; Escape and Close in any
// order), plays each through the script driver and then checks:
//   - every field the user typed into shows what was typed;
//   - every field the program changed shows a text the number rules write (ten significant
//     digits, or the conversion sheets' exponent text above 9999999; to three decimals
//     where the program rounds), never NAN, INF or anything else;
//   - no field or list outside the step's reach changed: a keystroke reaches its conversion
//     table's fields or its pair (conversions/), a Calculate button the fields its formula
//     writes (cli/formula_catalog), a pick its own sheet's lists;
//   - the dialogs open are the ones the step must leave open: a pick opens the formula the
//     catalog names for it, Escape closes, Close closes unless a real field holds no number;
//     modeless windows never outlive their owner;
//   - bad input on a sheet shows no message, and every message has a title and a short text.
// Sessions (start-up to Close, Escape or the end of a script) follow one another until the
// steps are used up. Built with sanitizers, a report ends the walk with a failure.
#include "cli/formula_catalog.h"
#include "cli/script_driver.h"
#include "conversions/conversion_sheet.h"
#include "platform/application.h"
#include "platform/automation.h"
#include "platform/dialog_window.h"
#include "platform/frame_window.h"
#include "platform/number_text.h"
#include "platform/tab_control.h"
#include "tests/reliability/walk_texts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <limits>
#include <map>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace zarn::reliability {
namespace {

constexpr int calculator_template = 10483;
constexpr int close_id = 1;
constexpr double exponent_threshold = 9999999; // the conversion sheets' exponent text above

// ---- What the dialogs show ------------------------------------------------------------

// Everything a check needs of a dialog, taken before a step that may close it.
struct DialogState {
    DialogWindow* dialog;
    int template_id;
    std::map<int, std::string> edits;   // field id -> text
    std::map<int, std::string> lists;   // list id -> selected item
    std::map<int, std::string> buttons; // button id -> its text as read aloud, lower case
    std::set<int> real_fields;          // the fields declared to hold reals
};

std::string button_name(QAbstractButton* button);

struct Snapshot {
    std::vector<DialogState> stack; // open modal dialogs, outermost first
    bool ended = false;             // the application has ended
};

// The toolkit's own diagnostics, each once, for the report at the end.
std::set<std::string>& toolkit_notices()
{
    static std::set<std::string> notices;
    return notices;
}

void collect_notice(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        std::cerr << "zarn-walk: the toolkit failed: " << message.toStdString() << '\n';
        std::abort();
    }
    toolkit_notices().insert(message.toStdString());
}

Snapshot take_snapshot()
{
    Snapshot s;
    s.ended = application_ended();
    for (DialogWindow* d : modal_dialogs()) {
        DialogState state{d, d->template_id(), {}, {}, {}, {}};
        for (const auto& [id, widget] : d->controls()) {
            if (auto* edit = qobject_cast<QLineEdit*>(widget))
                state.edits[id] = edit->text().toStdString();
            else if (auto* list = qobject_cast<QComboBox*>(widget))
                state.lists[id] = list->currentText().toStdString();
            else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                state.buttons[id] = button_name(button);
        }
        for (const FieldDecl& field : d->fields())
            if (field.kind == FieldKind::editreal) state.real_fields.insert(field.id);
        s.stack.push_back(std::move(state));
    }
    return s;
}

template <class Kind> std::vector<int> ids_of_kind(DialogWindow* d)
{
    std::vector<int> ids;
    for (const auto& [id, widget] : d->controls())
        if (qobject_cast<Kind*>(widget)) ids.push_back(id);
    return ids;
}

std::vector<int> button_ids(DialogWindow* d)
{
    std::vector<int> ids;
    for (const auto& [id, widget] : d->controls())
        if (qobject_cast<QAbstractButton*>(widget) && !qobject_cast<QRadioButton*>(widget))
            ids.push_back(id);
    return ids;
}

TabControl* tabs_of(DialogWindow* d)
{
    for (const auto& [id, widget] : d->controls())
        if (auto* tabs = dynamic_cast<TabControl*>(widget)) return tabs;
    return nullptr;
}

// The title of the calculator sheet a control sits on, or "" when it is on none.
std::string sheet_of(DialogWindow* d, int id)
{
    TabControl* tabs = tabs_of(d);
    int index = tabs ? tabs->sheet_of(d->control(id)) : -1;
    return index < 0 ? std::string() : tabs->titles()->item(index)->text().toStdString();
}

// A button's text as read aloud: without the mnemonic marker, in lower case.
std::string button_name(QAbstractButton* button)
{
    std::string name;
    for (QChar c : button->text())
        if (c != u'&') name += char(c.toLower().toLatin1());
    return name;
}

// ---- What the code says a step may reach ------------------------------------------------

const ConversionSheet* conversion_table_of(int id)
{
    for (const ConversionSheet* sheet : conversion_tables())
        if (find_row(*sheet, id)) return sheet;
    return nullptr;
}

const UnitPair* work_force_pair_of(int id)
{
    for (const UnitPair& pair : work_force_pairs())
        if (pair.id == id) return &pair;
    return nullptr;
}

int field_id(const CatalogFormula& f, const char* key)
{
    for (const CatalogField& field : f.fields)
        if (std::string_view(field.key) == key) return field.id;
    return 0;
}

// The fields a formula computes as they are typed, together with the field typed.
std::set<int> typed_partners(const CatalogFormula* f, int id)
{
    std::set<int> ids;
    if (!f) return ids;
    for (const CatalogButton& button : f->buttons) {
        if (button.id != as_typed) continue;
        std::set<int> group;
        for (const char* key : button.inputs)
            group.insert(field_id(*f, key));
        if (group.count(id)) ids.insert(group.begin(), group.end());
    }
    ids.erase(id);
    return ids;
}

bool catalog_picks_match(const CatalogFormula& f, const DialogState& calculator, int list_id,
                         const std::string& item)
{
    if (f.picks.empty() || !f.checks.empty()) return false;
    const CatalogPick& last = f.picks.back();
    if (last.list_id != list_id || item != last.item) return false;
    for (size_t i = 0; i + 1 < f.picks.size(); ++i) {
        auto it = calculator.lists.find(f.picks[i].list_id);
        if (it == calculator.lists.end() || it->second != f.picks[i].item) return false;
    }
    return true;
}

// The formula a pick of `item` in `list_id` opens, with the calculator's other lists as
// they stood; nullptr when the pick opens nothing.
const CatalogFormula* formula_for_pick(const DialogState& calculator, int list_id,
                                       const std::string& item)
{
    for (const CatalogFormula& f : formula_catalog())
        if (catalog_picks_match(f, calculator, list_id, item)) return &f;
    return nullptr;
}

// A calculator on a sheet (Humidity, Wind Chill) with this Calculate button.
const CatalogFormula* sheet_formula(const std::string& sheet, int button_id)
{
    for (const CatalogFormula& f : formula_catalog()) {
        if (!f.picks.empty() || sheet != f.sheet) continue;
        for (const CatalogButton& b : f.buttons)
            if (b.id == button_id) return &f;
    }
    return nullptr;
}

const CatalogButton* catalog_button(const CatalogFormula* f, int id)
{
    if (!f) return nullptr;
    for (const CatalogButton& b : f->buttons)
        if (b.id == id && id != as_typed) return &b;
    return nullptr;
}

bool has_exponent(const std::string& text)
{
    return text.find('E') != std::string::npos;
}

int decimals(const std::string& text)
{
    size_t point = text.find('.');
    return point == std::string::npos ? 0 : int(text.size() - point - 1);
}

// ---- A step as a script line ---------------------------------------------------------

struct Step {
    std::string line;
    std::string verb;
    int id = 0;
    std::string text; // the rest of the line: the typed text, the picked item, the title
};

Step parse_step(const std::string& line)
{
    Step s{line, {}, 0, {}};
    size_t blank = line.find(' ');
    s.verb = line.substr(0, blank);
    std::string rest = blank == std::string::npos ? std::string() : line.substr(blank + 1);
    if (s.verb == "type" || s.verb == "pick" || s.verb == "click" || s.verb == "check") {
        size_t second = rest.find(' ');
        s.id = std::atoi(rest.substr(0, second).c_str());
        s.text = second == std::string::npos ? std::string() : rest.substr(second + 1);
    } else {
        s.text = rest;
    }
    return s;
}

// ---- The walk ---------------------------------------------------------------------------

struct Options {
    std::uint64_t seed = 1;
    long steps = 1000;
    std::string script_path; // where each session's steps are written, for replaying
    bool require_coverage = false;
};

class Walk {
public:
    explicit Walk(const Options& options) : options_(options), random_(options.seed) {}

    int run(int& argc, char** argv)
    {
        Application app(argc, argv);
        start_watchdog();
        while (steps_done_ < options_.steps) {
            run_session();
            ++sessions_;
            delete task_window();
        }
        report();
        return coverage_complete() ? 0 : 1;
    }

private:
    // ---- Sessions ----

    void run_session()
    {
        session_budget_ = 200 + long(random_() % 3000);
        session_steps_ = 0;
        have_step_ = false;
        formula_of_.clear();
        plan_.clear();
        if (!options_.script_path.empty()) script_.open(options_.script_path, std::ios::trunc);
        ScriptHooks hooks;
        hooks.shown = [](int, const std::string&) {};
        hooks.message = [this](const Message& m) { messages_.push_back(m); };
        hooks.failed = [this](int line, const std::string& why) {
            fail("the driver could not play line " + std::to_string(line) + ": " + why);
        };
        const int status = play_script([this] { return next_line(); }, hooks);
        // A step that ended the program is checked once its event loop has stopped.
        if (have_step_) check_step(last_step_, before_, take_snapshot());
        have_step_ = false;
        if (status != 0) fail("the session ended with status " + std::to_string(status));
        if (!application_ended()) fail("the program did not end with its session");
        script_.close();
    }

    // Called by the driver before each step: checks what the last step did, then chooses the
    // next one from what the dialogs show now.
    std::optional<std::string> next_line()
    {
        progress_.fetch_add(1);
        Snapshot now = take_snapshot();
        if (have_step_) check_step(last_step_, before_, now);
        messages_.clear();
        have_step_ = false;
        if (now.stack.empty() || now.ended) return std::nullopt;
        if (steps_done_ >= options_.steps) return std::nullopt;
        std::optional<std::string> line = choose_step(now);
        if (!line) return std::nullopt;
        before_ = std::move(now);
        last_step_ = parse_step(*line);
        have_step_ = true;
        ++steps_done_;
        ++session_steps_;
        ++verb_counts_[last_step_.verb];
        if (last_step_.verb == "click")
            buttons_clicked_[top_template(before_)].insert(last_step_.id);
        if (script_.is_open()) script_ << *line << '\n' << std::flush;
        return line;
    }

    // ---- Choosing a step ----

    static int top_template(const Snapshot& s) { return s.stack.back().template_id; }

    std::uint64_t roll(std::uint64_t n) { return random_() % n; }
    template <class T> const T& any(const std::vector<T>& v) { return v[roll(v.size())]; }

    std::optional<std::string> choose_step(const Snapshot& now)
    {
        DialogWindow* d = now.stack.back().dialog;
        const bool on_calculator = d->template_id() == calculator_template;
        for (int id : button_ids(d))
            buttons_seen_[d->template_id()].insert(id);
        if (session_steps_ >= session_budget_) return end_session(on_calculator);
        if (on_calculator) return calculator_step(now, d);
        return formula_step(d);
    }

    // The session ends: Close, Escape, or the end of the script with whatever is open; the
    // way used least so far, so that a walk takes each.
    std::optional<std::string> end_session(bool on_calculator)
    {
        const char* ways[] = {"end of script", "Escape", "Close"};
        const char* way = ways[roll(3)];
        for (const char* w : ways)
            if (endings_[w] < endings_[way]) way = w;
        if (way == std::string_view("end of script")) {
            ++endings_[way];
            return std::nullopt;
        }
        if (!on_calculator) return "escape"; // back to the calculator first
        ++endings_[way];
        return way == std::string_view("Escape") ? "escape" : "click " + std::to_string(close_id);
    }

    std::string type_step(int id)
    {
        return "type " + std::to_string(id) + " " + random_field_text(random_);
    }

    std::optional<std::string> calculator_step(const Snapshot& now, DialogWindow* d)
    {
        if (!plan_.empty()) {
            std::string line = plan_.front();
            plan_.erase(plan_.begin());
            return line;
        }
        TabControl* tabs = tabs_of(d);
        const auto r = roll(100);
        if (r < 8) {
            const int index = int(roll(tabs->titles()->count()));
            const std::string title = tabs->titles()->item(index)->text().toStdString();
            sheets_visited_.insert(title);
            return "tab " + title;
        }
        if (r < 68) {
            // Mostly on the sheet showing, as a user types; sometimes anywhere.
            std::vector<int> ids = ids_of_kind<QLineEdit>(d);
            std::vector<int> here;
            for (int id : ids)
                if (tabs->sheet_of(d->control(id)) == tabs->current_sheet()) here.push_back(id);
            const int id = !here.empty() && roll(4) != 0 ? any(here) : any(ids);
            sheets_visited_.insert(sheet_of(d, id));
            return type_step(id);
        }
        if (r < 82) return formula_plan(now);
        if (r < 84) return std::string("show");
        // The sheets' own buttons, but not Close, which ends the session.
        std::vector<int> buttons;
        for (int id : button_ids(d))
            if (id != close_id) buttons.push_back(id);
        const int id = any(buttons);
        sheets_visited_.insert(sheet_of(d, id));
        return "click " + std::to_string(id);
    }

    // Picks a list item: mostly the picks that open a formula (least opened first), now and
    // then any item of any list.
    std::string formula_plan(const Snapshot& now)
    {
        DialogWindow* d = now.stack.back().dialog;
        if (roll(3) == 0) {
            std::vector<int> lists = ids_of_kind<QComboBox>(d);
            const int id = any(lists);
            auto* list = qobject_cast<QComboBox*>(d->control(id));
            const int index = int(roll(list->count()));
            sheets_visited_.insert(sheet_of(d, id));
            return "pick " + std::to_string(id) + " " + list->itemText(index).toStdString();
        }
        std::vector<const CatalogFormula*> candidates;
        int fewest = 1 << 30;
        for (const CatalogFormula& f : formula_catalog()) {
            if (f.picks.empty() || !f.checks.empty()) continue;
            const int opened = opened_[formula_name(f)];
            if (opened < fewest) candidates.clear(), fewest = opened;
            if (opened == fewest) candidates.push_back(&f);
        }
        const CatalogFormula* f = candidates[roll(candidates.size())];
        sheets_visited_.insert(f->sheet);
        for (const CatalogPick& pick : f->picks)
            plan_.push_back("pick " + std::to_string(pick.list_id) + " " + pick.item);
        std::string first = plan_.front();
        plan_.erase(plan_.begin());
        return first;
    }

    std::optional<std::string> formula_step(DialogWindow* d)
    {
        plan_.clear();
        const auto r = roll(100);
        std::vector<int> edits = ids_of_kind<QLineEdit>(d);
        std::vector<int> radios = ids_of_kind<QRadioButton>(d);
        if (r < 6) return std::string("escape");
        if (r < 58 && !edits.empty()) return type_step(any(edits));
        if (r < 62 && !radios.empty()) return "check " + std::to_string(any(radios));
        if (r < 63) return std::string("show");
        // Now and then a button not clicked yet in this dialog, so that every one is.
        std::vector<int> buttons = button_ids(d);
        std::vector<int> unclicked;
        for (int id : buttons)
            if (!buttons_clicked_[d->template_id()].count(id)) unclicked.push_back(id);
        return "click " +
               std::to_string(!unclicked.empty() && roll(2) ? any(unclicked) : any(buttons));
    }

    // ---- Checking a step ----

    [[noreturn]] void fail(const std::string& why)
    {
        std::cout.flush();
        std::cerr << "zarn-walk: step " << steps_done_ << " of session " << sessions_ + 1
                  << " (seed " << options_.seed << "): " << why << "\n  step: "
                  << (have_step_ ? last_step_.line.substr(0, 300) : std::string("(none)")) << '\n';
        if (!options_.script_path.empty())
            std::cerr << "  the session's steps are in " << options_.script_path << '\n';
        std::cerr.flush();
        std::_Exit(1);
    }

    void check_step(const Step& step, const Snapshot& before, const Snapshot& after)
    {
        const DialogState& top = before.stack.back();
        const bool on_calculator = top.template_id == calculator_template;
        check_messages(step, top, on_calculator);
        const size_t kept = check_dialogs(step, before, after, on_calculator);
        for (size_t i = 0; i < kept; ++i) {
            const bool addressed = i + 1 == before.stack.size();
            check_fields(step, before.stack[i], after.stack[i], addressed, on_calculator);
        }
        for (size_t i = kept; i < after.stack.size(); ++i)
            check_new_dialog(after.stack[i]);
        check_modeless(after);
    }

    // How many dialogs of the stack before stay open; checks that the step opened and
    // closed exactly what it must.
    size_t check_dialogs(const Step& step, const Snapshot& before, const Snapshot& after,
                         bool on_calculator)
    {
        const size_t depth = before.stack.size();
        const DialogState& top = before.stack.back();
        DialogWindow* d = top.dialog;
        auto same_prefix = [&](size_t n) {
            if (after.stack.size() < n) return false;
            for (size_t i = 0; i < n; ++i)
                if (after.stack[i].dialog != before.stack[i].dialog) return false;
            return true;
        };
        auto expect_stack = [&](size_t n, const std::string& why) {
            if (after.stack.size() != n || !same_prefix(std::min(n, depth)))
                fail(why + " (dialogs open before: " + std::to_string(depth) +
                     ", after: " + std::to_string(after.stack.size()) + ")");
        };

        if (step.verb == "click" && step.id == close_id && on_calculator) {
            if (!after.ended) fail("Close on the calculator did not end the program");
            return 0;
        }
        if (after.ended) fail("the program ended");
        if (step.verb == "escape") {
            if (on_calculator) {
                expect_stack(0, "Escape did not close the calculator alone");
                if (!task_window() || task_window()->destroyed())
                    fail("Escape on the calculator ended the program");
                return 0;
            }
            expect_stack(depth - 1, "Escape did not close the dialog");
            formula_of_.erase(d);
            return depth - 1;
        }
        if (step.verb == "pick" && on_calculator) {
            const CatalogFormula* f = formula_for_pick(top, step.id, step.text);
            if (!f) {
                expect_stack(depth, "the pick \"" + step.text + "\" opened a dialog");
                return depth;
            }
            expect_stack(depth + 1,
                         "the pick \"" + step.text + "\" did not open " + formula_name(*f));
            DialogWindow* opened = after.stack.back().dialog;
            for (const CatalogField& field : f->fields)
                if (!qobject_cast<QLineEdit*>(opened->control(field.id)))
                    fail(formula_name(*f) + " opened without its field " + field.key);
            formula_of_[opened] = f;
            ++opened_[formula_name(*f)];
            return depth;
        }
        if (step.verb == "click" && !on_calculator) {
            const std::string name = top.buttons.at(step.id);
            bool must_close = name == "close" || name == "ok";
            if (step.id == close_id) {
                // Close ends the dialog unless a real field holds text that is no number.
                for (const auto& [id, text] : top.edits)
                    if (top.real_fields.count(id) &&
                        read_field_text(text).kind == FieldText::NotANumber)
                        must_close = false;
            }
            if (must_close) {
                expect_stack(depth - 1, "\"" + name + "\" did not close the dialog");
                formula_of_.erase(d);
                return depth - 1;
            }
            expect_stack(depth, "\"" + name + "\" closed or opened a dialog");
            return depth;
        }
        expect_stack(depth, "a " + step.verb + " step opened or closed a dialog");
        return depth;
    }

    // The fields a step may change in the dialog it addressed, and which of them may be
    // cleared or written as exponent text.
    struct Reach {
        std::set<int> ids;
        bool may_clear = false;
    };

    Reach reach_of(const Step& step, const DialogState& top, bool on_calculator)
    {
        Reach reach;
        DialogWindow* d = top.dialog;
        const CatalogFormula* f = on_calculator ? nullptr : formula_of_[d];
        if (step.verb == "type") {
            if (!on_calculator) {
                reach.ids = typed_partners(f, step.id);
                reach.may_clear = true; // a copy of a cleared field is cleared
                return reach;
            }
            const FieldText typed = read_field_text(step.text);
            if (typed.kind != FieldText::Number || !std::isfinite(typed.value)) return reach;
            if (const ConversionSheet* table = conversion_table_of(step.id))
                for (const UnitRow& row : table->rows)
                    if (row.id != step.id) reach.ids.insert(row.id);
            if (const UnitPair* pair = work_force_pair_of(step.id))
                reach.ids.insert(pair->partner_id);
            return reach;
        }
        if (step.verb != "click") return reach;
        if (on_calculator) f = sheet_formula(sheet_of(d, step.id), step.id);
        const CatalogButton* button = catalog_button(f, step.id);
        if (!button) {
            // Buttons that calculate nothing may only clear fields (Clear).
            for (const auto& [id, text] : top.edits)
                if (!on_calculator || sheet_of(d, id) == sheet_of(d, step.id)) reach.ids.insert(id);
            reach.may_clear = true;
            return reach;
        }
        // A Calculate button writes the formula's results, and solves for inputs left
        // empty; it never overwrites an input that holds a value.
        std::set<std::string> inputs_of_any;
        for (const CatalogButton& b : f->buttons)
            inputs_of_any.insert(b.inputs.begin(), b.inputs.end());
        for (const CatalogField& field : f->fields)
            if (!inputs_of_any.count(field.key)) reach.ids.insert(field.id);
        for (const char* key : button->inputs) {
            const int id = field_id(*f, key);
            auto it = top.edits.find(id);
            if (it != top.edits.end() && read_field_text(it->second).kind == FieldText::Blank)
                reach.ids.insert(id);
        }
        return reach;
    }

    void check_fields(const Step& step, const DialogState& before, const DialogState& after,
                      bool addressed, bool on_calculator)
    {
        const Reach reach = addressed ? reach_of(step, before, on_calculator) : Reach{};
        const bool typed_here = addressed && step.verb == "type";
        const CatalogFormula* f = on_calculator ? nullptr : formula_of_[before.dialog];
        std::set<int> as_typed_fields;
        if (f)
            for (const CatalogField& field : f->fields)
                if (!typed_partners(f, field.id).empty()) as_typed_fields.insert(field.id);

        for (const auto& [id, text] : after.edits) {
            const std::string& was = before.edits.at(id);
            const std::string where =
                "field " + std::to_string(id) + " of dialog " + std::to_string(before.template_id);
            if (typed_here && id == step.id) {
                if (text != step.text)
                    fail(where + " shows \"" + text.substr(0, 80) + "\", not what was typed");
                continue;
            }
            if (text == was) continue;
            if (!reach.ids.count(id))
                fail(where + " changed from \"" + was.substr(0, 80) + "\" to \"" +
                     text.substr(0, 80) + "\" out of the step's reach");
            const bool table_field = before.template_id == calculator_template &&
                                     (conversion_table_of(id) || work_force_pair_of(id));
            check_written(where, text, reach.may_clear,
                          (table_field && !work_force_pair_of(id)) || as_typed_fields.count(id),
                          table_field);
        }
        for (const auto& [id, item] : after.lists) {
            const std::string& was = before.lists.at(id);
            if (item == was) continue;
            const bool picked_here = addressed && step.verb == "pick";
            if (!picked_here || (id == step.id && item != step.text) ||
                sheet_of(before.dialog, id) != sheet_of(before.dialog, step.id))
                fail("list " + std::to_string(id) + " changed from \"" + was + "\" to \"" + item +
                     "\" out of the step's reach");
        }
    }

    // A text the program wrote: ten significant digits, or the exponent text above 9999999
    // where the conversion sheets write it; three decimals at most where it rounds.
    void check_written(const std::string& where, const std::string& text, bool may_clear,
                       bool exponent_allowed, bool rounded)
    {
        const FieldText read = read_field_text(text);
        if (read.kind == FieldText::Blank) {
            if (!may_clear || !text.empty()) fail(where + " was cleared to \"" + text + "\"");
            return;
        }
        // The ten-digit text of the largest doubles lies just beyond them (it reads back as
        // infinity); it is still what the rules write for them.
        const double largest = std::numeric_limits<double>::max();
        if (text == real_to_text(largest) || text == real_to_text(-largest)) return;
        if (read.kind != FieldText::Number || !std::isfinite(read.value))
            fail(where + " shows \"" + text.substr(0, 80) + "\", which is no finite number");
        const bool general = real_to_text(read.value) == text;
        const bool exponent = exponent_allowed && read.value > exponent_threshold &&
                              exponent_text(read.value) == text;
        if (!general && !exponent)
            fail(where + " shows \"" + text.substr(0, 80) +
                 "\", a text the number rules do not write");
        if (rounded && !has_exponent(text) && decimals(text) > 3)
            fail(where + " shows \"" + text + "\", more than three decimals");
        ++written_;
    }

    void check_new_dialog(const DialogState& opened)
    {
        for (const auto& [id, text] : opened.edits)
            if (!text.empty())
                check_written("field " + std::to_string(id) + " of the new dialog " +
                                  std::to_string(opened.template_id),
                              text, false, false, false);
    }

    void check_messages(const Step& step, const DialogState& top, bool on_calculator)
    {
        for (const Message& m : messages_) {
            ++message_counts_[m.title];
            if (m.title != "Error" && m.title != "Program Error" && m.title != "Warning")
                fail("a message titled \"" + m.title + "\"");
            if (m.text.empty() || m.text.size() > 200)
                fail("a message of " + std::to_string(m.text.size()) + " characters: \"" +
                     m.text.substr(0, 200) + "\"");
        }
        // Bad input on a sheet is ignored without a word.
        if (on_calculator && step.verb == "type" && !messages_.empty() &&
            read_field_text(step.text).kind != FieldText::Number)
            fail("typing text that is no number on a sheet showed \"" + messages_[0].title + ": " +
                 messages_[0].text + "\"");
        (void)top;
    }

    // Modeless windows live only while their owner is open.
    void check_modeless(const Snapshot& after)
    {
        int open = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* d = dynamic_cast<DialogWindow*>(w);
            if (!d || d->modal() || d->ended()) continue;
            ++open;
            bool owner_open = false;
            for (const DialogState& s : after.stack)
                if (s.dialog == d->owner()) owner_open = true;
            if (!owner_open)
                fail("the modeless window " + std::to_string(d->template_id()) +
                     " outlived its owner");
        }
        most_modeless_ = std::max(most_modeless_, open);
    }

    // ---- Coverage and figures ----

    bool coverage_complete()
    {
        if (!options_.require_coverage) return true;
        bool complete = true;
        auto missing = [&](const std::string& what) {
            std::cerr << "zarn-walk: never visited: " << what << '\n';
            complete = false;
        };
        const std::vector<std::string> titles = {
            "Temperature", "Pressure", "Flow",       "Length",   "Weight",
            "Volume",      "Area",     "Work/Force", "Power",    "Heat",
            "Speed",       "Light",    "Valves",     "Humidity", "Wind Chill",
        };
        for (const std::string& t : titles)
            if (!sheets_visited_.count(t)) missing("the sheet " + t);
        for (const CatalogFormula& f : formula_catalog())
            if (!f.picks.empty() && f.checks.empty() && !opened_[formula_name(f)])
                missing("the formula " + formula_name(f));
        for (const auto& [template_id, ids] : buttons_seen_)
            for (int id : ids)
                if (!buttons_clicked_[template_id].count(id))
                    missing("button " + std::to_string(id) + " of dialog " +
                            std::to_string(template_id));
        return complete;
    }

    void report()
    {
        std::cout << "zarn-walk: seed " << options_.seed << ", " << steps_done_ << " steps in "
                  << sessions_ << " sessions\n  steps:";
        for (const auto& [verb, n] : verb_counts_)
            std::cout << ' ' << verb << ' ' << n;
        std::cout << "\n  sessions ended by:";
        for (const auto& [way, n] : endings_)
            if (n > 0) std::cout << ' ' << way << ' ' << n << ';';
        int dialogs = 0;
        for (const auto& [name, n] : opened_)
            dialogs += n;
        std::cout << "\n  formula dialogs opened: " << dialogs << " (" << opened_.size()
                  << " formulas), most modeless windows open at once: " << most_modeless_
                  << "\n  fields written by the program and checked: " << written_
                  << "\n  messages:";
        for (const auto& [title, n] : message_counts_)
            std::cout << ' ' << title << ' ' << n << ';';
        std::cout << '\n';
        for (const std::string& notice : toolkit_notices())
            std::cout << "  the toolkit said: " << notice << '\n';
    }

    // A step that does not return within a minute is a hang: the walk stops with it.
    void start_watchdog()
    {
        std::thread([this] {
            long last = -1;
            for (;;) {
                std::this_thread::sleep_for(std::chrono::seconds(60));
                const long now = progress_.load();
                if (now == last) {
                    std::cerr << "zarn-walk: no step finished within a minute: a hang\n";
                    if (!options_.script_path.empty())
                        std::cerr << "  the session's steps are in " << options_.script_path
                                  << ", the last line is the step that hangs\n";
                    std::_Exit(3);
                }
                last = now;
            }
        }).detach();
    }

    Options options_;
    std::mt19937_64 random_;
    std::ofstream script_;
    std::atomic<long> progress_{0};
    long steps_done_ = 0;
    long sessions_ = 0;
    long session_budget_ = 0;
    long session_steps_ = 0;
    bool have_step_ = false;
    Step last_step_;
    Snapshot before_;
    std::vector<Message> messages_;
    std::vector<std::string> plan_;
    std::map<DialogWindow*, const CatalogFormula*> formula_of_;
    // Figures.
    std::map<std::string, long> verb_counts_;
    std::map<std::string, long> endings_;
    std::map<std::string, int> opened_;
    std::map<std::string, long> message_counts_;
    std::map<int, std::set<int>> buttons_seen_;    // by dialog template
    std::map<int, std::set<int>> buttons_clicked_; // by dialog template
    std::set<std::string> sheets_visited_;
    long written_ = 0;
    int most_modeless_ = 0;
};

} // namespace
} // namespace zarn::reliability

int main(int argc, char** argv)
{
    zarn::reliability::Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::cerr << "zarn-walk: " << arg << " needs a value\n";
                std::exit(2);
            }
            return argv[++i];
        };
        if (arg == "--seed")
            options.seed = std::stoull(value());
        else if (arg == "--steps")
            options.steps = std::stol(value());
        else if (arg == "--script")
            options.script_path = value();
        else if (arg == "--require-coverage")
            options.require_coverage = true;
        else {
            std::cerr << "usage: zarn-walk [--seed N] [--steps N] [--script FILE] "
                         "[--require-coverage]\n";
            return 2;
        }
    }
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    qInstallMessageHandler(zarn::reliability::collect_notice);
    int qt_argc = 1;
    zarn::reliability::Walk walk(options);
    return walk.run(qt_argc, argv);
}
