#pragma once

#include <QImage>
#include <QWidget>

class QTimer;

// A picture that plays a strip of equal frames laid side by side: one frame per interval, forwards or
// backwards, stopping on the last frame it reaches (no looping). The strip's corner colour shows through.
class AnimatedPicture : public QWidget {
    Q_OBJECT
public:
    explicit AnimatedPicture(QWidget* parent = nullptr);

    // frames of frameSize side by side; the colour of the strip's top-left pixel is transparent.
    void setStrip(const QImage& strip, const QSize& frameSize, int frames);
    void setInterval(int ms);
    int interval() const;

    int frame() const { return current; }
    int frameCount() const { return frames; }
    // Shows frame (clamped); raises frameChanged when it differs from the one shown.
    void setFrame(int frame);

    bool reversed() const { return backwards; }
    void setReversed(bool reversed) { backwards = reversed; }
    bool playing() const;
    void play();
    void stop();

signals:
    void frameChanged(int frame);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void advance();

    QImage strip;
    QSize frameSize{129, 129};
    int frames = 1;
    int current = 0;
    bool backwards = false;
    QTimer* timer = nullptr;
};
