#include "window/font_warm_up.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QStringList>

namespace tallimer {

FontWarmUp::FontWarmUp()
    : m_thread([this] {
          // Fontconfig builds its configuration once per process, and safely when another
          // thread asks at the same time.
          FcInit();
          m_ready.wait();
          if (m_withQt.load()) {
              // Qt's database is guarded by its own lock: the main thread's first text
              // waits for this listing instead of making it.
              (void)QFontDatabase::families();
          }
      }) {}

FontWarmUp::~FontWarmUp() {
    finish();
}

void FontWarmUp::applicationReady() {
    if (!m_released) {
        m_withQt = true;
        m_released = true;
        m_ready.count_down();
    }
}

void FontWarmUp::finish() {
    if (!m_released) {
        m_released = true;
        m_ready.count_down();
    }
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

}  // namespace tallimer
