// tervox-asset-info: what the program's pictures and masks hold.
//   tervox-asset-info                 every embedded picture and mask
//   tervox-asset-info NAME...         one each: ":/skins/form1.bmp", or a file
//   tervox-asset-info --write-mask WINDOW FILE
//                                     writes a window's mask in the mask data
//                                     format; WINDOW is calculator, splash, about
//                                     or an embedded ":/...msk" (the splash mask
//                                     written as "1.msk" gives the About window
//                                     the splash window's hole)
#include "assetsinit.h"
#include "bmpheader.h"
#include "maskdata.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QStringList>

#include <cstdio>
#include <map>

namespace {

QByteArray readAll(const QString& name, bool* ok) {
    QFile file(name);
    *ok = file.open(QIODevice::ReadOnly);
    return *ok ? file.readAll() : QByteArray();
}

// One line about the picture or mask stored under `name`; false when unreadable.
bool describe(const QString& name) {
    bool ok = false;
    const QByteArray bytes = readAll(name, &ok);
    if (!ok) {
        std::printf("%s: cannot be read\n", qPrintable(name));
        return false;
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    const auto size = static_cast<std::size_t>(bytes.size());
    if (bytes.startsWith("BM")) {
        const auto bmp = tervox::assets::ParseBmpHeader(data, size);
        if (!bmp) {
            std::printf("%s: damaged or compressed bitmap\n", qPrintable(name));
            return false;
        }
        std::printf("%s: bitmap %d x %d, %u bits per pixel", qPrintable(name), bmp->width,
                    bmp->height, static_cast<unsigned>(bmp->bitsPerPixel));
        if (bmp->paletteSize > 0)
            std::printf(", palette of %u colours", bmp->paletteSize);
        std::printf(", %zu bytes\n", size);
        return true;
    }
    if (bytes.startsWith("\x89PNG")) {
        const QImage image = QImage::fromData(bytes, "PNG");
        if (image.isNull()) {
            std::printf("%s: damaged PNG\n", qPrintable(name));
            return false;
        }
        std::printf("%s: PNG %d x %d, %s, %zu bytes\n", qPrintable(name), image.width(),
                    image.height(), image.hasAlphaChannel() ? "with alpha" : "opaque", size);
        return true;
    }
    const auto mask = tervox::maskdata::DecodeMask(data, size);
    if (!mask) {
        std::printf("%s: no mask (length 0, or not mask data)\n", qPrintable(name));
        return size == 4 && bytes == QByteArray(4, '\0');
    }
    const auto& b = mask->bounds;
    std::printf("%s: mask of %zu rectangles, bounds (%d, %d) to (%d, %d), %zu bytes\n",
                qPrintable(name), mask->rects.size(), b.left, b.top, b.right, b.bottom, size);
    return true;
}

int writeMask(const QString& window, const QString& target) {
    static const std::map<QString, QString> kWindows{
        {"calculator", ":/skins/form1.msk"}, {"form1", ":/skins/form1.msk"},
        {"splash", ":/skins/form3.msk"},     {"form3", ":/skins/form3.msk"},
        {"about", ""},                       {"aboutbox", ""}};
    QString source = window;
    if (const auto it = kWindows.find(window.toLower()); it != kWindows.end())
        source = it->second;
    tervox::maskdata::Mask mask{{0, 0, 0, 0}, {}};  // the About window stores no mask
    if (!source.isEmpty()) {
        bool ok = false;
        const QByteArray bytes = readAll(source, &ok);
        const auto decoded = tervox::maskdata::DecodeMask(
            reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
        if (!ok || !decoded) {
            std::fprintf(stderr, "tervox-asset-info: %s holds no mask\n", qPrintable(window));
            return 1;
        }
        mask = *decoded;
    }
    if (!tervox::maskdata::WriteMaskFile(target.toStdString(), mask)) {
        std::fprintf(stderr, "tervox-asset-info: cannot write %s\n", qPrintable(target));
        return 1;
    }
    return describe(target) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    tervox_assets_init();
    QStringList args = app.arguments();
    args.removeFirst();
    if (!args.isEmpty() && args.first() == "--write-mask") {
        if (args.size() != 3) {
            std::fprintf(stderr, "usage: tervox-asset-info --write-mask WINDOW FILE\n");
            return 2;
        }
        return writeMask(args[1], args[2]);
    }
    if (!args.isEmpty() && args.first().startsWith("--")) {
        std::fprintf(stderr,
                     "usage: tervox-asset-info [NAME...]\n"
                     "       tervox-asset-info --write-mask calculator|splash|about|:/...msk FILE\n");
        return 2;
    }
    if (args.isEmpty()) {
        for (const char* folder : {":/skins", ":/glyphs", ":/images", ":/icons"}) {
            QDirIterator it(folder, QDir::Files);
            QStringList names;
            while (it.hasNext())
                names << it.next();
            names.sort();
            args << names;
        }
    }
    bool allRead = true;
    for (const QString& name : args)
        allRead = describe(name) && allRead;
    return allRead ? 0 : 1;
}
