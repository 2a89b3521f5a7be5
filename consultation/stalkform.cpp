#include "stalkform.h"

#include "fontfit.h"
#include "oracleform.h"
#include "oraclemessage.h"
#include "programstrings.h"
#include "settings.h"
#include "skins.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

bool Tpalitos::ignoreFirstEnter = true;

namespace {

const QColor kStalkColours[3] = {QColor(140, 61, 47), QColor(124, 94, 52), QColor(96, 113, 28)};

QSize screenOr(const QSize& screen) {
    return screen.isValid() ? screen : oracleScreenSize();
}

// The table's background: the skin's stalk picture repeated from the top-left corner.
class Tiled : public QWidget {
public:
    using QWidget::QWidget;
    QImage tile;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        tileImage(painter, size(), tile);
    }
};

// A stalk: a filled rectangle of its colour, lit along one side so that it reads as round.
class Stalk : public QWidget {
public:
    using QWidget::QWidget;
    QColor colour = Qt::black;
    bool shadow = false;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), colour);
        if (shadow || width() < 3)
            return;
        const int w = width();
        painter.fillRect(QRect(w / 4, 0, qMax(1, w / 4), height()), colour.lighter(135));
        painter.fillRect(QRect(w - qMax(1, w / 6), 0, qMax(1, w / 6), height()), colour.darker(130));
    }
};

QFont pixelFont(const QString& family, int pixels) {
    QFont font(family);
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

// Each of lines fits room's width on one line and rows lines fit its height in font.
bool fitsIn(const QFont& font, const QStringList& lines, const QSize& room, int rows) {
    const QFontMetrics metrics(font);
    return (metrics.lineSpacing() + 1) * rows <= room.height() && // a laid-out line may round up a pixel
           std::all_of(lines.begin(), lines.end(),
                       [&](const QString& line) { return metrics.horizontalAdvance(line) <= room.width(); });
}

} // namespace

Tpalitos::Tpalitos(Generator& gen, QWidget* parent, QSize size)
    : QDialog(parent), geometry(screenOr(size).width()), generator(gen), screen(screenOr(size)) {
    FormCreate();
}

void Tpalitos::FormCreate() {
    pantalla = new QFrame(this);
    pantalla->setAutoFillBackground(true);
    fondo = new Tiled(pantalla);
    ajustaFondo();
    setWindowTitle(loadProgramString(25));
    stalksComplete = false;
    makeFullScreen(*this, screen);
    pantalla->setGeometry(rect());

    // Shadows first, so that every shadow lies behind every stalk; the background behind them all.
    for (QList<QWidget*>* list : {&shadows, &stalks}) {
        for (int k = 0; k < 50; ++k) {
            auto* shape = new Stalk(pantalla);
            shape->shadow = list == &shadows;
            shape->resize(geometry.stalkWidth, geometry.stalkHeight);
            shape->setCursor(Qt::PointingHandCursor);
            shape->setMouseTracking(true);
            shape->installEventFilter(this);
            shape->hide();
            list->append(shape);
        }
    }
    fondo->lower();
    for (QWidget* w : {static_cast<QWidget*>(pantalla), fondo}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }

    question = new QLabel(QStringLiteral("Question"), pantalla);
    question->move(10, 10);
    question->setStyleSheet(QStringLiteral("font-weight: bold;"));
    question->adjustSize();
    pregunta = new QLineEdit(pantalla);
    // The box starts after its caption and ends where the table's design puts its end.
    const int questionX = std::max(70, question->geometry().right() + 6);
    pregunta->setGeometry(questionX, 8, 70 + nearest(550 * scale) - questionX, 22);
    pregunta->setToolTip(loadProgramString(22));
    cancelar = new QPushButton(loadProgramString(15), pantalla);
    cancelar->setGeometry(nearest(650 * scale), 6, nearest(100 * scale), 26);
    cancelar->setAutoDefault(false);
    cancelar->setCursor(Qt::PointingHandCursor);

    sobrantesp = new QFrame(pantalla);
    sobrantesp->setGeometry(nearest(10 * scale), geometry.stalkTop, nearest(140 * scale), 140);
    sobrantesp->setFrameStyle(QFrame::Panel | QFrame::Raised);
    sobranm = new QPlainTextEdit(sobrantesp);
    sobranm->setGeometry(sobrantesp->rect().adjusted(2, 2, -2, -2));
    sobranm->setReadOnly(true);
    sobranm->setEnabled(false);
    QFont logFont = pixelFont(QStringLiteral("MS Serif"), 13);
    if (scale < 1)
        logFont.setPointSize(6);
    // The heading, its rule and the six lines' counts show whole, one to a line and without scrolling.
    sobranm->setLineWrapMode(QPlainTextEdit::NoWrap);
    const int inside = 2 * (sobranm->frameWidth() + int(sobranm->document()->documentMargin()));
    const QStringList widest = {loadProgramString(21), QString(25, QLatin1Char('-')), QStringLiteral("6: 3 +3 +3 =9")};
    const QSize room = sobranm->size() - QSize(inside, inside);
    sobranm->setFont(shrinkToFit(logFont, [&](const QFont& font) { return fitsIn(font, widest, room, 8); }));
    QPalette memo = sobranm->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        memo.setColor(group, QPalette::Text, Qt::black);
    sobranm->setPalette(memo);
    sobrantesp->hide();
    setLog({loadProgramString(21), QString(25, QLatin1Char('-'))});

    informa = new QLabel(loadProgramString(22), pantalla);
    informa->setAlignment(Qt::AlignCenter);
    informa->setFont(pixelFont(QStringLiteral("MS Sans Serif"), 13));
    informa->setGeometry(0, screen.height() - 18 - 8, screen.width(), 18);
    colores = startBlinking(*informa, *this);

    closeT = new QTimer(this);
    closeT->setInterval(2000);
    closeT->setSingleShot(true);
    connect(closeT, &QTimer::timeout, this, &Tpalitos::closeTTimer);
    connect(cancelar, &QPushButton::clicked, this, &Tpalitos::cancelarClick);
    new KeyPreview(*this, [this](QWidget* target, int key) { FormKeyUp(target, key); });
    pregunta->setFocus();
}

void Tpalitos::ajustaFondo() {
    QImage tile(skinFolder(settings().skinDir) + QStringLiteral("stalk.bmp"));
    if (tile.isNull())
        tile = loadArchiveBitmap(QStringLiteral("stalk.bmp"));
    static_cast<Tiled*>(fondo)->tile = tile;
    fondo->setGeometry(0, 0, screen.width(), screen.height());
}

void Tpalitos::setPanelColor(const QColor& color) {
    QPalette palette = pantalla->palette();
    palette.setColor(QPalette::Window, color);
    pantalla->setPalette(palette);
}

void Tpalitos::setLog(const QStringList& lines) {
    log = lines;
    sobranm->setPlainText(lines.join(QLatin1Char('\n')));
}

void Tpalitos::FormKeyUp(QWidget* target, int key) {
    if (key == Qt::Key_Escape)
        cancelarClick();
    else if (target == pregunta)
        preguntaKeyUp(key);
}

void Tpalitos::preguntaKeyUp(int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    if (pregunta->text().isEmpty()) {
        if (ignoreFirstEnter)
            ignoreFirstEnter = false;
        else
            oracleError(this, loadProgramString(99));
        return;
    }
    // The first Enter starts the consultation; later ones would lay out a row over the one on the table.
    if (questionLocked)
        return;
    questionLocked = true;
    pregunta->setReadOnly(true);
    pregunta->setToolTip(QString());
    sobrantesp->show();
    informa->setText(loadProgramString(24));
    informa->setGeometry(10, informa->y(), pantalla->width() - 10, informa->height());
    count.stalkCount = 49;
    medidas(row, geometry, count.stalkCount, generator);
    colocapalitos();
}

bool Tpalitos::colocapalitos() {
    laying = true;
    ::colocapalitos(row, geometry, generator);
    for (int k = 0; k < row.count; ++k) {
        const QPoint place = row.places[k];
        auto* stalk = static_cast<Stalk*>(stalks[k]);
        stalk->colour = kStalkColours[row.colours[k] - 1];
        stalk->move(place);
        shadows[k]->move(place + QPoint(2, 2));
        stalk->show();
        shadows[k]->show();
        if (!delay.wait(settings().stDelay))
            return false;
        if (k % 2 == 0 && settings().playSound)
            playWaveResource(QStringLiteral("COINSWAV"));
    }
    laying = false;
    return true;
}

bool Tpalitos::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseMove && event->type() != QEvent::MouseButtonRelease)
        return QDialog::eventFilter(watched, event);
    auto* widget = static_cast<QWidget*>(watched);
    const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
    const QPoint table = widget == pantalla ? at : widget->mapTo(pantalla, at);
    if (event->type() == QEvent::MouseMove)
        pantallaMouseMove(widget, table);
    else
        pantallaMouseUp(table);
    return true; // taken here, so that it doesn't climb to the table a second time
}

void Tpalitos::pantallaMouseMove(QWidget* over, const QPoint& table) {
    over->setCursor(row.inZone(geometry, table.x(), table.y()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void Tpalitos::pantallaMouseUp(const QPoint& table) {
    // A row being laid out or cleared takes no click: it would divide stalks that aren't all there.
    if (stalksComplete || laying || !row.inZone(geometry, table.x(), table.y()))
        return;
    separaPalitos(row.stalksLeftOf(table.x()));
}

void Tpalitos::separaPalitos(int k) {
    const int line = count.lineNumber;
    const int step = count.stepNumber;
    const int n = row.count;
    count.divide(k);

    QStringList lines = log;
    if (step == 1)
        lines.insert(2, count.logLine(line, 1));
    else
        lines[2] = count.logLine(line, step);
    setLog(lines);

    laying = true;
    for (int i = 0; i < n; ++i) {
        const int j = step == 2 ? i : n - 1 - i;
        stalks[j]->hide();
        shadows[j]->hide();
        if (!delay.wait(settings().stDelay))
            return;
    }
    if (count.done()) {
        laying = false;
        final();
        return;
    }
    medidas(row, geometry, count.stalkCount, generator);
    if (!delay.wait(10 * settings().stDelay))
        return;
    colocapalitos();
}

void Tpalitos::final() {
    const std::array<int, 6> sums = count.sums();
    for (int line = 1; line <= 6; ++line) {
        const CastLine cast = castLine(sums[line - 1]);
        stalkPrimary[line] = cast.primary;
        stalkChanged[line] = cast.changed;
    }
    stalksComplete = true;
    informa->setText(loadProgramString(23));
    closeT->start();
    setCursor(Qt::WaitCursor);
}

void Tpalitos::closeTTimer() {
    closeT->stop();
    unsetCursor();
    accept();
}

void Tpalitos::cancelarClick() {
    // Ends a wait in progress at once: the row being laid out or cleared is left as it is.
    delay.stop();
    closeT->stop();
    unsetCursor();
    reject();
}
