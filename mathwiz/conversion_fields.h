// Writing computed values into dialog fields the way the conversion sheets show them:
// rounded to three decimals, with a short exponent text for large values, never into the
// field the user is typing in. Also used by the pressure formula dialogs.
#pragma once

#include "mathwiz/round_value.h"
#include "platform/platform.h"

#include <span>

namespace zarn {

// Writes an already rounded value into field `id`: above 9999999 as the exponent text
// "d.dddddE+XX" (12345678 -> "1.23457E+07"), otherwise as a real in the standard form
// (so negative values of any size are never shown as exponent text of this kind).
void set_the_dialog(Window dialog, Real rounded, int id);

// Writes each value, rounded with round_value, into the field at the same place of `ids`,
// in list order, skipping `edited_id`. A fault ends the writing: the fields written before
// it keep their new values, the rest their old ones.
void update_conversion_fields(Window dialog, int edited_id, std::span<const Real> values,
                              std::span<const int> ids);

} // namespace zarn
