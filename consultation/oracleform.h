#pragma once

#include <QObject>
#include <QSize>
#include <functional>

class QDialog;
class QLabel;
class QTimer;
class QWidget;

// What the coin and stalk forms share: a borderless window covering the screen, the keys of the whole
// form seen before its controls, and the blinking status line.

// The size of the screen the form covers: the primary screen, or 800 x 600 without one.
QSize oracleScreenSize();

// Borderless, without caption buttons, covering a screen of that size, maximized, showing hints.
void makeFullScreen(QDialog& form, const QSize& screen);

// Sees every key released in the form's window before its controls do, and hands it to keyUp with the
// control it was released in. Enter and
// Escape are handled only here: their presses no longer close the dialog or click a button.
class KeyPreview : public QObject {
    Q_OBJECT
public:
    KeyPreview(QDialog& form, std::function<void(QWidget* target, int key)> keyUp);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QDialog& form;
    std::function<void(QWidget*, int)> keyUp;
};

// The status line's colour turns between black and red every second (coloresTimer).
QTimer* startBlinking(QLabel& informa, QObject& owner);
void coloresTimer(QLabel& informa);

// The colour of the status line's text.
bool isRed(const QLabel& informa);
