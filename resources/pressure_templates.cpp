// The pressure formula dialogs: air velocity and velocity pressure, with the relation of
// total, static and velocity pressure below them; and pressure against head of a liquid.
// Controls are listed in tab order.
#include "resources/resources.h"

namespace zarn {
namespace {

// clang-format off
// The upper pair follows itself as it is typed; the lower group, total minus static
// equals velocity pressure, each field with its name below it, solves for the empty field.
constexpr ControlTemplate air_pressure_controls[] = {
    {Ctl::Custom,    10419, "sprites",                                 {8, 6, 94, 20}},
    {Ctl::Group,     10413, "Velocity = Velocity Pressure",            {4, 24, 236, 82}},
    {Ctl::Edit,      10412, "",                                        {12, 38, 62, 50},     "V - Velocity (feet/min)"},
    {Ctl::Text,      0,     "V = ",                                    {65, 40, 82, 50}},
    {Ctl::Edit,      10415, "",                                        {84, 38, 134, 50},    "Pv - Velocity Pressure (in H2O)"},
    {Ctl::Text,      0,     "Pv",                                      {137, 40, 152, 50}},
    {Ctl::Text,      10414, "V = Velocity (feet/min)",                 {12, 56, 228, 66}},
    {Ctl::Text,      10416, "Pv = Velocity Pressure (in H2O)",         {12, 66, 228, 76}},
    {Ctl::Group,     10420, "Velocity pressure - solve for any field", {4, 88, 236, 152}},
    {Ctl::Edit,      10423, "",                                        {12, 102, 62, 114},   "Total Pressure"},
    {Ctl::Text,      0,     "_",                                       {68, 98, 78, 108}},
    {Ctl::Edit,      10424, "",                                        {84, 102, 134, 114},  "Static Pressure"},
    {Ctl::Text,      0,     "=",                                       {140, 104, 150, 114}},
    {Ctl::Edit,      10422, "",                                        {156, 102, 206, 114}, "Velocity Pressure"},
    {Ctl::Text,      0,     "Total Pressure",                          {12, 116, 80, 126}},
    {Ctl::Text,      0,     "Static Pressure",                         {84, 116, 152, 126}},
    {Ctl::Text,      0,     "Velocity Pressure",                       {156, 116, 230, 126}},
    {Ctl::Button,    10001, "Calculate",                               {12, 132, 62, 146}},
    {Ctl::DefButton, 1,     "&Close",                                  {186, 158, 236, 172}},
};

// psi x 2.31 over the specific gravity equals the head.
constexpr ControlTemplate head_pressure_controls[] = {
    {Ctl::Group,     10402, "PSI to Head - leave one field empty to solve", {4, 4, 222, 62}},
    {Ctl::Edit,      10405, "",                                             {12, 18, 52, 30},   "psi - Pressure"},
    {Ctl::Text,      0,     "psi   x  2.31",                                {56, 20, 110, 30}},
    {Ctl::Bar,       10407, "_________________________  =",                 {8, 26, 124, 36}},
    {Ctl::Edit,      10408, "",                                             {12, 40, 52, 52},   "Specific Gravity"},
    {Ctl::Text,      0,     "Specific Gravity",                             {56, 42, 120, 52}},
    {Ctl::Edit,      10403, "",                                             {128, 28, 178, 40}, "Head (ft)"},
    {Ctl::Text,      0,     "Head (ft)",                                    {182, 30, 218, 40}},
    {Ctl::Button,    10001, "Calculate",                                    {4, 70, 54, 84}},
    {Ctl::Button,    10410, "Clear",                                        {58, 70, 108, 84}},
    {Ctl::DefButton, 1,     "&Close",                                       {172, 70, 222, 84}},
};
// clang-format on

} // namespace

const DialogTemplate air_pressure_template = {10411, "AirPressure", 240, 178,
                                              air_pressure_controls};
const DialogTemplate head_pressure_template = {10401, "HeadPressure", 226, 90,
                                               head_pressure_controls};

} // namespace zarn
