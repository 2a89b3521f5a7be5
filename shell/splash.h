#pragma once

#include <QWidget>

// The round splash picture shown while the main window is being built.
class Tfpresenta : public QWidget {
public:
    explicit Tfpresenta(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap monedas;
};
