// tervox-artrender: renders one hand-written SVG drawing of the program's artwork
// to the exact form the windows need: a 24-bit or palette bitmap (uncompressed
// BMP), a PNG, and optionally the outline of its opaque part in the mask data
// format. Runs at build time; the same drawing always gives the same bytes.
#include "bmpwriter.h"
#include "maskdata.h"
#include "quantiser.h"

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

#include <cstdio>
#include <optional>

namespace {

using tervox::assets::Rgb;

struct Options {
    QString svg, underlay, out, mask, format = "rgb24";
    QSize canvas, crop;
    int colours = 256;
    QColor matte = QColor(0, 0, 0);
    std::optional<QColor> key;
};

QSize parseSize(const QString& text) {
    const QStringList parts = text.split('x');
    if (parts.size() != 2)
        return {};
    return {parts[0].toInt(), parts[1].toInt()};
}

int usage() {
    std::fprintf(stderr,
                 "usage: tervox-artrender --svg FILE --canvas WxH [--crop WxH]\n"
                 "         --format rgb24|indexed8|png [--colours N] --out FILE\n"
                 "         [--mask FILE] [--matte #rrggbb] [--key #rrggbb] [--underlay FILE]\n"
                 "  --canvas  size the drawing is rendered at (the window's outline)\n"
                 "  --crop    size of the picture taken from its top-left corner\n"
                 "  --mask    writes the outline of pixels at least half opaque\n"
                 "  --matte   colour under partly transparent pixels\n"
                 "  --key     colour of transparent pixels; no opaque pixel keeps it\n"
                 "  --underlay a drawing painted beneath the picture: it gives colour to\n"
                 "            what the window's outline leaves out (a see-through hole)\n"
                 "            but takes no part in the outline\n");
    return 2;
}

std::optional<Options> parse(const QStringList& args) {
    Options o;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (i + 1 >= args.size())
            return std::nullopt;
        const QString v = args[++i];
        if (a == "--svg") o.svg = v;
        else if (a == "--underlay") o.underlay = v;
        else if (a == "--out") o.out = v;
        else if (a == "--mask") o.mask = v;
        else if (a == "--format") o.format = v;
        else if (a == "--canvas") o.canvas = parseSize(v);
        else if (a == "--crop") o.crop = parseSize(v);
        else if (a == "--colours") o.colours = v.toInt();
        else if (a == "--matte") o.matte = QColor(v);
        else if (a == "--key") o.key = QColor(v);
        else return std::nullopt;
    }
    if (!o.crop.isValid())
        o.crop = o.canvas;
    if (o.svg.isEmpty() || o.out.isEmpty() || !o.canvas.isValid() || o.canvas.isEmpty() ||
        o.crop.width() > o.canvas.width() || o.crop.height() > o.canvas.height() ||
        !o.matte.isValid() || (o.key && !o.key->isValid()) || o.colours < 2 || o.colours > 256)
        return std::nullopt;
    if (o.format != "rgb24" && o.format != "indexed8" && o.format != "png")
        return std::nullopt;
    return o;
}

// The picture's opaque colours: partly transparent pixels are laid over the matte,
// transparent ones take the key colour when there is one.
std::vector<Rgb> flatten(const QImage& canvas, const Options& o) {
    std::vector<Rgb> pixels;
    pixels.reserve(static_cast<std::size_t>(o.crop.width()) * o.crop.height());
    for (int y = 0; y < o.crop.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < o.crop.width(); ++x) {
            const QRgb p = line[x];  // premultiplied
            const int a = qAlpha(p);
            if (o.key && a < 128) {
                pixels.push_back({std::uint8_t(o.key->red()), std::uint8_t(o.key->green()),
                                  std::uint8_t(o.key->blue())});
                continue;
            }
            auto over = [&](int c, int m) { return std::uint8_t((c * 255 + m * (255 - a) + 127) / 255); };
            Rgb c{over(qRed(p), o.matte.red()), over(qGreen(p), o.matte.green()),
                  over(qBlue(p), o.matte.blue())};
            if (o.key && c.r == o.key->red() && c.g == o.key->green() && c.b == o.key->blue())
                c.g = c.g > 0 ? c.g - 1 : 1;  // the key colour marks transparency only
            pixels.push_back(c);
        }
    }
    return pixels;
}

// The drawing rendered at `size`, transparent where it paints nothing; null when
// the file is not a drawing.
QImage render(const QString& file, QSize size) {
    QSvgRenderer renderer(file);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "tervox-artrender: cannot read %s\n", qPrintable(file));
        return {};
    }
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    // A build step needs no display: render off screen whatever the environment says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const auto options = parse(app.arguments());
    if (!options)
        return usage();
    const Options& o = *options;

    QImage canvas = render(o.svg, o.canvas);
    if (canvas.isNull())
        return 1;
    // The outline comes from the picture alone; the underlay only colours it.
    QImage coloured = canvas;
    if (!o.underlay.isEmpty()) {
        coloured = render(o.underlay, o.canvas);
        if (coloured.isNull())
            return 1;
        QPainter painter(&coloured);
        painter.drawImage(0, 0, canvas);
    }

    bool ok = true;
    if (o.format == "png") {
        ok = coloured.copy(QRect(QPoint(0, 0), o.crop))
                 .convertToFormat(QImage::Format_ARGB32)
                 .save(o.out, "PNG");
    } else {
        const std::vector<Rgb> pixels = flatten(coloured, o);
        if (o.format == "rgb24")
            ok = tervox::assets::WriteBmp24(o.out.toStdString(), o.crop.width(), o.crop.height(), pixels);
        else
            ok = tervox::assets::WriteBmp8(o.out.toStdString(), o.crop.width(), o.crop.height(),
                                           tervox::assets::Quantise(pixels, o.colours));
    }
    if (ok && !o.mask.isEmpty()) {
        std::vector<std::uint8_t> coverage;
        coverage.reserve(static_cast<std::size_t>(o.canvas.width()) * o.canvas.height());
        for (int y = 0; y < o.canvas.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
            for (int x = 0; x < o.canvas.width(); ++x)
                coverage.push_back(qAlpha(line[x]) >= 128 ? 1 : 0);
        }
        ok = tervox::maskdata::WriteMaskFile(
            o.mask.toStdString(),
            tervox::maskdata::MaskFromCoverage(coverage, o.canvas.width(), o.canvas.height()));
    }
    if (!ok) {
        std::fprintf(stderr, "tervox-artrender: cannot write %s\n", qPrintable(o.out));
        return 1;
    }
    return 0;
}
