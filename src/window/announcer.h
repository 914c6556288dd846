// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

#include <QObject>
#include <QString>

#include "controls/screen_reader_notice.h"
#include "engine/calculator_view.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace tallimer {

// Tells a screen reader what a committed change came to, as a notice spoken as it is. The total is
// told only when it differs from the one told last, so a commit that changed nothing says
// nothing; an opened file's total is always told. While no assistive technology runs, nothing
// is done at all.
class Announcer : public QObject {
    Q_OBJECT

public:
    // `rowText` gives the value of the row the commands work on; `totalIsNumber` whether the
    // total box shows a number alone (not a statistic's label, "Overflow" or "Error").
    Announcer(QWidget& window, const QLineEdit& total, const QLabel& memory,
              std::function<QString()> rowText, std::function<bool()> totalIsNumber);

    void committed(CalculatorView::Committed what);
    // A file has been read onto the tape: its total is told even when it is the last one told,
    // and, while the window is still to get the focus back from the dialog, once it has it.
    void opened();
    // Announces `words` now; what a screen reader is sent.
    void say(const QString& words);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tell();
    void openedTotal();

    QWidget& m_window;
    ScreenReaderNotice* m_notice;  // the window's
    const QLineEdit& m_total;
    const QLabel& m_memory;
    std::function<QString()> m_rowText;
    std::function<bool()> m_totalIsNumber;
    QString m_toldTotal;
    bool m_pending = false;
    bool m_row = false;
    bool m_memoryAsked = false;
    bool m_awaitingWindow = false;
};

}  // namespace tallimer
