#include "window/startup_warm_up.h"

#include <fontconfig/fontconfig.h>

namespace tallimer {

// Fontconfig builds its configuration once per process, and safely when another thread asks
// at the same time; Qt's font database then finds it made.
StartupWarmUp::StartupWarmUp() : m_thread([] { FcInit(); }) {}

StartupWarmUp::~StartupWarmUp() {
    finish();
}

void StartupWarmUp::finish() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

}  // namespace tallimer
