#include "controls/super_button_accessible.h"
#include "window_fixture.h"

namespace tallimer {
namespace {

class AccessibleWindowTest : public WindowTest {
    void SetUp() override {
        QAccessible::installFactory(controlsAccessibleFactory);  // before any interface is cached
        WindowTest::SetUp();
    }
};

// Keypad 7, +, 5, + (by index) pressed as a screen reader does.
TEST_F(AccessibleWindowTest, KeypadPressedThroughAccessibleActionsAddsUp) {
    for (SuperButton* button : {key(7), key(12), key(5), key(12)}) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
        ASSERT_EQ(iface->role(), QAccessible::Button);
        EXPECT_EQ(iface->text(QAccessible::Name), button->Caption());
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    EXPECT_EQ(total(), QStringLiteral("12"));
}

}  // namespace
}  // namespace tallimer
