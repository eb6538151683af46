#include "mathwiz/round_value.h"

namespace zarn {

Real round_value(Real x)
{
    return floor(x * 1000 + 0.5) / 1000;
}

} // namespace zarn
