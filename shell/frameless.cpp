#include "frameless.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {

const char kBareProperty[] = "bare";

bool isBare(const QWidget* widget) {
    return widget->property(kBareProperty).toBool();
}

Qt::CursorShape cursorFor(Qt::Edges edges) {
    if (edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge))
        return Qt::SizeFDiagCursor;
    if (edges == (Qt::TopEdge | Qt::RightEdge) || edges == (Qt::BottomEdge | Qt::LeftEdge))
        return Qt::SizeBDiagCursor;
    if (edges & (Qt::LeftEdge | Qt::RightEdge))
        return Qt::SizeHorCursor;
    return Qt::SizeVerCursor;
}

} // namespace

void markBare(QWidget* panel) {
    panel->setProperty(kBareProperty, true);
}

FramelessWindow* makeFrameless(QWidget* window, bool sizingBorder, bool moveCursor) {
    return new FramelessWindow(window, sizingBorder, moveCursor);
}

FramelessWindow::FramelessWindow(QWidget* window, bool sizingBorder, bool moveCursor)
    : QObject(window), window(window), sizingBorder(sizingBorder), moveCursor(moveCursor) {
    window->setWindowFlag(Qt::FramelessWindowHint);
    if (sizingBorder)
        window->setMouseTracking(true);
    if (moveCursor)
        window->setCursor(Qt::SizeAllCursor);
    window->installEventFilter(this);
    if (sizingBorder || moveCursor)
        adoptChildrenOf(window);
}

Qt::Edges FramelessWindow::edgesAt(const QPoint& pos) const {
    Qt::Edges edges;
    if (!sizingBorder || window->isMaximized() || window->isFullScreen())
        return edges;
    if (pos.x() < kBorder)
        edges |= Qt::LeftEdge;
    if (pos.x() >= window->width() - kBorder)
        edges |= Qt::RightEdge;
    if (pos.y() < kBorder)
        edges |= Qt::TopEdge;
    if (pos.y() >= window->height() - kBorder)
        edges |= Qt::BottomEdge;
    return edges;
}

bool FramelessWindow::isBareAt(const QPoint& pos) const {
    if (!window->rect().contains(pos))
        return false;
    const QWidget* under = window->childAt(pos);
    return !under || isBare(under);
}

// Controls on the window or on a bare panel keep the ordinary arrow unless they chose a cursor,
// so the window's move and sizing cursors don't reach them.
void FramelessWindow::adopt(QWidget* child) {
    if (child->isWindow())
        return;
    if (isBare(child)) {
        child->installEventFilter(this);
        adoptChildrenOf(child);
    } else if (!child->testAttribute(Qt::WA_SetCursor)) {
        child->setCursor(Qt::ArrowCursor);
    }
}

void FramelessWindow::adoptChildrenOf(QWidget* container) {
    for (QObject* object : container->children())
        if (object->isWidgetType())
            adopt(static_cast<QWidget*>(object));
}

void FramelessWindow::updateCursor(const QPoint& pos) {
    const Qt::Edges edges = edgesAt(pos);
    if (edges)
        window->setCursor(cursorFor(edges));
    else if (moveCursor)
        window->setCursor(Qt::SizeAllCursor);
    else
        window->unsetCursor();
}

bool FramelessWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildPolished: {
        if (!sizingBorder && !moveCursor)
            break;
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType())
            adopt(static_cast<QWidget*>(child));
        break;
    }
    case QEvent::MouseButtonPress: {
        if (watched != window)
            break; // presses on bare panels reach the window as they go unanswered
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        const QPoint global = mouse->globalPosition().toPoint();
        const QPoint pos = window->mapFromGlobal(global);
        QWindow* handle = window->windowHandle();
        if (const Qt::Edges edges = edgesAt(pos)) {
            if (handle)
                handle->startSystemResize(edges);
            return true;
        }
        if (!isBareAt(pos))
            break;
        if (!handle || !handle->startSystemMove()) {
            dragging = true;
            dragOffset = global - window->pos();
        }
        return true;
    }
    case QEvent::MouseMove: {
        if (watched != window)
            break;
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (dragging && (mouse->buttons() & Qt::LeftButton)) {
            window->move(mouse->globalPosition().toPoint() - dragOffset);
            return true;
        }
        if (sizingBorder && mouse->buttons() == Qt::NoButton)
            updateCursor(window->mapFromGlobal(mouse->globalPosition().toPoint()));
        break;
    }
    case QEvent::MouseButtonRelease:
        if (watched == window && dragging && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            dragging = false;
            return true;
        }
        break;
    default:
        break;
    }
    return false;
}
