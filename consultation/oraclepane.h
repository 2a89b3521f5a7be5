#pragma once

#include "oracleanswer.h"

#include <QFrame>
#include <QImage>

class QLabel;
class QPushButton;

// The oracle pane: the left column of the page area with the drawn answer (the primary and the changed
// hexagram with their numbers), the question and its date, and the buttons Open, Save, Stalks Oracle and
// Coins Oracle. It draws what it is given; the main window decides what a click does.
class OraclePane : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 247;

    explicit OraclePane(QWidget* parent = nullptr);

    // The pane's background tile ("backleft.bmp").
    void setTile(const QImage& tile);

    // Draws one hexagram into picture (H1 or H2) and writes its number into label (NH1 or NH2). The moving
    // lines are marked when changed is given (the primary hexagram only). Returns the number.
    int dibHex(QLabel* picture, QLabel* label, const QImage& texture, const SixLines& lines,
               const SixLines* changed = nullptr);
    // The picture last drawn into H1 or H2.
    QImage pictureOf(const QLabel* picture) const;
    // Empties a hexagram picture.
    void clearPicture(QLabel* picture);

    QWidget* fondoOra = nullptr;
    QLabel* H1 = nullptr;
    QLabel* H2 = nullptr;
    QLabel* NH1 = nullptr;
    QLabel* NH2 = nullptr;
    QLabel* pregun = nullptr;
    QLabel* fecha = nullptr;
    QPushButton* openb = nullptr;
    QPushButton* saveb = nullptr;
    QPushButton* baquilea = nullptr;
    QPushButton* bcoins = nullptr;

signals:
    // A mouse button released over H1, H2 or NH1, at y in the sender's coordinates.
    void pictureMouseUp(QWidget* sender, int y);
    // A click on NH2.
    void changedNumberClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QImage h1Picture;
    QImage h2Picture;
};
