// The "sprites" picture control: paints the picture pair of its control id, stretched to
// the control, over the dialog's face colour.
#pragma once

#include "platform/platform.h"

namespace zarn {

inline constexpr const char* sprites_class = "sprites";

Outcome sprites_eh(Window control, const Event& event);

// The OR and AND bitmap ids of a picture control; false for an id with no picture.
bool sprite_id(int control_id, int* or_bitmap, int* and_bitmap);

void draw_sprite(Window control, int or_bitmap, int and_bitmap);

} // namespace zarn
