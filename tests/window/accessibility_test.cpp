// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <qtestaccessible.h>
#include <QLabel>
#include <QLineEdit>

#include "controls/controls_accessible.h"
#include "controls/drive_control.h"
#include "controls/drive_control_accessible.h"
#include "controls/widget_look.h"
#include "window_fixture.h"

namespace tallimer {
namespace {

QAccessibleInterface* of(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// As if a screen reader were running: interfaces are asked for and events recorded.
class AccessibleWindowTest : public WindowTest {
protected:
    void SetUp() override {
        QAccessible::installFactory(controlsAccessibleFactory);  // before any interface is cached
        QTestAccessibility::initialize();
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        WindowTest::SetUp();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !browser.listingPending(); }));
    }
    void TearDown() override {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        qDeleteAll(QTestAccessibility::events());  // the recorded copies are ours to delete
        QTestAccessibility::clearEvents();
    }
    bool announced(QAccessibleEvent&& event) { return QTestAccessibility::containsEvent(&event); }

    // One drive, the home folder and a fixed folder; ".." unless the tests run in "/".
    static FolderListing folder(const QString&, const std::function<bool(QStringView)>&) {
        return {true, {{"b.Clc", false, true}, {"sub", true}, {"a.Clc"}}};
    }
    static std::vector<Volume> root() { return {{"/", ""}}; }
    DriveControl browser{nullptr, {&root, [] { return QStringLiteral("/home/ann"); }, &folder}};
};

TEST_F(AccessibleWindowTest, ControlsShowRoleNameDescriptionAndChildren) {
    const WindowParts& p = window->partsAllRowsMade();
    const int entries = QDir::currentPath() == QStringLiteral("/") ? 5 : 6;
    const struct {
        QObject* object;
        QAccessible::Role role;
        const char* name;
        const char* description;
        int children;
    } cases[] = {
        {key(7), QAccessible::Button, "7", "", 0},
        {p.keypad.MemoryRc[1], QAccessible::Button, "MR", "", 0},
        {op(2), QAccessible::Button, "operator of line 3, plus", "", 0},
        {row(0), QAccessible::EditableText, "Line 1", "plus", 0},
        {row(2), QAccessible::EditableText, "Line 3", "plus", 0},
        {p.total.TotalAmount, QAccessible::EditableText, "Total", "", 0},
        {p.keypad.M_Buff, QAccessible::StaticText, "Memory", "", 0},
        {p.ScrollNum, QAccessible::ScrollBar, "", "", 0},
        {&browser, QAccessible::List, "", "", entries},
    };
    for (const auto& c : cases) {
        QAccessibleInterface* iface = of(c.object);
        EXPECT_EQ(iface->role(), c.role) << c.name;
        EXPECT_EQ(iface->text(QAccessible::Name), QString::fromLatin1(c.name));
        EXPECT_EQ(iface->text(QAccessible::Description), QString::fromLatin1(c.description));
        EXPECT_EQ(iface->childCount(), c.children) << c.name;
    }
}

// Keypad 7, +, 5, + (by index) pressed as a screen reader does.
TEST_F(AccessibleWindowTest, KeypadPressedThroughAccessibleActionsAddsUpAndTellsTheTotal) {
    for (SuperButton* button : {key(7), key(12), key(5), key(12)}) {
        of(button)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    EXPECT_EQ(total(), QStringLiteral("12"));
    EXPECT_TRUE(
        announced(QAccessibleTextUpdateEvent(window->partsAllRowsMade().total.TotalAmount, 0,
                                             QStringLiteral("7"), QStringLiteral("12"))));
}

// The screen reader's press moves the focus as a mouse press does, so the memory button's
// focus out, which gives the total box back its colour, runs for its user too.
TEST_F(AccessibleWindowTest, PressTakesTheFocusSoTheTotalBoxGetsItsColourBack) {
    QLineEdit* totalBox = window->partsAllRowsMade().total.TotalAmount;
    SuperButton* store = window->partsAllRowsMade().keypad.MemoryRc[0];
    type("7");
    totalBox->setFocus(Qt::TabFocusReason);
    settle();
    of(store)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(QApplication::focusWidget(), store);
    EXPECT_EQ(window->partsAllRowsMade().keypad.M_Buff->text(), QStringLiteral("7"));
    EXPECT_EQ(totalBox->palette().color(QPalette::Base), toQColor(kMemoryColour));
    row(0)->setFocus(Qt::TabFocusReason);
    settle();
    EXPECT_EQ(totalBox->palette().color(QPalette::Base), QColor(Qt::white));
}

// Voice control and screen readers edit a row through its text interface, with no key.
TEST_F(AccessibleWindowTest, RowEditedThroughTheEditableTextInterfaceIsCounted) {
    type("5");
    press(Qt::Key_Return);
    type("7");
    ASSERT_EQ(total(), QStringLiteral("12"));
    QAccessibleEditableTextInterface* edit = of(row(0))->editableTextInterface();
    ASSERT_NE(edit, nullptr);
    const struct {
        std::function<void()> change;
        const char* total;
    } edits[] = {
        {[edit] { edit->replaceText(0, 1, QStringLiteral("9")); }, "16"},
        {[edit] { edit->insertText(1, QStringLiteral("0")); }, "97"},
        {[edit] { edit->deleteText(0, 1); }, "7"},
    };
    for (const auto& e : edits) {
        e.change();
        EXPECT_EQ(total(), QString::fromLatin1(e.total));
    }
}

TEST_F(AccessibleWindowTest, ScrollBarValueMovesTheViewAndTheLineNames) {
    Calculator& calc = window->calculator();
    calc.tape.resize(40, u'+');
    calc.tape.TapeNumbers[3] = LineValue::integer(44);
    window->setScrollValueMax(39 - window->lastRow());
    QAccessibleValueInterface* bar = of(window->partsAllRowsMade().ScrollNum)->valueInterface();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->maximumValue().toInt(), window->scrollValueMax());

    bar->setCurrentValue(3);
    EXPECT_EQ(bar->currentValue().toInt(), 3);
    EXPECT_EQ(row(0)->text(), QStringLiteral("44"));
    EXPECT_EQ(of(row(0))->text(QAccessible::Name), QStringLiteral("Line 4"));
    EXPECT_EQ(of(op(1))->text(QAccessible::Name), QStringLiteral("operator of line 5, plus"));
    EXPECT_TRUE(announced(QAccessibleValueChangeEvent(window->partsAllRowsMade().ScrollNum, 3)));
}

TEST_F(AccessibleWindowTest, BrowserEntriesAreNamedDescribedAndPressedAsClicks) {
    QAccessibleInterface* list = of(&browser);
    QStringList seen;
    for (int i = 0; i < list->childCount(); ++i) {
        seen << list->child(i)->text(QAccessible::Name) + u':' +
                    list->child(i)->text(QAccessible::Description);
    }
    seen.removeAll(QStringLiteral("..:parent folder"));
    EXPECT_EQ(seen, QStringList({"/:drive", "ann:home folder", "sub:folder", "a.Clc:file",
                                 "b.Clc:read-only file"}));

    const int aClc = list->childCount() - 2;
    list->child(aClc)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(browser.FileName(), QStringLiteral("a.Clc"));
    EXPECT_TRUE(list->child(aClc)->state().selected);
    QAccessibleEvent selection(&browser, QAccessible::Selection);
    selection.setChild(aClc);
    EXPECT_TRUE(announced(std::move(selection)));
}

TEST_F(AccessibleWindowTest, BrowserKeysMoveTheCurrentEntryUntilAChoice) {
    auto* list = dynamic_cast<DriveControlAccessible*>(of(&browser));
    ASSERT_NE(list, nullptr);
    const int last = list->childCount();
    for (const auto key : {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_Down, Qt::Key_Up}) {
        QTest::keyClick(&browser, key);
    }
    EXPECT_EQ(list->currentEntry(), last - 1);  // the Down at the end moved nothing
    EXPECT_EQ(browser.SelectedEntry(), -1);     // the keys choose nothing

    list->child(last - 1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(list->currentEntry(), last);  // a choice is the current entry
}

}  // namespace
}  // namespace tallimer
