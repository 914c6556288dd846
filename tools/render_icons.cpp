// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the window's own icon for the desktop's hicolor icon theme: an SVG that traces its
// 32 x 32 pixels as rectangles, and PNGs of that drawing at the theme's sizes, so every
// installed icon is the picture the window shows.
//
// Usage: render_icons OUTDIR NAME  (writes OUTDIR/hicolor/<size>/apps/NAME.png|svg)

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>
#include <numeric>
#include <vector>

#include "window/app_icon.h"

namespace {

constexpr int kSourceSize = 32;
constexpr int kPngSizes[] = {32, 48, 128};

struct Cell {
    QRect rect;
    QRgb colour;
};

// Runs of one colour in a row, then runs of equal rows stacked: a few dozen rectangles.
std::vector<Cell> traceCells(const QImage& image) {
    std::vector<Cell> cells;
    std::vector<Cell> open;  // rectangles that reached the previous row
    for (int y = 0; y < image.height(); ++y) {
        std::vector<Cell> row;
        for (int x = 0; x < image.width();) {
            const QRgb colour = image.pixel(x, y);
            int end = x + 1;
            while (end < image.width() && image.pixel(end, y) == colour) {
                ++end;
            }
            if (qAlpha(colour) != 0) {
                row.push_back({QRect(x, y, end - x, 1), colour});
            }
            x = end;
        }
        std::vector<Cell> next;
        for (Cell& run : row) {
            for (auto it = open.begin(); it != open.end(); ++it) {
                if (it->colour == run.colour && it->rect.left() == run.rect.left() &&
                    it->rect.width() == run.rect.width()) {
                    run.rect.setTop(it->rect.top());
                    open.erase(it);
                    break;
                }
            }
            next.push_back(run);
        }
        cells.insert(cells.end(), open.begin(), open.end());
        open = std::move(next);
    }
    cells.insert(cells.end(), open.begin(), open.end());
    return cells;
}

QString svgOf(const std::vector<Cell>& cells) {
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kSourceSize << "\" height=\""
        << kSourceSize << "\" viewBox=\"0 0 " << kSourceSize << ' ' << kSourceSize
        << "\" shape-rendering=\"crispEdges\">\n";
    for (const Cell& cell : cells) {
        out << "  <rect x=\"" << cell.rect.x() << "\" y=\"" << cell.rect.y() << "\" width=\""
            << cell.rect.width() << "\" height=\"" << cell.rect.height() << "\" fill=\""
            << QColor(cell.colour).name(QColor::HexRgb) << '"';
        if (qAlpha(cell.colour) != 255) {
            out << " fill-opacity=\"" << qAlpha(cell.colour) / 255.0 << '"';
        }
        out << "/>\n";
    }
    out << "</svg>\n";
    return svg;
}

// The SVG's drawing at another size: painted sharp at the nearest whole multiple of the
// source size, then averaged down, so a size like 48 gets soft edges but no seams.
QImage paintCells(const std::vector<Cell>& cells, int size) {
    const int scale = size / std::gcd(size, kSourceSize);
    const int canvas = kSourceSize * scale;
    QImage image(canvas, canvas, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    for (const Cell& cell : cells) {
        const QRect& r = cell.rect;
        painter.fillRect(r.x() * scale, r.y() * scale, r.width() * scale, r.height() * scale,
                         QColor::fromRgba(cell.colour));
    }
    painter.end();
    if (canvas == size) {
        return image;
    }
    return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool writeFile(const QString& path, const QByteArray& data) {
    QDir().mkpath(QFileInfo(path).path());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: render_icons OUTDIR NAME\n", stderr);
        return 2;
    }
    // Drawing the icon needs a GUI application object, but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QString outDir = QFile::decodeName(argv[1]);
    const QString name = QFile::decodeName(argv[2]);

    const QImage source = tallimer::appIcon()
                              .pixmap(kSourceSize, kSourceSize)
                              .toImage()
                              .convertToFormat(QImage::Format_ARGB32);
    const std::vector<Cell> cells = traceCells(source);
    if (paintCells(cells, kSourceSize).convertToFormat(QImage::Format_ARGB32) != source) {
        std::fputs("render_icons: the traced rectangles differ from the window icon\n", stderr);
        return 1;
    }

    bool ok = writeFile(outDir + "/hicolor/scalable/apps/" + name + ".svg", svgOf(cells).toUtf8());
    for (const int size : kPngSizes) {
        const QString path =
            QStringLiteral("%1/hicolor/%2x%2/apps/%3.png").arg(outDir).arg(size).arg(name);
        QDir().mkpath(QFileInfo(path).path());
        ok = paintCells(cells, size).save(path, "PNG") && ok;
    }
    if (!ok) {
        std::fputs("render_icons: cannot write the icons\n", stderr);
        return 1;
    }
    return 0;
}
