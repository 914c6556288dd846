#pragma once

#include <functional>

#include <QObject>
#include <QString>

#include "engine/calculator_view.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace tallimer {

// Tells a screen reader what a committed change came to. Qt has no announcement of its own
// (and its bridge sends a changed name or description without the new text), so the window
// has a status area of its own that only assistive technologies see, and each message is
// a notification shown there: a screen reader speaks a notification in a status area as it
// is, without naming its role. The total is told only when it differs from the one told last,
// so a commit that changed nothing says nothing. While no assistive technology runs, nothing
// is done at all.
class Announcer : public QObject {
    Q_OBJECT

public:
    // `rowText` gives the value of the row the commands work on.
    Announcer(QWidget& window, const QLineEdit& total, const QLabel& memory,
              std::function<QString()> rowText);

    void committed(CalculatorView::Committed what);
    // The total box's text as spoken: with the box's name before a plain number.
    static QString spokenTotal(const QString& shown, const QString& name);
    // Shows `words` as the notification now; what a screen reader is sent.
    void say(const QString& words);
    QObject* note() const { return m_note; }
    const QString& said() const { return m_said; }

private:
    void tell();

    const QLineEdit& m_total;
    const QLabel& m_memory;
    std::function<QString()> m_rowText;
    QObject* m_note = nullptr;  // made when first needed, with its status area
    QString m_said;
    QString m_toldTotal;
    bool m_pending = false;
    bool m_row = false;
    bool m_memoryAsked = false;
};

}  // namespace tallimer
