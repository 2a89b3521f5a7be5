#include "animatedpicture.h"

#include <QPainter>
#include <QTimer>

AnimatedPicture::AnimatedPicture(QWidget* parent) : QWidget(parent), timer(new QTimer(this)) {
    setAttribute(Qt::WA_TranslucentBackground);
    connect(timer, &QTimer::timeout, this, &AnimatedPicture::advance);
}

void AnimatedPicture::setStrip(const QImage& picture, const QSize& size, int count) {
    frameSize = size;
    frames = std::max(count, 1);
    strip = picture.convertToFormat(QImage::Format_ARGB32);
    if (!strip.isNull()) {
        const QRgb key = strip.pixel(0, 0);
        for (int y = 0; y < strip.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
            for (int x = 0; x < strip.width(); ++x)
                if (line[x] == key)
                    line[x] = qRgba(0, 0, 0, 0);
        }
    }
    resize(frameSize);
    update();
}

void AnimatedPicture::setInterval(int ms) {
    timer->setInterval(std::max(ms, 1));
}

int AnimatedPicture::interval() const {
    return timer->interval();
}

void AnimatedPicture::setFrame(int frame) {
    frame = std::clamp(frame, 0, frames - 1);
    if (frame == current)
        return;
    current = frame;
    update();
    emit frameChanged(current);
}

bool AnimatedPicture::playing() const {
    return timer->isActive();
}

void AnimatedPicture::play() {
    timer->start();
}

void AnimatedPicture::stop() {
    timer->stop();
}

void AnimatedPicture::advance() {
    const int last = backwards ? 0 : frames - 1;
    if (current != last)
        setFrame(current + (backwards ? -1 : 1));
    if (current == last)
        stop();
}

void AnimatedPicture::paintEvent(QPaintEvent*) {
    if (strip.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), strip, QRect(QPoint(current * frameSize.width(), 0), frameSize));
}
