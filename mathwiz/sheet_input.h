// Reading a calculator sheet's input fields. The sheets never complain about their
// input: an empty field or text that is no number simply leaves the sheet as it is.
#pragma once

#include "platform/platform.h"
#include "platform/real.h"

#include <optional>

namespace zarn {

// The number in field `id`, or nothing when the field is empty or holds no number.
std::optional<Real> read_sheet_input(Window dialog, int id);

} // namespace zarn
