#pragma once

#include "casting.h"
#include "resources.h"

#include <QDialog>
#include <QImage>
#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;

// The yarrow-stalk oracle: a full-screen table where 49 stalks are laid out in a row and divided with the
// mouse, three divisions for each of the six lines. The form closes itself two seconds after the last.
class Tpalitos : public QDialog {
    Q_OBJECT
public:
    explicit Tpalitos(Generator& generator, QWidget* parent = nullptr, QSize screen = {});

    // Set once per run; cleared by the first Enter with an empty question in a stalk form.
    static bool ignoreFirstEnter;

    // The table's colour (the skin's panel colour).
    void setPanelColor(const QColor& color);

    const StalkGeometry geometry;
    const double& scale = geometry.scale;
    StalkCount count; // lineNumber, stepNumber, stalkCount and stepValues
    StalkRow row;     // firstStalkX, rightBound and where each stalk lies
    bool stalksComplete = false;
    std::array<std::uint8_t, 7> stalkPrimary{}; // entries 1..6, entry 1 the first line
    std::array<std::uint8_t, 7> stalkChanged{};
    bool busy() const { return laying; } // a row is being laid out or cleared
    bool locked() const { return questionLocked; }
    QStringList logLines() const { return log; }

    QFrame* pantalla = nullptr;
    QWidget* fondo = nullptr;
    QLabel* question = nullptr;
    QLineEdit* pregunta = nullptr;
    QPushButton* cancelar = nullptr;
    QFrame* sobrantesp = nullptr;
    QPlainTextEdit* sobranm = nullptr;
    QLabel* informa = nullptr;
    QTimer* closeT = nullptr;
    QTimer* colores = nullptr;
    QList<QWidget*> stalks;
    QList<QWidget*> shadows;

    void preguntaKeyUp(int key);
    void pantallaMouseMove(QWidget* over, const QPoint& table);
    void pantallaMouseUp(const QPoint& table);
    void separaPalitos(int k);
    void final();
    void closeTTimer();
    void cancelarClick();
    void FormKeyUp(QWidget* target, int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void ajustaFondo();
    bool colocapalitos(); // false when cancelled during the layout
    void setLog(const QStringList& lines);

    Generator& generator;
    QSize screen;
    Delay delay;
    bool laying = false;
    bool questionLocked = false;
    QStringList log;
};
