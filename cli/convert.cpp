#include "cli/convert.h"

#include "cli/script_driver.h"
#include "conversions/conversion_sheet.h"
#include "platform/number_text.h"

#include <iostream>
#include <map>

namespace zarn {
namespace {

using UnitGroup = std::vector<NamedUnit>;

struct SheetUnits {
    std::string title;
    std::vector<UnitGroup> groups; // top to bottom; one group on most sheets
};

// A label that occurs twice on the sheet is named with its column.
UnitGroup named_units(const ConversionSheet& table)
{
    UnitGroup units;
    for (const UnitRow& row : table.rows) {
        int same = 0;
        for (const UnitRow& other : table.rows)
            same += std::string_view(other.label) == row.label;
        std::string name = row.label;
        if (same > 1 && row.group) name = std::string(row.group) + " " + name;
        units.push_back({row.id, name});
    }
    return units;
}

// The Work/Force sheet's torque, force and energy pairs come before its work group.
std::vector<UnitGroup> pair_groups()
{
    std::vector<UnitGroup> groups;
    std::string current;
    for (const UnitPair& pair : work_force_pairs()) {
        if (groups.empty() || current != pair.group) groups.emplace_back();
        current = pair.group;
        groups.back().push_back({pair.id, pair.label});
    }
    return groups;
}

const std::vector<SheetUnits>& all_sheets()
{
    static const std::vector<SheetUnits> sheets = [] {
        std::vector<SheetUnits> list;
        for (const ConversionSheet* table : conversion_tables()) {
            SheetUnits sheet{table->title, {}};
            if (table == &work_table) sheet.groups = pair_groups();
            sheet.groups.push_back(named_units(*table));
            list.push_back(std::move(sheet));
        }
        return list;
    }();
    return sheets;
}

bool same_ignoring_case(std::string_view a, std::string_view b)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

} // namespace

void list_conversion_units(std::ostream& out)
{
    for (const SheetUnits& sheet : all_sheets())
        for (const UnitGroup& group : sheet.groups)
            for (const NamedUnit& unit : group)
                out << sheet.title << '\t' << unit.name << '\n';
}

std::optional<ConversionRequest> conversion_request(const std::string& sheet_name,
                                                    const std::string& value,
                                                    const std::string& unit_name,
                                                    std::string& error)
{
    const SheetUnits* sheet = nullptr;
    for (const SheetUnits& s : all_sheets())
        if (same_ignoring_case(s.title, sheet_name)) sheet = &s;
    if (!sheet) {
        error = "no conversion sheet " + quoted(sheet_name) + "; the sheets are";
        for (const SheetUnits& s : all_sheets())
            error += (&s == &all_sheets().front() ? " " : ", ") + s.title;
        return std::nullopt;
    }
    for (const UnitGroup& group : sheet->groups) {
        for (const NamedUnit& unit : group) {
            if (!same_ignoring_case(unit.name, unit_name)) continue;
            if (read_field_text(value).kind != FieldText::Number) {
                error = quoted(value) + " is not a number";
                return std::nullopt;
            }
            return ConversionRequest{sheet->title, value, unit.id, group};
        }
    }
    error = "no unit " + quoted(unit_name) + " on the " + sheet->title + " sheet; its units are";
    bool first = true;
    for (const UnitGroup& group : sheet->groups)
        for (const NamedUnit& unit : group) {
            error += (first ? " " : ", ") + unit.name;
            first = false;
        }
    return std::nullopt;
}

int play_conversion(const ConversionRequest& request)
{
    std::string show = "show";
    for (const NamedUnit& unit : request.units)
        show += " " + std::to_string(unit.id);
    const std::vector<std::string> script = {
        "tab " + request.sheet_title,
        "type " + std::to_string(request.unit_id) + " " + request.value,
        show,
    };

    std::map<int, std::string> shown;
    std::string fault;
    ScriptHooks hooks;
    hooks.shown = [&](int id, const std::string& text) { shown[id] = text; };
    hooks.message = [&](const Message& message) {
        if (fault.empty()) fault = one_line(message.text);
    };
    hooks.failed = [&](int, const std::string& why) { fault = why; };
    int status = play_script(script, hooks);

    if (!fault.empty()) {
        std::cerr << "zarn-calc: " << fault << '\n';
        return status ? status : 1;
    }
    for (const NamedUnit& unit : request.units)
        std::cout << unit.name << '\t' << shown[unit.id] << '\n';
    return 0;
}

} // namespace zarn
