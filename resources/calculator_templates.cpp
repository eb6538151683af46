// The calculator dialog and its fifteen sheets. Sheet rectangles are relative to the
// sheet area beside the titles (about 350 by 200 dialog units).
#include "resources/resources.h"

namespace zarn {
namespace {

// clang-format off
constexpr ControlTemplate calculator_controls[] = {
    {Ctl::Tabs,      10484, "",       {4, 4, 426, 208}},
    {Ctl::DefButton, 1,     "&Close", {372, 212, 426, 226}},
};

constexpr ControlTemplate temperature_controls[] = {
    {Ctl::Group,  0,     "Temperature conversions", {8, 6, 200, 90}},
    {Ctl::Text,   10463, "Fahrenheit",              {18, 20, 92, 32}},
    {Ctl::Edit,   10462, "",                        {96, 20, 186, 32},   "Fahrenheit"},
    {Ctl::Text,   10465, "Celsius",                 {18, 36, 92, 48}},
    {Ctl::Edit,   10464, "",                        {96, 36, 186, 48},   "Celsius"},
    {Ctl::Text,   10467, "Kelvin",                  {18, 52, 92, 64}},
    {Ctl::Edit,   10466, "",                        {96, 52, 186, 64},   "Kelvin"},
    {Ctl::Text,   10469, "Rankin",                  {18, 68, 92, 80}},
    {Ctl::Edit,   10468, "",                        {96, 68, 186, 80},   "Rankin"},
    {Ctl::Button, 1,     "&OK",                     {292, 182, 344, 196}},
};

constexpr ControlTemplate pressure_controls[] = {
    {Ctl::Group,    10460, "Pressure Formulas",    {8, 4, 344, 32}},
    {Ctl::DropList, 10430, "",                     {18, 15, 180, 28},    "Pressure Formulas"},
    {Ctl::Group,    10459, "Pressure conversions", {8, 36, 344, 172}},
    {Ctl::Text,     10432, "psi",                  {18, 48, 76, 60}},
    {Ctl::Edit,     10431, "",                     {78, 48, 164, 60},    "psi"},
    {Ctl::Text,     10453, "kg/cm²",               {18, 64, 76, 76}},
    {Ctl::Edit,     10447, "",                     {78, 64, 164, 76},    "kg/cm²"},
    {Ctl::Text,     10454, "bar",                  {18, 80, 76, 92}},
    {Ctl::Edit,     10448, "",                     {78, 80, 164, 92},    "bar"},
    {Ctl::Text,     10455, "mbar",                 {18, 96, 76, 108}},
    {Ctl::Edit,     10449, "",                     {78, 96, 164, 108},   "mbar"},
    {Ctl::Text,     10456, "Pascals",              {18, 112, 76, 124}},
    {Ctl::Edit,     10450, "",                     {78, 112, 164, 124},  "Pascals"},
    {Ctl::Text,     10457, "Kilopascals",          {18, 128, 76, 140}},
    {Ctl::Edit,     10451, "",                     {78, 128, 164, 140},  "Kilopascals"},
    {Ctl::Text,     10458, "atm",                  {18, 144, 76, 156}},
    {Ctl::Edit,     10452, "",                     {78, 144, 164, 156},  "atm"},
    {Ctl::Text,     10434, "in of H2O",            {188, 48, 246, 60}},
    {Ctl::Edit,     10433, "",                     {248, 48, 334, 60},   "in of H2O"},
    {Ctl::Text,     10436, "ft of H2O",            {188, 64, 246, 76}},
    {Ctl::Edit,     10435, "",                     {248, 64, 334, 76},   "ft of H2O"},
    {Ctl::Text,     10438, "mm of H2O",            {188, 80, 246, 92}},
    {Ctl::Edit,     10437, "",                     {248, 80, 334, 92},   "mm of H2O"},
    {Ctl::Text,     10441, "cm of H2O",            {188, 96, 246, 108}},
    {Ctl::Edit,     10439, "",                     {248, 96, 334, 108},  "cm of H2O"},
    {Ctl::Text,     10442, "in of Hg",             {188, 112, 246, 124}},
    {Ctl::Edit,     10440, "",                     {248, 112, 334, 124}, "in of Hg"},
    {Ctl::Text,     10444, "mm of Hg",             {188, 128, 246, 140}},
    {Ctl::Edit,     10443, "",                     {248, 128, 334, 140}, "mm of Hg"},
    {Ctl::Text,     10446, "cm of Hg",             {188, 144, 246, 156}},
    {Ctl::Edit,     10445, "",                     {248, 144, 334, 156}, "cm of Hg"},
    {Ctl::Button,   1,     "&Close",               {292, 182, 344, 196}},
};

constexpr ControlTemplate flow_controls[] = {
    {Ctl::Group,    10134, "Air Flow Formulas",    {8, 4, 344, 32}},
    {Ctl::DropList, 10135, "",                     {18, 15, 180, 28},   "Air Flow Formulas"},
    {Ctl::Group,    10136, "Air Flow Conversions", {8, 36, 230, 112}},
    {Ctl::Text,     10003, "cubic feet/minute",    {18, 48, 106, 60}},
    {Ctl::Edit,     10002, "",                     {108, 48, 216, 60},  "cubic feet/minute"},
    {Ctl::Text,     10142, "liters/sec",           {18, 64, 106, 76}},
    {Ctl::Edit,     10139, "",                     {108, 64, 216, 76},  "liters/sec"},
    {Ctl::Text,     10140, "cubic meters/sec",     {18, 80, 106, 92}},
    {Ctl::Edit,     10137, "",                     {108, 80, 216, 92},  "cubic meters/sec"},
    {Ctl::Text,     10141, "gallons/minute",       {18, 96, 106, 108}},
    {Ctl::Edit,     10138, "",                     {108, 96, 216, 108}, "gallons/minute"},
    {Ctl::Button,   1,     "&Close",               {292, 182, 344, 196}},
};

constexpr ControlTemplate length_controls[] = {
    {Ctl::Group,  10380, "Length Conversions", {8, 6, 344, 106}},
    {Ctl::Text,   10382, "Microns",            {18, 20, 82, 32}},
    {Ctl::Edit,   10381, "",                   {84, 20, 164, 32},   "Microns"},
    {Ctl::Text,   10384, "Mils",               {18, 36, 82, 48}},
    {Ctl::Edit,   10383, "",                   {84, 36, 164, 48},   "Mils"},
    {Ctl::Text,   10386, "Millimeters",        {18, 52, 82, 64}},
    {Ctl::Edit,   10385, "",                   {84, 52, 164, 64},   "Millimeters"},
    {Ctl::Text,   10388, "Inches",             {18, 68, 82, 80}},
    {Ctl::Edit,   10387, "",                   {84, 68, 164, 80},   "Inches"},
    {Ctl::Text,   10390, "Centimeters",        {18, 84, 82, 96}},
    {Ctl::Edit,   10389, "",                   {84, 84, 164, 96},   "Centimeters"},
    {Ctl::Text,   10392, "Feet",               {188, 20, 252, 32}},
    {Ctl::Edit,   10391, "",                   {254, 20, 334, 32},  "Feet"},
    {Ctl::Text,   10397, "Meters",             {188, 36, 252, 48}},
    {Ctl::Edit,   10393, "",                   {254, 36, 334, 48},  "Meters"},
    {Ctl::Text,   10398, "Yards",              {188, 52, 252, 64}},
    {Ctl::Edit,   10394, "",                   {254, 52, 334, 64},  "Yards"},
    {Ctl::Text,   10399, "Kilometers",         {188, 68, 252, 80}},
    {Ctl::Edit,   10395, "",                   {254, 68, 334, 80},  "Kilometers"},
    {Ctl::Text,   10400, "Miles",              {188, 84, 252, 96}},
    {Ctl::Edit,   10396, "",                   {254, 84, 334, 96},  "Miles"},
    {Ctl::Button, 1,     "&OK",                {292, 182, 344, 196}},
};

constexpr ControlTemplate weight_controls[] = {
    {Ctl::Group,  10360, "Weight Conversions", {8, 6, 344, 106}},
    {Ctl::Text,   10362, "Grains",             {18, 20, 82, 32}},
    {Ctl::Edit,   10361, "",                   {84, 20, 164, 32},   "Grains"},
    {Ctl::Text,   10367, "Micrograms",         {18, 36, 82, 48}},
    {Ctl::Edit,   10368, "",                   {84, 36, 164, 48},   "Micrograms"},
    {Ctl::Text,   10369, "Kilograms",          {18, 52, 82, 64}},
    {Ctl::Edit,   10370, "",                   {84, 52, 164, 64},   "Kilograms"},
    {Ctl::Text,   10364, "Grams",              {18, 68, 82, 80}},
    {Ctl::Edit,   10363, "",                   {84, 68, 164, 80},   "Grams"},
    {Ctl::Text,   10366, "Ounces",             {18, 84, 82, 96}},
    {Ctl::Edit,   10365, "",                   {84, 84, 164, 96},   "Ounces"},
    {Ctl::Text,   10371, "Pounds",             {188, 20, 252, 32}},
    {Ctl::Edit,   10372, "",                   {254, 20, 334, 32},  "Pounds"},
    {Ctl::Text,   10373, "Tons (Short)",       {188, 36, 252, 48}},
    {Ctl::Edit,   10374, "",                   {254, 36, 334, 48},  "Tons (Short)"},
    {Ctl::Text,   10375, "Tons (Metric)",      {188, 52, 252, 64}},
    {Ctl::Edit,   10376, "",                   {254, 52, 334, 64},  "Tons (Metric)"},
    {Ctl::Text,   10377, "Tons (Long)",        {188, 68, 252, 80}},
    {Ctl::Edit,   10378, "",                   {254, 68, 334, 80},  "Tons (Long)"},
    {Ctl::Button, 1,     "&OK",                {292, 182, 344, 196}},
};

// Liquid ("wet") measures on the left, cubic units in the middle, dry measures on the
// right. "Pints" and "Quarts" appear in both outer columns. Every field is wide enough for
// twelve characters, such as -132887768.2 or 2.02312E+08.
constexpr ControlTemplate volume_controls[] = {
    {Ctl::Group,  10324, "Volume Conversions", {4, 2, 346, 178}},
    {Ctl::Group,  10353, "Wet",                {8, 14, 132, 144}},
    {Ctl::Text,   10326, "Ounces",             {14, 26, 68, 38}},
    {Ctl::Edit,   10325, "",                   {70, 26, 126, 38},   "Wet Ounces"},
    {Ctl::Text,   10329, "Pints",              {14, 42, 68, 54}},
    {Ctl::Edit,   10330, "",                   {70, 42, 126, 54},   "Wet Pints"},
    {Ctl::Text,   10333, "Quarts",             {14, 58, 68, 70}},
    {Ctl::Edit,   10334, "",                   {70, 58, 126, 70},   "Wet Quarts"},
    {Ctl::Text,   10335, "Liters",             {14, 74, 68, 86}},
    {Ctl::Edit,   10336, "",                   {70, 74, 126, 86},   "Liters"},
    {Ctl::Text,   10341, "Gallons",            {14, 90, 68, 102}},
    {Ctl::Edit,   10342, "",                   {70, 90, 126, 102},  "Gallons"},
    {Ctl::Text,   10347, "Barrels (U.S)",      {14, 106, 68, 118}},
    {Ctl::Edit,   10348, "",                   {70, 106, 126, 118}, "Barrels (U.S)"},
    {Ctl::Text,   10349, "Barrels (pet.)",     {14, 122, 68, 134}},
    {Ctl::Edit,   10350, "",                   {70, 122, 126, 134}, "Barrels (pet.)"},
    {Ctl::Text,   10327, "In³",                {138, 26, 158, 38}},
    {Ctl::Edit,   10328, "",                   {160, 26, 216, 38},  "In³"},
    {Ctl::Text,   10331, "cm³",                {138, 42, 158, 54}},
    {Ctl::Edit,   10332, "",                   {160, 42, 216, 54},  "cm³"},
    {Ctl::Text,   10337, "ft³",                {138, 58, 158, 70}},
    {Ctl::Edit,   10338, "",                   {160, 58, 216, 70},  "ft³"},
    {Ctl::Text,   10339, "m³",                 {138, 74, 158, 86}},
    {Ctl::Edit,   10340, "",                   {160, 74, 216, 86},  "m³"},
    {Ctl::Group,  10358, "Dry",                {222, 14, 342, 112}},
    {Ctl::Text,   10357, "Pints",              {228, 26, 274, 38}},
    {Ctl::Edit,   10356, "",                   {276, 26, 336, 38},  "Dry Pints"},
    {Ctl::Text,   10354, "Quarts",             {228, 42, 274, 54}},
    {Ctl::Edit,   10355, "",                   {276, 42, 336, 54},  "Dry Quarts"},
    {Ctl::Text,   10351, "Pecks",              {228, 58, 274, 70}},
    {Ctl::Edit,   10352, "",                   {276, 58, 336, 70},  "Pecks"},
    {Ctl::Text,   10343, "Bushel",             {228, 74, 274, 86}},
    {Ctl::Edit,   10344, "",                   {276, 74, 336, 86},  "Bushel"},
    {Ctl::Text,   10345, "Hectoliters",        {228, 90, 274, 102}},
    {Ctl::Edit,   10346, "",                   {276, 90, 336, 102}, "Hectoliters"},
    {Ctl::Button, 1,     "&OK",                {292, 182, 344, 196}},
};

constexpr ControlTemplate area_controls[] = {
    {Ctl::Group,  10304, "Area Conversions", {8, 6, 344, 106}},
    {Ctl::Text,   10306, "Sq. inches",       {18, 20, 90, 32}},
    {Ctl::Edit,   10305, "",                 {92, 20, 168, 32},   "Sq. inches"},
    {Ctl::Text,   10308, "Sq. centimeters",  {18, 36, 90, 48}},
    {Ctl::Edit,   10307, "",                 {92, 36, 168, 48},   "Sq. centimeters"},
    {Ctl::Text,   10310, "Sq. feet",         {18, 52, 90, 64}},
    {Ctl::Edit,   10309, "",                 {92, 52, 168, 64},   "Sq. feet"},
    {Ctl::Text,   10312, "Sq. meters",       {18, 68, 90, 80}},
    {Ctl::Edit,   10311, "",                 {92, 68, 168, 80},   "Sq. meters"},
    {Ctl::Text,   10314, "Sq. yards",        {18, 84, 90, 96}},
    {Ctl::Edit,   10313, "",                 {92, 84, 168, 96},   "Sq. yards"},
    {Ctl::Text,   10316, "Acres",            {184, 20, 252, 32}},
    {Ctl::Edit,   10315, "",                 {254, 20, 334, 32},  "Acres"},
    {Ctl::Text,   10318, "Hectares",         {184, 36, 252, 48}},
    {Ctl::Edit,   10317, "",                 {254, 36, 334, 48},  "Hectares"},
    {Ctl::Text,   10320, "Sq. kilometers",   {184, 52, 252, 64}},
    {Ctl::Edit,   10319, "",                 {254, 52, 334, 64},  "Sq. kilometers"},
    {Ctl::Text,   10322, "Sq. Miles",        {184, 68, 252, 80}},
    {Ctl::Edit,   10321, "",                 {254, 68, 334, 80},  "Sq. Miles"},
    {Ctl::Button, 1,     "&OK",              {292, 182, 344, 196}},
};

// Four independent groups, top to bottom: torque, force, energy, work.
constexpr ControlTemplate work_force_controls[] = {
    {Ctl::Group,  10279, "Torque Conversions", {8, 2, 344, 32}},
    {Ctl::Text,   10281, "Inch-Pounds",        {18, 14, 84, 26}},
    {Ctl::Edit,   10280, "",                   {86, 14, 164, 26},    "Inch-Pounds"},
    {Ctl::Text,   10283, "Newton-Meters",      {184, 14, 252, 26}},
    {Ctl::Edit,   10282, "",                   {254, 14, 334, 26},   "Newton-Meters"},
    {Ctl::Group,  10298, "Force Conversions",  {8, 36, 344, 66}},
    {Ctl::Text,   10300, "Pounds -Force",      {18, 48, 84, 60}},
    {Ctl::Edit,   10299, "",                   {86, 48, 164, 60},    "Pounds -Force"},
    {Ctl::Text,   10302, "Newtons",            {184, 48, 252, 60}},
    {Ctl::Edit,   10301, "",                   {254, 48, 334, 60},   "Newtons"},
    {Ctl::Group,  10297, "Energy Conversions", {8, 70, 344, 100}},
    {Ctl::Text,   10296, "Joules",             {18, 82, 84, 94}},
    {Ctl::Edit,   10295, "",                   {86, 82, 164, 94},    "Joules"},
    {Ctl::Text,   10285, "Watt-Hours",         {184, 82, 252, 94}},
    {Ctl::Edit,   10284, "",                   {254, 82, 334, 94},   "Watt-Hours"},
    {Ctl::Group,  10286, "Work Conversions",   {8, 104, 344, 150}},
    {Ctl::Text,   10287, "Horsepower",         {18, 116, 84, 128}},
    {Ctl::Edit,   10288, "",                   {86, 116, 164, 128},  "Horsepower"},
    {Ctl::Text,   10291, "Watts",              {184, 116, 252, 128}},
    {Ctl::Edit,   10292, "",                   {254, 116, 334, 128}, "Watts"},
    {Ctl::Text,   10289, "Joules/Sec.",        {18, 132, 84, 144}},
    {Ctl::Edit,   10290, "",                   {86, 132, 164, 144},  "Joules/Sec."},
    {Ctl::Text,   10293, "Foot-Pounds/Sec",    {184, 132, 252, 144}},
    {Ctl::Edit,   10294, "",                   {254, 132, 334, 144}, "Foot-Pounds/Sec"},
    {Ctl::Button, 1,     "&OK",                {292, 182, 344, 196}},
};

constexpr ControlTemplate power_controls[] = {
    {Ctl::Group,    10271, "Power Formulas",                        {8, 6, 344, 76}},
    {Ctl::Text,     10272, "Step 1 - Select a unit to solve for: ", {18, 20, 170, 33}},
    {Ctl::DropList, 10273, "",                                      {172, 20, 334, 33},  "Step 1 - Select a unit to solve for"},
    {Ctl::Text,     10274, "Step 2 - Select current:",              {18, 46, 170, 59}},
    {Ctl::DropList, 10275, "",                                      {172, 46, 334, 59},  "Step 2 - Select current"},
    {Ctl::Group,    10276, "Other Power Formulas",                  {8, 84, 344, 116}},
    {Ctl::DropList, 10277, "",                                      {18, 97, 180, 110},  "Other Power Formulas"},
    {Ctl::Button,   1,     "&OK",                                   {292, 182, 344, 196}},
};

constexpr ControlTemplate heat_controls[] = {
    {Ctl::Group,    10255, "Heat Formulas",    {8, 4, 344, 32}},
    {Ctl::DropList, 10256, "",                 {18, 15, 250, 28},   "Heat Formulas"},
    {Ctl::Group,    10246, "Heat Conversions", {8, 36, 230, 112}},
    {Ctl::Text,     10248, "Btu",              {18, 48, 96, 60}},
    {Ctl::Edit,     10247, "",                 {98, 48, 216, 60},   "Btu"},
    {Ctl::Text,     10250, "Therm",            {18, 64, 96, 76}},
    {Ctl::Edit,     10249, "",                 {98, 64, 216, 76},   "Therm"},
    {Ctl::Text,     10252, "Watt-seconds",     {18, 80, 96, 92}},
    {Ctl::Edit,     10251, "",                 {98, 80, 216, 92},   "Watt-seconds"},
    {Ctl::Text,     10254, "Calories (g)",     {18, 96, 96, 108}},
    {Ctl::Edit,     10253, "",                 {98, 96, 216, 108},  "Calories (g)"},
    {Ctl::Button,   1,     "&OK",              {292, 182, 344, 196}},
};

constexpr ControlTemplate speed_controls[] = {
    {Ctl::Group,  10230, "Speed Conversions", {8, 6, 344, 90}},
    {Ctl::Text,   10232, "Feet/sec.",         {18, 20, 86, 32}},
    {Ctl::Edit,   10231, "",                  {88, 20, 164, 32},   "Feet/sec."},
    {Ctl::Text,   10235, "Feet/minute",       {18, 36, 86, 48}},
    {Ctl::Edit,   10236, "",                  {88, 36, 164, 48},   "Feet/minute"},
    {Ctl::Text,   10233, "Meters/sec.",       {18, 52, 86, 64}},
    {Ctl::Edit,   10234, "",                  {88, 52, 164, 64},   "Meters/sec."},
    {Ctl::Text,   10237, "Meters/minute",     {18, 68, 86, 80}},
    {Ctl::Edit,   10238, "",                  {88, 68, 164, 80},   "Meters/minute"},
    {Ctl::Text,   10239, "Knots",             {184, 20, 252, 32}},
    {Ctl::Edit,   10240, "",                  {254, 20, 334, 32},  "Knots"},
    {Ctl::Text,   10241, "Kilometers/hour",   {184, 36, 252, 48}},
    {Ctl::Edit,   10242, "",                  {254, 36, 334, 48},  "Kilometers/hour"},
    {Ctl::Text,   10243, "Miles/hour",        {184, 52, 252, 64}},
    {Ctl::Edit,   10244, "",                  {254, 52, 334, 64},  "Miles/hour"},
    {Ctl::Button, 1,     "&OK",               {292, 182, 344, 196}},
};

constexpr ControlTemplate light_controls[] = {
    {Ctl::Group,  10472, "Light Conversions", {8, 6, 230, 100}},
    {Ctl::Text,   10474, "Footcandels",       {18, 20, 96, 32}},
    {Ctl::Edit,   10473, "",                  {98, 20, 216, 32},   "Footcandels"},
    {Ctl::Text,   10476, "Lumens/cm²",        {18, 36, 96, 48}},
    {Ctl::Edit,   10475, "",                  {98, 36, 216, 48},   "Lumens/cm²"},
    {Ctl::Text,   10478, "Lumens/ft²",        {18, 52, 96, 64}},
    {Ctl::Edit,   10477, "",                  {98, 52, 216, 64},   "Lumens/ft²"},
    {Ctl::Text,   10480, "Lumens/m²",         {18, 68, 96, 80}},
    {Ctl::Edit,   10479, "",                  {98, 68, 216, 80},   "Lumens/m²"},
    {Ctl::Text,   10482, "Lux",               {18, 84, 96, 96}},
    {Ctl::Edit,   10481, "",                  {98, 84, 216, 96},   "Lux"},
    {Ctl::Button, 1,     "&OK",               {292, 182, 344, 196}},
};

constexpr ControlTemplate valves_controls[] = {
    {Ctl::Group,    10092, "Valve Formulas", {8, 6, 260, 36}},
    {Ctl::DropList, 10093, "",               {18, 18, 250, 31},   "Valve Formulas"},
    {Ctl::Button,   1,     "&OK",            {292, 182, 344, 196}},
};

// Two calculators side by side: A from dry and wet bulb, B from dry bulb and humidity.
constexpr ControlTemplate humidity_controls[] = {
    {Ctl::Group,  10019, "Enter:",            {4, 2, 172, 64}},
    {Ctl::Text,   10020, "Dry Bulb Temp.",    {10, 14, 76, 26}},
    {Ctl::Edit,   10021, "",                  {78, 14, 132, 26},    "A: Dry Bulb Temp."},
    {Ctl::Text,   10044, "deg. F",            {136, 14, 168, 26}},
    {Ctl::Text,   10022, "Wet Bulb Temp.",    {10, 30, 76, 42}},
    {Ctl::Edit,   10023, "",                  {78, 30, 132, 42},    "A: Wet Bulb Temp."},
    {Ctl::Text,   10045, "deg. F",            {136, 30, 168, 42}},
    {Ctl::Button, 10001, "&Calculate",        {78, 46, 132, 60}},
    {Ctl::Group,  10024, "Solve For:",        {4, 68, 172, 132}},
    {Ctl::Text,   10025, "Enthalpy",          {10, 80, 76, 92}},
    {Ctl::Edit,   10026, "",                  {78, 80, 166, 92},    "A: Enthalpy"},
    {Ctl::Text,   10027, "Humidity Ratio",    {10, 96, 76, 108}},
    {Ctl::Edit,   10029, "",                  {78, 96, 166, 108},   "A: Humidity Ratio"},
    {Ctl::Text,   10028, "Relative Humidity", {10, 112, 76, 124}},
    {Ctl::Edit,   10030, "",                  {78, 112, 166, 124},  "A: Relative Humidity"},
    {Ctl::Group,  10032, "Enter:",            {178, 2, 346, 64}},
    {Ctl::Text,   10033, "Dry Bulb Temp.",    {184, 14, 250, 26}},
    {Ctl::Edit,   10034, "",                  {252, 14, 306, 26},   "B: Dry Bulb Temp."},
    {Ctl::Text,   10046, "deg. F",            {310, 14, 342, 26}},
    {Ctl::Text,   10035, "Relative Humidity", {184, 30, 250, 42}},
    {Ctl::Edit,   10036, "",                  {252, 30, 306, 42},   "B: Relative Humidity"},
    {Ctl::Text,   10047, "% RH",              {310, 30, 342, 42}},
    {Ctl::Button, 10031, "&Calculate",        {252, 46, 306, 60}},
    {Ctl::Group,  10037, "Solve For:",        {178, 68, 346, 132}},
    {Ctl::Text,   10038, "Enthalpy",          {184, 80, 250, 92}},
    {Ctl::Edit,   10039, "",                  {252, 80, 340, 92},   "B: Enthalpy"},
    {Ctl::Text,   10040, "Humidity Ratio",    {184, 96, 250, 108}},
    {Ctl::Edit,   10042, "",                  {252, 96, 340, 108},  "B: Humidity Ratio"},
    {Ctl::Text,   10041, "Dew Point",         {184, 112, 250, 124}},
    {Ctl::Edit,   10043, "",                  {252, 112, 340, 124}, "B: Dew Point"},
    {Ctl::Button, 1,     "&Close",            {292, 182, 344, 196}},
};

constexpr ControlTemplate wind_chill_controls[] = {
    {Ctl::Custom, 10016, "sprites",     {8, 8, 263, 22}},
    {Ctl::Text,   10013, "Temperature", {20, 36, 80, 48}},
    {Ctl::Edit,   10010, "",            {84, 36, 150, 48},   "Temperature"},
    {Ctl::Text,   10014, "Wind Speed",  {20, 52, 80, 64}},
    {Ctl::Edit,   10011, "",            {84, 52, 150, 64},   "Wind Speed"},
    {Ctl::Button, 10009, "&Calculate",  {84, 70, 150, 84}},
    {Ctl::Text,   10015, "Wind Chill",  {20, 92, 80, 104}},
    {Ctl::Edit,   10012, "",            {84, 92, 150, 104},  "Wind Chill"},
    {Ctl::Text,   10017, "deg F.",      {154, 92, 190, 104}},
    {Ctl::Button, 1,     "ok",          {292, 182, 344, 196}},
};

// clang-format on

} // namespace

const DialogTemplate calculator_template = {10483, "Zarn Calculator ver1.1", 430, 230,
                                            calculator_controls};

const DialogTemplate temperature_sheet = {10461, "Temperature", 350, 200, temperature_controls};
const DialogTemplate pressure_sheet = {10429, "Pressure", 350, 200, pressure_controls};
const DialogTemplate flow_sheet = {10133, "Flow", 350, 200, flow_controls};
const DialogTemplate length_sheet = {10379, "Length", 350, 200, length_controls};
const DialogTemplate weight_sheet = {10359, "Weight", 350, 200, weight_controls};
const DialogTemplate volume_sheet = {10323, "Volume", 350, 200, volume_controls};
const DialogTemplate area_sheet = {10303, "Area", 350, 200, area_controls};
const DialogTemplate work_force_sheet = {10278, "Work/Force", 350, 200, work_force_controls};
const DialogTemplate power_sheet = {10270, "Power", 350, 200, power_controls};
const DialogTemplate heat_sheet = {10245, "Heat", 350, 200, heat_controls};
const DialogTemplate speed_sheet = {10229, "Speed", 350, 200, speed_controls};
const DialogTemplate light_sheet = {10471, "Light", 350, 200, light_controls};
const DialogTemplate valves_sheet = {10091, "Valves", 350, 200, valves_controls};
const DialogTemplate humidity_sheet = {10018, "Humidity", 350, 200, humidity_controls};
const DialogTemplate wind_chill_sheet = {10008, "Wind Chill", 350, 200, wind_chill_controls};

} // namespace zarn
