// The formulas `zarn-calc formula` knows: how a user reaches each one (its sheet and the
// list items that open its dialog), its edit fields with short keys in reading order, and
// its Calculate buttons with the keys each one reads.
#pragma once

#include <string>
#include <vector>

namespace zarn {

struct CatalogField {
    const char* key;     // the name on the command line
    int id;              // the edit field
    const char* meaning; // what it holds, with its unit
};

struct CatalogPick {
    int list_id;
    const char* item; // exactly as the list shows it
};

// A button's id for fields that the dialog computes as they are typed: nothing to press.
inline constexpr int as_typed = 0;

struct CatalogButton {
    int id;                          // a Calculate button, or `as_typed`
    std::vector<const char*> inputs; // the keys of the fields it reads
};

struct CatalogFormula {
    const char* sheet;
    std::vector<CatalogPick> picks;     // in order; the formula's name is their items
    std::vector<CatalogField> fields;   // every edit field, in reading order
    std::vector<CatalogButton> buttons; // Calculate buttons
    const char* note = nullptr;         // how to use it, when the fields do not say
    const char* name = nullptr;         // for a calculator on a sheet, which has no list,
                                        // or a dialog opened with other radio buttons
    std::vector<int> checks = {};       // radio buttons selected before the values are typed
};

const std::vector<CatalogFormula>& formula_catalog();

// The formula's name: its list items joined by " / " ("Ohms Law",
// "Kilowatts / AC - Three-Phase"), or the name of a calculator on a sheet ("Wind Chill").
std::string formula_name(const CatalogFormula& formula);

} // namespace zarn
