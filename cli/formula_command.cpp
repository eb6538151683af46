#include "cli/formula_command.h"

#include "cli/formula_catalog.h"
#include "platform/automation.h"

#include <algorithm>
#include <iostream>
#include <string_view>

namespace zarn {
namespace {

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A name as it is matched: lower case, runs of blanks as one, no blanks beside "/".
std::string normalised(std::string_view name)
{
    std::string out;
    bool blank = false;
    for (char c : name) {
        if (c == ' ' || c == '\t') {
            blank = true;
            continue;
        }
        if (blank && !out.empty() && out.back() != '/' && c != '/') out += ' ';
        blank = false;
        out += lower(c);
    }
    return out;
}

const CatalogFormula* find_formula(std::string_view name)
{
    const std::string wanted = normalised(name);
    for (const CatalogFormula& formula : formula_catalog())
        if (normalised(formula_name(formula)) == wanted) return &formula;
    return nullptr;
}

// A field by its key (any case) or by its control id.
const CatalogField* find_field(const CatalogFormula& formula, std::string_view key)
{
    for (const CatalogField& field : formula.fields)
        if (normalised(field.key) == normalised(key) || std::to_string(field.id) == key)
            return &field;
    return nullptr;
}

bool is_input(const CatalogFormula& formula, std::string_view key)
{
    for (const CatalogButton& button : formula.buttons)
        for (const char* input : button.inputs)
            if (key == input) return true;
    return false;
}

void print_list(std::ostream& out)
{
    bool first = true;
    for (const CatalogFormula& formula : formula_catalog()) {
        if (!first) out << '\n';
        first = false;
        out << formula_name(formula) << '\n';
        if (formula.note) out << "  (" << formula.note << ")\n";
        size_t width = 0;
        for (const CatalogField& field : formula.fields)
            width = std::max(width, std::string_view(field.key).size());
        for (const CatalogField& field : formula.fields) {
            out << "  " << field.key
                << std::string(width + 2 - std::string_view(field.key).size(), ' ') << field.meaning
                << (is_input(formula, field.key) ? "" : " (result)") << '\n';
        }
    }
}

std::string key_list(const CatalogFormula& formula)
{
    std::string keys;
    for (const CatalogField& field : formula.fields)
        keys += (keys.empty() ? "" : ", ") + std::string(field.key);
    return keys;
}

int usage_error(const std::string& why)
{
    std::cerr << "zarn-calc: " << why << '\n';
    return 2;
}

} // namespace

int formula_command(const std::vector<std::string>& args, const ScriptPlayerFn& play)
{
    if (args.empty())
        return usage_error("formula needs the name of a formula (zarn-calc formula --list)");
    if (args[0] == "--list") {
        if (args.size() > 1) return usage_error("formula --list takes no arguments");
        print_list(std::cout);
        return 0;
    }
    const CatalogFormula* formula = find_formula(args[0]);
    if (!formula)
        return usage_error("no formula named \"" + args[0] +
                           "\" (zarn-calc formula --list lists them)");
    const std::string name = formula_name(*formula);

    // Open the dialog as a user would: the sheet, then the list items.
    std::vector<std::string> lines = {"tab " + std::string(formula->sheet)};
    for (const CatalogPick& pick : formula->picks)
        lines.push_back("pick " + std::to_string(pick.list_id) + " " + pick.item);
    for (int radio : formula->checks)
        lines.push_back("check " + std::to_string(radio));

    // Type the values in the order given.
    std::vector<std::string> given;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        size_t equals = arg.find('=');
        if (equals == std::string::npos)
            return usage_error("expected KEY=VALUE, not \"" + arg + "\"");
        const CatalogField* field = find_field(*formula, std::string_view(arg).substr(0, equals));
        if (!field)
            return usage_error(name + " has no field \"" + arg.substr(0, equals) +
                               "\"; its fields are " + key_list(*formula));
        std::string value = arg.substr(equals + 1);
        if (value.find_first_of("\r\n") != std::string::npos)
            return usage_error("the value of " + std::string(field->key) + " is not one line");
        lines.push_back("type " + std::to_string(field->id) + " " + value);
        given.push_back(field->key);
    }

    // Press each Calculate button that reads a given field; the first one when none is.
    std::vector<int> pressed;
    for (const CatalogButton& button : formula->buttons)
        for (const char* input : button.inputs)
            if (std::find(given.begin(), given.end(), std::string(input)) != given.end()) {
                pressed.push_back(button.id);
                break;
            }
    if (pressed.empty() && !formula->buttons.empty()) pressed.push_back(formula->buttons[0].id);
    for (int id : pressed)
        if (id != as_typed) lines.push_back("click " + std::to_string(id));
    lines.push_back("formula-fields");

    bool message_shown = false;
    bool dialog_missing = false;
    ScriptHooks hooks;
    hooks.shown = [](int, const std::string&) {};
    hooks.message = [&](const Message& m) {
        message_shown = true;
        std::cout.flush();
        std::cerr << m.title << ": " << one_line(m.text) << '\n';
    };
    hooks.failed = [](int, const std::string& why) {
        std::cout.flush();
        std::cerr << "zarn-calc: " << why << '\n';
    };
    hooks.extra = [&](const std::string& verb, const std::string&, Window dialog) {
        if (verb != "formula-fields") return false;
        for (const CatalogField& field : formula->fields)
            if (!dialog || control_kind(dialog, field.id) != ControlKind::edit) {
                dialog_missing = true;
                return true;
            }
        if (message_shown) return true; // the box says what went wrong; no fields follow
        for (const CatalogField& field : formula->fields)
            std::cout << field.key << '\t' << win_GetText(win_GetCtlHandle(dialog, field.id))
                      << '\n';
        return true;
    };

    int status = play(lines, hooks);
    if (status != 0) return status;
    if (dialog_missing && !message_shown)
        return usage_error("the dialog of " + name + " did not open");
    return message_shown ? 1 : 0;
}

} // namespace zarn
