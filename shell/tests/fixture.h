#pragma once

#include "archive.h"
#include "archivewriter.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QStringList>

// Small pictures and a data archive that hold the three stored skins.
namespace fixture {

inline QByteArray bmp(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

inline QImage solid(int width, int height, QColor color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// A back.bmp whose every pixel tells where it came from: red = x, green = y, blue = tag.
inline QImage codedBack(int tag) {
    QImage image(100, 80, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x, y, tag));
    return image;
}

// Blue tags of the three skins' back.bmp.
inline constexpr int kStandardTag = 0x10, kGreenTag = 0x20, kGoldTag = 0x30;

// The stored skins: plain names for "standard", "_" and "__" for green and gold's own three.
inline QList<ArchiveMember> skinMembers() {
    QList<ArchiveMember> members = {
        {"back.bmp", bmp(codedBack(kStandardTag))},      {"okcancel.bmp", bmp(solid(8, 8, Qt::gray))},
        {"bottom.bmp", bmp(solid(60, 12, Qt::darkRed))}, {"button.bmp", bmp(solid(4, 4, Qt::blue))},
        {"back1.bmp", bmp(solid(4, 4, Qt::white))},      {"line1.bmp", bmp(solid(4, 1, Qt::black))},
        {"stalk.bmp", bmp(solid(2, 40, Qt::yellow))},    {"backleft.bmp", bmp(solid(4, 4, Qt::cyan))},
        {"back2.bmp", bmp(solid(4, 4, Qt::lightGray))},
    };
    const std::pair<QString, int> own[] = {{"_", kGreenTag}, {"__", kGoldTag}};
    for (const auto& [prefix, tag] : own) {
        members.append({prefix + "back.bmp", bmp(codedBack(tag))});
        members.append({prefix + "okcancel.bmp", bmp(solid(8, 8, QColor(0, tag, 0)))});
        members.append({prefix + "bottom.bmp", bmp(solid(60, 12, QColor(tag, tag, 0)))});
    }
    return members;
}

} // namespace fixture
