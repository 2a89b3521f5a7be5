#pragma once

#include <QDialog>
#include <QFont>

class QFrame;
class QLabel;
class QToolButton;

// A frameless, draggable skinned window of the journal: the title strip `fondo` with its caption and
// toolbar, the corner panel `minmax` with `max` and `bcancel`, one content widget below the strip, and
// the skin frame painted around them. Esc released anywhere in the window closes it.
class SkinWindow : public QDialog {
    Q_OBJECT
public:
    // kind is the chrome's window letter; title the window's caption, strip the caption of the title strip.
    SkinWindow(QWidget* parent, char kind, const QString& title, const QString& strip, const QString& closeHint);

    QFrame* fondo = nullptr;
    QLabel* fondoCaption = nullptr;
    QFrame* minmax = nullptr;
    QLabel* minmaximage = nullptr;
    QToolButton* max = nullptr;
    QToolButton* bcancel = nullptr;

    // Maximized becomes normal, anything else maximized; the hint of max follows.
    void maxClick();
    // Takes the other window's state: maximized, or its size and place.
    void takePlacementOf(const QWidget& other);

protected:
    // A flat toolbar button in fondo with the picture and a caption that turns red under the mouse.
    QToolButton* toolButton(int left, int width, const QString& caption, const QString& hint, const QImage& picture);
    // The widget laid out under the title strip.
    void setContent(QWidget* widget) { content = widget; }
    // The close button's own step before closing (the journal holds Autoview there).
    virtual void bcancelClick() { close(); }
    void FormResize();
    virtual void FormKeyUp(int key);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setMaxHint();

    char kind;
    QWidget* content = nullptr;
    const QEvent* lastKey = nullptr; // the key release answered last, to answer it once
    quint64 lastKeyTime = 0;
};

// "MS Sans Serif" at that size, or the nearest face of the same metrics that the system has.
QFont windowFont(int points = 8);

// Puts the toolbar caption in red while the mouse is over the button, black when it leaves.
void activarBoton(QToolButton* button);
void desactivarBoton(QToolButton* button);
