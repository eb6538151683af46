#include "mathwiz/conversion_fields.h"

#include "platform/number_text.h"

#include <stdexcept>

namespace zarn {

void set_the_dialog(Window dialog, Real rounded, int id)
{
    if (rounded > 9999999)
        dialog_SetStr(dialog, id, exponent_text(rounded.value()));
    else
        dialog_SetReal(dialog, id, rounded.value());
}

void update_conversion_fields(Window dialog, int edited_id, std::span<const Real> values,
                              std::span<const int> ids)
{
    if (values.size() != ids.size())
        throw std::logic_error("Internal error: a value list and its field list differ in length");
    for (size_t i = 0; i < ids.size(); ++i) {
        if (ids[i] == edited_id) continue;
        set_the_dialog(dialog, round_value(values[i]), ids[i]);
    }
}

} // namespace zarn
