#include "mathwiz/conversions.h"

#include "conversions/conversion_sheet.h"
#include "mathwiz/conversion_fields.h"
#include "mathwiz/sheet_input.h"

#include <optional>
#include <vector>

namespace zarn {
namespace {

void convert(Window dialog, int edited_id, Real base, const ConversionSheet& table)
{
    std::vector<Real> values = sheet_values(table, base);
    if (table.rounding == Rounding::before_writing)
        for (Real& value : values)
            value = round_value(value);
    std::vector<int> ids;
    ids.reserve(table.rows.size());
    for (const UnitRow& row : table.rows)
        ids.push_back(row.id);
    update_conversion_fields(dialog, edited_id, values, ids);
}

struct SheetConversion {
    const ConversionSheet* table;
    void (*convert)(Window dialog, int edited_id, Real base);
};

const SheetConversion sheet_conversions[] = {
    {&temperature_table, temp_conversions}, {&pressure_table, pressure_conversions},
    {&flow_table, flow_conversions},        {&length_table, length_conversions},
    {&weight_table, weight_conversions},    {&volume_table, volume_wet_conversions},
    {&area_table, area_conversions},        {&work_table, work_conversions2},
    {&heat_table, heat_conversions},        {&speed_table, speed_conversions},
    {&light_table, light_conversions},
};

bool is_keystroke(const Event& event)
{
    return event.type == e_control && event.change == Change::modified;
}

} // namespace

void temp_conversions(Window dialog, int edited_id, Real fahrenheit)
{
    convert(dialog, edited_id, fahrenheit, temperature_table);
}
void pressure_conversions(Window dialog, int edited_id, Real psi)
{
    convert(dialog, edited_id, psi, pressure_table);
}
void flow_conversions(Window dialog, int edited_id, Real liters_per_sec)
{
    convert(dialog, edited_id, liters_per_sec, flow_table);
}
void length_conversions(Window dialog, int edited_id, Real inches)
{
    convert(dialog, edited_id, inches, length_table);
}
void weight_conversions(Window dialog, int edited_id, Real pounds)
{
    convert(dialog, edited_id, pounds, weight_table);
}
void volume_wet_conversions(Window dialog, int edited_id, Real cubic_inches)
{
    convert(dialog, edited_id, cubic_inches, volume_table);
}
void area_conversions(Window dialog, int edited_id, Real square_feet)
{
    convert(dialog, edited_id, square_feet, area_table);
}
void work_conversions2(Window dialog, int edited_id, Real horsepower)
{
    convert(dialog, edited_id, horsepower, work_table);
}
void heat_conversions(Window dialog, int edited_id, Real btu)
{
    convert(dialog, edited_id, btu, heat_table);
}
void speed_conversions(Window dialog, int edited_id, Real feet_per_sec)
{
    convert(dialog, edited_id, feet_per_sec, speed_table);
}
void light_conversions(Window dialog, int edited_id, Real footcandles)
{
    convert(dialog, edited_id, footcandles, light_table);
}

Outcome conversion_field_rule(Window dialog, const Event& event)
{
    if (!is_keystroke(event)) return Declined;
    for (const SheetConversion& sheet : sheet_conversions) {
        const UnitRow* row = find_row(*sheet.table, event.id);
        if (!row) continue;
        std::optional<Real> x = read_sheet_input(dialog, event.id);
        if (!x) return Declined;
        sheet.convert(dialog, event.id, row->to_base(*x));
        return Handled;
    }
    return Declined;
}

Outcome work_force_pair_rule(Window dialog, const Event& event)
{
    if (!is_keystroke(event)) return Declined;
    for (const UnitPair& pair : work_force_pairs()) {
        if (pair.id != event.id) continue;
        std::optional<Real> x = read_sheet_input(dialog, event.id);
        if (!x) return Declined;
        dialog_SetReal(dialog, pair.partner_id, round_value(pair.partner(*x)).value());
        return Handled;
    }
    return Declined;
}

} // namespace zarn
