#include "skins.h"

#include "archive.h"
#include "fatal.h"
#include "programdir.h"
#include "programstrings.h"
#include "resources.h"
#include "settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QWidget>

namespace {

const QString kStandard = QStringLiteral("standard\\");

QStringList withFirstThree(QStringList names, const QString& prefix) {
    for (int i = 0; i < 3 && i < names.size(); ++i)
        names[i] = prefix + names[i];
    return names;
}

// The smallest picture a skin file must decode to: back.bmp is cut into the 99 x 80 window chrome.
QSize smallestSize(const QString& member) {
    return member.compare(QLatin1String("back.bmp"), Qt::CaseInsensitive) == 0 ? QSize(99, 80) : QSize(1, 1);
}

// An empty, damaged or too small picture counts as missing.
bool isUsablePicture(const QString& path, const QString& member) {
    const QImage image(path);
    const QSize least = smallestSize(member);
    return !image.isNull() && image.width() >= least.width() && image.height() >= least.height();
}

QColor colorAt(const QImage& image, int x, int y) {
    return image.valid(x, y) ? image.pixelColor(x, y) : QColor(Qt::black);
}

} // namespace

SkinState& skins() {
    static SkinState state;
    return state;
}

SkinNotifier* skinNotifier() {
    static SkinNotifier notifier;
    return &notifier;
}

std::uint32_t toColorRef(const QColor& color) {
    return std::uint32_t(color.red()) | std::uint32_t(color.green()) << 8 | std::uint32_t(color.blue()) << 16;
}

QStringList skinMembers() {
    return {QStringLiteral("back.bmp"),   QStringLiteral("okcancel.bmp"), QStringLiteral("bottom.bmp"),
            QStringLiteral("button.bmp"), QStringLiteral("back1.bmp"),    QStringLiteral("line1.bmp"),
            QStringLiteral("stalk.bmp"),  QStringLiteral("backleft.bmp"), QStringLiteral("back2.bmp")};
}

QString skinFolder(const QString& skinDir) {
    QString name = skinDir;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!name.endsWith(QLatin1Char('/')))
        name += QLatin1Char('/');
    return programDir() + QLatin1String("skins/") + name;
}

bool skinIsComplete(const QString& skinDir) {
    const QString folder = skinFolder(skinDir);
    for (const QString& member : skinMembers())
        if (!isUsablePicture(folder + member, member))
            return false;
    return true;
}

bool extractSkin(const QString& folder, const QStringList& names) {
    try {
        if (!QDir().mkpath(folder))
            throw ArchiveError(QStringLiteral("The folder %1 can't be created.").arg(folder));
        Archive().expandToFolder(archiveName(), names, folder);
    } catch (const ArchiveError&) {
        fatalError(loadProgramString(300));
        return false;
    }
    QString base = folder;
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    for (const QString& name : names) {
        if (!name.startsWith(QLatin1Char('_')))
            break;
        QString plain = name;
        while (plain.startsWith(QLatin1Char('_')))
            plain.remove(0, 1);
        // A usable target keeps both files; a damaged one gives way to the new copy.
        if (QFileInfo::exists(base + plain) && !isUsablePicture(base + plain, plain))
            QFile::remove(base + plain);
        QFile::rename(base + name, base + plain);
    }
    return true;
}

void initSkins() {
    skins().members = skinMembers();
    applySkin();
}

void applySkin() {
    SkinState& s = skins();
    if (s.members.isEmpty())
        s.members = skinMembers();

    Settings& config = settings();
    if (!skinIsComplete(config.skinDir)) {
        config.skinDir = kStandard;
        if (!extractSkin(skinFolder(kStandard), s.members) ||
            !extractSkin(skinFolder(QStringLiteral("green\\")), withFirstThree(s.members, QStringLiteral("_"))) ||
            !extractSkin(skinFolder(QStringLiteral("gold\\")), withFirstThree(s.members, QStringLiteral("__"))))
            return;
    }

    const QString folder = skinFolder(config.skinDir);
    const QImage work = QImage(folder + QLatin1String("back.bmp")).convertToFormat(QImage::Format_RGB32);
    s.topLeftCorner = work.copy(0, 0, 70, 32);
    s.topRightCorner = s.topLeftCorner.mirrored(true, false);
    s.bottomLeftCorner = work.copy(0, 70, 70, 10);
    s.bottomRightCorner = s.bottomLeftCorner.mirrored(true, false);
    s.topEdge = work.copy(70, 0, 29, 32);
    s.bottomEdge = work.copy(70, 70, 29, 10);
    s.leftEdge = work.copy(0, 32, 70, 38);
    s.rightEdge = s.leftEdge.mirrored(true, false);

    s.gridColor = colorAt(work, 50, 50);
    s.panelColor = colorAt(work, 72, 20);
    s.commentColor = QColor(0x41, 0x8D, 0x41);

    emit skinNotifier()->skinApplied();

    s.bottomStrip = QImage(folder + QLatin1String("bottom.bmp"));
}

void freeSkins() {
    skins() = SkinState();
}

void paintChrome(QPainter& painter, int w, int h, char kind) {
    const SkinState& s = skins();
    if (w - 140 > 0)
        painter.drawImage(QRect(70, 0, w - 140, 32), s.topEdge);
    if (s.bottomEdge.width() > 0)
        for (int x = 70; x < w - 70; x += s.bottomEdge.width())
            painter.drawImage(x, h - 10, s.bottomEdge);
    if (h - 42 > 0)
        painter.drawImage(QRect(0, 32, 70, h - 42), s.leftEdge);
    if (s.rightEdge.height() > 0)
        for (int y = 32; y < h - 10; y += s.rightEdge.height())
            painter.drawImage(w - 70, y, s.rightEdge);
    painter.drawImage(0, 0, s.topLeftCorner);
    if (kind == 'p')
        painter.drawImage(w - 70, 0, s.topRightCorner);
    painter.drawImage(0, h - 10, s.bottomLeftCorner);
    if (kind != 'p')
        painter.drawImage(w - 70, h - 10, s.bottomRightCorner);
}

void tileImage(QPainter& painter, const QSize& size, const QImage& bitmap) {
    if (bitmap.isNull())
        return;
    for (int y = 0; y < size.height(); y += bitmap.height())
        for (int x = 0; x < size.width(); x += bitmap.width())
            painter.drawImage(x, y, bitmap);
}

void tileImage(QImage& image, const QImage& bitmap) {
    QPainter painter(&image);
    tileImage(painter, image.size(), bitmap);
}

void tileWindow(QPainter& painter, const QWidget& window, const QImage& bitmap) {
    tileImage(painter, window.frameGeometry().size(), bitmap);
}

void tileRect(QPainter& painter, const QImage& graphic, const QRect& rect) {
    if (rect.isEmpty())
        return;
    QImage block(rect.size(), QImage::Format_RGB32);
    block.fill(Qt::white);
    tileImage(block, graphic);
    painter.drawImage(rect.topLeft(), block);
}

void tileRect(QImage& image, const QImage& graphic, const QRect& rect) {
    QPainter painter(&image);
    tileRect(painter, graphic, rect);
}

void copyToWindow(QPainter& painter, const QImage& bitmap, const QRect& source, const QRect& destination) {
    painter.drawImage(QRectF(destination), bitmap, QRectF(source));
}
