// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include <QElapsedTimer>
#include <QMainWindow>
#include <QVariant>

#include "dialogs/message_box.h"
#include "engine/calculator.h"
#include "engine/calculator_view.h"
#include "platform/regional.h"
#include "window/window_parts.h"

namespace tallimer {

class Announcer;
class FileCommands;
struct PrintLibrary;
class RowKeyFilter;
class TapeLineNames;

// The calculator's main window: the tape view (entry rows, operator buttons, scroll bar), the
// total box, the keypad, the memory and the menus. The tape commands live in Calculator; this
// window shows what they ask for and hands them every event.
class Rolling_Caculator : public QMainWindow, public CalculatorView {
    Q_OBJECT

public:
    explicit Rolling_Caculator(const RegionalSettings& settings = RegionalSettings::system(),
                               QWidget* parent = nullptr);
    ~Rolling_Caculator() override;

    // Load what making the window and drawing its first frame would otherwise stop for. Called
    // before the window is made, they take that work off the controls' creation, which waits
    // for the session bus. The style's icons need no fonts; the fonts are the first frame's.
    static void loadStyleIcons();
    static void loadFonts();

    Calculator& calculator() { return m_calc; }
    FileCommands& fileCommands() { return *m_files; }
    // The window's controls with every row of the pool, the rows not made yet made now.
    const WindowParts& partsAllRowsMade();
    // The window's controls with the rows made so far: those that have come into sight.
    const WindowParts& parts() const { return m_parts; }
    int lastRow() const { return m_LastRow; }
    std::int32_t savedLeft() const { return m_SavedLeft; }
    double twipsPerPixel() const;
    // The client area below the menu bar.
    QSize clientSize() const;
    void resizeClient(const QSize& size);

    // The layout pass: runs on every resize and state change, and once at creation.
    void Form_Resize();
    // True for a moment after the tall layout or the return from it, while the window system
    // may still report the maximize that led there.
    bool layoutSettling() const;

    // "Copy Numbers...", "Paste Numbers..." and "Print Calculation..." (on the default
    // printer; printTo takes any by name, an empty name meaning there is none). Printing runs
    // as jobs: what it says follows when they end.
    void C_m_Click();
    void P_m_Click();
    void PrintCalc_Click();
    void printTo(const QString& printerName);
    // Replaces the message box, so that tests read what the user would be told.
    void setMessageFunction(MessageFunction show);
    // Prints through `library` instead of the installed one (null); it must outlive the jobs.
    void setPrintLibrary(const PrintLibrary* library);

    // CalculatorView
    int rowPoolSize() const override;
    QString rowText(int row) const override;
    void setRowText(int row, const QString& text) override;
    int rowCaret(int row) const override;
    void setRowCaret(int row, int position) override;
    int rowSelectionStart(int row) const override;
    int rowSelectionLength(int row) const override;
    void setRowBackground(int row, std::uint32_t colour) override;
    void setRowTextColour(int row, std::uint32_t colour) override;
    void focusRow(int row) override;
    bool isWindowVisible() const override;
    QString opCaption(int row) const override;
    void setOpCaption(int row, const QString& caption) override;
    void setOpColour(int row, std::uint32_t renderColor) override;
    QString totalText() const override;
    void setTotalText(const QString& text) override;
    void setTotalBackground(std::uint32_t colour) override;
    void setMemoryText(const QString& text) override;
    int scrollValue() const override;
    void setScrollValue(int value) override;
    int scrollValueMax() const override;
    void setScrollValueMax(int valueMax) override;
    void setDecimalsChecked(int index, bool checked) override;
    void setFunctionChecked(int index, bool checked) override;
    void changeCommitted(Committed what) override;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Construction (window_build.cpp).
    void createClientArea();
    void setClientFont();
    void createMenus();
    void createTotalBox();
    void createKeypad();
    void createMemory();
    void createScrollBar();
    void createRowZero();
    // Gives the pool's rows 0..last their cleared state; only row 0 is made yet.
    void initRowStates(int last);
    // Makes the rows up to `last` that do not exist yet, showing their state.
    void buildRowsTo(int last);
    void setTabOrders();
    void connectRow(int row);

    void Form_Load();
    void Form_Activate();
    // Opens a calculation file named on the command line; the file commands fill it in.
    void openCommandLineFile();

    // Layout pass steps (window_layout.cpp).
    bool turnMaximizeIntoTallLayout();
    void applyOwnChange();
    int menuBarHeight() const;
    void placeClient();
    void placeRows(int lastRow);

    bool validRow(int row) const;
    // What printing says when it cannot (print_command.cpp).
    void sayNoPrintLibrary();
    void notPrinted(const QString& printerName);
    void message(const QString& text);

    RegionalSettings m_settings;
    Calculator m_calc;
    WindowParts m_parts;
    RowKeyFilter* m_keyFilter = nullptr;
    FileCommands* m_files = nullptr;             // open, save and dropped files
    std::unique_ptr<TapeLineNames> m_lineNames;  // made once the row pool exists
    Announcer* m_announcer = nullptr;

    std::int16_t m_LastRow = 0;
    QVariant m_BecameActive;       // empty until the window first becomes active
    std::int32_t m_SavedLeft = 0;  // twips; wider than 16 bits so a far-right screen fits
    int m_layoutDepth = 0;
    unsigned m_layoutGeneration = 0;
    // The tall layout (or the return from it) while the window system carries it out.
    QPoint m_ownChangePlace;
    QSize m_ownChangeTarget;
    QElapsedTimer m_ownChangeClock;
    // A row's state (window_rows.cpp): the one record of what a row shows, for every row of
    // the pool, made or not; a row is made only when it first comes into sight. A made row shows
    // its state through showRow, and what the user types there comes back into it. The selection
    // is the made row's line edit's own: a row not made yet has none.
    struct RowState {
        QString text;
        int caret = 0;
        QString opCaption;
        std::uint32_t opColour = kSilver;
        std::uint32_t background = kWhite;
        std::uint32_t textColour = kBlackText;
    };
    static constexpr int kRowMaxLength = 40;
    enum RowPart : unsigned { kRowText = 1, kRowCaret = 2, kRowColours = 4, kRowOp = 8 };
    // Shows the parts of row's state on its widgets, if the row is made.
    void showRow(int row, unsigned parts);
    EntryRow* builtRow(int row) const;

    std::vector<RowState> m_rows;
    MessageFunction m_message;                     // empty: the message box
    const PrintLibrary* m_printLibrary = nullptr;  // null: the installed one
};

}  // namespace tallimer
