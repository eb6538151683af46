// The motor and circuit dialogs: Ohm's law, motor torque, pump horsepower, synchronous
// speed, percent slip, single-phase voltage drop and the wire-size table. Each formula is
// drawn as a fraction: its numerator row, a bar of underscores, its denominator row, and
// the result field to the right of the "=". Controls are listed in tab order: the inputs,
// Calculate, the result, Close.
#include "resources/resources.h"

namespace zarn {
namespace {

// clang-format off
constexpr ControlTemplate ohms_controls[] = {
    {Ctl::Group,     10220, "Ohms Law",            {6, 4, 214, 72}},
    {Ctl::Edit,      10221, "",                    {14, 23, 64, 35},   "Ampere(I)"},
    {Ctl::Text,      10222, "Ampere(I) =",         {67, 25, 110, 37}},
    {Ctl::Edit,      10223, "",                    {118, 12, 168, 24}, "Volts (E)"},
    {Ctl::Text,      10224, "Volts (E)",           {171, 14, 204, 26}},
    {Ctl::Bar,       10225, "___________________", {114, 20, 206, 30}},
    {Ctl::Edit,      10226, "",                    {118, 34, 168, 46}, "Ohms (R)"},
    {Ctl::Text,      10227, "Ohms (R)",            {171, 36, 206, 48}},
    {Ctl::Button,    10228, "Calculate",           {136, 52, 186, 66}},
    {Ctl::DefButton, 1,     "Close",               {164, 80, 214, 94}},
};

constexpr ControlTemplate torque_controls[] = {
    {Ctl::Edit,      10210, "",                             {12, 6, 42, 18},    "Horsepower (hp)"},
    {Ctl::Text,      10203, "hp x 5250",                    {45, 8, 82, 20}},
    {Ctl::Bar,       10213, "___________________ =",        {6, 14, 88, 24}},
    {Ctl::Edit,      10212, "",                             {20, 28, 50, 40},   "rpm"},
    {Ctl::Text,      10191, "rpm",                          {53, 30, 70, 42}},
    {Ctl::Button,    10218, "Calculate",                    {26, 48, 76, 62}},
    {Ctl::Edit,      10216, "",                             {92, 16, 142, 28},  "Torque (lb-ft)"},
    {Ctl::Text,      10217, "Torque (lb-ft)",               {146, 18, 194, 30}},
    {Ctl::Text,      10214, "hp = horsepower",              {10, 78, 190, 88}},
    {Ctl::Text,      10215, "rpm = revolutions per minute", {10, 88, 190, 98}},
    {Ctl::Group,     10211, "Notes",                        {4, 68, 196, 103}},
    {Ctl::DefButton, 1,     "&Close",                       {146, 110, 196, 124}},
};

constexpr ControlTemplate pump_hp_controls[] = {
    {Ctl::Edit,      10195, "",                                                     {6, 6, 30, 18},     "gpm"},
    {Ctl::Text,      10196, "gpm x ",                                               {32, 8, 55, 20}},
    {Ctl::Edit,      10197, "",                                                     {56, 6, 80, 18},    "Head in ft"},
    {Ctl::Text,      10198, "Head in ft x",                                         {82, 8, 121, 20}},
    {Ctl::Edit,      10199, "",                                                     {122, 6, 146, 18},  "Specific Gravity"},
    {Ctl::Text,      10200, "Specific Gravity*",                                    {148, 8, 204, 20}},
    {Ctl::Bar,       10201, "___________________________________________________ =", {4, 14, 214, 24}},
    {Ctl::Text,      10204, "3960 x ",                                              {46, 30, 70, 42}},
    {Ctl::Edit,      10205, "",                                                     {71, 28, 95, 40},   "mechanical efficiency of pump"},
    {Ctl::Text,      10206, "mechanical efficiency of pump",                        {97, 30, 200, 42}},
    {Ctl::Button,    10001, "Calculate",                                            {84, 48, 134, 62}},
    {Ctl::Edit,      10202, "",                                                     {218, 16, 268, 28}, "hp"},
    {Ctl::Text,      10203, "hp",                                                   {272, 18, 286, 30}},
    {Ctl::Text,      10208, "* - Water = 1.00, Ethylene glycol = 1.125",            {10, 78, 280, 88}},
    {Ctl::Group,     10207, "Notes",                                                {4, 68, 286, 93}},
    {Ctl::DefButton, 1,     "&Close",                                               {236, 100, 286, 114}},
};

constexpr ControlTemplate synchronous_controls[] = {
    {Ctl::Edit,      10185, "",                                         {10, 6, 40, 18},    "Hertz"},
    {Ctl::Text,      10186, "Hertz x 120",                              {43, 8, 84, 20}},
    {Ctl::Bar,       10187, "_____________________ =",                  {6, 14, 90, 24}},
    {Ctl::Edit,      10188, "",                                         {20, 28, 50, 40},   "Poles"},
    {Ctl::Text,      10189, "Poles",                                    {53, 30, 74, 42}},
    {Ctl::Button,    10001, "Calculate",                                {26, 48, 76, 62}},
    {Ctl::Edit,      10190, "",                                         {94, 16, 144, 28},  "rpm"},
    {Ctl::Text,      10191, "rpm",                                      {148, 18, 166, 30}},
    {Ctl::Text,      10192, "Poles = # of motor poles",                 {10, 78, 190, 88}},
    {Ctl::Text,      10193, "rpm = Synchronous revolutions per minute", {10, 88, 190, 98}},
    {Ctl::Group,     10110, "Notes",                                    {4, 68, 196, 103}},
    {Ctl::DefButton, 1,     "&Close",                                   {146, 110, 196, 124}},
};

constexpr ControlTemplate percent_slip_controls[] = {
    {Ctl::Edit,      10175, "",                                                        {6, 6, 30, 18},     "Synchronous rpm"},
    {Ctl::Text,      10176, "Synchronous rpm -",                                       {32, 8, 96, 20}},
    {Ctl::Edit,      10178, "",                                                        {96, 6, 120, 18},   "Full Load rpm"},
    {Ctl::Text,      10177, "Full Load rpm",                                           {122, 8, 168, 20}},
    {Ctl::Bar,       10181, "______________________________________________ x 100 =", {4, 14, 196, 24}},
    {Ctl::Edit,      10180, "",                                                        {44, 28, 68, 40},   "Synchronous rpm (below)"},
    {Ctl::Text,      10179, "Synchronous rpm",                                         {70, 30, 130, 42}},
    {Ctl::Button,    10001, "Calculate",                                               {62, 48, 112, 62}},
    {Ctl::Edit,      10182, "",                                                        {200, 16, 250, 28}, "% Slip"},
    {Ctl::Text,      10183, "% Slip",                                                  {254, 18, 278, 30}},
    {Ctl::DefButton, 1,     "&Close",                                                  {228, 68, 278, 82}},
};

constexpr ControlTemplate voltage_drop_controls[] = {
    {Ctl::Edit,      10160, "",                                                               {6, 6, 30, 18},     "Amps"},
    {Ctl::Text,      10161, "Amps x",                                                         {32, 8, 57, 20}},
    {Ctl::Edit,      10163, "",                                                               {58, 6, 82, 18},    "circuit length(ft)"},
    {Ctl::Text,      10162, "circuit length(ft) x",                                           {84, 8, 144, 20}},
    {Ctl::Edit,      10165, "",                                                               {145, 6, 169, 18},  "Phase factor (*)"},
    {Ctl::Text,      10164, "*  x",                                                           {171, 8, 184, 20}},
    {Ctl::Edit,      10167, "",                                                               {185, 6, 209, 18},  "Ohms/1000 ft"},
    {Ctl::Text,      10166, "Ohms/1000 ft",                                                   {211, 8, 258, 20}},
    {Ctl::Bar,       10168, "_____________________________________________________________=", {4, 14, 262, 24}},
    {Ctl::Text,      10169, "1000",                                                           {122, 30, 142, 42}},
    {Ctl::Button,    10001, "Calculate",                                                      {148, 48, 198, 62}},
    {Ctl::Edit,      10171, "",                                                               {266, 16, 316, 28}, "Voltage drop"},
    {Ctl::Text,      10170, "Voltage drop",                                                   {320, 18, 366, 30}},
    {Ctl::Text,      10172, "* Change to 1.73 for three-phase",                               {6, 50, 120, 60}},
    {Ctl::Button,    10173, "Wire Sizes",                                                     {260, 70, 310, 84}},
    {Ctl::DefButton, 1,     "&Close",                                                         {316, 70, 366, 84}},
};

// The resistance of stranded copper wire at 77 degF. The divider is a column of bars that
// wraps in its narrow rectangle.
constexpr ControlTemplate wire_sizes_controls[] = {
    {Ctl::TextCentre, 10145, "Wire Sizes (AWG) Stranded",      {6, 6, 100, 16}},
    {Ctl::TextCentre, 10146, "Ohms/1000 ft (at 77degF)",       {108, 6, 200, 16}},
    {Ctl::Text,       10144, "|  |  |  |  |  |  |  |  |  | ",  {102, 4, 106, 84}},
    {Ctl::Text,       10147, "22",                             {48, 20, 70, 30}},
    {Ctl::Text,       10148, "20",                             {48, 30, 70, 40}},
    {Ctl::Text,       10149, "18",                             {48, 40, 70, 50}},
    {Ctl::Text,       10150, "16",                             {48, 50, 70, 60}},
    {Ctl::Text,       10151, "14",                             {48, 60, 70, 70}},
    {Ctl::Text,       10152, "12",                             {48, 70, 70, 80}},
    {Ctl::Text,       10158, "16.46",                          {144, 20, 170, 30}},
    {Ctl::Text,       10156, "10.35",                          {144, 30, 170, 40}},
    {Ctl::Text,       10155, "6.512",                          {144, 40, 170, 50}},
    {Ctl::Text,       10154, "4.095",                          {144, 50, 170, 60}},
    {Ctl::Text,       10153, "2.576",                          {144, 60, 170, 70}},
    {Ctl::Text,       10157, "1.620",                          {144, 70, 170, 80}},
    {Ctl::DefButton,  1,     "&Close",                         {150, 90, 200, 104}},
};
// clang-format on

} // namespace

const DialogTemplate ohms_template = {10219, "ohms", 220, 100, ohms_controls};
const DialogTemplate torque_template = {10209, "Motor Application formulas", 200, 130,
                                        torque_controls};
const DialogTemplate pump_hp_template = {10194, "Pump Horsepower", 292, 120, pump_hp_controls};
const DialogTemplate synchronous_template = {10184, "synchronous", 200, 130, synchronous_controls};
const DialogTemplate percent_slip_template = {10174, "Percent slip", 284, 88,
                                              percent_slip_controls};
const DialogTemplate voltage_drop_template = {10159, "Single-phase voltage drop", 372, 90,
                                              voltage_drop_controls};
const DialogTemplate wire_sizes_template = {10143, "Wire sizes", 206, 110, wire_sizes_controls};

} // namespace zarn
