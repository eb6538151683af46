// Tables of formula cases shared by the formula tests: a result as a dialog shows it (ten
// significant digits), and the fault a computation must raise.
#pragma once

#include "platform/number_text.h"
#include "platform/real.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace zarn::testing_support {

struct ShownCase {
    const char* what;
    std::function<Real()> compute;
    const char* shown;
};

inline void expect_shown(const std::vector<ShownCase>& cases)
{
    for (const ShownCase& c : cases) {
        EXPECT_EQ(real_to_text(c.compute().value()), c.shown) << c.what;
    }
}

struct FaultCase {
    const char* what;
    std::function<Real()> compute;
    ArithmeticFault::Kind kind;
};

inline void expect_faults(const std::vector<FaultCase>& cases)
{
    for (const FaultCase& c : cases) {
        try {
            c.compute();
            ADD_FAILURE() << c.what << ": no fault";
        } catch (const ArithmeticFault& fault) {
            EXPECT_EQ(fault.kind(), c.kind) << c.what;
        }
    }
}

} // namespace zarn::testing_support
