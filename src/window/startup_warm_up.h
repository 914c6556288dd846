// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <latch>
#include <thread>

namespace tallimer {

// Start-up work that keeps the main thread waiting without needing it, done on a thread of
// its own: the fontconfig files and caches, which need nothing from Qt, while the application
// connects to the display; then, once the application exists, Qt's image format plugins, which
// the menu bar's first picture loads, and the session bus connection that the first text waits
// for (accessibility asks for the bus; with no bus in the environment, finding one may mean
// starting a daemon), while the main thread loads the window's fonts.
// Qt makes one session connection per process and holds back the dispatch of one that the main
// thread opens: so the main thread joins before anything of its own can ask for the bus, and the
// connection is this thread's at every start.
class StartupWarmUp {
public:
    StartupWarmUp();
    ~StartupWarmUp();  // lets an unstarted Qt part go and joins
    StartupWarmUp(const StartupWarmUp&) = delete;
    StartupWarmUp& operator=(const StartupWarmUp&) = delete;

    // Call once the QGuiApplication has been constructed.
    void applicationReady();
    // Returns once the fontconfig files are read. Qt's font database reads them if they are not:
    // a second reading beside this thread's would take as long as the whole of it, and longer
    // than the wait.
    void waitForFontconfig();
    // Joins the thread: before the first control is made, and before the application object is
    // destroyed.
    void finish();

private:
    std::latch m_fontconfigRead{1};
    std::latch m_ready{1};
    std::atomic<bool> m_withQt{false};
    bool m_released = false;
    std::thread m_thread;
};

}  // namespace tallimer
