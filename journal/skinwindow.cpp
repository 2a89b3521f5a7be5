#include "skinwindow.h"

#include "frameless.h"
#include "resources.h"
#include "skins.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QToolButton>

namespace {

void setColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Button, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColor(QToolButton* button, const QColor& color) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, color);
    button->setPalette(palette);
}

} // namespace

QFont windowFont(int points) {
    // Liberation Sans has the metrics of the usual narrow desktop face where "MS Sans Serif" is missing.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPointSize(points);
    return font;
}

void activarBoton(QToolButton* button) {
    setTextColor(button, Qt::red);
}

void desactivarBoton(QToolButton* button) {
    setTextColor(button, Qt::black);
}

SkinWindow::SkinWindow(QWidget* parent, char windowKind, const QString& title, const QString& strip,
                       const QString& closeHint)
    : QDialog(parent), kind(windowKind) {
    setWindowTitle(title);
    setFont(windowFont());
    makeFrameless(this, true, true);
    setColor(this, skins().panelColor);

    fondo = new QFrame(this);
    fondo->setGeometry(68, 5, 400, 20);
    setColor(fondo, skins().panelColor);
    fondoCaption = new QLabel(strip, fondo);
    fondoCaption->setGeometry(4, 0, 60, 20);
    fondoCaption->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));

    // The corner panel carries the skin's top-right piece with the two window buttons on it.
    const QImage& corner = skins().topRightCorner;
    minmax = new QFrame(this);
    minmax->setGeometry(0, 0, corner.width(), corner.height() - 1);
    minmaximage = new QLabel(minmax);
    minmaximage->setPixmap(QPixmap::fromImage(corner));
    minmaximage->setGeometry(0, 0, corner.width(), corner.height());
    max = new QToolButton(minmax);
    bcancel = new QToolButton(minmax);
    int x = 27;
    for (QToolButton* b : {max, bcancel}) {
        b->setGeometry(x, 7, 20, 20);
        b->setIconSize(QSize(20, 20));
        b->setAutoRaise(true);
        b->setCursor(Qt::PointingHandCursor);
        b->setFocusPolicy(Qt::NoFocus);
        x += 21;
    }
    max->setIcon(QPixmap::fromImage(loadArchiveBitmap(QStringLiteral("max.bmp"))));
    bcancel->setIcon(QPixmap::fromImage(loadArchiveBitmap(QStringLiteral("close.bmp"))));
    bcancel->setToolTip(closeHint);
    markBare(minmax);
    connect(max, &QToolButton::clicked, this, &SkinWindow::maxClick);
    connect(bcancel, &QToolButton::clicked, this, [this] { bcancelClick(); });

    qApp->installEventFilter(this);
    setMaxHint();
}

QToolButton* SkinWindow::toolButton(int left, int width, const QString& caption, const QString& hint,
                                    const QImage& picture) {
    auto* button = new QToolButton(fondo);
    button->setGeometry(left, 0, width, 20);
    button->setText(caption);
    button->setToolTip(hint);
    button->setIcon(QPixmap::fromImage(picture));
    button->setIconSize(picture.isNull() ? QSize() : picture.size().boundedTo(QSize(14, 14)));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setStyleSheet(QStringLiteral("QToolButton { padding: 0px 1px; border: 1px solid transparent; }"
                                         "QToolButton:pressed { border-color: gray; }"));
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    button->installEventFilter(this);
    desactivarBoton(button);
    return button;
}

void SkinWindow::setMaxHint() {
    max->setToolTip(isMaximized() ? QStringLiteral("Restore") : QStringLiteral("Maximize"));
}

void SkinWindow::maxClick() {
    if (isMaximized())
        showNormal();
    else
        showMaximized();
    setMaxHint();
}

void SkinWindow::takePlacementOf(const QWidget& other) {
    if (other.isMaximized()) {
        setGeometry(other.geometry());
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        setGeometry(other.geometry());
    }
    setMaxHint();
}

void SkinWindow::FormResize() {
    const int W = width();
    const int H = height();
    fondo->resize(qMax(W - fondo->x() - 70, 0), fondo->height());
    minmax->move(W - minmax->width(), 0);
    if (content)
        content->setGeometry(7, 31, W - 15, H - 39);
    update();
}

void SkinWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    FormResize();
}

void SkinWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), skins().panelColor);
    paintChrome(painter, width(), height(), kind);
}

void SkinWindow::FormKeyUp(int key) {
    if (key == Qt::Key_Escape)
        close();
}

// Esc closes on its release, so the dialog's own close on the press is left out.
void SkinWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

// The window sees the keys released in any of its controls first, and its toolbar's mouse-overs.
bool SkinWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyRelease: {
        // The release climbs from the focused control to the window; it is answered once, where it starts.
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = watched->isWidgetType() ? static_cast<QWidget*>(watched) : nullptr;
        const bool first = key != lastKey || key->timestamp() != lastKeyTime;
        if (widget && widget->window() == this && first && !key->isAutoRepeat()) {
            lastKey = key;
            lastKeyTime = key->timestamp();
            FormKeyUp(key->key());
        }
        break;
    }
    case QEvent::Enter:
        if (auto* button = qobject_cast<QToolButton*>(watched); button && button->parent() == fondo)
            activarBoton(button);
        break;
    case QEvent::Leave:
        if (auto* button = qobject_cast<QToolButton*>(watched); button && button->parent() == fondo)
            desactivarBoton(button);
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}
