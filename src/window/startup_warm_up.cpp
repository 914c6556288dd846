// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/startup_warm_up.h"

#include <fontconfig/fontconfig.h>

#include <QBuffer>
#include <QDBusConnection>
#include <QImageReader>

namespace tallimer {
namespace {

// Qt asks every image format plugin whether it reads a picture before its own reader of the
// picture's format takes it, so the menu bar's first picture loads all of them. Asking here
// first loads them beside the main thread.
void loadImageFormats() {
    QBuffer signature;
    signature.setData(QByteArrayLiteral("\x89PNG\r\n\x1a\n"));
    QImageReader reader(&signature, "png");
    (void)reader.canRead();
}

}  // namespace

StartupWarmUp::StartupWarmUp()
    : m_thread([this] {
          // Fontconfig builds its configuration once per process, and safely when another
          // thread asks at the same time; Qt's font database then finds it made.
          FcInit();
          m_fontconfigRead.count_down();
          m_ready.wait();
          if (m_withQt.load()) {
              loadImageFormats();
              (void)QDBusConnection::sessionBus().isConnected();
          }
      }) {}

StartupWarmUp::~StartupWarmUp() {
    finish();
}

void StartupWarmUp::applicationReady() {
    if (!m_released) {
        m_withQt = true;
        m_released = true;
        m_ready.count_down();
    }
}

void StartupWarmUp::waitForFontconfig() {
    m_fontconfigRead.wait();
}

void StartupWarmUp::finish() {
    if (!m_released) {
        m_released = true;
        m_ready.count_down();
    }
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

}  // namespace tallimer
