// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "probes.h"

namespace tallimer {
namespace {

using P = SuperButtonProbe;

TEST(SuperButtonSharing, SameLookSharesPictureUntilOneChangesColour) {
    SuperButton a;
    SuperButton b;
    for (SuperButton* button : {&a, &b}) {
        sizeTo(*button, 40, 24);
        button->setCaption(QStringLiteral("="));
        button->setRenderColor(0x00808080);
    }
    EXPECT_EQ(P::face(a).cacheKey(), P::face(b).cacheKey());
    const QRgb before = P::face(b).pixel(5, 5);
    a.setRenderColor(0x00204080);
    EXPECT_NE(P::face(a).pixel(5, 5), before);
    EXPECT_EQ(P::face(b).pixel(5, 5), before);
}

TEST(SuperButtonSharing, LitFaceIsComposedOnFirstUseAndSharedAcrossCaptions) {
    SuperButton a;
    SuperButton b;
    for (SuperButton* button : {&a, &b}) {
        sizeTo(*button, 44, 26);
        button->setRenderColor(0x00406080);
    }
    a.setCaption(QStringLiteral("7"));
    b.setCaption(QStringLiteral("8"));
    a.grab();
    EXPECT_TRUE(P::litFaceIfComposed(a).isNull());  // a plain showing needs no lit face
    EXPECT_EQ(P::litFace(a).cacheKey(), P::litFace(b).cacheKey());
}

TEST(SuperButtonSharing, CaptionSetThriceBeforeShowingComposesOnce) {
    SuperButton button;
    button.setRenderColor(0x00123456);  // a look no other test composes
    for (const char* caption : {"1", "12", "123"}) {
        button.setCaption(QString::fromLatin1(caption));
    }
    sizeTo(button, 154, 36);
    button.grab();
    EXPECT_EQ(P::compositions(button), 1);
}

}  // namespace
}  // namespace tallimer
