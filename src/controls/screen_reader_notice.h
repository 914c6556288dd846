// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

namespace tallimer {

// Words for a screen reader alone, spoken as they are: Qt 6.8 and later send an announcement
// of their own. Before 6.8 the owner gets a status area that only assistive technologies see,
// and each message is a notification shown there, renamed first so that no reader keeps an
// older name.
class ScreenReaderNotice : public QObject {
    Q_OBJECT

public:
    // `owner`, a widget, is where the words come from; it owns the notice.
    explicit ScreenReaderNotice(QObject& owner);

    void say(const QString& words);

private:
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    QObject* m_note = nullptr;  // made when first needed, with its status area
    QString m_said;             // the note's name
#endif
};

}  // namespace tallimer
