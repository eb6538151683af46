#include "conversions/conversion_sheet.h"

namespace zarn {

std::vector<Real> sheet_values(const ConversionSheet& sheet, Real base)
{
    std::vector<Real> values;
    values.reserve(sheet.rows.size());
    for (const UnitRow& row : sheet.rows)
        values.push_back(row.from_base(base));
    return values;
}

const UnitRow* find_row(const ConversionSheet& sheet, int id)
{
    for (const UnitRow& row : sheet.rows)
        if (row.id == id) return &row;
    return nullptr;
}

std::span<const ConversionSheet* const> conversion_tables()
{
    static const ConversionSheet* const tables[] = {
        &temperature_table, &pressure_table, &flow_table,  &length_table,
        &weight_table,      &volume_table,   &area_table,  &work_table,
        &heat_table,        &speed_table,    &light_table,
    };
    return tables;
}

} // namespace zarn
