// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QPalette>

#include "controls/ole_color.h"
#include "controls/pixel_paint.h"
#include "probes.h"

namespace tallimer {
namespace {

using P = VynVerticalScrollProbe;

std::unique_ptr<VynVerticalScroll> scrollBar(int height = 240) {
    auto s = std::make_unique<VynVerticalScroll>();
    sizeTo(*s, 30, height);
    return s;
}

TEST(VynVerticalScrollLook, ShadesOfTheBackColour) {
    struct Case {
        std::uint32_t color;
        int shade;
        int grey;
    };
    // nearest(10k x channel / 200), ties to even, limited to 255.
    const Case cases[] = {
        {0x00E0E0E0, 1, 11},   {0x00E0E0E0, 11, 123}, {0x00E0E0E0, 14, 157}, {0x00E0E0E0, 16, 179},
        {0x00E0E0E0, 20, 224}, {0x00E0E0E0, 25, 255}, {0x000A0A0A, 1, 0},    {0x000A0A0A, 3, 2},
        {0x000A0A0A, 5, 2},    {0x000A0A0A, 7, 4},    {0x00FFFFFF, 20, 255}, {0x00000000, 25, 0},
    };
    const auto s = scrollBar();
    for (const Case& c : cases) {
        s->setBackColor(c.color);
        EXPECT_EQ(grey(P::shade(*s, c.shade)), c.grey)
            << std::hex << c.color << std::dec << " " << c.shade;
    }
}

TEST(VynVerticalScrollLook, ChannelsAreShadedApart) {
    const auto s = scrollBar();
    s->setBackColor(0x00C08040);  // red 64, green 128, blue 192
    EXPECT_EQ(P::shade(*s, 14), qRgb(45, 90, 134));
}

TEST(VynVerticalScrollLook, TrackDotsAndBorders) {
    const auto s = scrollBar();
    const QImage& look = P::background(*s);
    ASSERT_EQ(look.size(), QSize(30, 240));
    struct Pixel {
        int x;
        int y;
        int grey;
    };
    const Pixel pixels[] = {
        {4, 20, 157},   {5, 21, 157},   {5, 20, 224},   {4, 21, 224},   {6, 22, 157},
        {26, 218, 157}, {27, 219, 157}, {26, 219, 224}, {14, 120, 157}, {15, 120, 224},
        {0, 100, 123},  {29, 100, 123}, {1, 100, 179},  {28, 100, 179},
    };
    for (const Pixel& p : pixels) {
        EXPECT_EQ(grey(look.pixel(p.x, p.y)), p.grey) << p.x << "," << p.y;
    }
}

// The width of the white run of an arrow row, 0 when it has none.
int whiteRun(const QImage& look, int y) {
    int run = 0;
    for (int x = 0; x < look.width(); ++x) {
        run += look.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
    }
    return run;
}

TEST(VynVerticalScrollLook, ArrowsPointOutwards) {
    const auto s = scrollBar();
    const QImage& look = P::background(*s);
    int firstTop = -1;
    int lastTop = -1;
    for (int y = 0; y < 20; ++y) {
        if (whiteRun(look, y) > 0) {
            lastTop = y;
            firstTop = firstTop < 0 ? y : firstTop;
        }
    }
    ASSERT_GE(firstTop, 0);
    EXPECT_LT(whiteRun(look, firstTop), whiteRun(look, lastTop));  // widest at the bottom
    for (int y = 0; y < 20; ++y) {
        EXPECT_EQ(whiteRun(look, y), whiteRun(look, 239 - y)) << y;  // mirrored
    }
    for (const QPoint corner : {QPoint(0, 0), QPoint(29, 0), QPoint(0, 239), QPoint(29, 239)}) {
        EXPECT_EQ(look.pixel(corner), kMaskColor);
    }
    const auto painted = paintedRegion(look);
    ASSERT_TRUE(painted.has_value());
    EXPECT_FALSE(painted->contains(QPoint(0, 0)));
    EXPECT_FALSE(painted->contains(QPoint(29, 239)));
    EXPECT_TRUE(painted->contains(QPoint(15, 5)));
}

TEST(VynVerticalScrollLook, ThumbRowFromTheValue) {
    struct Case {
        std::int32_t value;
        int top;
    };
    // nearest(value / 100 x 197), never above row 22.
    const Case cases[] = {{0, 22}, {5, 22}, {11, 22}, {12, 24}, {50, 98}, {99, 195}, {100, 197}};
    const auto s = scrollBar();
    EXPECT_EQ(P::thumbTop(*s), 22);
    EXPECT_EQ(P::thumbHeight(*s), 20);
    for (const Case& c : cases) {
        EXPECT_TRUE(s->setValue(c.value));
        EXPECT_EQ(P::thumbTop(*s), c.top) << c.value;
    }
}

TEST(VynVerticalScrollLook, GrabDrawsTheThumbOverTheTrack) {
    const auto s = scrollBar();
    s->setValue(100);
    const QImage shot = s->grab().toImage();
    EXPECT_EQ(grey(shot.pixel(15, 196)), 224);
    EXPECT_EQ(grey(shot.pixel(14, 196)), 157);
    EXPECT_EQ(shot.pixel(15, 197), P::restThumb(*s).pixel(15, 0));
    EXPECT_EQ(shot.pixel(15, 218), P::restThumb(*s).pixel(15, 29));
    EXPECT_EQ(grey(shot.pixel(15, 219)), 157);
}

TEST(VynVerticalScrollLook, NoThumbWithoutARange) {
    const auto s = scrollBar();
    s->setValueMax(0);
    EXPECT_EQ(s->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(2, 2, 26, 236),
              P::background(*s).copy(2, 2, 26, 236));
}

TEST(VynVerticalScrollLook, DraggedThumbAndHighlightOutline) {
    const auto s = scrollBar();
    ASSERT_TRUE(P::press(*s, 30));  // inside the thumb at rows 22 .. 42
    EXPECT_TRUE(P::dragging(*s));
    const QImage shot = s->grab().toImage();
    const QRgb highlight = rgbFromOle(kSystem3DHighlight);
    EXPECT_EQ(shot.pixel(15, 22), P::heldThumb(*s).pixel(15, 0));
    EXPECT_EQ(shot.pixel(1, 100), highlight);
    EXPECT_EQ(shot.pixel(28, 100), highlight);
    EXPECT_EQ(shot.pixel(10, 219), highlight);
    EXPECT_EQ(grey(shot.pixel(0, 100)), 123);
}

TEST(VynVerticalScrollLook, ReleaseOutlinesTheTrackInBlackUntilTheNextRepaint) {
    const auto s = scrollBar();
    P::release(*s);
    QImage shot = s->grab().toImage();
    EXPECT_EQ(shot.pixel(1, 100), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(15, 20), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(15, 219), qRgb(0, 0, 0));
    s->setValue(3);
    shot = s->grab().toImage();
    EXPECT_EQ(grey(shot.pixel(1, 100)), 179);
}

TEST(VynVerticalScrollPictures, NativeSizesAndColours) {
    const VynVerticalScroll s;
    const QImage& arrow = P::arrow(s);
    ASSERT_EQ(arrow.size(), QSize(30, 22));
    int masked = 0;
    for (int y = 0; y < 22; ++y) {
        for (int x = 0; x < 30; ++x) {
            masked += arrow.pixel(x, y) == kMaskColor ? 1 : 0;
        }
    }
    EXPECT_EQ(masked, 13);

    const auto average = [](const QImage& image) {
        double sum[3] = {0, 0, 0};
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                sum[0] += qRed(image.pixel(x, y));
                sum[1] += qGreen(image.pixel(x, y));
                sum[2] += qBlue(image.pixel(x, y));
            }
        }
        const double n = image.width() * image.height();
        return std::array<double, 3>{sum[0] / n, sum[1] / n, sum[2] / n};
    };
    ASSERT_EQ(P::restThumb(s).size(), QSize(30, 30));
    ASSERT_EQ(P::heldThumb(s).size(), QSize(30, 30));
    const auto rest = average(P::restThumb(s));
    const auto held = average(P::heldThumb(s));
    EXPECT_NEAR(rest[0], 124, 2);
    EXPECT_NEAR(rest[1], 124, 2);
    EXPECT_NEAR(held[0], 111, 2);
    EXPECT_NEAR(held[1], 136, 2);
    EXPECT_NEAR(held[2], 136, 2);
}

}  // namespace
}  // namespace tallimer
