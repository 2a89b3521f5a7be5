// qorin-art MEMBERS_DIR RESOURCES_DIR: paints every picture of the data archive into MEMBERS_DIR (BMP files
// only) and the program's embedded splash, tip card picture and coin sound into RESOURCES_DIR.
#include "brush.h"
#include "canvas.h"
#include "coins.h"
#include "emblem.h"
#include "icons.h"
#include "palette.h"
#include "skins.h"
#include "sound.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

using Painter = std::function<QImage()>;

// Every archive picture by member name. Names match without regard to case in the archive, so "re.bmp" and
// "cu.bmp" of the tips are the bullets "RE.bmp" and "CU.bmp".
std::vector<std::pair<QString, Painter>> archivePictures() {
    std::vector<std::pair<QString, Painter>> pictures;
    for (int v = 1; v <= 6; ++v) {
        pictures.emplace_back(QStringLiteral("YANG%1.bmp").arg(v), [v] { return hexagramLine(true, v); });
        pictures.emplace_back(QStringLiteral("YIN%1.bmp").arg(v), [v] { return hexagramLine(false, v); });
    }
    pictures.emplace_back("RE.bmp", roundBullet);
    pictures.emplace_back("CU.bmp", squareBullet);
    pictures.emplace_back("orachico.bmp", indexMarker);
    pictures.emplace_back("max.bmp", [] { return windowButton(WindowButton::Maximize); });
    pictures.emplace_back("close.bmp", [] { return windowButton(WindowButton::Close); });
    pictures.emplace_back("min.bmp", [] { return windowButton(WindowButton::Minimize); });
    pictures.emplace_back("fondo1.bmp", lineTexture);
    pictures.emplace_back("coin.bmp", coinCloth);
    for (int c = 1; c <= 3; ++c)
        pictures.emplace_back(QStringLiteral("coin%1.bmp").arg(c), [c] { return coinStrip(c); });
    pictures.emplace_back("introfig.bmp", trigramCircle);

    // The tips' pictures and the main window's bottom-bar glyphs, drawn by the same hand.
    const std::vector<std::pair<QString, Glyph>> tips{{"index.bmp", Glyph::Index},    {"pref.bmp", Glyph::Preferences},
                                                      {"oracle.bmp", Glyph::Oracle},  {"help2.bmp", Glyph::Help},
                                                      {"saveb.bmp", Glyph::Save},     {"openb.bmp", Glyph::Open},
                                                      {"display.bmp", Glyph::Display}};
    for (const auto& [name, glyph] : tips)
        pictures.emplace_back(name, [glyph] { return glyphTile(glyph, 24); });
    const std::vector<std::pair<QString, Glyph>> bar{{"bindex.bmp", Glyph::Index}, {"bback.bmp", Glyph::Back},
                                                     {"bprint.bmp", Glyph::Print}, {"boracle.bmp", Glyph::Oracle},
                                                     {"bfind.bmp", Glyph::Find},   {"bpref.bmp", Glyph::Preferences},
                                                     {"bhelp.bmp", Glyph::Help}};
    for (const auto& [name, glyph] : bar)
        pictures.emplace_back(name, [glyph] { return glyphTile(glyph, 20); });

    // The skins: three frames, OK/Cancel panels and bottom strips; the rest is shared by all three.
    for (const SkinPalette& skin : {standardSkin(), jadeSkin(), goldSkin()}) {
        pictures.emplace_back(skin.prefix + "back.bmp", [skin] { return windowFrame(skin); });
        pictures.emplace_back(skin.prefix + "okcancel.bmp", [skin] { return okCancelPanel(skin); });
        pictures.emplace_back(skin.prefix + "bottom.bmp", [skin] { return bottomStrip(skin); });
    }
    pictures.emplace_back("button.bmp", [] { return glyphTile(Glyph::Tool, 20); });
    pictures.emplace_back("back1.bmp", pageParchment);
    pictures.emplace_back("line1.bmp", headingRule);
    pictures.emplace_back("stalk.bmp", yarrowStalk);
    pictures.emplace_back("backleft.bmp", oraclePaneTile);
    pictures.emplace_back("back2.bmp", analysisPaper);
    return pictures;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: qorin-art MEMBERS_DIR RESOURCES_DIR\n");
        return 2;
    }
    const QDir members(QString::fromLocal8Bit(argv[1]));
    const QDir resources(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(members.path()) || !QDir().mkpath(resources.path())) {
        std::fprintf(stderr, "qorin-art: can't create the output folders\n");
        return 1;
    }

    bool ok = true;
    const auto fail = [&ok](const QString& path) {
        std::fprintf(stderr, "qorin-art: %s: can't be written\n", qPrintable(path));
        ok = false;
    };
    for (const auto& [name, paint] : archivePictures()) {
        const QString path = members.filePath(name);
        if (!saveBmp(paint(), path))
            fail(path);
    }

    const QString splash = resources.filePath("splash.png");
    if (!splashPicture().save(splash, "PNG"))
        fail(splash);
    const QString card = resources.filePath("tipcard.png");
    if (!tipCard().save(card, "PNG"))
        fail(card);
    const int rate = 22050;
    const QString clink = resources.filePath("coins.wav");
    if (!writeFile(clink, wavFile(coinClink(rate), rate)))
        fail(clink);
    return ok ? 0 : 1;
}
