// The GUI application object: one per process, on the GUI thread.
#pragma once

#include <memory>

class QApplication;

namespace zarn {

// Where the windows go: on a screen, or nowhere (zarn-calc): headless windows behave the
// same in every other respect, but are never drawn.
enum class Display { screen, headless };

class Application {
public:
    Application(int& argc, char** argv, Display display = Display::screen);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the event loop until the task window is destroyed; returns the exit status.
    int run();

private:
    std::unique_ptr<QApplication> app_;
};

} // namespace zarn
