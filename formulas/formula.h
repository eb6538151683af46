// A formula as the dialogs use it: a plain function of reals, called with the values read
// from the dialog's input fields in reading order. `formula<f>` turns any function
// `Real f(Real, Real, ...)` into one callable with a list of values, and knows how many
// values it takes, so that a table of formulas can hold functions of two, three or four
// inputs side by side.
#pragma once

#include "platform/real.h"

#include <cstddef>
#include <span>
#include <utility>

namespace zarn {

struct Formula {
    std::size_t arity;                          // how many input values it takes
    Real (*evaluate)(std::span<const Real> in); // `in` holds exactly `arity` values
};

namespace formula_detail {

template <class F> struct arity_of;
template <class... Args> struct arity_of<Real (*)(Args...)> {
    static constexpr std::size_t value = sizeof...(Args);
};

template <auto F> Real call(std::span<const Real> in)
{
    constexpr std::size_t n = arity_of<decltype(F)>::value;
    return [in]<std::size_t... I>(std::index_sequence<I...>)
    {
        return F(in[I]...);
    }
    (std::make_index_sequence<n>{});
}

} // namespace formula_detail

template <auto F>
inline constexpr Formula formula = {formula_detail::arity_of<decltype(F)>::value,
                                    formula_detail::call<F>};

} // namespace zarn
