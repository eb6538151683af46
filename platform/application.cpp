#include "platform/application.h"

#include "platform/frame_window.h"
#include "platform/services.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

namespace zarn {
namespace {

bool frame_mode = false;
bool headless = false;

} // namespace

Application::Application(int& argc, char** argv, Display display)
    : app_(std::make_unique<QApplication>(argc, argv))
{
    headless = display == Display::headless;
    // The application lives as long as its task window, not as long as its last window.
    QApplication::setQuitOnLastWindowClosed(false);
    // The desktop finds the menu entry (and so the icon for the task bar) by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZARN_APP_ID));
}

Application::~Application()
{
    delete task_window();
    app_.reset();
}

int Application::run()
{
    return QApplication::exec();
}

void platform_SetAttribute(PlatformAttr attribute, bool on)
{
    switch (attribute) {
    case PlatformAttr::frame_mode:
        frame_mode = on;
        break;
    case PlatformAttr::three_d_look:
        if (on) QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        break;
    }
}

void show_program_icon()
{
    // Every window carries the program's icon, once it is set; nobody sees a headless one.
    static bool shown = false;
    if (shown || headless) return;
    shown = true;
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128})
        icon.addFile(QStringLiteral(":/icons/%1x%1/" ZARN_APP_ID ".png").arg(size),
                     QSize(size, size));
    QApplication::setWindowIcon(icon);
}

void prepare_window(QWidget* window)
{
    // Nobody sees a headless window: drawing it would be most of the work of a step.
    if (headless) window->setUpdatesEnabled(false);
}

bool platform_frame_mode()
{
    return frame_mode;
}

} // namespace zarn
