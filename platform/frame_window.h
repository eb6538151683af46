// The task window: a frame with a menu bar whose client area holds child windows.
#pragma once

#include "platform/platform.h"

#include <QMainWindow>

class QMdiArea;

namespace zarn {

class FrameWindow final : public QMainWindow {
public:
    explicit FrameWindow(Handler handler);
    Outcome deliver(const Event& event);
    QMdiArea* client_area() const { return area_; }
    // Ends every dialog still open, tells the handler (e_destroy) and ends the
    // application's event loop. The object itself is deleted by whoever created it.
    void destroy_window();
    bool destroyed() const { return destroyed_; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler handler_;
    QMdiArea* area_;
    bool destroyed_ = false;
};

// The task window created last, or nullptr.
FrameWindow* task_window();

// Whether the task window is a frame for child windows with a "&Window" menu.
bool platform_frame_mode();
// Gives every window the program's icon (once, on a screen).
void show_program_icon();
// Prepares a new top-level window for the application's display.
void prepare_window(QWidget* window);

} // namespace zarn
