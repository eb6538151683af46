// A conversion sheet as data: one row per unit field, each with the formula that turns a
// value typed into that field into the sheet's base unit and the formula that turns the
// base value into this unit. The two directions carry their own constants, as printed on
// the sheet; neither is derived from the other, so a round trip may drift in the last
// shown digits.
#pragma once

#include "platform/real.h"

#include <span>
#include <string_view>
#include <vector>

namespace zarn {

using UnitFormula = Real (*)(Real);

struct UnitRow {
    int id;              // the unit's edit field
    const char* label;   // the text beside the field, as the sheet shows it
    UnitFormula to_base; // base value from the value x typed into this field
    UnitFormula from_base;
    const char* group = nullptr; // the column of the sheet, where a label occurs twice
};

// When a sheet's conversion rounds its values: all of them before the first field is
// written (a value too large to round then writes nothing), or each one as it is written
// (the fields written before a failing one keep their new values).
enum class Rounding { before_writing, while_writing };

struct ConversionSheet {
    const char* title; // the sheet's tab title
    int base_id;       // the field of the base unit (both its formulas are the identity)
    Rounding rounding;
    std::span<const UnitRow> rows; // in write order
};

// Two fields that convert only into each other: the partner of the edited field is
// written directly, with no base unit.
struct UnitPair {
    const char* group; // the group box holding both fields
    int id;            // the edited field
    const char* label;
    int partner_id;      // the field written
    UnitFormula partner; // the partner's value from the value x typed
};

// The value of every unit of the sheet from the base value, in row order, unrounded.
std::vector<Real> sheet_values(const ConversionSheet& sheet, Real base);

// The row of field `id`, or nullptr when the field is not on this sheet.
const UnitRow* find_row(const ConversionSheet& sheet, int id);

// The tables of the sheets with a base unit, one file each.
extern const ConversionSheet temperature_table;
extern const ConversionSheet pressure_table;
extern const ConversionSheet flow_table;
extern const ConversionSheet length_table;
extern const ConversionSheet weight_table;
extern const ConversionSheet volume_table;
extern const ConversionSheet area_table;
extern const ConversionSheet work_table; // the "Work Conversions" group of Work/Force
extern const ConversionSheet heat_table;
extern const ConversionSheet speed_table;
extern const ConversionSheet light_table;

// The same tables in tab order.
std::span<const ConversionSheet* const> conversion_tables();

// The torque, force and energy pairs of the Work/Force sheet, top to bottom.
std::span<const UnitPair> work_force_pairs();

} // namespace zarn
