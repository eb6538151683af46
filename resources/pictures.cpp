// The formula pictures and the flow coefficient chart, drawn from vector data in the
// pixel space of the bitmaps they stand for. Every formula picture comes as a pair: the
// drawing (black on white) and an all-black companion; the chart the other way round.
#include "resources/pictures.h"

namespace zarn {
namespace {

constexpr auto T = PictureStroke::Text;
constexpr auto L = PictureStroke::Line;
constexpr unsigned C = PictureStroke::Centred;
constexpr unsigned B = PictureStroke::Bold;
constexpr unsigned I = PictureStroke::Italic;

// Wind Chill (ºF) = 35.74 + 0.6215T - 35.75(V^0.16) + 0.4275T(V^0.16), 383 by 22.
constexpr PictureStroke wind_chill_formula[] = {
    {T, 2, 6, 238, 19, "Wind Chill (ºF) = 35.74 + 0.6215T - 35.75(V"},
    {T, 238, 1, 258, 10, "0.16"},
    {T, 258, 6, 336, 19, ") + 0.4275T(V"},
    {T, 336, 1, 356, 10, "0.16"},
    {T, 356, 6, 362, 19, ")"},
};

// Cv = QK / (3 sqrt(ΔP x P2)), 119 by 39.
constexpr PictureStroke steam_formula[] = {
    {T, 1, 12, 27, 26, "Cv ="},
    {T, 30, 1, 118, 15, "QK", C | I},
    {L, 30, 18, 118, 18},
    {T, 31, 23, 40, 37, "3"},
    {L, 42, 30, 45, 28},
    {L, 45, 28, 48, 37},
    {L, 48, 37, 52, 21},
    {L, 52, 21, 117, 21},
    {T, 54, 23, 116, 37, "ΔP x P2", C | I},
};

// Cv = GPM / sqrt(*P), 98 by 40.
constexpr PictureStroke water_formula[] = {
    {T, 2, 13, 30, 27, "Cv ="}, {T, 34, 2, 96, 16, "GPM", C | I},
    {L, 34, 19, 96, 19},        {L, 46, 31, 49, 29},
    {L, 49, 29, 52, 38},        {L, 52, 38, 56, 22},
    {L, 56, 22, 90, 22},        {T, 58, 24, 88, 38, "*P", C | I},
};

// (Cf) x sqrt(Mo - 4) = Velocity (fpm), 200 by 30.
constexpr PictureStroke velocity_two_formula[] = {
    {T, 2, 9, 40, 23, "(Cf) x"},
    {L, 42, 17, 45, 15},
    {L, 45, 15, 48, 26},
    {L, 48, 26, 52, 5},
    {L, 52, 5, 102, 5},
    {T, 54, 8, 100, 22, "(Mo - 4)", C | I},
    {T, 106, 9, 198, 23, "= Velocity (fpm)"},
};

// 1096 sqrt(Pv / D) = velocity (fpm), 142 by 35.
constexpr PictureStroke air_velocity_formula[] = {
    {T, 2, 11, 30, 25, "1096"},
    {L, 32, 19, 35, 17},
    {L, 35, 17, 38, 31},
    {L, 38, 31, 42, 3},
    {L, 42, 3, 78, 3},
    {T, 44, 5, 76, 16, "Pv", C | I},
    {L, 45, 18, 75, 18},
    {T, 44, 20, 76, 31, "D", C | I},
    {T, 82, 11, 140, 25, "= velocity (fpm)"},
};

// V = 4004 sqrt(Pv), 130 by 22.
constexpr PictureStroke velocity_pressure_formula[] = {
    {T, 2, 5, 60, 19, "V = 4004"},
    {L, 62, 13, 65, 11},
    {L, 65, 11, 68, 20},
    {L, 68, 20, 72, 2},
    {L, 72, 2, 102, 2},
    {T, 74, 4, 100, 18, "Pv", C | I},
};

// The flow coefficient chart for differential pressure transmitters, 257 by 225.
constexpr PictureStroke flow_coefficient_chart[] = {
    {T, 4, 3, 253, 16, "Flow Coefficients For Differential Pressure Transmitters", C | B},
    {T, 4, 17, 253, 28, "(For use with pitot tubes only)", C},
    {L, 4, 32, 253, 32},
    {L, 4, 221, 253, 221},
    {L, 4, 32, 4, 221},
    {L, 253, 32, 253, 221},
    {L, 90, 32, 90, 221},
    {L, 170, 32, 170, 221},
    {L, 4, 72, 253, 72},
    {T, 6, 35, 88, 46, "Differential Pressure", C},
    {T, 6, 47, 88, 58, "Transmitter Range", C},
    {T, 6, 59, 88, 70, "Inches W.C.", C},
    {T, 92, 35, 168, 46, "Maximum Air", C},
    {T, 92, 47, 168, 58, "velocity", C},
    {T, 92, 59, 168, 70, "Feet/Min", C},
    {T, 172, 35, 251, 46, "Flow", C},
    {T, 172, 47, 251, 58, "Coefficient", C},
    {T, 172, 59, 251, 70, "Cf", C},
    {T, 6, 77, 88, 88, "0.1", C},
    {T, 92, 77, 168, 88, "1265", C},
    {T, 172, 77, 251, 88, "316", C},
    {T, 6, 95, 88, 106, "0.2", C},
    {T, 92, 95, 168, 106, "1790", C},
    {T, 172, 95, 251, 106, "448", C},
    {T, 6, 113, 88, 124, "0.3", C},
    {T, 92, 113, 168, 124, "2190", C},
    {T, 172, 113, 251, 124, "549", C},
    {T, 6, 131, 88, 142, "0.5", C},
    {T, 92, 131, 168, 142, "2830", C},
    {T, 172, 131, 251, 142, "708", C},
    {T, 6, 149, 88, 160, "1.0", C},
    {T, 92, 149, 168, 160, "4000", C},
    {T, 172, 149, 251, 160, "1000", C},
    {T, 6, 167, 88, 178, "2.0", C},
    {T, 92, 167, 168, 178, "5660", C},
    {T, 172, 167, 251, 178, "1420", C},
    {T, 6, 185, 88, 196, "3.0", C},
    {T, 92, 185, 168, 196, "6930", C},
    {T, 172, 185, 251, 196, "1733", C},
    {T, 6, 203, 88, 214, "5.0", C},
    {T, 92, 203, 168, 214, "8950", C},
    {T, 172, 203, 251, 214, "2240", C},
};

// Bitmap resources by id: the drawings, and the all-black companions of each pair.
constexpr PictureResource pictures[] = {
    {10497, 383, 22, true, {}},
    {10498, 383, 22, false, wind_chill_formula},
    {10499, 119, 39, false, steam_formula},
    {10500, 119, 39, true, {}},
    {10501, 98, 40, true, {}},
    {10502, 98, 40, false, water_formula},
    {10503, 257, 225, true, {}},
    {10504, 257, 225, false, flow_coefficient_chart},
    {10505, 200, 30, true, {}},
    {10506, 200, 30, false, velocity_two_formula},
    {10507, 142, 35, false, air_velocity_formula},
    {10508, 142, 35, true, {}},
    {10509, 130, 22, false, velocity_pressure_formula},
    {10510, 130, 22, true, {}},
};

} // namespace

const PictureResource* find_picture(int id)
{
    for (const PictureResource& picture : pictures)
        if (picture.id == id) return &picture;
    return nullptr;
}

} // namespace zarn
