// The GUI application object: one per process, on the GUI thread.
#pragma once

#include <memory>

class QApplication;

namespace zarn {

class Application {
public:
    Application(int& argc, char** argv);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs the event loop until the task window is destroyed; returns the exit status.
    int run();

private:
    std::unique_ptr<QApplication> app_;
};

} // namespace zarn
