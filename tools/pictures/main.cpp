// tallimor-pictures: draws the desktop's pictures the page shows (the toolbar
// buttons, the idle picture's sky and row of colours, the bird's frames) with
// the desktop's own drawing functions, as PNG files for web/site/pictures/.
//
//   tallimor-pictures FOLDER          writes them into FOLDER
//   tallimor-pictures --check FOLDER  exit status 1 when a file there is
//                                     missing, left over or not what the
//                                     drawing gives now

#include <QColorSpace>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <map>

#include "ui/animation.h"
#include "ui/board.h"
#include "ui/toolbar_pictures.h"

using namespace tallimor;

namespace {

// The page's idle picture, in its pixels.
constexpr QSize kPagesky(776, 484);
// Room round the row of colours for the circles' outline.
constexpr int kMargin = 2;

// The bird as the desktop shows it: its pixels where the mask lets them
// through, nothing around it.
QImage Bird(qreal ratio) {
    const Birdpictures& b = Birdpicture(ratio);
    QImage bird(b.frames.size(), QImage::Format_ARGB32);
    for (int y = 0; y < bird.height(); ++y)
        for (int x = 0; x < bird.width(); ++x)
            bird.setPixel(x, y, qRed(b.masks.pixel(x, y)) == 0 ? b.frames.pixel(x, y) | 0xFF000000u : 0u);
    return bird;
}

QImage Colours(int ratio) {
    const QSize size = Idlecoloursize() + QSize(2 * kMargin, 2 * kMargin);
    QImage row(size * ratio, QImage::Format_ARGB32_Premultiplied);
    row.fill(Qt::transparent);
    QPainter p(&row);
    p.scale(ratio, ratio);
    Idlecolours(p, QPoint(kMargin, kMargin));
    return row;
}

// Every picture by its file name; "@2x" is the one for screens of twice the density.
std::map<QString, QImage> Pictures() {
    std::map<QString, QImage> pictures;
    for (int i = 1; i <= 13; ++i) {
        pictures[QString("tool%1.png").arg(i)] = Toolbarimage(i, 24);
        pictures[QString("tool%1@2x.png").arg(i)] = Toolbarimage(i, 48);
    }
    pictures["sky.png"] = Skypicture(kPagesky);
    pictures["bird.png"] = Bird(1);
    pictures["bird@2x.png"] = Bird(2);
    pictures["colours.png"] = Colours(1);
    pictures["colours@2x.png"] = Colours(2);
    return pictures;
}

// The picture as a PNG file holds it: a picture without transparency
// saves an alpha channel for nothing.
QImage Stored(const QImage& image) {
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
}

// The pixels alone, for comparing: not the file's bytes, nor its colour space
// or density tags, which another PNG writer may add or leave out.
QImage Decoded(const QImage& image) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    out.setDevicePixelRatio(1);
    out.setColorSpace(QColorSpace());
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const bool check = args.size() == 2 && args[0] == "--check";
    if (args.size() != (check ? 2 : 1)) {
        std::fprintf(stderr, "usage: tallimor-pictures [--check] FOLDER\n");
        return 2;
    }
    QDir folder(args.last());
    const std::map<QString, QImage> pictures = Pictures();
    if (!check) {
        if (!QDir().mkpath(folder.path())) return 1;
        for (const QString& old : folder.entryList({"*.png"}, QDir::Files))
            if (!pictures.contains(old)) folder.remove(old);
        for (const auto& [name, image] : pictures) {
            // Quality 0: the smallest file; the pixels are the same at any quality.
            if (!Stored(image).save(folder.filePath(name), "PNG", 0)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(name)));
                return 1;
            }
        }
        return 0;
    }
    int stale = 0;
    for (const auto& [name, image] : pictures) {
        const QImage committed(folder.filePath(name));
        if (committed.isNull() || Decoded(committed) != Decoded(image)) {
            std::fprintf(stderr, "%s is missing or differs from its drawing\n", qPrintable(name));
            ++stale;
        }
    }
    for (const QString& name : folder.entryList({"*.png"}, QDir::Files)) {
        if (!pictures.contains(name)) {
            std::fprintf(stderr, "%s is drawn by nothing\n", qPrintable(name));
            ++stale;
        }
    }
    if (stale) {
        std::fprintf(stderr,
                     "The page's pictures are out of date: `cmake --build build --target site-pictures` "
                     "draws them afresh into web/site/pictures/.\n");
        return 1;
    }
    std::printf("All %zu pictures of the page are up to date.\n", pictures.size());
    return 0;
}
