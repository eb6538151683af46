// What the random walk types into fields: numbers of every size and form, the words NAN and
// INF, junk, blanks and texts of one to four kilobytes; never a line break (a script step is
// one line) and never a carriage return at the end (the driver drops it).
#pragma once

#include <random>
#include <string>

namespace zarn::reliability {

std::string random_field_text(std::mt19937_64& random);

} // namespace zarn::reliability
