#pragma once

#include <QCache>
#include <QImage>
#include <QString>

// Decoded pictures by source name, so that loading the same page again decodes nothing.
class ImageCache {
public:
    explicit ImageCache(int capacity = kMinimumCapacity) { setCapacity(capacity); }

    // The capacity is a hint: the cache never holds fewer than kMinimumCapacity pictures, a page's worth.
    void setCapacity(int capacity) { m_images.setMaxCost(std::max(capacity, kMinimumCapacity)); }
    const QImage* find(const QString& source) const { return m_images.object(source); }
    void insert(const QString& source, const QImage& image) { m_images.insert(source, new QImage(image)); }
    void clear() { m_images.clear(); }
    qsizetype count() const { return m_images.count(); }

    static constexpr int kMinimumCapacity = 64;

private:
    QCache<QString, QImage> m_images;
};

// The picture with every pixel of its bottom-left pixel's colour made transparent.
QImage keyOutBottomLeft(const QImage& image);

// What a missing picture is shown as: one transparent pixel. An empty answer would make the document ask again on
// every repaint and look for a file of that name.
QImage missingPicture();
