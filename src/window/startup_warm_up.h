#pragma once

#include <thread>

namespace tallimer {

// Start-up work that keeps the main thread waiting without needing it, done on a thread of
// its own: the fontconfig files and caches, which need nothing from Qt, while the application
// connects to the display. The session bus is left to the main thread, which opens it when
// accessibility first asks, so that Qt holds its messages back until the event loop runs.
class StartupWarmUp {
public:
    StartupWarmUp();
    ~StartupWarmUp();  // joins
    StartupWarmUp(const StartupWarmUp&) = delete;
    StartupWarmUp& operator=(const StartupWarmUp&) = delete;

    // Joins the thread; call before the application object is destroyed.
    void finish();

private:
    std::thread m_thread;
};

}  // namespace tallimer
