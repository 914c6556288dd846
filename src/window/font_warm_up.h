#pragma once

#include <atomic>
#include <latch>
#include <thread>

namespace tallimer {

// Reads the system's fonts on a thread of its own while the main thread starts the
// application and builds the menus, which need no fonts: the fontconfig files and caches
// first, which need nothing from Qt, then, once the application exists, Qt's font database.
// Without it the window's first text pays for both on the main thread.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();  // lets an unstarted Qt part go and joins
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

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
