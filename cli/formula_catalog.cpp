#include "cli/formula_catalog.h"

namespace zarn {
namespace {

// The Power sheet's lists.
constexpr int unit_list = 10273;    // Step 1: the unit to solve for
constexpr int current_list = 10275; // Step 2: the kind of current
constexpr int other_power_list = 10277;
// The formula lists of the other sheets.
constexpr int pressure_list = 10430;
constexpr int flow_list = 10135;
constexpr int heat_list = 10256;
constexpr int valve_list = 10093;
constexpr int modulating_control = 10081; // the steam valve's second radio button

// Fields that recur in the power formulas, at the ids of their layout.
CatalogField hp(int id)
{
    return {"hp", id, "horsepower"};
}
CatalogField kw(int id)
{
    return {"kw", id, "kilowatts (kW)"};
}
CatalogField kva(int id)
{
    return {"kva", id, "kilovolt-amperes (kVA)"};
}
CatalogField amperes(int id)
{
    return {"amperes", id, "current I, amperes"};
}
CatalogField volts(int id)
{
    return {"volts", id, "voltage E, volts"};
}
CatalogField eff(int id)
{
    return {"eff", id, "motor efficiency as a fraction (0.7 up to 25 hp, 0.8 above)"};
}
CatalogField pf(int id)
{
    return {"pf", id, "power factor"};
}

// A formula whose Calculate reads every field but the last, into which it writes.
CatalogFormula one_result(const char* sheet, std::vector<CatalogPick> picks,
                          std::vector<CatalogField> fields, int calculate_id)
{
    std::vector<const char*> inputs;
    for (size_t i = 0; i + 1 < fields.size(); ++i)
        inputs.push_back(fields[i].key);
    return {sheet, std::move(picks), std::move(fields), {{calculate_id, std::move(inputs)}}};
}

// One of the Power sheet's two-step formulas.
CatalogFormula power(const char* unit, const char* current, std::vector<CatalogField> fields,
                     int calculate_id)
{
    return one_result("Power", {{unit_list, unit}, {current_list, current}}, std::move(fields),
                      calculate_id);
}

// One of the Power sheet's other formulas.
CatalogFormula other_power(const char* item, std::vector<CatalogField> fields, int calculate_id)
{
    return one_result("Power", {{other_power_list, item}}, std::move(fields), calculate_id);
}

// A formula whose fields `keys` follow one another as they are typed.
CatalogFormula typed_together(CatalogFormula formula, std::vector<const char*> keys)
{
    formula.buttons.push_back({as_typed, std::move(keys)});
    return formula;
}

// The steam valve on the control chosen by `checks` (none: as the dialog opens).
CatalogFormula steam_valve(const char* note, const char* name, std::vector<int> checks)
{
    CatalogFormula steam =
        one_result("Valves", {{valve_list, "Flow Coefficient - Steam"}},
                   {
                       {"q", 10072, "steam flow, lb per hour"},
                       {"k", 10075,
                        "superheat factor, 1 + 0.0007 x degF of superheat (1 for saturated steam)"},
                       {"p", 10077, "inlet pressure, psig"},
                       {"cv", 10079, "flow coefficient"},
                   },
                   10001);
    steam.note = note;
    steam.name = name;
    steam.checks = std::move(checks);
    return steam;
}

std::vector<CatalogFormula> build_catalog()
{
    constexpr const char* hp_known = "Amperes - horsepower known";
    constexpr const char* kw_known = "Amperes - kilowatts known";
    constexpr const char* kva_known = "Amperes - kVA known";
    constexpr const char* dc = "Direct Current";
    constexpr const char* single = "AC - Single-Phase";
    constexpr const char* three = "AC - Three-Phase";
    // clang-format off
    return {
        power(hp_known,             dc,     {hp(9999), volts(9996), eff(9994), amperes(9991)},              9990),
        power(hp_known,             single, {hp(9999), volts(9996), eff(9994), pf(9991), amperes(9983)},    9981),
        power(hp_known,             three,  {hp(9999), volts(9996), eff(9994), pf(9991), amperes(9983)},    9980),
        power(kw_known,             dc,     {kw(9999), volts(9996), amperes(9994)},                         9979),
        power(kw_known,             single, {kw(9999), volts(9996), pf(9994), amperes(9991)},               9977),
        power(kw_known,             three,  {kw(9999), volts(9996), pf(9994), amperes(9991)},               9976),
        power(kva_known,            single, {kva(9999), volts(9996), amperes(9994)},                        9975),
        power(kva_known,            three,  {kva(9999), volts(9996), amperes(9994)},                        9974),
        power("Kilowatts",          dc,     {amperes(9999), volts(9996), kw(9994)},                         9973),
        power("Kilowatts",          single, {amperes(9999), volts(9996), pf(9994), kw(9991)},               9972),
        power("Kilowatts",          three,  {amperes(9999), volts(9996), pf(9994), kw(9991)},               9971),
        power("kVA",                single, {amperes(9999), volts(9996), kva(9991)},                        9970),
        power("kVA",                three,  {amperes(9999), volts(9996), kva(9991)},                        9969),
        power("Horsepower(output)", dc,     {amperes(9999), volts(9996), eff(9994), hp(9991)},              9968),
        power("Horsepower(output)", single, {amperes(9999), volts(9996), eff(9994), pf(9991), hp(9983)},    9967),
        power("Horsepower(output)", three,  {amperes(9999), volts(9996), eff(9994), pf(9991), hp(9983)},    9966),

        // Ohm's law solves for whichever of its fields is left empty.
        {"Power", {{other_power_list, "Ohms Law"}}, {
            {"ohms",    10226, "resistance R, ohms"},
            {"volts",   10223, "voltage E, volts"},
            {"amperes", 10221, "current I, amperes"},
        }, {{10228, {"ohms", "volts", "amperes"}}}, "give two of the three; the empty one is solved for"},
        other_power("Motor Torque", {
            {"hp",     10210, "horsepower"},
            {"rpm",    10212, "revolutions per minute"},
            {"torque", 10216, "torque, lb-ft"},
        }, 10218),
        other_power("Motor Shaft Stress", {
            {"hp",     10260, "horsepower"},
            {"rpm",    10263, "revolutions per minute"},
            {"dia3",   10264, "shaft diameter cubed, cubic inches"},
            {"stress", 10266, "shaft stress, lb per square inch"},
        }, 10001),
        other_power("Horsepower for pumps", {
            {"gpm",  10195, "flow, gallons per minute"},
            {"head", 10197, "head, feet"},
            {"sg",   10199, "specific gravity (water 1.00, ethylene glycol 1.125)"},
            {"eff",  10205, "mechanical efficiency of the pump as a fraction"},
            {"hp",   10202, "horsepower"},
        }, 10001),
        other_power("Synchronous rpm", {
            {"hz",    10185, "frequency, hertz"},
            {"poles", 10188, "number of motor poles"},
            {"rpm",   10190, "synchronous revolutions per minute"},
        }, 10001),
        typed_together(other_power("Percent Slip", {
            {"sync",      10175, "synchronous rpm (copied into sync2 as it is typed)"},
            {"full_load", 10178, "full load rpm"},
            {"sync2",     10180, "synchronous rpm below the bar (copied into sync as it is typed)"},
            {"slip",      10182, "slip, percent"},
        }, 10001), {"sync", "sync2"}),
        other_power("Voltage drop", {
            {"amperes", 10160, "current, amperes"},
            {"length",  10163, "circuit length, feet"},
            {"factor",  10165, "2 for single-phase (preset), 1.73 for three-phase"},
            {"ohms",    10167, "conductor resistance, ohms per 1000 ft"},
            {"drop",    10171, "voltage drop, volts"},
        }, 10001),

        // Pressure: the velocity pair follows itself as it is typed; Calculate solves the
        // lower group, then head pressure, for the field left empty.
        {"Pressure", {{pressure_list, "AirPressure"}}, {
            {"v",        10412, "air velocity, feet per minute (pv follows as it is typed)"},
            {"pv",       10415, "velocity pressure, inches of water (v follows as it is typed)"},
            {"velocity", 10422, "velocity pressure, total minus static"},
            {"total",    10423, "total pressure"},
            {"static",   10424, "static pressure"},
        }, {{as_typed, {"v", "pv"}}, {10001, {"velocity", "total", "static"}}},
         "give v or pv; or two of velocity, total and static, and the empty one is solved for"},
        {"Pressure", {{pressure_list, "Head Pressure"}}, {
            {"psi",  10405, "pressure, psi"},
            {"sg",   10408, "specific gravity of the liquid (water 1)"},
            {"head", 10403, "head, feet"},
        }, {{10001, {"psi", "sg", "head"}}}, "give two of the three; the empty one is solved for"},

        // Flow
        one_result("Flow", {{flow_list, "Velocity"}}, {
            {"pv",       10127, "velocity pressure, inches of water column"},
            {"d",        10130, "air density, lb per cubic foot"},
            {"velocity", 10131, "air velocity, feet per minute"},
        }, 10001),
        one_result("Flow", {{flow_list, "Velocity Two"}}, {
            {"cf",       10096, "flow coefficient of the pressure transmitter's range"},
            {"mo",       10098, "pressure transmitter output, mA (4 to 20)"},
            {"velocity", 10100, "air velocity, feet per minute"},
        }, 10001),
        one_result("Flow", {{flow_list, "Air Density"}}, {
            {"pb",      10122, "barometric pressure, inches of mercury"},
            {"t",       10123, "absolute temperature, degF + 460"},
            {"density", 10118, "air density, lb per cubic foot"},
        }, 10001),
        one_result("Flow", {{flow_list, "Air Flow"}}, {
            {"v",   10106, "average duct velocity, feet per minute"},
            {"a",   10108, "duct cross-sectional area, square feet"},
            {"cfm", 10113, "air flow, cubic feet per minute"},
        }, 10001),

        // Heat
        one_result("Heat", {{heat_list, "BTU/HR(Water)-GPM and degF known"}}, {
            {"gpm",  10067, "water flow, gallons per minute"},
            {"dt",   10068, "temperature difference, degF"},
            {"btuh", 10063, "heat flow, BTU per hour"},
        }, 10001),
        one_result("Heat", {{heat_list, "BTU/HR(Air-Sensible)-CFM and degF known"}}, {
            {"cfm",  10002, "air flow, cubic feet per minute"},
            {"dt",   10004, "temperature difference, degF"},
            {"btuh", 10006, "sensible heat flow, BTU per hour"},
        }, 10001),
        {"Heat", {{heat_list, "TONS - GPM and degF known"}}, {
            {"gpm",            10050, "water flow, gallons per minute"},
            {"dt",             10052, "temperature difference, degF"},
            {"tons",           10054, "refrigeration tons from gpm and dt"},
            {"btuh",           10057, "heat flow, BTU per hour"},
            {"tons_from_btuh", 10059, "refrigeration tons from btuh"},
        }, {{10001, {"gpm", "dt"}}, {10061, {"btuh"}}}, "give gpm and dt, or btuh, or all three"},

        // Valves: the steam valve as it opens, on two-position control, and on modulating.
        one_result("Valves", {{valve_list, "Flow Coefficient - Water"}}, {
            {"gpm", 10087, "water flow, gallons per minute"},
            {"dp",  10088, "pressure drop across the valve, psi"},
            {"cv",  10085, "flow coefficient"},
        }, 10001),
        steam_valve("two-position control: the pressure drop is 0.1 of the inlet pressure",
                    nullptr, {}),
        steam_valve("modulating control: the pressure drop is 0.8 of the inlet pressure up to "
                    "15 psig, 0.42 above", "Flow Coefficient - Steam (modulating)",
                    {modulating_control}),

        // The calculators of the Humidity and Wind Chill sheets, on the sheets themselves.
        {"Humidity", {}, {
            {"drybulb",  10021, "dry-bulb temperature, deg F"},
            {"wetbulb",  10023, "wet-bulb temperature, deg F (32 and above)"},
            {"enthalpy", 10026, "enthalpy, Btu per lb of dry air"},
            {"ratio",    10029, "humidity ratio, lb of water per lb of dry air"},
            {"rh",       10030, "relative humidity, percent"},
        }, {{10001, {"drybulb", "wetbulb"}}}, "moist air at sea-level pressure", "Humidity (wet bulb)"},
        {"Humidity", {}, {
            {"drybulb",  10034, "dry-bulb temperature, deg F"},
            {"rh",       10036, "relative humidity, percent"},
            {"enthalpy", 10039, "enthalpy, Btu per lb of dry air"},
            {"ratio",    10042, "humidity ratio, lb of water per lb of dry air"},
            {"dewpoint", 10043, "dew point, deg F"},
        }, {{10031, {"drybulb", "rh"}}}, "moist air at sea-level pressure", "Humidity (relative humidity)"},
        {"Wind Chill", {}, {
            {"temperature", 10010, "air temperature, deg F"},
            {"wind",        10011, "wind speed, miles per hour"},
            {"chill",       10012, "wind chill, deg F (the air temperature above 50 deg F or below 3 mph)"},
        }, {{10009, {"temperature", "wind"}}}, nullptr, "Wind Chill"},
    };
    // clang-format on
}

} // namespace

const std::vector<CatalogFormula>& formula_catalog()
{
    static const std::vector<CatalogFormula> catalog = build_catalog();
    return catalog;
}

std::string formula_name(const CatalogFormula& formula)
{
    if (formula.name) return formula.name;
    std::string name;
    for (const CatalogPick& pick : formula.picks) {
        if (!name.empty()) name += " / ";
        name += pick.item;
    }
    return name;
}

} // namespace zarn
