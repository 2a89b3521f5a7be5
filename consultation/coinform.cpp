#include "coinform.h"

#include "animatedpicture.h"
#include "oracleform.h"
#include "oraclemessage.h"
#include "programstrings.h"
#include "resources.h"
#include "settings.h"
#include "skins.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

bool Tfcoins::ignoreFirstEnter = true;

namespace {

constexpr int kCoin = 129;
constexpr int kFrames = 31;

QFont pixelFont(int pixels, bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

Tfcoins::Tfcoins(Generator& gen, QWidget* parent, QSize screen) : QDialog(parent), generator(gen) {
    FormCreate(screen.isValid() ? screen : oracleScreenSize());
}

void Tfcoins::FormCreate(const QSize& screen) {
    setCursor(Qt::WaitCursor);
    throwCount = 1;
    coinsComplete = false;
    setWindowTitle(loadProgramString(61));
    setFont(pixelFont(12, false));
    tile = loadArchiveBitmap(QStringLiteral("coin.bmp"));

    Label1 = new QLabel(QStringLiteral("Question"), this);
    Label1->move(16, 6);
    Label1->setStyleSheet(QStringLiteral("font-weight: bold;"));
    pregunta = new QLineEdit(this);
    bthrow = new QPushButton(QStringLiteral("Throw coins"), this);
    bthrow->setToolTip(QStringLiteral("Click or press Enter to Throw coins"));
    cancelar = new QPushButton(QStringLiteral(" Cancel"), this);
    for (QPushButton* b : {bthrow, cancelar}) {
        b->setCursor(Qt::PointingHandCursor);
        b->setAutoDefault(false);
        b->resize(122, 40);
    }
    respuesta = new QLabel(this);
    // Wide enough for a throw's line on one line in a legible bold face.
    respuesta->setGeometry(17, 55, 180, 153);
    respuesta->setWordWrap(true);
    respuesta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    respuesta->setFont(pixelFont(13, true));
    informa = new QLabel(this);
    informa->setAlignment(Qt::AlignCenter);
    informa->setFont(pixelFont(13, true));

    coin1 = new AnimatedPicture(this);
    coin2 = new AnimatedPicture(this);
    coin3 = new AnimatedPicture(this);
    createCoin(coin1, loadArchiveBitmap(QStringLiteral("coin1.bmp")));
    createCoin(coin2, loadArchiveBitmap(QStringLiteral("coin2.bmp")));
    createCoin(coin3, loadArchiveBitmap(QStringLiteral("coin3.bmp")));
    connect(coin2, &AnimatedPicture::frameChanged, this, &Tfcoins::coin2ChangeFrame);

    closet = new QTimer(this);
    closet->setInterval(2000);
    closet->setSingleShot(true);
    connect(closet, &QTimer::timeout, this, &Tfcoins::closetTimer);
    colores = startBlinking(*informa, *this);

    makeFullScreen(*this, screen);
    cancelar->move(screen.width() - cancelar->width() - 15, 8);
    bthrow->move(cancelar->x() - bthrow->width() - 6, 8);
    pregunta->setGeometry(17, 23, bthrow->x() - 30, 22);
    informa->setGeometry(0, screen.height() - 20, screen.width(), 16);

    setLog(QString());
    informa->setText(loadProgramString(51));
    pregunta->setToolTip(loadProgramString(51));
    unsetCursor();

    connect(bthrow, &QPushButton::clicked, this, &Tfcoins::bthrowClick);
    connect(cancelar, &QPushButton::clicked, this, &Tfcoins::cancelarClick);
    new KeyPreview(*this, [this](QWidget*, int key) { FormKeyUp(key); });
    pregunta->setFocus();
}

void Tfcoins::createCoin(AnimatedPicture* coin, const QImage& bitmap) {
    coin->setStrip(bitmap, QSize(kCoin, kCoin), kFrames);
    coin->setInterval(settings().cDelay);
    coin->hide();
}

void Tfcoins::setLog(const QString& text) {
    log = text;
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    respuesta->setText(shown);
}

void Tfcoins::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (tile.isNull())
        painter.fillRect(rect(), skins().panelColor);
    tileWindow(painter, *this, tile);
}

void Tfcoins::bthrowClick() {
    if (isBlankQuestion(pregunta->text())) {
        oracleError(this, loadProgramString(99));
        return;
    }
    pregunta->setReadOnly(true);
    pregunta->setToolTip(QString());
    informa->setText(loadProgramString(49) + QString::number(throwCount) + QStringLiteral(" of six"));
    bthrow->setEnabled(false);

    const int w = width() / 8;
    const int a = colocacoin(coin1, w);
    const int b = colocacoin(coin2, 3 * w);
    const int c = colocacoin(coin3, 5 * w);
    respuesta->raise(); // the log stays readable over a coin that lands on it
    pendingText = loadProgramString(50) + QString::number(throwCount) + QStringLiteral(": ") + QString::number(a) +
                  QLatin1Char('+') + QString::number(b) + QLatin1Char('+') + QString::number(c) + QLatin1Char('=') +
                  QString::number(a + b + c) + QLatin1Char('\r') + log;
    const CastLine line = castLine(a + b + c);
    coinPrimary[throwCount] = line.primary;
    coinChanged[throwCount] = line.changed;
    ++throwCount;
    setCursor(Qt::WaitCursor);
    if (throwCount >= 7)
        coinsComplete = true;
}

int Tfcoins::colocacoin(AnimatedPicture* coin, int xBase) {
    coin->move(xBase + randomBelow(generator, width() / 4 - kCoin), randomBelow(generator, height() - 230) + 60);
    int value = 3;
    if (randomBelow(generator, 2) == 1) {
        coin->setReversed(true);
        coin->setFrame(kFrames - 1);
        value = 2;
    } else {
        coin->setReversed(false);
        coin->setFrame(0);
    }
    coin->show();
    coin->raise();
    coin->play();
    return value;
}

void Tfcoins::coin2ChangeFrame(int frame) {
    if (frame % 2 == 0 && settings().playSound)
        playWaveResource(QStringLiteral("COINSWAV"));
    if (frame != (coin2->reversed() ? 0 : kFrames - 1))
        return;
    if (pendingText.isEmpty())
        return;
    setLog(pendingText);
    pendingText.clear();
    unsetCursor();
    if (throwCount >= 7) {
        informa->setText(loadProgramString(23));
        closet->start();
        setCursor(Qt::WaitCursor);
    } else {
        bthrow->setEnabled(true);
        informa->setText(loadProgramString(48));
    }
}

void Tfcoins::closetTimer() {
    closet->stop();
    unsetCursor();
    accept();
}

void Tfcoins::cancelarClick() {
    closet->stop();
    for (AnimatedPicture* coin : {coin1, coin2, coin3})
        coin->stop();
    reject();
}

void Tfcoins::FormKeyUp(int key) {
    if (key == Qt::Key_Escape) {
        cancelarClick();
    } else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && bthrow->isEnabled()) {
        if (!pregunta->text().isEmpty() || !ignoreFirstEnter)
            bthrowClick();
    }
    ignoreFirstEnter = false;
}
