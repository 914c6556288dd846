#pragma once

#include <atomic>
#include <latch>
#include <thread>

namespace tallimer {

// Start-up work that keeps the main thread waiting without needing it, done on a thread of
// its own: the fontconfig files and caches, which need nothing from Qt, while the application
// connects to the display; then, once the application exists, the session bus connection that
// the first text waits for (accessibility asks for the bus; with no bus in the environment,
// finding one may mean starting a daemon), while the main thread loads the window's fonts.
class StartupWarmUp {
public:
    StartupWarmUp();
    ~StartupWarmUp();  // lets an unstarted Qt part go and joins
    StartupWarmUp(const StartupWarmUp&) = delete;
    StartupWarmUp& operator=(const StartupWarmUp&) = delete;

    // Call once the QGuiApplication has been constructed.
    void applicationReady();
    // Joins the thread; call before the application object is destroyed.
    void finish();

private:
    std::latch m_ready{1};
    std::atomic<bool> m_withQt{false};
    bool m_released = false;
    std::thread m_thread;
};

}  // namespace tallimer
