// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/controls_gallery.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>

#include "controls/super_button.h"
#include "controls/vyn_vertical_scroll.h"

namespace tallimer {
namespace {

constexpr int kMargin = 12;
constexpr int kButtonWidth = 74;
constexpr int kButtonHeight = 36;
constexpr int kColumnStep = kButtonWidth + 8;
constexpr int kRowStep = kButtonHeight + 10;
constexpr int kLabelWidth = 70;

enum class Look { Normal, Lit, Pressed };

struct ButtonSample {
    const char* heading;
    const char* caption;
    std::uint32_t color;
    Look look;
};

constexpr ButtonSample kButtonSamples[] = {
    {"grey", "7", 0x00C0C0C0, Look::Normal},          {"grey lit", "7", 0x00C0C0C0, Look::Lit},
    {"grey pressed", "7", 0x00C0C0C0, Look::Pressed}, {"red", "CA", 0x000000C0, Look::Normal},
    {"green", "+", 0x0000A000, Look::Normal},         {"teal", "8", 0x00808040, Look::Normal},
    {"white lit", "M+", 0x00FFFFFF, Look::Lit},       {"black", "/", 0x00000000, Look::Normal},
};

struct ScrollSample {
    const char* heading;
    std::uint32_t color;
    std::int32_t valueMax;
    std::int32_t value;
    int width;
    bool held;
};

constexpr ScrollSample kScrollSamples[] = {
    {"value 30", 0x00E0E0E0, 100, 30, 30, false}, {"no thumb", 0x00E0E0E0, 0, 0, 30, false},
    {"dragged", 0x00E0E0E0, 100, 50, 30, true},   {"green 100", 0x00C0FFC0, 100, 100, 30, false},
    {"wide", 0x00FFE0C0, 100, 0, 44, false},
};

void send(QWidget* target, QEvent::Type type, QPointF at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

QLabel* heading(QWidget* parent, const QString& text, int x, int y, int width) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, width, 16);
    return label;
}

}  // namespace

std::unique_ptr<QWidget> showControlsGallery() {
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(QStringLiteral("Tallimer controls"));
    // A warm container colour, so the transparent corners show.
    QPalette palette = window->palette();
    palette.setColor(QPalette::Window, QColor(255, 224, 192));
    palette.setColor(QPalette::WindowText, Qt::black);  // the headings, on that fixed colour
    window->setPalette(palette);
    window->setAutoFillBackground(true);

    std::vector<std::pair<SuperButton*, Look>> looks;
    const int buttonsLeft = kMargin + kLabelWidth;
    int column = 0;
    for (const ButtonSample& sample : kButtonSamples) {
        heading(window.get(), QString::fromLatin1(sample.heading),
                buttonsLeft + column * kColumnStep, kMargin, kButtonWidth + 6);
        ++column;
    }
    const int styles[] = {0, 1, 2, 3, 4};
    for (int row = 0; row < 5; ++row) {
        const int y = kMargin + 20 + row * kRowStep;
        const QString name = styles[row] == 4 ? QStringLiteral("no border")
                                              : QStringLiteral("Border %1").arg(styles[row]);
        heading(window.get(), name, kMargin, y + 10, kLabelWidth);
        column = 0;
        for (const ButtonSample& sample : kButtonSamples) {
            auto* button = new SuperButton(window.get());
            button->setFocusPolicy(Qt::NoFocus);  // a focused button would show lit
            button->setGeometry(buttonsLeft + column * kColumnStep, y, kButtonWidth, kButtonHeight);
            button->setRenderColor(sample.color);
            button->setBorder(styles[row]);
            button->setCaption(QString::fromLatin1(sample.caption));
            looks.emplace_back(button, sample.look);
            ++column;
        }
    }

    const int scrollTop = kMargin + 20 + 5 * kRowStep + 16;
    int x = kMargin;
    std::vector<VynVerticalScroll*> held;
    for (const ScrollSample& sample : kScrollSamples) {
        heading(window.get(), QString::fromLatin1(sample.heading), x, scrollTop, 80);
        auto* scroll = new VynVerticalScroll(window.get());
        scroll->setFocusPolicy(Qt::NoFocus);
        scroll->setGeometry(x, scrollTop + 20, sample.width, 240);
        scroll->setBackColor(sample.color);
        scroll->setValueMax(sample.valueMax);
        scroll->setValue(sample.value);
        if (sample.held) {
            held.push_back(scroll);
        }
        x += 90;
    }

    window->resize(buttonsLeft + column * kColumnStep + kMargin, scrollTop + 20 + 240 + kMargin);
    window->show();

    // Looks other than the normal one are put on with the mouse events that draw them.
    for (const auto& [button, look] : looks) {
        const QPointF middle(button->width() / 2.0, button->height() / 2.0);
        if (look != Look::Normal) {
            send(button, QEvent::MouseButtonPress, middle);
        }
        if (look == Look::Lit) {
            send(button, QEvent::MouseButtonRelease, middle);
        }
    }
    for (VynVerticalScroll* scroll : held) {
        // Value 50 of 100 puts the thumb at rows 98 to 118 of a 240 high bar.
        send(scroll, QEvent::MouseButtonPress, QPointF(15, 108));
        scroll->update();
    }
    return window;
}

}  // namespace tallimer
