// Every text and caret of the window and the file dialog reads on what it is drawn on, under
// the default palette and under dark and high-contrast schemes, measured on the drawn pixels.
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <utility>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QStyleHints>
#include <QTemporaryDir>

#include "controls/widget_look.h"
#include "dialogs/load_save.h"
#include "window_fixture.h"

namespace tallimer {
namespace {

QPalette scheme(QRgb window, QRgb text, QRgb base, QRgb highlight, QRgb highlightedText) {
    QPalette palette(QColor::fromRgb(window), QColor::fromRgb(window));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(role, QColor::fromRgb(text));
    }
    palette.setColor(QPalette::Base, QColor::fromRgb(base));
    palette.setColor(QPalette::Highlight, QColor::fromRgb(highlight));
    palette.setColor(QPalette::HighlightedText, QColor::fromRgb(highlightedText));
    return palette;
}

struct Scheme {
    const char* name;
    std::function<QPalette()> palette;
};

const Scheme kSchemes[] = {
    {"Default", [] { return QPalette(); }},
    // qt6ct's "darker".
    {"Darker", [] { return scheme(0xFF222020, 0xFFFFFFFF, 0xFF3D3D3D, 0xFF12608A, 0xFFF9F9F9); }},
    {"WhiteOnBlack",
     [] { return scheme(0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFF1AEBFF, 0xFF000000); }},
    {"BlackOnWhite",
     [] { return scheme(0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFF37006E, 0xFFFFFFFF); }},
};

// The most frequent colour of an image, taken as what its text is drawn on.
QRgb backgroundOf(const QImage& image) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

// The text's contrast: its strongest pixel against the background.
double textContrast(const QImage& image) {
    const QRgb background = backgroundOf(image);
    double best = 1.0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            best = std::max(best, contrastRatio(image.pixel(x, y), background));
        }
    }
    return best;
}

// A control as drawn inside its window, borders cut away by `inset` pixels.
QImage drawn(QWidget& control, int inset = 0, QRect part = {}) {
    QWidget* top = control.window();
    QRect area = part.isNull() ? control.rect() : part;
    area = area.adjusted(inset, inset, -inset, -inset).translated(control.mapTo(top, QPoint()));
    return top->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
}

class PaletteContrastTest;

// What a text case measured: the text, and where it has one, the caret (its pixels are those
// that change when the caret is hidden).
struct Sample {
    explicit Sample(std::vector<QImage> drawnTexts, QImage caret = {})
        : texts(std::move(drawnTexts)), withCaret(std::move(caret)) {}
    std::vector<QImage> texts;
    QImage withCaret;
    QImage withoutCaret;
    double least = 4.5;
};

struct TextCase {
    const char* name;
    Sample (*draw)(PaletteContrastTest& test);
};

class PaletteContrastTest : public WindowTest,
                            public ::testing::WithParamInterface<std::tuple<Scheme, TextCase>> {
protected:
    void SetUp() override {
        saved = QGuiApplication::palette();
        QApplication::setPalette(std::get<0>(GetParam()).palette());
        QGuiApplication::styleHints()->setCursorFlashTime(0);  // the caret stays drawn
        WindowTest::SetUp();
    }
    void TearDown() override {
        dialog.reset();
        window.reset();
        QGuiApplication::styleHints()->setCursorFlashTime(1000);
        QApplication::setPalette(saved);
        if (!previous.isEmpty()) {
            QDir::setCurrent(previous);
        }
    }

public:
    // The file dialog over a folder holding a subfolder and a calculation file, with one
    // removable drive.
    DriveControl& openDialog() {
        EXPECT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        QDir().mkdir(QStringLiteral("sub"));
        QFile file(QStringLiteral("plan.Clc"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        DriveControl::Sources sources{
            [] {
                return std::vector<Volume>{{QStringLiteral("/media/stick"), QStringLiteral("STICK"),
                                            DriveType::Removable}};
            },
            {}};
        dialog = std::make_unique<LoadSave>(nullptr, std::move(sources));
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        DriveControl& list = dialog->DriveList();
        EXPECT_TRUE(QTest::qWaitFor([&list] { return !list.listingPending(); }));
        return list;
    }
    // Each listed entry's text, past its icon and short of the strip at the right.
    static std::vector<QImage> entries(DriveControl& list, int except = 0) {
        std::vector<QImage> texts;
        for (int index = 1; !list.entryRect(index).isNull(); ++index) {
            if (index != except) {
                texts.push_back(drawn(list, 0, list.entryRect(index).adjusted(36, 0, -6, 0)));
            }
        }
        return texts;
    }

    using WindowTest::row;
    using WindowTest::settle;
    using WindowTest::window;
    std::unique_ptr<LoadSave> dialog;
    QTemporaryDir folder;
    QString previous;
    QPalette saved;
};

const TextCase kTexts[] = {
    {"TotalBox",
     [](PaletteContrastTest& t) {
         t.window->setTotalText(QStringLiteral("1241.5"));
         return Sample{{drawn(*t.window->parts().total.TotalAmount)}};
     }},
    {"TotalBoxInMemoryColour",
     [](PaletteContrastTest& t) {
         t.window->setTotalText(QStringLiteral("1241.5"));
         t.window->setTotalBackground(kMemoryColour);
         return Sample{{drawn(*t.window->parts().total.TotalAmount)}};
     }},
    {"Equals",
     [](PaletteContrastTest& t) { return Sample{{drawn(*t.window->parts().total.Op11)}}; }},
    {"RowWithCaret",
     [](PaletteContrastTest& t) {
         EntryRow& row = *t.row(0);
         row.setFocus();
         row.setText(QStringLiteral("1234.5"));
         row.setCursorPosition(2);
         t.settle();
         Sample sample{{drawn(row, 2)}, drawn(row, 2)};
         row.setReadOnly(true);  // hides the caret
         sample.withoutCaret = drawn(row, 2);
         return sample;
     }},
    {"SelectedRowText",
     [](PaletteContrastTest& t) {
         EntryRow& row = *t.row(0);
         row.setFocus();
         row.setText(QStringLiteral("1234.5"));
         row.selectAll();
         t.settle();
         // Only the selection's band, where the highlight colour lies.
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
         Sample sample{{whole.copy(found.isNull() ? QRect(0, 0, 1, 1) : found)}};
         // The selection takes both its colours from the palette, and reads as well as the
         // palette has them read (Qt's own default pairs them at 3.7:1).
         sample.least =
             std::min(sample.least,
                      contrastRatio(band, row.palette().color(QPalette::HighlightedText).rgb()));
         return sample;
     }},
    {"MemoryDisplay",
     [](PaletteContrastTest& t) {
         t.window->setMemoryText(QStringLiteral("1241.5"));
         return Sample{{drawn(*t.window->parts().keypad.M_Buff, 1)}};
     }},
    {"DialogList",
     [](PaletteContrastTest& t) { return Sample{PaletteContrastTest::entries(t.openDialog())}; }},
    {"DialogListPressed",
     [](PaletteContrastTest& t) {
         DriveControl& list = t.openDialog();
         // While the button is down, the rows beside the pressed one lie on the system colour.
         QTest::mousePress(&list, Qt::LeftButton, {}, list.entryRect(1).center());
         Sample sample{PaletteContrastTest::entries(list, 1)};
         QTest::mouseRelease(&list, Qt::LeftButton, {}, list.entryRect(1).center());
         return sample;
     }},
    {"DialogNameBox",
     [](PaletteContrastTest& t) {
         t.openDialog();
         QLineEdit& box = t.dialog->txtSearchSpec();
         box.setText(QStringLiteral("plan"));
         box.setCursorPosition(0);
         t.settle();
         Sample sample{{drawn(box, 3)}, drawn(box, 3)};
         box.setReadOnly(true);
         sample.withoutCaret = drawn(box, 3);
         return sample;
     }},
    {"DialogLabel",
     [](PaletteContrastTest& t) {
         t.openDialog();
         return Sample{{drawn(t.dialog->Label1())}};
     }},
};

TEST_P(PaletteContrastTest, TextAndCaretRead) {
    const Sample sample = std::get<1>(GetParam()).draw(*this);
    ASSERT_FALSE(sample.texts.empty());
    for (std::size_t i = 0; i < sample.texts.size(); ++i) {
        EXPECT_GE(textContrast(sample.texts[i]), sample.least) << "text " << i;
    }
    if (sample.withCaret.isNull()) {
        return;
    }
    const QRgb background = backgroundOf(sample.withoutCaret);
    double caret = 0.0;
    for (int y = 0; y < sample.withCaret.height(); ++y) {
        for (int x = 0; x < sample.withCaret.width(); ++x) {
            if (sample.withCaret.pixel(x, y) != sample.withoutCaret.pixel(x, y)) {
                caret = std::max(caret, contrastRatio(sample.withCaret.pixel(x, y), background));
            }
        }
    }
    EXPECT_GE(caret, 3.0) << "no caret drawn, or too faint";
}

INSTANTIATE_TEST_SUITE_P(SchemesAndTexts, PaletteContrastTest,
                         ::testing::Combine(::testing::ValuesIn(kSchemes),
                                            ::testing::ValuesIn(kTexts)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    std::get<1>(info.param).name;
                         });

// The ratio's two ends and the guidelines' own example of the least grey that reads on white.
TEST(ContrastRatio, MatchesTheGuidelines) {
    EXPECT_DOUBLE_EQ(contrastRatio(qRgb(0, 0, 0), qRgb(255, 255, 255)), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio(qRgb(90, 90, 90), qRgb(90, 90, 90)), 1.0);
    EXPECT_NEAR(contrastRatio(qRgb(0x76, 0x76, 0x76), qRgb(255, 255, 255)), 4.54, 0.01);
}

}  // namespace
}  // namespace tallimer
