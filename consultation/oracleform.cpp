#include "oracleform.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QTimer>

QSize oracleScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(800, 600);
}

void makeFullScreen(QDialog& form, const QSize& screen) {
    form.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    form.setGeometry(QRect(QPoint(0, 0), screen));
    form.setWindowState(Qt::WindowMaximized);
    form.setModal(true);
}

KeyPreview::KeyPreview(QDialog& owner, std::function<void(QWidget*, int)> handler)
    : QObject(&owner), form(owner), keyUp(std::move(handler)) {
    qApp->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &form)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool own = key->key() == Qt::Key_Escape || key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    // Enter and Escape are taken where they arrive; other keys once they have climbed to the form, which
    // they do unless a control uses them.
    if (event->type() == QEvent::KeyRelease && !key->isAutoRepeat() && (own || widget == &form))
        keyUp(widget, key->key());
    return own;
}

QTimer* startBlinking(QLabel& informa, QObject& owner) {
    auto* timer = new QTimer(&owner);
    timer->setInterval(1000);
    QObject::connect(timer, &QTimer::timeout, &owner, [&informa] { coloresTimer(informa); });
    timer->start();
    return timer;
}

void coloresTimer(QLabel& informa) {
    QPalette palette = informa.palette();
    palette.setColor(QPalette::WindowText, isRed(informa) ? Qt::black : Qt::red);
    informa.setPalette(palette);
}

bool isRed(const QLabel& informa) {
    return informa.palette().color(QPalette::WindowText) == QColor(Qt::red);
}
