// The value of a numeric dialog field: empty (`void`) or an IEEE double.
#pragma once

#include <optional>

namespace zarn {

using DialogValue = std::optional<double>;

} // namespace zarn
