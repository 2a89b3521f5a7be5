#include "mainwindow.h"

#include "dateform.h"
#include "fatal.h"
#include "frameless.h"
#include "htmlview.h"
#include "journalwindow.h"
#include "pictures.h"
#include "programdir.h"
#include "programstrings.h"
#include "resources.h"
#include "settings.h"
#include "settingsstore.h"
#include "skins.h"
#include "stalkform.h"
#include "startup.h"
#include "viewpresets.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

namespace {

const QString kCaption = QStringLiteral(" Velkora I Ching 1.15");

// A Windows colour value (0x00BBGGRR) as a QColor.
QColor fromColorRef(quint32 value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

void setColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QToolButton* barButton(QWidget* parent, int x, int width, const QString& picture, const QString& hint) {
    auto* button = new QToolButton(parent);
    button->setGeometry(x, 2, width, 25);
    button->setIcon(QPixmap::fromImage(loadArchiveBitmap(picture)));
    button->setIconSize(QSize(20, 20));
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// The version in the title strip's caption: from one character before its first "." on, five at most.
QString versionOf(const QString& caption) {
    const qsizetype dot = caption.indexOf(QLatin1Char('.'));
    return dot > 0 ? caption.mid(dot - 1, 5) : QString();
}

} // namespace

TForm1::TForm1(const StartOptions& startOptions) : options(startOptions) {
    // No event loop runs yet, so an error here (a damaged archive member) ends the program with its message.
    try {
        createdOk = FormCreate();
    } catch (const std::exception& e) {
        createdOk = false;
        fatalError(QString::fromUtf8(e.what()));
    }
}

TForm1::~TForm1() {
    qApp->removeEventFilter(this);
}

int TForm1::screenWidth() const {
    if (options.screenWidth > 0)
        return options.screenWidth;
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? s->geometry().width() : 1024;
}

bool TForm1::indexShown() const {
    return !indice->isHidden() && !oraculo->isHidden();
}

bool TForm1::oraclePaneShown() const {
    return !oraculo->isHidden() && indice->isHidden();
}

bool TForm1::FormCreate() {
    setWindowTitle(QString());

    // The program folder is the current folder: the archive, the skins and the journal live there.
    if (!archivePresent()) {
        fatalError(loadProgramString(92));
        return false;
    }

    orachico = loadArchiveBitmap(QStringLiteral("orachico.bmp"));
    backleft = loadArchiveBitmap(QStringLiteral("backleft.bmp"));
    if (backleft.isNull()) {
        fatalError(invalidProgramMessage(archiveName(), versionOf(kCaption)));
        return false;
    }

    buildComponents();
    cargabotones();
    useFourDigitYears(); // the journal shows and orders dates with four-digit years
    cargaStrings();
    firstShow = true;
    BackButton->setEnabled(false);

    if (!options.store) {
        ownStore = openSettingsStore();
        options.store = ownStore.get();
    }
    cargaIni(*options.store, settings());
    visor->SetDefaultFont(settings().fontName, settings().fontSize);
    gem->setText(loadProgramString(1));
    connect(skinNotifier(), &SkinNotifier::skinApplied, this, &TForm1::applySkinColors);
    initSkins();

    // The oracle pane's tile comes from the skin folder once the skin is in place.
    const QImage skinTile(skinFolder(settings().skinDir) + QStringLiteral("backleft.bmp"));
    if (!skinTile.isNull())
        backleft = skinTile;
    oraculo->setTile(backleft);

    minmax->setGeometry(0, 0, skins().topRightCorner.width(), skins().topRightCorner.height() - 1);
    max->setIcon(QPixmap::fromImage(loadArchiveBitmap(QStringLiteral("max.bmp"))));
    bcancel->setIcon(QPixmap::fromImage(loadArchiveBitmap(QStringLiteral("close.bmp"))));
    min->setIcon(QPixmap::fromImage(loadArchiveBitmap(QStringLiteral("min.bmp"))));

    qApp->installEventFilter(this);
    connect(qApp, &QApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            AppActivate();
    });

    cargaIntro(false);
    inicial->start();
    return true;
}

void TForm1::buildComponents() {
    resize(640, 543);
    makeFrameless(this, true);

    fondob = new QFrame(this);
    fondob->setGeometry(68, 5, 500, 20);
    fondob->setCursor(Qt::PointingHandCursor);
    fondobCaption = new QLabel(kCaption, fondob);
    fondobCaption->setStyleSheet(QStringLiteral("color: #B22222; font-weight: bold;"));
    // The caption keeps the strip's first 130 pixels, or what its text needs in the desktop's font.
    fondobCaption->adjustSize();
    fondobCaption->setGeometry(0, 0, qMax(130, fondobCaption->width() + 12), 20);
    fondobCaption->setAttribute(Qt::WA_TransparentForMouseEvents);
    Panel2 = new QLabel(fondob);
    Panel2->setStyleSheet(QStringLiteral("color: black; font-weight: bold;"));
    Panel2->setAttribute(Qt::WA_TransparentForMouseEvents);

    minmax = new QFrame(this);
    minmaximage = new QLabel(minmax);
    minmaximage->setScaledContents(false);
    min = new QToolButton(minmax);
    max = new QToolButton(minmax);
    bcancel = new QToolButton(minmax);
    int x = 6;
    for (QToolButton* b : {min, max, bcancel}) {
        b->setGeometry(x, 7, 20, 20);
        b->setIconSize(QSize(20, 20));
        b->setAutoRaise(true);
        b->setCursor(Qt::PointingHandCursor);
        b->setFocusPolicy(Qt::NoFocus);
        x += 21;
    }
    connect(min, &QToolButton::clicked, this, &TForm1::minClick);
    connect(max, &QToolButton::clicked, this, &TForm1::maxClick);
    connect(bcancel, &QToolButton::clicked, this, &TForm1::bcancelClick);

    fondopanel = new QFrame(this);
    fondop = new QFrame(fondopanel);
    setColor(fondop, fromColorRef(11389395));
    auto* fondopLayout = new QHBoxLayout(fondopanel);
    fondopLayout->setContentsMargins(0, 0, 0, 0);
    fondopLayout->addWidget(fondop);

    buildOraclePane();
    indice = new QScrollArea(oraculo);
    indice->setFrameShape(QFrame::NoFrame);
    indice->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    indice->hide();
    auto* oraculoLayout = new QHBoxLayout(oraculo);
    oraculoLayout->setContentsMargins(0, 0, 0, 0);
    oraculoLayout->addWidget(indice);

    visor = new HtmlView(fondop);
    configureMainView(*visor);
    visor->OnHotSpotClick = [this](const QString& url, bool& handled) { visorHotSpotClick(url, handled); };
    visor->OnHotSpotCovered = [this](const QString& url) { visorHotSpotCovered(url); };
    visor->OnMouseMove = [this](QPoint) { visorMouseMove(); };
    visor->OnImageRequest = [this](const QString& name) {
        return visorImageRequest(name, skinFolder(settings().skinDir), Compre, archiveName());
    };
    auto* viewLayout = new QHBoxLayout(fondop);
    viewLayout->setContentsMargins(0, 0, 0, 0);
    viewLayout->setSpacing(0);
    viewLayout->addWidget(oraculo);
    viewLayout->addWidget(visor);

    Panel1 = new QFrame(this);
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setFixedHeight(29);
    indb = barButton(Panel1, 1, 29, QStringLiteral("bindex.bmp"), QString());
    gem = new QLabel(Panel1);
    gem->setGeometry(34, 6, 215, 17);
    gem->setStyleSheet(QStringLiteral("font-weight: bold;"));
    BackButton = barButton(Panel1, 251, 41, QStringLiteral("bback.bmp"), QString());
    printb = barButton(Panel1, 293, 25, QStringLiteral("bprint.bmp"), QString());
    oracb = barButton(Panel1, 319, 25, QStringLiteral("boracle.bmp"), QString());
    findb = barButton(Panel1, 345, 25, QStringLiteral("bfind.bmp"), QString());
    fontb = barButton(Panel1, 372, 25, QStringLiteral("bpref.bmp"), QString());
    helpb = barButton(Panel1, 398, 25, QStringLiteral("bhelp.bmp"), QString());
    go = new QLineEdit(Panel1);
    go->setGeometry(425, 4, 29, 21);
    go->setStyleSheet(QStringLiteral("color: navy; font-weight: bold;"));
    go->hide();
    setMinimumSize(smallestSize());
    connect(indb, &QToolButton::clicked, this, &TForm1::indbClick);
    connect(BackButton, &QToolButton::clicked, this, &TForm1::BackForwardClick);
    connect(printb, &QToolButton::clicked, this, &TForm1::printbClick);
    connect(oracb, &QToolButton::clicked, this, &TForm1::muestraOrac);
    connect(helpb, &QToolButton::clicked, this, &TForm1::helpbClick);

    Menu1 = new QMenu(this);
    Searchtext1 = Menu1->addAction(QString());
    Backmenu = Menu1->addAction(QString());
    Backmenu->setEnabled(false);
    connect(Backmenu, &QAction::triggered, this, &TForm1::BackForwardClick);
    visor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(visor, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { Menu1->popup(visor->viewport()->mapToGlobal(at)); });

    // The bottom bar and the window buttons' panel move the window like its own surface.
    markBare(Panel1);
    markBare(minmax);

    const auto timer = [this](int ms, bool active) {
        auto* t = new QTimer(this);
        t->setInterval(ms);
        if (active)
            t->start();
        return t;
    };
    T640 = timer(6000, false);
    Tmostrar = timer(1000, false);
    oractimer = timer(1000, false);
    inicial = timer(6000, false);
    connect(T640, &QTimer::timeout, this, [this] {
        T640->stop();
        if (oraculo->isHidden() && indice->isHidden()) {
            oraculo->show();
            indice->show();
        }
    });
    connect(inicial, &QTimer::timeout, this, [this] {
        inicial->stop();
        if (currentPage == 0)
            expandeMisc(QStringLiteral("intro2.htm"), true);
    });
    connect(Tmostrar, &QTimer::timeout, this, [this] {
        showTitle = true;
        Tmostrar->stop();
    });
    connect(oractimer, &QTimer::timeout, this, &TForm1::oractimerTimer);
    wireShellDialogs();
}

void TForm1::cargaStrings() {
    QApplication::setApplicationDisplayName(loadProgramString(1));
    findb->setToolTip(loadProgramString(8));
    oracb->setToolTip(loadProgramString(9));
    printb->setToolTip(loadProgramString(10));
    BackButton->setToolTip(loadProgramString(11));
    indb->setToolTip(loadProgramString(12));
    Searchtext1->setText(loadProgramString(13));
    Searchtext1->setToolTip(loadProgramString(14));
    Backmenu->setText(loadProgramString(11));
    helpb->setToolTip(loadProgramString(33));
    go->setToolTip(loadProgramString(38));
    fontb->setToolTip(loadProgramString(60));
    min->setToolTip(QStringLiteral("Minimize"));
    bcancel->setToolTip(QStringLiteral("Close"));
}

void TForm1::applySkinColors() {
    const QColor panel = skins().panelColor;
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(fondob), static_cast<QWidget*>(Panel1),
                       static_cast<QWidget*>(gem)})
        setColor(w, panel);
    setColor(fondop, panel);
    minmaximage->setPixmap(QPixmap::fromImage(skins().topRightCorner));
    minmaximage->setGeometry(0, 0, skins().topRightCorner.width(), skins().topRightCorner.height());
    minmaximage->lower();
    update();
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormShow();
}

void TForm1::FormShow() {
    const bool first = firstShow;
    if (firstShow && screenWidth() == 640)
        T640->start();
    if (firstShow && !settings().tips)
        ttips->start();
    firstShow = false;
    FormResize();
    if (first)
        emit introductionShown();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (createdOk)
        FormResize();
}

void TForm1::FormResize() {
    const int W = width();
    const int H = height();
    max->setToolTip(loadProgramString(isMaximized() ? 94 : 95));
    fondob->resize(qMax(W - fondob->x() - 70, 140), fondob->height());
    minmax->move(W - minmax->width(), 0);
    fondopanel->setGeometry(7, 31, W - 15, H - 31 - 55);
    const int captionWidth = fondobCaption->width();
    Panel2->setGeometry(captionWidth, 0, fondob->width() - captionWidth, fondob->height());
    Panel1->setGeometry(kBarMargin, H - Panel1->height() - 16, W - 2 * kBarMargin, Panel1->height());
    update();
}

void TForm1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int W = width();
    const int H = height();
    painter.fillRect(rect(), skins().panelColor);
    paintChrome(painter, W, H, 'm');
    const QImage& B = skins().bottomStrip;
    if (B.isNull())
        return;
    const int h = B.height() + 6;
    const int top = H - h;
    const QRect middle(20, 0, B.width() - 40, B.height());
    copyToWindow(painter, B, B.rect(), QRect(7, top, B.width(), B.height()));
    copyToWindow(painter, B, B.rect(), QRect(W - 7 - B.width(), top, B.width(), B.height()));
    copyToWindow(painter, B, middle, QRect(B.width() / 2, top, W - B.width(), B.height()));
}

void TForm1::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TForm1::FormClose() {
    if (closed || !createdOk)
        return;
    closed = true;
    inicial->stop();
    if (journalWindow)
        journalWindow->close(); // its closing steps store Autoview and pack the table before the settings go
    grabaIni(*options.store, settings(), programDir());
    freeSkins();
}

void TForm1::AppActivate() {
    // The search and stalk windows come back to view with the application.
    if (searchWindow)
        searchWindow->raise();
    if (palitos)
        palitos->raise();
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
    Menu1->popup(event->globalPos());
}
