// The valve sizing dialogs: the flow coefficient of a water valve and of a steam valve.
// The formula picture stands at the top; each field has its symbol and meaning to its
// right. Controls are listed in tab order: the inputs, Calculate, the result, Close.
#include "resources/resources.h"

namespace zarn {
namespace {

// clang-format off
constexpr ControlTemplate water_controls[] = {
    {Ctl::Custom,    10084, "sprites",                       {8, 6, 74, 31}},
    {Ctl::Edit,      10087, "",                              {8, 38, 58, 50},   "GPM - Gallons per minute"},
    {Ctl::Text,      0,     "GPM = Gallons per minute",      {62, 40, 176, 50}},
    {Ctl::Edit,      10088, "",                              {8, 54, 58, 66},   "*P - Change in pressure (psi)"},
    {Ctl::Text,      0,     "*P = Change in pressure (psi)", {62, 56, 176, 66}},
    {Ctl::Button,    10001, "Calculate",                     {8, 94, 58, 108}},
    {Ctl::Edit,      10085, "",                              {8, 74, 58, 86},   "Cv - Flow Coefficient"},
    {Ctl::Text,      0,     "Cv = Flow Coefficient",         {62, 76, 176, 86}},
    {Ctl::DefButton, 1,     "&Close",                        {126, 94, 176, 108}},
};

// The radio pair reads on one line with its note: "Two position or Modulating control:
// Inlet pressure: <15 uses 0.80; >15 uses 0.42".
constexpr ControlTemplate steam_controls[] = {
    {Ctl::Custom,    10071, "sprites",                                                            {8, 6, 88, 31}},
    {Ctl::Edit,      10072, "",                                                                   {8, 38, 58, 50},    "Q - Pounds per hour of steam"},
    {Ctl::Text,      0,     "Q = Pounds per hour of steam",                                       {62, 40, 312, 50}},
    {Ctl::Edit,      10075, "",                                                                   {8, 54, 58, 66},    "K - Superheat factor"},
    {Ctl::Text,      0,     "K = 1+ (0.0007 x degF super-heat)  - normally K= 1 for sat. steam", {62, 56, 312, 66}},
    {Ctl::Edit,      10077, "",                                                                   {8, 70, 58, 82},    "Inlet pressure (PSIG)"},
    {Ctl::Text,      0,     "Inlet pressure (PSIG) ",                                             {62, 72, 312, 82}},
    {Ctl::Radio,     10080, "Two position or",                                                    {8, 88, 76, 98}},
    {Ctl::Radio,     10081, "Modulating control:",                                                {80, 88, 162, 98}},
    {Ctl::Text,      10082, "Inlet pressure: <15 uses 0.80; >15 uses 0.42",                      {164, 88, 312, 98}},
    {Ctl::Button,    10001, "Calculate",                                                          {8, 124, 58, 138}},
    {Ctl::Edit,      10079, "",                                                                   {8, 104, 58, 116},  "Cv - Flow Coefficient"},
    {Ctl::Text,      0,     "Cv = Flow Coefficient",                                              {62, 106, 312, 116}},
    {Ctl::DefButton, 1,     "&Close",                                                             {262, 124, 312, 138}},
};
// clang-format on

} // namespace

const DialogTemplate water_template = {10083, "water", 182, 114, water_controls};
const DialogTemplate steam_template = {10070, "steam", 318, 144, steam_controls};

} // namespace zarn
