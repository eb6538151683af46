#include "mathwiz/sheet_input.h"

namespace zarn {

std::optional<Real> read_sheet_input(Window dialog, int id)
{
    try {
        DialogValue value = DIALOG_GETREAL(dialog, id);
        if (!value) return std::nullopt;
        return Real(*value);
    } catch (const NotANumberError&) {
        return std::nullopt;
    }
}

} // namespace zarn
