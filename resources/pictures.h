// The pictures the program draws, as vector data: each picture has the pixel size of the
// bitmap it stands for and a list of strokes in that pixel space. A picture is drawn
// stretched onto whatever rectangle it is given, so it stays sharp at any scale.
#pragma once

#include <span>

namespace zarn {

struct PictureStroke {
    enum Kind {
        Text, // `text` fitted into the box (x1, y1)-(x2, y2): its height sets the size,
              // and it is narrowed if it would overflow the box's width
        Line, // a line from (x1, y1) to (x2, y2)
    };
    enum Style : unsigned { Plain = 0, Bold = 1, Italic = 2, Centred = 4 };
    Kind kind;
    double x1, y1, x2, y2;
    const char* text = nullptr;
    unsigned style = Plain;
};

struct PictureResource {
    int id;
    int width; // pixels
    int height;
    bool black; // an all-black picture (no strokes); otherwise black strokes on white
    std::span<const PictureStroke> strokes;
};

// The picture with this resource id, or nullptr.
const PictureResource* find_picture(int id);

} // namespace zarn
