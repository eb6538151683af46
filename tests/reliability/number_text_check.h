// Checks the number text rules on one input against an oracle of their own, written
// independently of platform/number_text.cpp: a table-driven recogniser of the reading
// rule's grammar, the C library's strtod in the "C" locale for the value, and printf's
// "%.10G" and "%1.5E" in the "C" locale for the written texts. A mismatch prints the input
// and both answers and aborts, so that the fuzzer (or the replay test) reports it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zarn::reliability {

// The whole input is a field's text; the texts the program writes for the value it reads
// as, and (for inputs of eight bytes or more) for the double whose bits begin the input,
// are checked too.
void check_number_text(const std::uint8_t* data, std::size_t size);

} // namespace zarn::reliability
