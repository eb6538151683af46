#include "custom/custbut.h"

#include "platform/services.h"

#include <algorithm>

namespace zarn {
namespace {

// Where a pair's drawing lands: on the dialog's face colour, or on white paper.
enum class Ground { face, paper };

struct SpritePair {
    int control;
    int or_bitmap;
    int and_bitmap;
    Ground ground;
};

// In the formula pairs the AND bitmap carries the drawing and the OR bitmap is black, so
// the drawing lands on the face colour; the chart's pair is the other way round, so it
// shows black on white.
// clang-format off
constexpr SpritePair sprite_table[] = {
    {10016, 10497, 10498, Ground::face},  // wind chill formula
    {10071, 10500, 10499, Ground::face},  // steam Cv formula
    {10084, 10501, 10502, Ground::face},  // water Cv formula
    {10095, 10505, 10506, Ground::face},  // transmitter velocity formula
    {10104, 10504, 10503, Ground::paper}, // flow coefficient chart
    {10126, 10508, 10507, Ground::face},  // air velocity formula
    {10419, 10510, 10509, Ground::face},  // velocity pressure formula
};
// clang-format on

bool drawn_on_face(int or_bitmap, int and_bitmap)
{
    for (const SpritePair& pair : sprite_table)
        if (pair.or_bitmap == or_bitmap && pair.and_bitmap == and_bitmap)
            return pair.ground == Ground::face;
    return false;
}

// A face colour darker than middle grey (its lightness, the mean of its strongest and
// weakest component, below the middle).
bool dark(Colour colour)
{
    const int r = int((colour >> 16) & 0xff);
    const int g = int((colour >> 8) & 0xff);
    const int b = int(colour & 0xff);
    return std::max({r, g, b}) + std::min({r, g, b}) < 255;
}

} // namespace

bool sprite_id(int control_id, int* or_bitmap, int* and_bitmap)
{
    for (const SpritePair& pair : sprite_table) {
        if (pair.control != control_id) continue;
        *or_bitmap = pair.or_bitmap;
        *and_bitmap = pair.and_bitmap;
        return true;
    }
    return false;
}

void draw_sprite(Window control, int or_bitmap, int and_bitmap)
{
    const Colour face = win_GetAttrVal(control, Attr::face_colour);
    win_Clear(control, face);
    Picture* or_picture = pict_GetFromRes(or_bitmap);
    Picture* and_picture = pict_GetFromRes(and_bitmap);
    Rect client = win_GetClientRect(control);
    int width = 0;
    int height = 0;
    pict_GetSize(or_picture, &width, &height);
    Rect source{0, 0, width, height};
    if (dark(face) && drawn_on_face(or_bitmap, and_bitmap)) {
        // Black on a dark face cannot be read: the formula goes on in the colour of the
        // dialog's own text instead. The chart keeps its white paper on any face.
        pict_DrawInk(control, and_picture, source, client,
                     win_GetAttrVal(control, Attr::text_colour));
    } else {
        pict_Draw(control, and_picture, source, client, RasterOp::source_and_dest);
        pict_Draw(control, or_picture, source, client, RasterOp::source_or_dest);
    }
    pict_Destroy(or_picture);
    pict_Destroy(and_picture);
}

Outcome sprites_eh(Window control, const Event& event)
{
    if (event.type != e_update) return Declined;
    int or_bitmap = 0;
    int and_bitmap = 0;
    if (!sprite_id(win_GetCtlId(control), &or_bitmap, &and_bitmap)) return Declined;
    draw_sprite(control, or_bitmap, and_bitmap);
    return Handled;
}

} // namespace zarn
