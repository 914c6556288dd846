// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every text and caret of the window and the file dialog reads on what it is drawn on, under
// the default palette and under dark and high-contrast schemes, measured on the drawn pixels.
#include <algorithm>
#include <map>
#include <memory>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStyleHints>
#include <QTemporaryDir>

#include "controls/widget_look.h"
#include "dialogs/load_save.h"
#include "window_fixture.h"

namespace tallimer {
namespace {

struct Scheme {
    const char* name;
    QRgb window, text, base, highlight, highlightedText;  // all 0: Qt's default palette
};

const Scheme kSchemes[] = {
    {"Default", 0, 0, 0, 0, 0},
    {"Darker", 0xFF222020, 0xFFFFFFFF, 0xFF3D3D3D, 0xFF12608A, 0xFFF9F9F9},  // qt6ct's
    {"WhiteOnBlack", 0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFF1AEBFF, 0xFF000000},
    {"BlackOnWhite", 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFF37006E, 0xFFFFFFFF},
};

QPalette paletteOf(const Scheme& s) {
    if (s.window == 0) {
        return {};
    }
    QPalette palette(QColor::fromRgb(s.window), QColor::fromRgb(s.window));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(role, QColor::fromRgb(s.text));
    }
    palette.setColor(QPalette::Base, QColor::fromRgb(s.base));
    palette.setColor(QPalette::Highlight, QColor::fromRgb(s.highlight));
    palette.setColor(QPalette::HighlightedText, QColor::fromRgb(s.highlightedText));
    return palette;
}

// The most frequent colour, taken as the background, and the strongest contrast of any pixel
// against it (of those that `counts` picks).
template <typename Counts>
double contrastIn(const QImage& image, const QImage& background, Counts counts) {
    std::map<QRgb, int> frequency;
    for (int y = 0; y < background.height(); ++y) {
        for (int x = 0; x < background.width(); ++x) {
            ++frequency[background.pixel(x, y)];
        }
    }
    const QRgb back = std::max_element(frequency.begin(), frequency.end(), [](auto a, auto b) {
                          return a.second < b.second;
                      })->first;
    double best = 1.0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (counts(x, y)) {
                best = std::max(best, contrastRatio(image.pixel(x, y), back));
            }
        }
    }
    return best;
}

// A control as drawn inside its window, `inset` pixels of border cut away.
QImage drawn(QWidget& control, int inset = 0, QRect part = {}) {
    const QRect area =
        (part.isNull() ? control.rect() : part).adjusted(inset, inset, -inset, -inset);
    return control.window()
        ->grab(area.translated(control.mapTo(control.window(), QPoint())))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The texts drawn, and for a caret the control drawn with it and without (read-only).
struct Sample {
    std::vector<QImage> texts;
    QImage caret, noCaret;
    double least = 4.5;
};

Sample plain(const QImage& text) {
    Sample sample;
    sample.texts = {text};
    return sample;
}

class PaletteContrastTest;
using TextCase = std::pair<const char*, Sample (*)(PaletteContrastTest&)>;

class PaletteContrastTest : public WindowTest,
                            public ::testing::WithParamInterface<std::tuple<Scheme, TextCase>> {
protected:
    void SetUp() override {
        QApplication::setPalette(paletteOf(std::get<0>(GetParam())));
        QGuiApplication::styleHints()->setCursorFlashTime(0);  // the caret stays drawn
        WindowTest::SetUp();
    }
    void TearDown() override {
        dialog.reset();
        window.reset();
        QGuiApplication::styleHints()->setCursorFlashTime(1000);
        QApplication::setPalette(QPalette());
        QDir::setCurrent(previous);
    }

public:
    // The dialog over a folder with a subfolder and a calculation file, and one removable drive.
    LoadSave& openDialog() {
        QDir::setCurrent(folder.path());
        QDir().mkdir(QStringLiteral("sub"));
        QFile(QStringLiteral("plan.Clc")).open(QIODevice::WriteOnly);
        dialog = std::make_unique<LoadSave>(
            nullptr, DriveControl::Sources{
                         [] {
                             return std::vector<Volume>{
                                 {QStringLiteral("/media/stick"), {}, DriveType::Removable}};
                         },
                         {}});
        dialog->show();
        EXPECT_TRUE(QTest::qWaitFor([this] { return !dialog->DriveList().listingPending(); }));
        return *dialog;
    }
    // Each entry's text, past its icon and short of the strip at the right.
    static Sample entries(DriveControl& list, int except = 0) {
        Sample sample;
        for (int index = 1; !list.entryRect(index).isNull(); ++index) {
            if (index != except) {
                sample.texts.push_back(
                    drawn(list, 0, list.entryRect(index).adjusted(36, 0, -6, 0)));
            }
        }
        return sample;
    }
    static Sample withCaret(QLineEdit& edit, int inset) {
        Sample sample = plain(drawn(edit, inset));
        sample.caret = sample.texts[0];
        edit.setReadOnly(true);
        sample.noCaret = drawn(edit, inset);
        return sample;
    }

    using WindowTest::row;
    using WindowTest::window;
    std::unique_ptr<LoadSave> dialog;
    QTemporaryDir folder;
    QString previous = QDir::currentPath();
};

const TextCase kTexts[] = {
    {"TotalBox",
     [](PaletteContrastTest& t) {
         t.window->setTotalText(QStringLiteral("1241.5"));
         return plain(drawn(*t.window->partsAllRowsMade().total.TotalAmount));
     }},
    {"TotalBoxInMemoryColour",
     [](PaletteContrastTest& t) {
         t.window->setTotalText(QStringLiteral("1241.5"));
         t.window->setTotalBackground(kMemoryColour);
         return plain(drawn(*t.window->partsAllRowsMade().total.TotalAmount));
     }},
    {"Equals",
     [](PaletteContrastTest& t) { return plain(drawn(*t.window->partsAllRowsMade().total.Op11)); }},
    {"RowWithCaret",
     [](PaletteContrastTest& t) {
         t.row(0)->setFocus();
         t.row(0)->setText(QStringLiteral("1234.5"));
         t.row(0)->setCursorPosition(2);
         return PaletteContrastTest::withCaret(*t.row(0), 2);
     }},
    {"SelectedRowText",
     [](PaletteContrastTest& t) {
         EntryRow& row = *t.row(0);
         row.setFocus();
         row.setText(QStringLiteral("1234.5"));
         row.selectAll();
         // Only the band of the selection's colour.
         const QImage whole = drawn(row, 2);
         const QRgb band = row.palette().color(QPalette::Highlight).rgb();
         QRect found;
         for (int y = 0; y < whole.height(); ++y) {
             for (int x = 0; x < whole.width(); ++x) {
                 if (whole.pixel(x, y) == band) {
                     found |= QRect(x, y, 1, 1);
                 }
             }
         }
         // Both its colours are the palette's; it reads as well as the palette has them read
         // (Qt's own default pairs them at 3.7:1).
         Sample sample = plain(whole.copy(found));
         sample.least = std::min(
             4.5, contrastRatio(band, row.palette().color(QPalette::HighlightedText).rgb()));
         return sample;
     }},
    {"MemoryDisplay",
     [](PaletteContrastTest& t) {
         t.window->setMemoryText(QStringLiteral("1241.5"));
         return plain(drawn(*t.window->partsAllRowsMade().keypad.M_Buff, 1));
     }},
    {"DialogList",
     [](PaletteContrastTest& t) {
         return PaletteContrastTest::entries(t.openDialog().DriveList());
     }},
    {"DialogListPressed",
     [](PaletteContrastTest& t) {
         // While the button is down, the rows beside the pressed one lie on the system colour.
         DriveControl& list = t.openDialog().DriveList();
         QTest::mousePress(&list, Qt::LeftButton, {}, list.entryRect(1).center());
         Sample sample = PaletteContrastTest::entries(list, 1);
         QTest::mouseRelease(&list, Qt::LeftButton, {}, list.entryRect(1).center());
         return sample;
     }},
    {"DialogNameBox",
     [](PaletteContrastTest& t) {
         QLineEdit& box = t.openDialog().txtSearchSpec();
         box.setText(QStringLiteral("plan"));
         box.setCursorPosition(0);
         return PaletteContrastTest::withCaret(box, 3);
     }},
    {"DialogLabel", [](PaletteContrastTest& t) { return plain(drawn(t.openDialog().Label1())); }},
};

TEST_P(PaletteContrastTest, TextAndCaretRead) {
    const Sample s = std::get<1>(GetParam()).second(*this);
    ASSERT_FALSE(s.texts.empty());
    for (const QImage& text : s.texts) {
        EXPECT_GE(contrastIn(text, text, [](int, int) { return true; }), s.least);
    }
    if (!s.caret.isNull()) {
        const double caret = contrastIn(s.caret, s.noCaret, [&s](int x, int y) {
            return s.caret.pixel(x, y) != s.noCaret.pixel(x, y);
        });
        EXPECT_GE(caret, 3.0) << "the caret is missing or faint";
    }
}

INSTANTIATE_TEST_SUITE_P(SchemesAndTexts, PaletteContrastTest,
                         ::testing::Combine(::testing::ValuesIn(kSchemes),
                                            ::testing::ValuesIn(kTexts)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    std::get<1>(info.param).first;
                         });

// The guidelines' own example: the lightest grey that reads on white.
TEST(ContrastRatio, MatchesTheGuidelines) {
    EXPECT_NEAR(contrastRatio(qRgb(0x76, 0x76, 0x76), qRgb(255, 255, 255)), 4.54, 0.01);
}

}  // namespace
}  // namespace tallimer
