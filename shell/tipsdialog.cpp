#include "tipsdialog.h"

#include "archive.h"
#include "htmlview.h"
#include "resources.h"
#include "settings.h"
#include "viewpresets.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <cmath>

const QStringList& tiplist() {
    static const QStringList tips = [] {
        const QString site = QString::fromLatin1(kProjectWebPage);
        QString shownSite = QUrl(site).host();
        return QStringList{
            QStringLiteral("The index button <IMG SRC=\"index.bmp\" ALIGN=middle> opens/closes the index."),
            QStringLiteral("The yarrow-stalk method is more precise than the coin method."),
            QStringLiteral("The look and feel of Velkora I Ching can be modified throught the preferences button "
                           "<IMG SRC=\"pref.bmp\" ALIGN=middle>, changing the Skin directory."),
            QStringLiteral("The oracle button <IMG SRC=\"oracle.bmp\" ALIGN=middle> opens/closes the oracle pane, "
                           "which is used to made oracle consults."),
            QStringLiteral("The help button <IMG SRC=\"help2.bmp\" ALIGN=middle> and also the F1 key opens the help "
                           "window."),
            QStringLiteral("The oracle answers can be saved using the save button <IMG SRC=\"saveb.bmp\" "
                           "ALIGN=middle> in Oracle pane."),
            QStringLiteral("The oracle answers previously saved, can be opened using the open button <IMG "
                           "SRC=\"openb.bmp\" ALIGN=middle> in Oracle pane."),
            QStringLiteral("The newer Velkora I Ching version can be downloaded from <A HREF=\"%1\"><U>%2</U></A>")
                .arg(site, shownSite),
            QStringLiteral("The hexagram lines with a round bullet <IMG SRC=\"re.bmp\" ALIGN=top BORDER=0 TRANSP> at "
                           "the left, are the governing ruler of the hexagrams. The lines with a rectangular bullet "
                           "<IMG SRC=\"cu.bmp\" ALIGN=top BORDER=0 TRANSP> are the constituting ruler."),
            QStringLiteral("To get an optimum image quality, set your display in Hight or True Color (16/24 bits) "
                           "using the Control Panel <IMG SRC=\"display.bmp\" ALIGN=middle> display icon."),
            QStringLiteral("To uninstall Velkora I Ching go to Control Panel/Add Remove Programs, select Velkora I "
                           "Ching in the list and press the Add/Remove button."),
        };
    }();
    return tips;
}

Tftips::Tftips(QWidget* parent, std::uint32_t seed, std::function<void(const QUrl&)> openUrl_)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), openUrl(std::move(openUrl_)) {
    setObjectName(QStringLiteral("ftips"));
    setWindowTitle(QStringLiteral("Tip of the Day"));

    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette white = Panel1->palette();
    white.setColor(QPalette::Window, Qt::white);
    Panel1->setPalette(white);
    Panel1->setAutoFillBackground(true);
    Shape1 = new QFrame(Panel1);
    Shape1->setFrameStyle(QFrame::HLine | QFrame::Plain);
    Image1 = new QLabel(Panel1);
    Image1->setGeometry(8, 6, 26, 26);
    Image1->setPixmap(QPixmap(QStringLiteral(":/pictures/tipcard.png")));
    Image1->setScaledContents(true);
    Label1 = new QLabel(QStringLiteral("Did you know..."), Panel1);
    Label1->setGeometry(42, 10, 240, 18);
    QFont heading = Label1->font();
    heading.setBold(true);
    heading.setPixelSize(13);
    Label1->setFont(heading);

    visor = new HtmlView(Panel1);
    configureTipsView(*visor);
    visor->OnImageRequest = [this](const QString& source) { return visorImageRequest(source); };
    visor->OnHotSpotClick = [this](const QString& url, bool& handled) { visorHotSpotClick(url, handled); };

    ctips = new QCheckBox(QStringLiteral("Show &Tips on Startup"), this);
    ctips->setChecked(true);
    bnext = new QPushButton(QStringLiteral("&Next Tip"), this);
    bnext->setDefault(true);
    bclose = new QPushButton(QStringLiteral("&Close"), this);
    connect(bnext, &QPushButton::clicked, this, &Tftips::bnextClick);
    connect(bclose, &QPushButton::clicked, this, &QDialog::accept);
    connect(ctips, &QCheckBox::clicked, this, &Tftips::ctipsClick);

    layOut();
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect area = s->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }

    // The last tip is never the first one shown.
    std::mt19937 random(seed);
    lastTip = int(tiplist().size()) - 1;
    shownTip = std::uniform_int_distribution<int>(0, lastTip - 1)(random);
    cargaTip(shownTip);
}

void Tftips::layOut() {
    // The card is 303 x 152 and its view 283 x 92 at least; both grow to hold the checkbox's caption
    // and the tallest tip in the desktop's fonts, so that nothing is cut off.
    const int boxWidth = std::max(140, ctips->sizeHint().width());
    const int width = std::max(319, 8 + boxWidth + 4 + 77 + 5 + 77 + 8);
    const int viewWidth = width - 36;
    visor->resize(viewWidth, 92);
    int viewHeight = 92;
    for (const QString& tip : tiplist()) {
        visor->LoadText(tip);
        visor->document()->setTextWidth(viewWidth);
        viewHeight = std::max(viewHeight, int(std::ceil(visor->document()->size().height())));
    }
    Panel1->setGeometry(8, 8, width - 16, 46 + viewHeight + 14);
    Shape1->setGeometry(8, 36, Panel1->width() - 16, 1);
    visor->setGeometry(10, 46, viewWidth, viewHeight);
    const int row = Panel1->geometry().bottom() + 1 + 8;
    ctips->setGeometry(8, row + 2, boxWidth, 22);
    bclose->setGeometry(width - 8 - 77, row, 77, 25);
    bnext->setGeometry(bclose->x() - 5 - 77, row, 77, 25);
    setFixedSize(width, row + 33);
}

void Tftips::bnextClick() {
    shownTip = shownTip + 1 > lastTip ? 0 : shownTip + 1;
    cargaTip(shownTip);
}

void Tftips::ctipsClick() {
    settings().tips = !ctips->isChecked();
}

void Tftips::cargaTip(int index) {
    visor->LoadText(tiplist().value(index));
}

QByteArray Tftips::visorImageRequest(const QString& source) const {
    QByteArray bytes;
    try {
        Archive().expandToStream(archiveName(), bytes, source);
    } catch (const ArchiveError&) {
        bytes.clear(); // a missing picture shows as an empty one
    }
    return bytes;
}

void Tftips::visorHotSpotClick(const QString& url, bool& handled) {
    handled = true;
    if (openUrl)
        openUrl(QUrl(url));
    else
        QDesktopServices::openUrl(QUrl(url)); // a link the desktop can't open is ignored
}
