#include "splash.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

Tfpresenta::Tfpresenta(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      monedas(QStringLiteral(":/pictures/splash.png")) {
    setObjectName(QStringLiteral("fpresenta"));
    setFixedSize(104, 104);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(211, 201, 173));
    setPalette(p);
    setAutoFillBackground(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    setMask(QRegion(4, 4, width() - 8, height() - 8, QRegion::Ellipse));
}

void Tfpresenta::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), monedas);
}
