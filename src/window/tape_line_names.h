#pragma once

#include <QAccessible>

namespace tallimer {

struct RowParts;
class VynVerticalScroll;

// Names each entry row "Line N" and describes its operator button as the operator of line N,
// N being the tape line the row shows, so the names follow the scroll. Only while an
// assistive technology is running: otherwise a scroll costs nothing more.
class TapeLineNames : public QAccessible::ActivationObserver {
public:
    TapeLineNames(const RowParts& rows, const VynVerticalScroll& scroll);
    ~TapeLineNames() override;
    TapeLineNames(const TapeLineNames&) = delete;
    TapeLineNames& operator=(const TapeLineNames&) = delete;

    // After every change of the view offset.
    void refresh();
    void accessibilityActiveChanged(bool active) override;

private:
    const RowParts& m_rows;
    const VynVerticalScroll& m_scroll;
};

}  // namespace tallimer
