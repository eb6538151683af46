#include "platform/custom_class.h"

#include "platform/dialog_window.h"
#include "platform/messages.h"
#include "platform/services.h"
#include "resources/pictures.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <map>
#include <string>

namespace zarn {
namespace {

std::map<std::string, Handler, std::less<>>& classes()
{
    static std::map<std::string, Handler, std::less<>> registry;
    return registry;
}

// Where the control being painted draws: an image of its size, shown if the handler
// handled the update.
struct PaintTarget {
    QWidget* window;
    QImage* canvas;
};
PaintTarget* painting = nullptr;

QImage* canvas_of(Window window)
{
    if (!painting || painting->window != window)
        throw std::logic_error("drawing outside the window's update");
    return painting->canvas;
}

class CustomControl final : public QWidget {
public:
    CustomControl(const char* class_name, QWidget* parent) : QWidget(parent), class_(class_name)
    {
        setAttribute(Qt::WA_OpaquePaintEvent, false);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        auto it = classes().find(class_);
        if (it == classes().end()) return;
        const qreal ratio = devicePixelRatioF();
        QImage canvas((QSizeF(size()) * ratio).toSize(), QImage::Format_RGB32);
        canvas.setDevicePixelRatio(ratio);
        canvas.fill(palette().color(QPalette::Window));
        PaintTarget target{this, &canvas};
        PaintTarget* outer = painting;
        painting = &target;
        Outcome outcome = Declined;
        try {
            outcome = it->second(this, {e_update});
        } catch (const std::exception& error) {
            painting = outer;
            report_program_error(error);
            return;
        }
        painting = outer;
        if (outcome == Handled) QPainter(this).drawImage(QPoint(0, 0), canvas);
    }

private:
    std::string class_;
};

QColor colour_of(Colour c)
{
    return QColor::fromRgb((c >> 16) & 0xff, (c >> 8) & 0xff, c & 0xff);
}

void draw_strokes(QPainter& painter, const PictureResource& picture, const QColor& ink)
{
    QFont font = QApplication::font();
    painter.setPen(QPen(ink, 1.0));
    for (const PictureStroke& stroke : picture.strokes) {
        QRectF box(QPointF(stroke.x1, stroke.y1), QPointF(stroke.x2, stroke.y2));
        if (stroke.kind == PictureStroke::Line) {
            painter.drawLine(QPointF(stroke.x1, stroke.y1), QPointF(stroke.x2, stroke.y2));
            continue;
        }
        QFont face = font;
        face.setPixelSize(std::max(1, qRound(box.height())));
        face.setBold(stroke.style & PictureStroke::Bold);
        face.setItalic(stroke.style & PictureStroke::Italic);
        const QString text = QString::fromUtf8(stroke.text);
        QFontMetricsF metrics(face);
        const qreal natural = metrics.horizontalAdvance(text);
        const qreal squeeze = natural > box.width() && natural > 0 ? box.width() / natural : 1.0;
        const qreal width = natural * squeeze;
        const qreal left =
            (stroke.style & PictureStroke::Centred) ? box.center().x() - width / 2 : box.left();
        // The box's height is the font's height: the baseline sits at its ascent.
        const qreal scale = box.height() / metrics.height();
        painter.save();
        painter.translate(left, box.top());
        painter.scale(squeeze, scale);
        painter.setFont(face);
        painter.drawText(QPointF(0, metrics.ascent()), text);
        painter.restore();
    }
}

QRectF rect_of(const Rect& r)
{
    return QRectF(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// Paints the `source` part of a picture onto `dest` of the window's canvas: rendered at
// the canvas's device pixels as its drawing in `ink` on `paper`, and combined with what is
// below by `mode`. The stretch ignores the aspect ratio, as a stretched bitmap would.
void paint_picture(Window window, const PictureResource& resource, Rect source, Rect dest,
                   const QColor& ink, const QColor& paper, QPainter::CompositionMode mode)
{
    QImage* canvas = canvas_of(window);
    const QRectF target = rect_of(dest);
    const QRectF from = rect_of(source);
    if (target.isEmpty() || from.isEmpty()) return;

    const qreal ratio = canvas->devicePixelRatio();
    QImage layer((target.size() * ratio).toSize(),
                 paper.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    layer.fill(resource.black ? ink : paper);
    if (!resource.black) {
        QPainter painter(&layer);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.scale(layer.width() / from.width(), layer.height() / from.height());
        painter.translate(-from.topLeft());
        draw_strokes(painter, resource, ink);
    }
    layer.setDevicePixelRatio(ratio);

    QPainter painter(canvas);
    painter.setCompositionMode(mode);
    painter.drawImage(target.topLeft(), layer);
}

} // namespace

struct Picture {
    const PictureResource* resource;
};

QWidget* create_custom_control(const char* class_name, QWidget* parent)
{
    return new CustomControl(class_name, parent);
}

void class_Create(std::string_view name, Handler handler)
{
    classes()[std::string(name)] = handler;
}

void class_Destroy(std::string_view name)
{
    auto it = classes().find(name);
    if (it != classes().end()) classes().erase(it);
}

Colour win_GetAttrVal(Window window, Attr attribute)
{
    const QPalette palette = window ? window->palette() : QApplication::palette();
    const QColor c =
        palette.color(attribute == Attr::text_colour ? QPalette::WindowText : QPalette::Window);
    return (Colour(c.red()) << 16) | (Colour(c.green()) << 8) | Colour(c.blue());
}

Rect win_GetClientRect(Window window)
{
    return {0, 0, window ? window->width() : 0, window ? window->height() : 0};
}

void win_Clear(Window window, Colour colour)
{
    canvas_of(window)->fill(colour_of(colour));
}

Picture* pict_GetFromRes(int resource_id)
{
    const PictureResource* resource = find_picture(resource_id);
    return resource ? new Picture{resource} : nullptr;
}

void pict_GetSize(const Picture* picture, int* width, int* height)
{
    *width = picture ? picture->resource->width : 0;
    *height = picture ? picture->resource->height : 0;
}

void pict_Draw(Window window, const Picture* picture, Rect source, Rect dest, RasterOp op)
{
    if (!picture) return;
    paint_picture(window, *picture->resource, source, dest, Qt::black, Qt::white,
                  op == RasterOp::source_and_dest ? QPainter::RasterOp_SourceAndDestination
                                                  : QPainter::RasterOp_SourceOrDestination);
}

void pict_DrawInk(Window window, const Picture* picture, Rect source, Rect dest, Colour ink)
{
    if (!picture) return;
    // The drawing in ink on a clear layer, laid over what is below.
    paint_picture(window, *picture->resource, source, dest, colour_of(ink), Qt::transparent,
                  QPainter::CompositionMode_SourceOver);
}

void pict_Destroy(Picture* picture)
{
    delete picture;
}

} // namespace zarn
