#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

// Gives a window the behaviour of a frameless skinned window: no caption bar; a sizing border
// along its edges when it has one; a press on its bare background (the window's own surface or a
// panel marked with markBare) starts moving it, through the window system where it can and by
// following the mouse where it can't. With moveCursor the bare background shows the four-way
// move cursor. Owned by the window; install it before the window is first shown.
class FramelessWindow : public QObject {
    Q_OBJECT
public:
    // Width of the band along the edges that resizes the window.
    static constexpr int kBorder = 5;

    FramelessWindow(QWidget* window, bool sizingBorder, bool moveCursor = false);

    // The edges a press at pos (window coordinates) resizes; none without a sizing border.
    Qt::Edges edgesAt(const QPoint& pos) const;
    // True when pos (window coordinates) lies on the bare background.
    bool isBareAt(const QPoint& pos) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void adoptChildrenOf(QWidget* container);
    void adopt(QWidget* child);
    void updateCursor(const QPoint& pos);

    QWidget* window;
    bool sizingBorder;
    bool moveCursor;
    bool dragging = false;
    QPoint dragOffset; // from the window's position to the pointer, while following the mouse
};

// Makes window frameless as FramelessWindow describes and returns the helper.
FramelessWindow* makeFrameless(QWidget* window, bool sizingBorder, bool moveCursor = false);

// Marks a plain container panel as bare background: a press on it moves its window.
void markBare(QWidget* panel);
