// The heat formula dialogs: BTU per hour carried by water, refrigeration tons (from a
// water flow, or from BTU per hour) and BTU per hour of sensible heat carried by air.
// Each formula reads along one row, a field followed by its symbol; controls are listed
// in tab order.
#include "resources/resources.h"

namespace zarn {
namespace {

// clang-format off
constexpr ControlTemplate btu_controls[] = {
    {Ctl::Group,     10065, "BTU's per Hour",       {4, 4, 212, 56}},
    {Ctl::Edit,      10067, "",                     {12, 18, 52, 30},  "GPM - Gallons per minute"},
    {Ctl::Text,      0,     "GPM x",                {55, 20, 80, 30}},
    {Ctl::Edit,      10068, "",                     {82, 18, 122, 30}, "DeltaT (degF)"},
    {Ctl::Text,      0,     "DeltaT(degF) x 499.8", {125, 20, 204, 30}},
    {Ctl::Button,    10001, "Calculate",            {4, 62, 54, 76}},
    {Ctl::Edit,      10063, "",                     {12, 36, 62, 48},  "BTU/hr (water)"},
    {Ctl::Text,      0,     "BTU/hr (water)",       {65, 38, 130, 48}},
    {Ctl::DefButton, 1,     "&Close",               {162, 62, 212, 76}},
};

// Two independent formulas, each with its own Calculate button.
constexpr ControlTemplate tons_controls[] = {
    {Ctl::Group,     10049, "Tons = GPM x deltaT(degF)",  {4, 4, 294, 52}},
    {Ctl::Edit,      10050, "",                           {12, 18, 52, 30},   "GPM - Gallons per minute"},
    {Ctl::Text,      0,     "GPM x",                      {55, 20, 80, 30}},
    {Ctl::Edit,      10052, "",                           {82, 18, 122, 30},  "Delta T (degF)"},
    {Ctl::Text,      0,     "Delta T(degF) / 24.0096 = ", {125, 20, 214, 30}},
    {Ctl::Button,    10001, "Calculate",                  {12, 34, 62, 48}},
    {Ctl::Edit,      10054, "",                           {216, 18, 266, 30}, "Tons"},
    {Ctl::Text,      0,     "Tons",                       {269, 20, 288, 30}},
    {Ctl::Group,     10056, "Tons from BTU's",            {4, 58, 294, 106}},
    {Ctl::Edit,      10057, "",                           {12, 72, 62, 84},   "BTUH - BTU per hour"},
    {Ctl::Text,      0,     "BTUH / 12000 = ",            {65, 74, 124, 84}},
    {Ctl::Button,    10061, "Calculate",                  {12, 88, 62, 102}},
    {Ctl::Edit,      10059, "",                           {126, 72, 176, 84}, "Tons from BTUH"},
    {Ctl::Text,      0,     "Tons",                       {179, 74, 198, 84}},
    {Ctl::DefButton, 1,     "&Close",                     {244, 112, 294, 126}},
};

constexpr ControlTemplate btu_hr_controls[] = {
    {Ctl::Edit,      10002, "",                      {8, 8, 48, 20},    "CFM - Cubic feet per minute"},
    {Ctl::Text,      0,     "cfm  x  1.08  x",       {51, 10, 108, 20}},
    {Ctl::Edit,      10004, "",                      {110, 8, 150, 20}, "Delta T (deg F)"},
    {Ctl::Text,      0,     "Delta T (deg F)",       {153, 10, 212, 20}},
    {Ctl::Button,    10001, "&Calculate",            {8, 46, 58, 60}},
    {Ctl::Edit,      10006, "",                      {8, 26, 58, 38},   "BTU/HR - Air Sensible"},
    {Ctl::Text,      0,     "BTU/HR - Air Sensible", {61, 28, 150, 38}},
    {Ctl::DefButton, 1,     "&Close",                {162, 46, 212, 60}},
};
// clang-format on

} // namespace

const DialogTemplate btu_template = {10062, "BTU", 218, 82, btu_controls};
const DialogTemplate tons_template = {10048, "Tons Formulas", 300, 132, tons_controls};
const DialogTemplate btu_hr_template = {10000, "BTU/Hr Air Sensible", 218, 66, btu_hr_controls};

} // namespace zarn
