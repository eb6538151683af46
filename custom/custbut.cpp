#include "custom/custbut.h"

#include "platform/services.h"

namespace zarn {
namespace {

struct SpritePair {
    int control;
    int or_bitmap;
    int and_bitmap;
};

// In the formula pairs the AND bitmap carries the drawing and the OR bitmap is black, so
// the drawing lands on the face colour; the chart's pair is the other way round, so it
// shows black on white.
constexpr SpritePair sprite_table[] = {
    {10016, 10497, 10498}, // wind chill formula
    {10071, 10500, 10499}, // steam Cv formula
    {10084, 10501, 10502}, // water Cv formula
    {10095, 10505, 10506}, // transmitter velocity formula
    {10104, 10504, 10503}, // flow coefficient chart
    {10126, 10508, 10507}, // air velocity formula
    {10419, 10510, 10509}, // velocity pressure formula
};

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
    win_Clear(control, win_GetAttrVal(control, Attr::face_colour));
    Picture* or_picture = pict_GetFromRes(or_bitmap);
    Picture* and_picture = pict_GetFromRes(and_bitmap);
    Rect client = win_GetClientRect(control);
    int width = 0;
    int height = 0;
    pict_GetSize(or_picture, &width, &height);
    Rect source{0, 0, width, height};
    pict_Draw(control, and_picture, source, client, RasterOp::source_and_dest);
    pict_Draw(control, or_picture, source, client, RasterOp::source_or_dest);
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
