// The air flow dialogs: air velocity, velocity from a pressure transmitter with the flow
// coefficient chart beside it, air density and air flow. The formula pictures stand at
// the top; each field has its symbol and meaning to its right. Controls are listed in tab
// order: the inputs, Calculate, the result, Close.
#include "resources/resources.h"

namespace zarn {
namespace {

// clang-format off
constexpr ControlTemplate air_velocity_controls[] = {
    {Ctl::Custom,    10126, "sprites",                                          {8, 6, 102, 28}},
    {Ctl::Edit,      10127, "",                                                 {8, 36, 58, 48},    "Pv - Velocity pressure"},
    {Ctl::Text,      0,     "Pv - Velocity pressure in inches of water column", {62, 38, 246, 48}},
    {Ctl::Edit,      10130, "",                                                 {8, 52, 58, 64},    "D - Air density"},
    {Ctl::Text,      0,     "D - Air density in lb/ft",                         {62, 54, 200, 64}},
    {Ctl::Button,    10001, "Calculate",                                        {8, 92, 58, 106}},
    {Ctl::Edit,      10131, "",                                                 {8, 72, 58, 84},    "Velocity (fpm)"},
    {Ctl::Text,      0,     "Velocity (fpm)",                                   {62, 74, 200, 84}},
    {Ctl::DefButton, 1,     "&Close",                                           {196, 92, 246, 106}},
};

constexpr ControlTemplate velocity_two_controls[] = {
    {Ctl::Custom,    10095, "sprites",                             {8, 6, 141, 25}},
    {Ctl::Edit,      10096, "",                                    {8, 34, 58, 46},    "Cf - Flow coefficient"},
    {Ctl::Text,      0,     "Cf = Flow coefficient from",          {62, 36, 160, 46}},
    {Ctl::Button,    10102, "Pressure Transmitter",                {162, 33, 246, 47}},
    {Ctl::Edit,      10098, "",                                    {8, 52, 58, 64},    "Mo - Transmitter output (mA)"},
    {Ctl::Text,      0,     "Mo = pressure transmitter mA output", {62, 54, 246, 64}},
    {Ctl::Button,    10001, "Calculate",                           {8, 92, 58, 106}},
    {Ctl::Edit,      10100, "",                                    {8, 72, 58, 84},    "Velocity (fpm)"},
    {Ctl::Text,      0,     "Velocity (fpm)",                      {62, 74, 200, 84}},
    {Ctl::DefButton, 1,     "&Close",                              {196, 92, 246, 106}},
};

// The chart of flow coefficients, black on white, beside the transmitter velocity dialog.
constexpr ControlTemplate flow_coefficients_controls[] = {
    {Ctl::Custom,    10104, "sprites", {6, 6, 177, 145}},
    {Ctl::DefButton, 1,     "&Close",  {127, 152, 177, 166}},
};

// Pb over T, the factor 1.325 left out of the picture as it is left out of the notes.
constexpr ControlTemplate air_density_controls[] = {
    {Ctl::Edit,      10122, "",                                      {24, 6, 64, 18},    "Pb - Barometric pressure"},
    {Ctl::Text,      0,     "Pb",                                    {68, 8, 84, 18}},
    {Ctl::Bar,       10124, "________________=",                     {6, 14, 90, 24}},
    {Ctl::Edit,      10123, "",                                      {24, 28, 64, 40},   "T - Absolute temperature"},
    {Ctl::Text,      0,     "T",                                     {68, 30, 84, 40}},
    {Ctl::Button,    10001, "Calculate",                             {20, 48, 70, 62}},
    {Ctl::Edit,      10118, "",                                      {94, 16, 144, 28},  "Air Density"},
    {Ctl::Text,      0,     "Air Density",                           {148, 18, 196, 28}},
    {Ctl::Text,      0,     "Pb = barometric pressure in inches Hg", {10, 78, 196, 88}},
    {Ctl::Text,      0,     "T = absolute temperature (degF +460)",  {10, 88, 196, 98}},
    {Ctl::Group,     10110, "Notes",                                 {4, 68, 202, 103}},
    {Ctl::DefButton, 1,     "&Close",                                {152, 110, 202, 124}},
};

constexpr ControlTemplate air_flow_controls[] = {
    {Ctl::Edit,      10106, "",                                    {6, 8, 46, 20},     "V - Duct velocity"},
    {Ctl::Text,      0,     "V x",                                 {49, 10, 62, 20}},
    {Ctl::Edit,      10108, "",                                    {64, 8, 104, 20},   "A - Duct area"},
    {Ctl::Text,      0,     "A =",                                 {107, 10, 120, 20}},
    {Ctl::Button,    10001, "Calculate",                           {6, 28, 56, 42}},
    {Ctl::Edit,      10113, "",                                    {122, 8, 172, 20},  "Air Flow (cfm)"},
    {Ctl::Text,      0,     "Air Flow (cfm)",                      {176, 10, 232, 20}},
    {Ctl::Text,      0,     "V = average duct velocity(ft/min)",   {10, 58, 226, 68}},
    {Ctl::Text,      0,     "A = duct cross sectional area (ft2)", {10, 68, 226, 78}},
    {Ctl::Group,     10110, "Notes",                               {4, 48, 232, 83}},
    {Ctl::DefButton, 1,     "&Close",                              {182, 90, 232, 104}},
};
// clang-format on

} // namespace

const DialogTemplate air_velocity_template = {10125, "Air Velocity (fpm)", 252, 112,
                                              air_velocity_controls};
const DialogTemplate velocity_two_template = {10094, "Velocity two", 252, 112,
                                              velocity_two_controls};
const DialogTemplate flow_coefficients_template = {10103, "flowcoefficients", 183, 172,
                                                   flow_coefficients_controls};
const DialogTemplate air_density_template = {10115, "airdensity", 206, 130, air_density_controls};
const DialogTemplate air_flow_template = {10105, "Air Flow", 236, 110, air_flow_controls};

} // namespace zarn
