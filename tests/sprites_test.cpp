// The "sprites" picture control: formula pictures in black over a light face colour and in
// the text colour over a dark one, the chart black on white on any face, nothing at all
// for an id without a picture.
#include "custom/custbut.h"
#include "platform/dialog_window.h"
#include "platform/services.h"

#include <QImage>
#include <QPalette>

#include <gtest/gtest.h>

#include <cstdlib>

namespace zarn {
namespace {

constexpr int wind_chill_sheet = 10008;
const QColor face(200, 230, 255); // not a grey

constexpr ControlTemplate extra_pictures[] = {
    {Ctl::Custom, 10104, "sprites", {8, 110, 179, 249}},  // the chart, 171 by 139
    {Ctl::Custom, 4242, "sprites", {190, 110, 250, 140}}, // no picture has this id
};

class Sprites : public testing::Test {
protected:
    void SetUp() override
    {
        class_Create(sprites_class, sprites_eh);
        dialog = DIALOG_CREATEMODELESS(
            nullptr, wind_chill_sheet, "", {}, [](Window, const Event&) { return Declined; }, 0);
        use_colours(face, Qt::black);
        win_CreateDynControl(dialog, extra_pictures);
        dialog->resize(dialog->width(), 560);
    }
    void TearDown() override
    {
        win_Destroy(dialog);
        class_Destroy(sprites_class);
    }
    QImage picture(int id) { return win_GetCtlHandle(dialog, id)->grab().toImage(); }
    void use_colours(QColor face_colour, QColor text_colour)
    {
        QPalette palette = dialog->palette();
        palette.setColor(QPalette::Window, face_colour);
        palette.setColor(QPalette::WindowText, text_colour);
        dialog->setPalette(palette);
    }

    Window dialog = nullptr;
};

int count_pixels(const QImage& image, const std::function<bool(QColor)>& wanted)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += wanted(image.pixelColor(x, y));
    return n;
}

bool black(QColor c)
{
    return c.red() < 60 && c.green() < 60 && c.blue() < 60;
}

TEST_F(Sprites, FormulaDrawsBlackOverTheFaceColour)
{
    QImage image = picture(10016);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixelColor(0, 0), face);
    EXPECT_EQ(image.pixelColor(image.width() - 1, image.height() - 1), face);
    EXPECT_GT(count_pixels(image, black), 50);
    // The drawing fills the control: the formula reaches into its right half.
    EXPECT_GT(
        count_pixels(image.copy(image.width() / 2, 0, image.width() / 2, image.height()), black),
        10);
}

TEST_F(Sprites, ChartIsBlackOnWhite)
{
    QImage image = picture(10104);
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_EQ(count_pixels(image, [](QColor c) { return c == face; }), 0);
    EXPECT_GT(count_pixels(image, black), 200);
}

// On a dark face black would vanish: the formulas take the text colour, every picture
// still fills its control, and the chart keeps its white paper.
TEST_F(Sprites, OnADarkFaceFormulasTakeTheTextColourAndTheChartStaysOnWhite)
{
    const QColor dark_face(45, 45, 48);
    const QColor light_text(230, 230, 230);
    use_colours(dark_face, light_text);
    auto near = [](QColor want) {
        return [want](QColor c) {
            return std::abs(c.red() - want.red()) < 40 && std::abs(c.green() - want.green()) < 40 &&
                   std::abs(c.blue() - want.blue()) < 40;
        };
    };
    QImage formula = picture(10016);
    EXPECT_EQ(formula.pixelColor(0, 0), dark_face);
    EXPECT_GT(count_pixels(formula, near(light_text)), 50);
    EXPECT_GT(
        count_pixels(formula.copy(formula.width() / 2, 0, formula.width() / 2, formula.height()),
                     near(light_text)),
        10);
    // Between face and text only: nothing black, no other colour.
    EXPECT_EQ(count_pixels(formula,
                           [](QColor c) { return c.red() < 40 || c.red() > 235 || c.blue() < 40; }),
              0);

    QImage chart = picture(10104);
    EXPECT_EQ(chart.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_EQ(count_pixels(chart, [&](QColor c) { return c == dark_face; }), 0);
    EXPECT_GT(count_pixels(chart, black), 200);
}

TEST_F(Sprites, AnIdWithoutAPicturePaintsNothing)
{
    int or_bitmap = 0;
    int and_bitmap = 0;
    EXPECT_FALSE(sprite_id(4242, &or_bitmap, &and_bitmap));
    QImage image = picture(4242);
    EXPECT_EQ(count_pixels(image, [](QColor c) { return c != face; }), 0);
}

TEST_F(Sprites, EachPictureIdHasItsPair)
{
    struct Case {
        int control, or_bitmap, and_bitmap;
    };
    const Case cases[] = {{10016, 10497, 10498}, {10071, 10500, 10499}, {10084, 10501, 10502},
                          {10095, 10505, 10506}, {10104, 10504, 10503}, {10126, 10508, 10507},
                          {10419, 10510, 10509}};
    for (const Case& c : cases) {
        int or_bitmap = 0;
        int and_bitmap = 0;
        ASSERT_TRUE(sprite_id(c.control, &or_bitmap, &and_bitmap)) << c.control;
        EXPECT_EQ(or_bitmap, c.or_bitmap);
        EXPECT_EQ(and_bitmap, c.and_bitmap);
        for (int bitmap : {or_bitmap, and_bitmap}) {
            Picture* p = pict_GetFromRes(bitmap);
            ASSERT_NE(p, nullptr) << bitmap;
            pict_Destroy(p);
        }
    }
}

} // namespace
} // namespace zarn
