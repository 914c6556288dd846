#include <QAccessible>
#include <QAccessibleActionInterface>

#include "controls/super_button_accessible.h"
#include "window_fixture.h"

namespace tallimer {
namespace {

class AccessibilityTest : public WindowTest {
protected:
    void SetUp() override {
        QAccessible::installFactory(controlsAccessibleFactory);
        WindowTest::SetUp();
    }
    void TearDown() override { QAccessible::removeFactory(controlsAccessibleFactory); }

    SuperButton* keyNamed(const QString& caption) const {
        for (SuperButton* b : window->parts().keypad.CalC_Button) {
            if (b->Caption() == caption) {
                return b;
            }
        }
        return nullptr;
    }
};

TEST_F(AccessibilityTest, KeypadPressedThroughItsActionsAddsUp) {
    for (const char* caption : {"7", "+", "5", "+"}) {
        SuperButton* button = keyNamed(QString::fromLatin1(caption));
        ASSERT_NE(button, nullptr) << caption;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), QAccessible::Button);
        EXPECT_EQ(iface->text(QAccessible::Name), QString::fromLatin1(caption));
        ASSERT_NE(iface->actionInterface(), nullptr);
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        settle();
    }
    EXPECT_EQ(total(), QStringLiteral("12"));
    QAccessibleInterface* totalBox =
        QAccessible::queryAccessibleInterface(window->parts().total.TotalAmount);
    EXPECT_EQ(totalBox->text(QAccessible::Name), QStringLiteral("Total"));
}

}  // namespace
}  // namespace tallimer
