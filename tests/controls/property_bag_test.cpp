// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "controls/property_bag.h"
#include "probes.h"

namespace tallimer {
namespace {

QStringList names(const PropertyBag& bag) {
    QStringList list;
    for (const PropertyBag::Entry& entry : bag.entries()) {
        list << entry.name;
    }
    return list;
}

TEST(PropertyBag, DefaultsAreNotStoredAndRewritesStayInPlace) {
    PropertyBag bag;
    bag.WriteProperty("A", 1, 0);
    bag.WriteProperty("B", 0, 0);
    bag.WriteProperty("C", "x", QString());
    bag.WriteProperty("A", 2, 0);
    EXPECT_EQ(names(bag), (QStringList{"A", "C"}));
    EXPECT_EQ(bag.ReadProperty("A", 0).toInt(), 2);
    EXPECT_EQ(bag.ReadProperty("B", 7).toInt(), 7);
    bag.WriteProperty("A", 0, 0);
    EXPECT_EQ(names(bag), QStringList{"C"});
}

TEST(PropertyBag, TypedReadsFallBackOnDamagedEntries) {
    PropertyBag bag;
    bag.WriteProperty("text", 12, 0);
    bag.WriteProperty("big", QVariant::fromValue<qlonglong>(5000000000LL), 0);
    bag.WriteProperty("word", "abc", QString());
    bag.WriteProperty("negative", -2147483643, 0);
    bag.WriteProperty("size", "20.25", QString());
    EXPECT_EQ(bag.readString("text", "d"), "12");
    EXPECT_EQ(bag.readInt("big", 100), 100);
    EXPECT_EQ(bag.readInt("word", 100), 100);
    EXPECT_EQ(bag.readColor("negative", 0), 0x80000005u);
    EXPECT_EQ(bag.readColor("word", 0x00C0C0C0), 0x00C0C0C0u);
    EXPECT_FLOAT_EQ(bag.readFloat("size", 9), 20.25f);
    EXPECT_FLOAT_EQ(bag.readFloat("word", 9), 9.0f);
    EXPECT_TRUE(bag.readBool("missing", true));
}

TEST(SuperButtonProperties, EmptyBagGivesTheDefaults) {
    SuperButton button;
    button.setCaption("old");
    button.ReadProperties(PropertyBag());
    EXPECT_EQ(button.Caption(), QString());
    EXPECT_EQ(button.BackColor(), 0x00C0E0FFu);
    EXPECT_EQ(button.RenderColor(), 0x00C0C0C0u);
    EXPECT_TRUE(button.Enabled());
    EXPECT_EQ(button.FontSize(), 9);
    EXPECT_EQ(button.Border(), 0);
    EXPECT_EQ(grey(SuperButtonProbe::face(button).pixel(3, 0)), 190);
}

// ReadProperties and WriteProperties stand for the same defaults: what an empty bag loads is
// written back as nothing.
TEST(SuperButtonProperties, EmptyBagWritesBackEmpty) {
    SuperButton button;
    button.ReadProperties(PropertyBag());
    PropertyBag written;
    button.WriteProperties(written);
    EXPECT_EQ(names(written), QStringList{});
}

TEST(VynVerticalScrollProperties, EmptyBagWritesBackEmpty) {
    VynVerticalScroll bar;
    bar.ReadProperties(PropertyBag());
    PropertyBag written;
    bar.WriteProperties(written);
    EXPECT_EQ(names(written), QStringList{});
}

TEST(SuperButtonProperties, RoundTripInOrder) {
    PropertyBag saved;
    saved.WriteProperty("Caption", "M+", QString());
    saved.WriteProperty("BackColor", QVariant::fromValue<quint32>(0x00112233), 0);
    saved.WriteProperty("RenderColor", QVariant::fromValue<quint32>(0x000000C0), 0);
    saved.WriteProperty("Enabled", false, true);
    saved.WriteProperty("Fontsize", 20.25f, 9.0f);
    saved.WriteProperty("Border", 3, 0);

    SuperButton button;
    button.ReadProperties(saved);
    EXPECT_EQ(button.Caption(), "M+");
    EXPECT_EQ(button.RenderColor(), 0x000000C0u);
    EXPECT_FALSE(button.Enabled());
    EXPECT_EQ(button.FontSize(), 20);
    EXPECT_EQ(button.Border(), 3);
    EXPECT_EQ(SuperButtonProbe::face(button).pixel(0, 0), 0xFFFF00FFu);  // rendered with Border 3

    PropertyBag written;
    button.WriteProperties(written);
    EXPECT_EQ(names(written), (QStringList{"Caption", "BackColor", "RenderColor", "Enabled",
                                           "Fontsize", "Border"}));
    EXPECT_FLOAT_EQ(written.readFloat("Fontsize", 0), 20.25f);
    EXPECT_EQ(written.readColor("BackColor", 0), 0x00112233u);
}

TEST(SuperButtonProperties, SavedBorderBeyondSixteenBitsFallsBack) {
    PropertyBag saved;
    saved.WriteProperty("Border", 70000, 0);
    saved.WriteProperty("Fontsize", -3.0f, 9.0f);
    SuperButton button;
    button.ReadProperties(saved);
    EXPECT_EQ(button.Border(), 0);
    EXPECT_EQ(button.FontSize(), 10);  // the starting 9.75 points stay
}

TEST(VynVerticalScrollProperties, DefaultsAndRoundTrip) {
    VynVerticalScroll fresh;
    EXPECT_EQ(fresh.BackColor(), 0x00E0E0E0u);
    EXPECT_EQ(fresh.ValueMax(), 100);
    EXPECT_EQ(fresh.ValueLargeChange(), 5);
    EXPECT_EQ(fresh.ValueSmallChange(), 1);

    VynVerticalScroll loaded;
    loaded.ReadProperties(PropertyBag());
    EXPECT_EQ(loaded.BackColor(), 0x00FFFFFFu);
    EXPECT_EQ(grey(VynVerticalScrollProbe::shade(loaded, 14)), 178);

    PropertyBag saved;
    saved.WriteProperty("ValueMax", 40, 100);
    saved.WriteProperty("Value", 500, 0);
    saved.WriteProperty("ValueMin", 1, 0);
    saved.WriteProperty("Enabled", false, true);
    saved.WriteProperty("ValueSmallChange", 2, 1);
    int changes = 0;
    QObject::connect(&loaded, &VynVerticalScroll::Change, [&] { ++changes; });
    loaded.ReadProperties(saved);
    EXPECT_EQ(loaded.Value(), 500);  // stored as saved, without clamping
    EXPECT_EQ(loaded.ValueMin(), 1);
    EXPECT_EQ(loaded.ValueSmallChange(), 2);
    EXPECT_FALSE(loaded.Enabled());
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(VynVerticalScrollProbe::thumbTop(loaded), 198);

    PropertyBag written;
    loaded.WriteProperties(written);
    EXPECT_EQ(names(written),
              (QStringList{"ValueMax", "Value", "Enabled", "ValueMin", "ValueSmallChange"}));
    loaded.setBackColor(0x00E0E0E0);
    written.clear();
    loaded.WriteProperties(written);
    EXPECT_EQ(names(written).first(), "BackColor");
}

}  // namespace
}  // namespace tallimer
