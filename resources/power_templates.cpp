// The electrical power dialogs: the frame of the power-formula dialog, the sixteen layouts
// its controls are built from at run time, and the motor shaft stress dialog.
//
// A layout draws its formula as a fraction: the numerator row at the top, a run of
// underscores ending in " =" as the fraction bar, the denominator row below it, the result
// field with its unit to the right of the "=", the Calculate button under the fraction,
// and a "Notes" box with one line for each symbol. Controls are listed in tab order: the
// inputs, Calculate, the result (the dialog's Close comes last).
#include "resources/resources.h"

namespace zarn {
namespace {

// What a screen reader says for each field of the power formulas.
constexpr const char* hp_name = "Horsepower (hp)";
constexpr const char* kw_name = "Kilowatts (kW)";
constexpr const char* kva_name = "Kilovolt amperes (kVA)";
constexpr const char* amperes_name = "Amperes (I)";
constexpr const char* volts_name = "Volts (E)";
constexpr const char* eff_name = "Motor efficiency (eff)";
constexpr const char* pf_name = "Power factor (pf)";

// clang-format off
constexpr ControlTemplate amperes_controls[] = {
    {Ctl::DefButton, 10258, "&Close", {97, 150, 147, 164}},
};

// ---- Notes ---------------------------------------------------------------------------

constexpr ControlTemplate horsepower_notes[] = {
    {Ctl::Text,      9989, "hp = Horsepower",                                             {8, 70, 72, 80}},
    {Ctl::Text,      9988, "% eff = motor efficiency(If unknown - %eff = 0.7 up to 25hp", {8, 80, 212, 90}},
    {Ctl::TextRight, 9987, "0.8 above 25 hp",                                             {142, 90, 212, 100}},
    {Ctl::Text,      9986, "E = Volts",                                                   {8, 100, 182, 110}},
    {Ctl::Group,     9985, "Notes",                                                       {3, 60, 240, 115}},
};
constexpr ControlTemplate kilowatt_dc_notes[] = {
    {Ctl::Text,  0, "kW = kilowatts",   {8, 70, 182, 80}},
    {Ctl::Text,  0, "E = Volts",        {8, 80, 182, 90}},
    {Ctl::Group, 0, "Notes",            {3, 60, 240, 95}},
};
constexpr ControlTemplate kilowatt_ac_notes[] = {
    {Ctl::Text,  0, "kW = kilowatts",   {8, 70, 182, 80}},
    {Ctl::Text,  0, "E = Volts",        {8, 80, 182, 90}},
    {Ctl::Text,  0, "pf = Power Factor", {8, 90, 182, 100}},
    {Ctl::Group, 0, "Notes",            {3, 60, 240, 105}},
};
constexpr ControlTemplate kva_notes[] = {
    {Ctl::Text,  0, "kVA = Kilovolt amperes", {8, 70, 182, 80}},
    {Ctl::Text,  0, "E = Volts",              {8, 80, 182, 90}},
    {Ctl::Group, 0, "Notes",                  {3, 60, 240, 95}},
};
constexpr ControlTemplate amperes_volts_notes[] = {
    {Ctl::Text,  0, "I = Amperes", {8, 70, 182, 80}},
    {Ctl::Text,  0, "E = Volts",   {8, 80, 182, 90}},
    {Ctl::Group, 0, "Notes",       {3, 60, 240, 95}},
};
constexpr ControlTemplate three_phase_kilowatt_notes[] = {
    {Ctl::Text,  0, "I = Amperes",       {8, 70, 182, 80}},
    {Ctl::Text,  0, "E = Volts",         {8, 80, 182, 90}},
    {Ctl::Text,  0, "pf = Power factor", {8, 90, 182, 100}},
    {Ctl::Group, 0, "Notes",             {3, 60, 240, 105}},
};
constexpr ControlTemplate horsepower_output_dc_notes[] = {
    {Ctl::Text,      0, "I = Amperes",                                                 {8, 70, 182, 80}},
    {Ctl::Text,      0, "E = Volts",                                                   {8, 80, 182, 90}},
    {Ctl::Text,      0, "% eff = motor efficiency(If unknown - %eff = 0.7 up to 25hp", {8, 90, 212, 100}},
    {Ctl::TextRight, 0, "0.8 above 25hp)",                                             {142, 100, 212, 110}},
    {Ctl::Group,     0, "Notes",                                                       {3, 60, 240, 115}},
};
constexpr ControlTemplate horsepower_output_ac_notes[] = {
    {Ctl::Text,      0, "I = Amperes",                                                 {8, 70, 182, 80}},
    {Ctl::Text,      0, "E = Volts",                                                   {8, 80, 182, 90}},
    {Ctl::Text,      0, "% eff = motor efficiency(If unknown - %eff = 0.7 up to 25hp", {8, 90, 212, 100}},
    {Ctl::TextRight, 0, "0.8 above 25hp)",                                             {142, 100, 212, 110}},
    {Ctl::Text,      0, "pf = Power Factor",                                           {8, 110, 182, 120}},
    {Ctl::Group,     0, "Notes",                                                       {3, 60, 240, 125}},
};

// ---- Formulas: numerator, bar, denominator, Calculate, result --------------------------

// 1: amperes from horsepower, direct current
constexpr ControlTemplate dc_amperes_from_hp[] = {
    {Ctl::Edit,   9999, "",                              {40, 6, 70, 18},    hp_name},
    {Ctl::Text,   9998, "hp x  746",                     {76, 8, 128, 20}},
    {Ctl::Bar,    9997, "___________________________ =", {22, 14, 140, 24}},
    {Ctl::Edit,   9996, "",                              {32, 28, 68, 40},   volts_name},
    {Ctl::Text,   9995, "E x",                           {72, 30, 86, 42}},
    {Ctl::Edit,   9994, "",                              {90, 28, 110, 40},  eff_name},
    {Ctl::Text,   9993, "eff",                           {114, 30, 136, 42}},
    {Ctl::Button, 9990, "Calculate",                     {100, 46, 140, 58}},
    {Ctl::Text,   9992, "Amperes",                       {201, 18, 235, 30}},
    {Ctl::Edit,   9991, "",                              {145, 16, 197, 28}, "Amperes"},
};
// 2: amperes from horsepower, single-phase
constexpr ControlTemplate single_phase_amperes_from_hp[] = {
    {Ctl::Edit,   9999, "",                                          {37, 6, 67, 18},    hp_name},
    {Ctl::Text,   0,    "hp x  746",                                 {71, 8, 107, 20}},
    {Ctl::Bar,    0,    "_______________________________________ =", {6, 14, 142, 24}},
    {Ctl::Edit,   9996, "",                                          {8, 28, 34, 40},    volts_name},
    {Ctl::Text,   0,    "E x",                                       {36, 30, 48, 42}},
    {Ctl::Edit,   9994, "",                                          {49, 28, 75, 40},   eff_name},
    {Ctl::Text,   0,    "eff. x ",                                   {77, 30, 97, 42}},
    {Ctl::Edit,   9991, "",                                          {97, 28, 123, 40},  pf_name},
    {Ctl::Text,   0,    "pf",                                        {125, 30, 135, 42}},
    {Ctl::Button, 9981, "Calculate",                                 {62, 47, 102, 57}},
    {Ctl::Edit,   9983, "",                                          {146, 16, 196, 28}, "Amperes"},
    {Ctl::Text,   0,    "Amperes",                                   {200, 18, 234, 30}},
};
// 3: amperes from horsepower, three-phase
constexpr ControlTemplate three_phase_amperes_from_hp[] = {
    {Ctl::Edit,   9999, "",                                          {43, 6, 73, 18},    hp_name},
    {Ctl::Text,   0,    "hp x  746",                                 {77, 8, 113, 20}},
    {Ctl::Bar,    0,    "_______________________________________ =", {4, 14, 155, 24}},
    {Ctl::Text,   0,    "1.73 x",                                    {6, 30, 28, 42}},
    {Ctl::Edit,   9996, "",                                          {28, 28, 52, 40},   volts_name},
    {Ctl::Text,   0,    "E x",                                       {54, 30, 66, 42}},
    {Ctl::Edit,   9994, "",                                          {66, 28, 90, 40},   eff_name},
    {Ctl::Text,   0,    "eff. x ",                                   {92, 30, 112, 42}},
    {Ctl::Edit,   9991, "",                                          {112, 28, 136, 40}, pf_name},
    {Ctl::Text,   0,    "pf",                                        {138, 30, 148, 42}},
    {Ctl::Button, 9980, "Calculate",                                 {62, 47, 102, 57}},
    {Ctl::Edit,   9983, "",                                          {157, 16, 207, 28}, "Amperes"},
    {Ctl::Text,   0,    "Amperes",                                   {210, 18, 240, 30}},
};
// 4: amperes from kilowatts, direct current
constexpr ControlTemplate dc_amperes_from_kw[] = {
    {Ctl::Edit,   9999, "",                            {14, 6, 44, 18},    kw_name},
    {Ctl::Text,   0,    "kW x 1000",                   {48, 8, 88, 20}},
    {Ctl::Bar,    0,    "_________________________ =", {8, 14, 98, 24}},
    {Ctl::Edit,   9996, "",                            {30, 28, 60, 40},   volts_name},
    {Ctl::Text,   0,    "E",                           {63, 30, 73, 42}},
    {Ctl::Button, 9979, "Calculate",                   {62, 47, 102, 57}},
    {Ctl::Edit,   9994, "",                            {102, 16, 152, 28}, "Amperes"},
    {Ctl::Text,   0,    "Amperes",                     {156, 18, 190, 30}},
};
// 5: amperes from kilowatts, single-phase
constexpr ControlTemplate single_phase_amperes_from_kw[] = {
    {Ctl::Edit,   9999, "",                            {14, 6, 44, 18},    kw_name},
    {Ctl::Text,   0,    "kW x 1000",                   {48, 8, 88, 20}},
    {Ctl::Bar,    0,    "_________________________ =", {8, 14, 100, 24}},
    {Ctl::Edit,   9996, "",                            {10, 28, 38, 40},   volts_name},
    {Ctl::Text,   0,    "E x",                         {40, 30, 52, 42}},
    {Ctl::Edit,   9994, "",                            {54, 28, 80, 40},   pf_name},
    {Ctl::Text,   0,    "pf",                          {82, 30, 92, 42}},
    {Ctl::Button, 9977, "Calculate",                   {62, 47, 102, 57}},
    {Ctl::Edit,   9991, "",                            {104, 16, 154, 28}, "Amperes"},
    {Ctl::Text,   0,    "Amperes",                     {158, 18, 192, 30}},
};
// 6: amperes from kilowatts, three-phase
constexpr ControlTemplate three_phase_amperes_from_kw[] = {
    {Ctl::Edit,   9999, "",                            {20, 6, 50, 18},    kw_name},
    {Ctl::Text,   0,    "kW x 1000",                   {54, 8, 94, 20}},
    {Ctl::Bar,    0,    "_________________________ =", {4, 14, 112, 24}},
    {Ctl::Text,   0,    "1.73 x",                      {6, 30, 28, 42}},
    {Ctl::Edit,   9996, "",                            {28, 28, 54, 40},   volts_name},
    {Ctl::Text,   0,    "E x",                         {56, 30, 68, 42}},
    {Ctl::Edit,   9994, "",                            {68, 28, 94, 40},   pf_name},
    {Ctl::Text,   0,    "pf",                          {96, 30, 106, 42}},
    {Ctl::Button, 9976, "Calculate",                   {62, 47, 102, 57}},
    {Ctl::Edit,   9991, "",                            {116, 16, 166, 28}, "Amperes"},
    {Ctl::Text,   0,    "Amperes",                     {170, 18, 204, 30}},
};
// 7: amperes from kilovolt-amperes, single-phase
constexpr ControlTemplate single_phase_amperes_from_kva[] = {
    {Ctl::Edit,   9999, "",                            {12, 6, 42, 18},    kva_name},
    {Ctl::Text,   0,    "kVA x 1000",                  {46, 8, 88, 20}},
    {Ctl::Bar,    0,    "_________________________ =", {8, 14, 98, 24}},
    {Ctl::Edit,   9996, "",                            {30, 28, 60, 40},   volts_name},
    {Ctl::Text,   0,    "E",                           {63, 30, 73, 42}},
    {Ctl::Button, 9975, "Calculate",                   {62, 47, 102, 57}},
    {Ctl::Edit,   9994, "",                            {102, 16, 152, 28}, "Amperes"},
    {Ctl::Text,   0,    "Amperes",                     {156, 18, 190, 30}},
};
// 8: amperes from kilovolt-amperes, three-phase
constexpr ControlTemplate three_phase_amperes_from_kva[] = {
    {Ctl::Edit,   9999, "",                            {12, 6, 42, 18},    kva_name},
    {Ctl::Text,   0,    "kVA x 1000",                  {46, 8, 88, 20}},
    {Ctl::Bar,    0,    "_________________________ =", {8, 14, 98, 24}},
    {Ctl::Text,   0,    "1.73 x",                      {14, 30, 36, 42}},
    {Ctl::Edit,   9996, "",                            {37, 28, 67, 40},   volts_name},
    {Ctl::Text,   0,    "E",                           {70, 30, 80, 42}},
    {Ctl::Button, 9974, "Calculate",                   {62, 47, 102, 57}},
    {Ctl::Edit,   9994, "",                            {102, 16, 152, 28}, "Amperes"},
    {Ctl::Text,   0,    "Amperes",                     {156, 18, 190, 30}},
};
// 9: kilowatts, direct current
constexpr ControlTemplate dc_kw[] = {
    {Ctl::Edit,   9999, "",                            {10, 6, 38, 18},    amperes_name},
    {Ctl::Text,   0,    "I",                           {41, 8, 47, 20}},
    {Ctl::Edit,   9996, "",                            {48, 6, 76, 18},    volts_name},
    {Ctl::Text,   0,    "E",                           {79, 8, 89, 20}},
    {Ctl::Bar,    0,    "_________________________ =", {8, 14, 98, 24}},
    {Ctl::Text,   0,    "1000",                        {42, 30, 62, 42}},
    {Ctl::Button, 9973, "Calculate",                   {62, 47, 102, 57}},
    {Ctl::Edit,   9994, "",                            {102, 16, 152, 28}, "Kilowatts(kW)"},
    {Ctl::Text,   0,    "Kilowatts(kW)",               {156, 18, 204, 30}},
};
// 10: kilowatts, single-phase
constexpr ControlTemplate single_phase_kw[] = {
    {Ctl::Edit,   9999, "",                                   {8, 6, 32, 18},     amperes_name},
    {Ctl::Text,   0,    "I x",                                {34, 8, 44, 20}},
    {Ctl::Edit,   9996, "",                                   {45, 6, 69, 18},    volts_name},
    {Ctl::Text,   0,    "E x",                                {71, 8, 83, 20}},
    {Ctl::Edit,   9994, "",                                   {84, 6, 108, 18},   pf_name},
    {Ctl::Text,   0,    "pf",                                 {110, 8, 120, 20}},
    {Ctl::Bar,    0,    "________________________________ =", {6, 14, 128, 24}},
    {Ctl::Text,   0,    "1000",                               {55, 30, 75, 42}},
    {Ctl::Button, 9972, "Calculate",                          {62, 47, 102, 57}},
    {Ctl::Edit,   9991, "",                                   {132, 16, 182, 28}, "Kilowatts(kW)"},
    {Ctl::Text,   0,    "Kilowatts(kW)",                      {186, 18, 234, 30}},
};
// 11: kilowatts, three-phase
constexpr ControlTemplate three_phase_kw[] = {
    {Ctl::Edit,   9999, "",                                        {6, 6, 28, 18},     amperes_name},
    {Ctl::Text,   0,    "I x",                                     {30, 8, 40, 20}},
    {Ctl::Edit,   9996, "",                                        {41, 6, 63, 18},    volts_name},
    {Ctl::Text,   0,    "E x 1.73 x",                              {65, 8, 99, 20}},
    {Ctl::Edit,   9994, "",                                        {100, 6, 122, 18},  pf_name},
    {Ctl::Text,   0,    "pf",                                      {124, 8, 134, 20}},
    {Ctl::Bar,    0,    "_____________________________________ =", {4, 14, 142, 24}},
    {Ctl::Text,   0,    "1000",                                    {61, 30, 81, 42}},
    {Ctl::Button, 9971, "Calculate",                               {62, 47, 102, 57}},
    {Ctl::Edit,   9991, "",                                        {145, 16, 193, 28}, "Kilowatts(kW)"},
    {Ctl::Text,   0,    "Kilowatts(kW)",                           {196, 18, 243, 30}},
};
// 12: kilovolt-amperes, single-phase
constexpr ControlTemplate single_phase_kva[] = {
    {Ctl::Edit,   9999, "",                            {10, 6, 38, 18},    amperes_name},
    {Ctl::Text,   0,    "I x",                         {41, 8, 51, 20}},
    {Ctl::Edit,   9996, "",                            {52, 6, 80, 18},    volts_name},
    {Ctl::Text,   0,    "E",                           {83, 8, 93, 20}},
    {Ctl::Bar,    0,    "_________________________ =", {8, 14, 98, 24}},
    {Ctl::Text,   0,    "1000",                        {42, 30, 62, 42}},
    {Ctl::Button, 9970, "Calculate",                   {62, 47, 102, 57}},
    {Ctl::Edit,   9991, "",                            {102, 16, 152, 28}, "Kilovolt amperes(kVA)"},
    {Ctl::Text,   0,    "Kilovolt amperes(kVA)",       {156, 18, 232, 30}},
};
// 13: kilovolt-amperes, three-phase
constexpr ControlTemplate three_phase_kva[] = {
    {Ctl::Edit,   9999, "",                              {8, 6, 32, 18},     amperes_name},
    {Ctl::Text,   0,    "I x",                           {34, 8, 44, 20}},
    {Ctl::Edit,   9996, "",                              {45, 6, 69, 18},    volts_name},
    {Ctl::Text,   0,    "E x 1.73",                      {71, 8, 101, 20}},
    {Ctl::Bar,    0,    "___________________________ =", {6, 14, 108, 24}},
    {Ctl::Text,   0,    "1000",                          {46, 30, 66, 42}},
    {Ctl::Button, 9969, "Calculate",                     {62, 47, 102, 57}},
    {Ctl::Edit,   9991, "",                              {112, 16, 162, 28}, "Kilovolt amperes(kVA)"},
    {Ctl::Text,   0,    "Kilovolt amperes(kVA)",         {166, 18, 242, 30}},
};
// 14: horsepower output, direct current
constexpr ControlTemplate dc_hp_output[] = {
    {Ctl::Edit,   9999, "",                                   {8, 6, 32, 18},     amperes_name},
    {Ctl::Text,   0,    "I x",                                {34, 8, 44, 20}},
    {Ctl::Edit,   9996, "",                                   {45, 6, 69, 18},    volts_name},
    {Ctl::Text,   0,    "E x",                                {71, 8, 83, 20}},
    {Ctl::Edit,   9994, "",                                   {84, 6, 108, 18},   eff_name},
    {Ctl::Text,   0,    "eff",                                {110, 8, 122, 20}},
    {Ctl::Bar,    0,    "________________________________ =", {6, 14, 130, 24}},
    {Ctl::Text,   0,    "746",                                {58, 30, 74, 42}},
    {Ctl::Button, 9968, "Calculate",                          {62, 47, 102, 57}},
    {Ctl::Edit,   9991, "",                                   {134, 16, 184, 28}, "hp"},
    {Ctl::Text,   0,    "hp",                                 {188, 18, 204, 30}},
};
// 15: horsepower output, single-phase
constexpr ControlTemplate single_phase_hp_output[] = {
    {Ctl::Edit,   9999, "",                                              {6, 6, 28, 18},     amperes_name},
    {Ctl::Text,   0,    "I x",                                           {30, 8, 40, 20}},
    {Ctl::Edit,   9996, "",                                              {41, 6, 63, 18},    volts_name},
    {Ctl::Text,   0,    "E x",                                           {65, 8, 77, 20}},
    {Ctl::Edit,   9994, "",                                              {78, 6, 100, 18},   eff_name},
    {Ctl::Text,   0,    "eff x",                                         {102, 8, 118, 20}},
    {Ctl::Edit,   9991, "",                                              {119, 6, 141, 18},  pf_name},
    {Ctl::Text,   0,    "pf",                                            {143, 8, 153, 20}},
    {Ctl::Bar,    0,    "___________________________________________ =", {4, 14, 160, 24}},
    {Ctl::Text,   0,    "746",                                           {72, 30, 88, 42}},
    {Ctl::Button, 9967, "Calculate",                                     {62, 47, 102, 57}},
    {Ctl::Edit,   9983, "",                                              {164, 16, 214, 28}, "hp"},
    {Ctl::Text,   0,    "hp",                                            {218, 18, 234, 30}},
};
// 16: horsepower output, three-phase
constexpr ControlTemplate three_phase_hp_output[] = {
    {Ctl::Edit,   9999, "",                                                  {6, 6, 28, 18},     amperes_name},
    {Ctl::Text,   0,    "I x",                                               {30, 8, 40, 20}},
    {Ctl::Edit,   9996, "",                                                  {41, 6, 63, 18},    volts_name},
    {Ctl::Text,   0,    "E x 1.73",                                          {65, 8, 93, 20}},
    {Ctl::Edit,   9994, "",                                                  {94, 6, 116, 18},   eff_name},
    {Ctl::Text,   0,    "eff x",                                             {118, 8, 134, 20}},
    {Ctl::Edit,   9991, "",                                                  {135, 6, 157, 18},  pf_name},
    {Ctl::Text,   0,    "pf",                                                {159, 8, 169, 20}},
    {Ctl::Bar,    0,    "_______________________________________________ =", {4, 14, 176, 24}},
    {Ctl::Text,   0,    "746",                                               {80, 30, 96, 42}},
    {Ctl::Button, 9966, "Calculate",                                         {62, 47, 102, 57}},
    {Ctl::Edit,   9983, "",                                                  {180, 16, 230, 28}, "hp"},
    {Ctl::Text,   0,    "hp",                                                {233, 18, 243, 30}},
};

constexpr AmperesLayout layouts[] = {
    //  Step 1 (unit to solve for)    Step 2 (current)     formula                          notes
    {"Amperes - horsepower known", "Direct Current",    dc_amperes_from_hp,            horsepower_notes},
    {"Amperes - horsepower known", "AC - Single-Phase", single_phase_amperes_from_hp,  horsepower_notes},
    {"Amperes - horsepower known", "AC - Three-Phase",  three_phase_amperes_from_hp,   horsepower_notes},
    {"Amperes - kilowatts known",  "Direct Current",    dc_amperes_from_kw,            kilowatt_dc_notes},
    {"Amperes - kilowatts known",  "AC - Single-Phase", single_phase_amperes_from_kw,  kilowatt_ac_notes},
    {"Amperes - kilowatts known",  "AC - Three-Phase",  three_phase_amperes_from_kw,   kilowatt_ac_notes},
    {"Amperes - kVA known",        "AC - Single-Phase", single_phase_amperes_from_kva, kva_notes},
    {"Amperes - kVA known",        "AC - Three-Phase",  three_phase_amperes_from_kva,  kva_notes},
    {"Kilowatts",                  "Direct Current",    dc_kw,                         amperes_volts_notes},
    {"Kilowatts",                  "AC - Single-Phase", single_phase_kw,               amperes_volts_notes},
    {"Kilowatts",                  "AC - Three-Phase",  three_phase_kw,                three_phase_kilowatt_notes},
    {"kVA",                        "AC - Single-Phase", single_phase_kva,      amperes_volts_notes},
    {"kVA",                        "AC - Three-Phase",  three_phase_kva,       amperes_volts_notes},
    {"Horsepower(output)",         "Direct Current",    dc_hp_output,                  horsepower_output_dc_notes},
    {"Horsepower(output)",         "AC - Single-Phase", single_phase_hp_output,        horsepower_output_ac_notes},
    {"Horsepower(output)",         "AC - Three-Phase",  three_phase_hp_output,         horsepower_output_ac_notes},
};

// ---- Motor shaft stress -----------------------------------------------------------------

constexpr ControlTemplate shaft_stress_controls[] = {
    {Ctl::Edit,      10260, "",                                          {28, 6, 60, 18},     "Horsepower (hp)"},
    {Ctl::Text,      0,     "hp x 321,000",                              {63, 8, 110, 20}},
    {Ctl::Bar,       10262, "____________________________=",             {6, 14, 126, 24}},
    {Ctl::Edit,      10263, "",                                          {8, 28, 36, 40},     "rpm"},
    {Ctl::Text,      0,     "rpm x",                                     {38, 30, 58, 42}},
    {Ctl::Edit,      10264, "",                                          {60, 28, 88, 40},    "shaft dia³"},
    {Ctl::Text,      0,     "shaft dia³",                                {90, 30, 128, 42}},
    {Ctl::Button,    10001, "Calculate",                                 {48, 48, 98, 62}},
    {Ctl::Edit,      10266, "",                                          {130, 16, 180, 28},  "Shaft stess"},
    {Ctl::Text,      0,     "Shaft stess",                               {184, 18, 222, 30}},
    {Ctl::Text,      0,     "hp = horsepower",                           {10, 80, 214, 90}},
    {Ctl::Text,      0,     "rpm = revolutions per minute",              {10, 90, 214, 100}},
    {Ctl::Text,      0,     "shaft dia³ =  motor shaft diameter (cubed) ", {10, 100, 214, 110}},
    {Ctl::Text,      0,     "Shaft stress = stress (lb per sq inch)",    {10, 110, 214, 120}},
    {Ctl::Group,     10110, "Notes",                                     {4, 70, 220, 125}},
    {Ctl::DefButton, 1,     "&Close",                                    {170, 132, 220, 146}},
};
// clang-format on

} // namespace

const DialogTemplate amperes_template = {10257, "amperes", 244, 172, amperes_controls};
const DialogTemplate shaft_stress_template = {10259, "Motor shaft stress", 224, 152,
                                              shaft_stress_controls};

const std::span<const AmperesLayout> amperes_layouts = layouts;

} // namespace zarn
