#pragma once

#include "casting.h"

#include <QDialog>
#include <QImage>
#include <array>

class AnimatedPicture;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The coin oracle: a full-screen form where the question is typed and three coins are thrown six times.
// Each throw is animated and logged; the sixth closes the form two seconds after its animation ends.
class Tfcoins : public QDialog {
    Q_OBJECT
public:
    explicit Tfcoins(Generator& generator, QWidget* parent = nullptr, QSize screen = {});

    // Set once per run; cleared by the first key released in a coin form.
    static bool ignoreFirstEnter;

    int throwCount = 1;
    bool coinsComplete = false;
    std::array<std::uint8_t, 7> coinPrimary{}; // entries 1..6, entry 1 the first throw
    std::array<std::uint8_t, 7> coinChanged{};
    QString pendingText;

    QLabel* Label1 = nullptr;
    QLineEdit* pregunta = nullptr;
    QPushButton* bthrow = nullptr;
    QPushButton* cancelar = nullptr;
    QLabel* respuesta = nullptr;
    QLabel* informa = nullptr;
    AnimatedPicture* coin1 = nullptr;
    AnimatedPicture* coin2 = nullptr;
    AnimatedPicture* coin3 = nullptr;
    QTimer* closet = nullptr;
    QTimer* colores = nullptr;

    // The throw log: newest first, each line ending in a carriage return.
    QString respuestaText() const { return log; }

    void bthrowClick();
    int colocacoin(AnimatedPicture* coin, int xBase);
    void coin2ChangeFrame(int frame);
    void closetTimer();
    void cancelarClick();
    void FormKeyUp(int key);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FormCreate(const QSize& screen);
    void createCoin(AnimatedPicture* coin, const QImage& bitmap);
    void setLog(const QString& text);

    Generator& generator;
    QImage tile;
    QString log;
};
