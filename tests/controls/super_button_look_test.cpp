// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>

#include "controls/pixel_paint.h"
#include "probes.h"
#include "test_names.h"

namespace tallimer {
namespace {

using P = SuperButtonProbe;

// A grey 154 x 36 button, the size the keypad is designed with.
std::unique_ptr<SuperButton> greyButton(int border, std::uint32_t color = 0x00C0C0C0) {
    auto button = std::make_unique<SuperButton>();
    sizeTo(*button, 154, 36);
    button->setRenderColor(color);
    button->setBorder(border);
    return button;
}

TEST(SuperButtonLook, GreyGradientRowsAndColours) {
    const auto button = greyButton(4);  // no border: every pixel is gradient
    const QImage& face = P::face(*button);
    const QImage& lit = P::litFace(*button);
    ASSERT_EQ(face.size(), QSize(154, 36));
    for (int y = 0; y < 36; ++y) {
        for (const int x : {0, 77, 153}) {
            EXPECT_EQ(grey(face.pixel(x, y)), 190 - 2 * y) << x << "," << y;
            EXPECT_EQ(grey(lit.pixel(x, y)), 250 - 2 * y) << x << "," << y;
        }
    }
    EXPECT_EQ(grey(P::lightColor(*button)), 190);
    EXPECT_EQ(grey(P::darkColor(*button)), 118);
}

TEST(SuperButtonLook, WhiteLitFaceIsLimitedForItsFirstThirtyRows) {
    const auto button = greyButton(4, 0x00FFFFFF);
    const QImage& lit = P::litFace(*button);
    for (int y = 0; y < 36; ++y) {
        EXPECT_EQ(grey(lit.pixel(20, y)), y < 30 ? 255 : 315 - 2 * (y + 1)) << y;
    }
    EXPECT_EQ(grey(P::face(*button).pixel(20, 0)), 253);
}

TEST(SuperButtonLook, DarkChannelsStopAtZero) {
    const auto button = greyButton(4, 0x00400010);  // red 16, green 0, blue 64
    const QImage& face = P::face(*button);
    EXPECT_EQ(face.pixel(5, 0), qRgb(14, 0, 62));
    EXPECT_EQ(face.pixel(5, 7), qRgb(0, 0, 48));
    EXPECT_EQ(face.pixel(5, 35), qRgb(0, 0, 0));
}

struct BorderPixel {
    int border;
    bool litFace;  // Image1 rather than the normal face
    int x;
    int y;
    int grey;  // -2 for the mask colour
};

// "border_3_lit_x153_y0": the style, which face and the pixel.
std::string borderPixelName(const BorderPixel& c) {
    return "border_" + test_names::fromInput(std::to_string(c.border)) +
           (c.litFace ? "_lit" : "_face") + "_x" + std::to_string(c.x) + "_y" + std::to_string(c.y);
}

void PrintTo(const BorderPixel& c, std::ostream* os) {
    *os << borderPixelName(c);
}

class SuperButtonBorder : public ::testing::TestWithParam<BorderPixel> {};

TEST_P(SuperButtonBorder, Pixel) {
    const BorderPixel& c = GetParam();
    const auto button = greyButton(c.border);
    const QImage& image = c.litFace ? P::litFace(*button) : P::face(*button);
    const QRgb pixel = image.pixel(c.x, c.y);
    if (c.grey == -2) {
        EXPECT_EQ(pixel, kMaskColor);
    } else {
        EXPECT_EQ(grey(pixel), c.grey);
    }
}

// Normal face: light 190, dark 118, row y is 190 - 2y. Lit face: light 252, dark 178,
// row y is 250 - 2y.
INSTANTIATE_TEST_SUITE_P(
    Styles, SuperButtonBorder,
    ::testing::Values(
        // 0: a separator at the right edge
        BorderPixel{0, false, 152, 0, 118}, BorderPixel{0, false, 152, 35, 118},
        BorderPixel{0, false, 153, 20, 190}, BorderPixel{0, false, 151, 20, 150},
        BorderPixel{0, true, 152, 20, 178}, BorderPixel{0, true, 153, 20, 252},
        // 1: light outline at 1, dark outline at 2, gradient outside them
        BorderPixel{1, false, 1, 1, 190}, BorderPixel{1, false, 152, 34, 190},
        BorderPixel{1, false, 1, 20, 190}, BorderPixel{1, false, 2, 2, 118},
        BorderPixel{1, false, 151, 33, 118}, BorderPixel{1, false, 0, 20, 150},
        BorderPixel{1, false, 3, 20, 150}, BorderPixel{1, false, 153, 35, 120},
        BorderPixel{1, true, 1, 10, 252}, BorderPixel{1, true, 2, 10, 178},
        // 2: right and bottom edge of the outer outline, then the inner one
        BorderPixel{2, false, 153, 10, 190}, BorderPixel{2, false, 10, 35, 190},
        BorderPixel{2, false, 0, 10, 118}, BorderPixel{2, false, 10, 0, 118},
        BorderPixel{2, false, 152, 10, 118}, BorderPixel{2, false, 10, 34, 118},
        BorderPixel{2, false, 1, 10, 170}, BorderPixel{2, true, 153, 10, 255},
        BorderPixel{2, true, 10, 35, 255}, BorderPixel{2, true, 0, 10, 252},
        // 3: rounded corners in the mask colour, three lit pixels
        BorderPixel{3, false, 0, 0, -2}, BorderPixel{3, false, 2, 0, -2},
        BorderPixel{3, false, 0, 2, -2}, BorderPixel{3, false, 1, 1, 188},
        BorderPixel{3, false, 3, 0, 190}, BorderPixel{3, false, 153, 0, -2},
        BorderPixel{3, false, 151, 0, -2}, BorderPixel{3, false, 153, 2, -2},
        BorderPixel{3, false, 153, 35, -2}, BorderPixel{3, false, 151, 35, -2},
        BorderPixel{3, false, 153, 33, -2}, BorderPixel{3, false, 0, 35, -2},
        BorderPixel{3, false, 2, 35, -2}, BorderPixel{3, false, 0, 33, -2},
        BorderPixel{3, false, 0, 32, 126}, BorderPixel{3, true, 1, 0, -2},
        BorderPixel{3, true, 0, 1, -2}, BorderPixel{3, true, 2, 0, 250},
        BorderPixel{3, true, 153, 0, 250},
        // other values: plain gradient
        BorderPixel{-1, false, 153, 0, 190}, BorderPixel{-1, false, 0, 0, 190},
        BorderPixel{4, true, 153, 35, 180}),
    [](const auto& info) { return borderPixelName(info.param); });

TEST(SuperButtonLook, BorderThreeMasksTwentyPixels) {
    const auto button = greyButton(3);
    const QImage& face = P::face(*button);
    int masked = 0;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            masked += face.pixel(x, y) == kMaskColor ? 1 : 0;
        }
    }
    EXPECT_EQ(masked, 20);
}

TEST(SuperButtonLook, MaskedCornersShowTheContainer) {
    QWidget container;
    container.resize(160, 40);
    container.setAutoFillBackground(true);
    QPalette palette = container.palette();
    palette.setColor(QPalette::Window, QColor(10, 200, 30));
    container.setPalette(palette);
    auto* button = new SuperButton(&container);
    sizeTo(*button, 154, 36);
    button->setRenderColor(0x00C0C0C0);
    button->setBorder(3);

    const QImage shot = container.grab().toImage();
    EXPECT_EQ(shot.pixel(0, 0), qRgb(10, 200, 30));
    EXPECT_EQ(shot.pixel(153, 35), qRgb(10, 200, 30));
    EXPECT_EQ(shot.pixel(2, 35), qRgb(10, 200, 30));
    EXPECT_EQ(grey(shot.pixel(3, 0)), 190);
    EXPECT_EQ(grey(shot.pixel(1, 1)), 188);
}

TEST(SuperButtonLook, PressedDecorations) {
    struct Case {
        int border;
        int x;
        int y;
        int grey;
    };
    // The pressed look is the lit face (row y: 250 - 2y) with the normal face's colours.
    const Case cases[] = {
        {0, 152, 10, 118}, {0, 153, 10, 190}, {0, 10, 10, 230}, {1, 1, 10, 252},
        {1, 2, 10, 178},   {2, 153, 10, 118}, {2, 0, 10, 118},  {2, 10, 35, 118},
        {2, 1, 10, 230},   {3, 153, 10, 190}, {3, 10, 35, 190}, {3, 10, 0, 190},
        {3, 1, 10, 230},   {4, 153, 10, 230}, {-1, 0, 10, 230},
    };
    for (const Case& c : cases) {
        const auto button = greyButton(c.border);
        sendMouse(*button, QEvent::MouseButtonPress, QPointF(30, 10), Qt::LeftButton,
                  Qt::LeftButton);
        EXPECT_EQ(grey(P::surface(*button).pixel(c.x, c.y)), c.grey)
            << "border " << c.border << " at " << c.x << "," << c.y;
    }
}

TEST(SuperButtonLook, GrabShowsTheLookDrawn) {
    const auto button = greyButton(1);
    EXPECT_EQ(grey(button->grab().toImage().pixel(40, 20)), 150);
    sendMouse(*button, QEvent::MouseButtonPress, QPointF(30, 10), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(grey(button->grab().toImage().pixel(40, 20)), 210);
}

TEST(SuperButtonLook, CaptionIsCentredInWhite) {
    const auto button = greyButton(1);
    button->setCaption(QStringLiteral("8"));
    const QFontMetrics metrics(button->font());
    EXPECT_TRUE(button->font().bold());
    EXPECT_EQ(button->font().family(), QStringLiteral("Arial"));
    // Arial bold 9.75 pt is 13 pixels at 96 dpi (Liberation Sans has its metrics): "8" is 7
    // pixels wide and a line 15 high. (154 - 7) / 2 = 73.5 and (36 - 15) / 2 = 10.5, the ties
    // going to the even number.
    ASSERT_EQ(metrics.horizontalAdvance("8"), 7);
    ASSERT_EQ(metrics.height(), 15);
    EXPECT_EQ(P::captionX(*button), 74);
    EXPECT_EQ(P::captionY(*button), 10);
    const QImage& face = P::face(*button);
    bool white = false;
    for (int y = 0; y < 36; ++y) {
        for (int x = 0; x < 154; ++x) {
            white = white || face.pixel(x, y) == qRgb(255, 255, 255);
        }
    }
    EXPECT_TRUE(white);
}

TEST(SuperButtonLook, CaptionWiderThanTheButtonStartsLeftOfIt) {
    const auto button = greyButton(0);
    sizeTo(*button, 20, 36);
    button->setCaption(QStringLiteral("A caption far wider than the button"));
    EXPECT_LT(P::captionX(*button), 0);
}

TEST(SuperButtonLook, FontSizeWaitsForTheNextRender) {
    const auto button = greyButton(0);
    button->setCaption(QStringLiteral("5"));
    const QImage before = P::face(*button);
    const int x = P::captionX(*button);
    button->setFontSize(20);
    EXPECT_EQ(button->FontSize(), 20);
    EXPECT_EQ(P::face(*button), before);
    EXPECT_EQ(P::captionX(*button), x);
    button->setBorder(0);
    EXPECT_LT(P::captionX(*button), x);
}

TEST(SuperButtonLook, CaptionResetsTheFontName) {
    const auto button = greyButton(0);
    QFont other = button->font();
    other.setFamily(QStringLiteral("Serif"));
    button->setFont(other);
    button->setCaption(QStringLiteral("C"));
    EXPECT_EQ(button->font().family(), QStringLiteral("Arial"));
}

}  // namespace
}  // namespace tallimer
