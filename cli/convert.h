// `zarn-calc convert`: what the calculator shows on a conversion sheet after a value is
// typed into one of its units, found by typing it into the real dialog, headless.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace zarn {

// A unit as the command names it: its label, or its column and label where the label
// occurs twice on the sheet ("Wet Pints", "Dry Pints").
struct NamedUnit {
    int id;
    std::string name;
};

// What one conversion asks for: the sheet, the value as typed, the field typed into and
// the units that follow it (the whole sheet, or the group on Work/Force), in write order.
struct ConversionRequest {
    std::string sheet_title;
    std::string value;
    int unit_id;
    std::vector<NamedUnit> units;
};

// Every conversion sheet and its units, one `SHEET<TAB>UNIT` line each, in tab order.
void list_conversion_units(std::ostream& out);

// The request for SHEET VALUE UNIT (sheet and unit matched ignoring case), or nothing
// with the reason in `error`: an unknown sheet or unit, or a value that is no number.
std::optional<ConversionRequest> conversion_request(const std::string& sheet,
                                                    const std::string& value,
                                                    const std::string& unit, std::string& error);

// Types the value into the calculator and prints `UNIT<TAB>TEXT` for each unit of the
// request. Returns 0; 1 after a program error, whose message goes to standard error and
// nothing to standard output. Needs the application object to exist.
int play_conversion(const ConversionRequest& request);

} // namespace zarn
