#include "oraclepane.h"

#include "fontfit.h"
#include "hexpicture.h"
#include "programstrings.h"
#include "resources.h"
#include "skins.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr QSize kPicture(89, 129);

// The pane's background: the tile repeated from the top-left corner.
class Backdrop : public QWidget {
public:
    using QWidget::QWidget;
    QImage tile;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), skins().panelColor);
        tileImage(painter, size(), tile);
    }
};

QLabel* numberLabel(QWidget* parent, int x, const QString& hint) {
    auto* label = new QLabel(parent);
    label->setGeometry(x, 143, 89, 26);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Raised);
    label->setLineWidth(1);
    QFont font(QStringLiteral("System"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: navy;"));
    label->setToolTip(hint);
    label->setCursor(Qt::PointingHandCursor);
    label->hide();
    return label;
}

QLabel* hexagramPicture(QWidget* parent, int x, const QString& hint) {
    auto* picture = new QLabel(parent);
    picture->setGeometry(x, 8, kPicture.width(), kPicture.height());
    picture->setToolTip(hint);
    return picture;
}

QPushButton* paneButton(QWidget* parent, int x, int y, const QString& caption, const QString& glyph, int hint) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(x, y, 99, 56);
    button->setToolTip(loadProgramString(hint));
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    if (!glyph.isEmpty()) {
        button->setIcon(QPixmap::fromImage(loadArchiveBitmap(glyph)));
        button->setIconSize(QSize(24, 24));
    }
    return button;
}

} // namespace

OraclePane::OraclePane(QWidget* parent) : QFrame(parent) {
    setFixedWidth(kWidth);
    hide();
    fondoOra = new Backdrop(this);
    fondoOra->setGeometry(0, 0, kWidth, 4000);

    H1 = hexagramPicture(this, 21, loadProgramString(26));
    H2 = hexagramPicture(this, 138, loadProgramString(27));
    NH1 = numberLabel(this, 21, loadProgramString(26));
    NH2 = numberLabel(this, 138, loadProgramString(27));

    pregun = new QLabel(this);
    pregun->setGeometry(21, 180, 212, 69);
    pregun->setWordWrap(true);
    pregun->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pregun->setTextFormat(Qt::PlainText);
    pregun->setStyleSheet(QStringLiteral("font-weight: bold;"));
    fecha = new QLabel(this);
    fecha->setGeometry(21, 252, 212, 18);
    fecha->setTextFormat(Qt::PlainText);

    openb = paneButton(this, 20, 275, QStringLiteral("Open"), QStringLiteral("openb.bmp"), 4);
    saveb = paneButton(this, 20, 337, QStringLiteral("Save"), QStringLiteral("saveb.bmp"), 5);
    baquilea = paneButton(this, 128, 275, QStringLiteral("Stalks Oracle"), QString(), 25);
    bcoins = paneButton(this, 128, 337, QStringLiteral("Coins Oracle"), QString(), 61);
    saveb->setEnabled(false);
    // One font for the four buttons, small enough for every caption to show whole in a larger desktop font.
    const QList<QPushButton*> buttons{openb, saveb, baquilea, bcoins};
    const QFont font = shrinkToFit(openb->font(), [&](const QFont& candidate) {
        return std::all_of(buttons.begin(), buttons.end(), [&](QPushButton* button) {
            button->setFont(candidate);
            return button->sizeHint().width() <= button->width();
        });
    });
    for (QPushButton* button : buttons)
        button->setFont(font);

    for (QWidget* w :
         {static_cast<QWidget*>(H1), static_cast<QWidget*>(H2), static_cast<QWidget*>(NH1), static_cast<QWidget*>(NH2)})
        w->installEventFilter(this);
}

void OraclePane::setTile(const QImage& tile) {
    static_cast<Backdrop*>(fondoOra)->tile = tile;
    fondoOra->update();
}

int OraclePane::dibHex(QLabel* picture, QLabel* label, const QImage& texture, const SixLines& lines,
                       const SixLines* changed) {
    QImage image(picture->size(), QImage::Format_RGB32);
    const int number = ::dibHex(image, texture, lines, changed, skins().panelColor);
    (picture == H1 ? h1Picture : h2Picture) = image;
    picture->setPixmap(QPixmap::fromImage(image));
    label->setText(QString::number(number));
    return number;
}

QImage OraclePane::pictureOf(const QLabel* picture) const {
    return picture == H1 ? h1Picture : h2Picture;
}

void OraclePane::clearPicture(QLabel* picture) {
    (picture == H1 ? h1Picture : h2Picture) = QImage();
    picture->clear();
}

bool OraclePane::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* widget = static_cast<QWidget*>(watched);
        const int y = int(static_cast<QMouseEvent*>(event)->position().y());
        if (widget == NH2)
            emit changedNumberClicked();
        else
            emit pictureMouseUp(widget, y);
    }
    return QFrame::eventFilter(watched, event);
}
