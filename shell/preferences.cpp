#include "preferences.h"

#include "frameless.h"
#include "messagebox.h"
#include "programdir.h"
#include "settings.h"
#include "skins.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>

namespace {

constexpr int kPageControlHeight = 235;

// Font sizes the track bar offers; its positions are these mapped.
constexpr int kSmallestSize = 8;
constexpr int kLargestSize = 18;

QSpinBox* delayBox(QWidget* parent, const QString& label, int y, int value) {
    auto* caption = new QLabel(label, parent);
    caption->setGeometry(16, y, 100, 23);
    auto* box = new QSpinBox(parent);
    box->setGeometry(120, y, 72, 23);
    box->setRange(kShortestDelay, kLongestDelay);
    box->setSingleStep(5);
    box->setValue(value); // a value outside 1..999 shows as its nearest bound
    return box;
}

void setButtonTextColor(QPushButton* button, const QColor& color) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, color);
    button->setPalette(palette);
}

} // namespace

Tfpref::Tfpref(const QString& fontName, int fontSize, const Settings& values, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), skinDir(values.skinDir) {
    setObjectName(QStringLiteral("fpref"));
    setWindowTitle(QStringLiteral("Preferences"));
    resize(399, 272);
    makeFrameless(this, false);

    fondo = new QLabel(QStringLiteral("  Control Panel"), this);
    QPalette title = fondo->palette();
    title.setColor(QPalette::Window, skins().panelColor);
    title.setColor(QPalette::WindowText, Qt::red);
    fondo->setPalette(title);
    fondo->setAutoFillBackground(true);
    QFont bold = fondo->font();
    bold.setBold(true);
    fondo->setFont(bold);
    markBare(fondo);

    PageControl1 = new QTabWidget(this);
    // The strip beside the tabs shows the panel colour, not the window chrome behind it.
    PageControl1->setAutoFillBackground(true);
    TabSheet1 = new QWidget;
    TabSheet2 = new QWidget;
    TabSheet3 = new QWidget;
    PageControl1->addTab(TabSheet1, QStringLiteral("Fonts"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Misc."));
    PageControl1->addTab(TabSheet3, QStringLiteral("Skins"));
    buildFontsPage();
    buildMiscPage();
    buildSkinsPage();

    // The OK/Cancel panel over the bottom-right corner, which the chrome leaves to it.
    okcancel = new QWidget(this);
    okcancelimage = new QLabel(okcancel);
    const QPixmap panel(skinFolder(skinDir) + QStringLiteral("okcancel.bmp"));
    okcancelimage->setPixmap(panel);
    okcancel->resize(qMax(panel.width() - 1, 170), qMax(panel.height() - 1, 35));
    okcancelimage->setGeometry(0, 0, okcancel->width(), okcancel->height());
    bapply = new QPushButton(QStringLiteral("OK"), okcancel);
    bapply->setGeometry(okcancel->width() - 169, 6, 75, 25);
    bapply->setDefault(true);
    bcancel = new QPushButton(QStringLiteral("Cancel"), okcancel);
    bcancel->setGeometry(okcancel->width() - 88, 6, 75, 25);
    for (QPushButton* button : {bapply, bcancel})
        button->installEventFilter(this);
    connect(bapply, &QPushButton::clicked, this, &QDialog::accept);
    connect(bcancel, &QPushButton::clicked, this, &QDialog::reject);

    // Opening: colours, the current font and size, the other settings, then the layout.
    QPalette background = palette();
    background.setColor(QPalette::Window, skins().panelColor);
    setPalette(background);
    setAutoFillBackground(true);
    PageControl1->setCurrentIndex(0);
    setFixedSize(399, kPageControlHeight + 37);
    okcancel->move(width() - okcancel->width() - 1, height() - okcancel->height() - 1);
    okcancel->raise();

    selectFont(fontName);
    fsize->setValue(std::clamp(convertPosition(fontSize), kSmallestSize, kLargestSize));
    fsizeChange();
    csonido->setChecked(values.playSound);
    ctips->setChecked(!values.tips);
    delaycoins->setValue(values.cDelay);
    delaysticks->setValue(values.stDelay);

    fondo->setGeometry(68, 5, width() - 70 - 68, 20);
    PageControl1->setGeometry(7, 31, width() - 15, kPageControlHeight);

    connect(PageControl1, &QTabWidget::currentChanged, this, &Tfpref::PageControl1Change);

    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect area = s->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

void Tfpref::buildFontsPage() {
    // The bottom-right corner of every page stays free for the OK/Cancel panel.
    Sample = new QLabel(QStringLiteral("Sample ABCDEFG abcdefg"), TabSheet1);
    Sample->setGeometry(8, 6, 364, 48);
    Sample->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Sample->setAlignment(Qt::AlignCenter);
    Sample->setAutoFillBackground(true);
    Sample->setBackgroundRole(QPalette::Base);

    fuentes = new QListWidget(TabSheet1);
    fuentes->setGeometry(8, 60, 220, 136);
    fuentes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // a long family name ends in an ellipsis
    QStringList families = QFontDatabase::families();
    families.removeIf([](const QString& family) { return QFontDatabase::isPrivateFamily(family); });
    families.sort(Qt::CaseInsensitive);
    families.removeDuplicates();
    fuentes->addItems(families);
    connect(fuentes, &QListWidget::currentRowChanged, this, &Tfpref::fuentesClick);

    Label2 = new QLabel(QStringLiteral("Size"), TabSheet1);
    Label2->setGeometry(240, 60, 60, 17);
    fsize = new QSlider(Qt::Vertical, TabSheet1);
    fsize->setGeometry(244, 78, 34, 92);
    fsize->setRange(kSmallestSize, kLargestSize);
    fsize->setSingleStep(1);
    fsize->setPageStep(1);
    fsize->setTickInterval(1);
    fsize->setTickPosition(QSlider::TicksBothSides);
    fsize->setInvertedAppearance(true); // position 8, the largest size, at the top
    fsize->setInvertedControls(true);
    connect(fsize, &QSlider::valueChanged, this, &Tfpref::fsizeChange);
}

void Tfpref::buildMiscPage() {
    csonido = new QCheckBox(QStringLiteral("Play Sounds"), TabSheet2);
    csonido->setGeometry(16, 16, 250, 22);
    ctips = new QCheckBox(QStringLiteral("Show Tips on Startup"), TabSheet2);
    ctips->setGeometry(16, 44, 250, 22);
    delaycoins = delayBox(TabSheet2, QStringLiteral("Coins Delay"), 88, 60);
    delaysticks = delayBox(TabSheet2, QStringLiteral("Stalks Delay"), 120, 40);
}

void Tfpref::buildSkinsPage() {
    listaskin = new QListWidget(TabSheet3);
    listaskin->setGeometry(8, 6, 170, 192);
    connect(listaskin, &QListWidget::itemClicked, this, &Tfpref::listaskinClick);
    skinback = new QLabel(TabSheet3);
    skinback->setGeometry(186, 6, 192, 158);
    skinback->setScaledContents(true);
    skinback->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void Tfpref::selectFont(const QString& name) {
    // The exact name, or else the family that Qt puts in its place.
    QList<QListWidgetItem*> match = fuentes->findItems(name, Qt::MatchExactly);
    if (match.isEmpty())
        match = fuentes->findItems(QFontInfo(QFont(name)).family(), Qt::MatchExactly);
    if (!match.isEmpty()) {
        fuentes->setCurrentItem(match.first());
        fuentes->scrollToItem(match.first(), QAbstractItemView::PositionAtCenter);
    }
    Sample->setFont(QFont(chosenFontName().isEmpty() ? name : chosenFontName()));
}

int Tfpref::chosenFontSize() const {
    return convertPosition(fsize->value());
}

QString Tfpref::chosenFontName() const {
    const QListWidgetItem* item = fuentes->currentItem();
    return item ? item->text() : QString();
}

QString Tfpref::chosenSkin() const {
    const QListWidgetItem* item = listaskin->currentItem();
    if (!item || !skinIsComplete(item->text()))
        return QString();
    return item->text();
}

void Tfpref::updateSample() {
    QFont font = Sample->font();
    if (!chosenFontName().isEmpty())
        font.setFamily(chosenFontName());
    font.setPointSize(chosenFontSize());
    Sample->setFont(font);
}

void Tfpref::fuentesClick() {
    updateSample();
}

void Tfpref::fsizeChange() {
    fsize->setToolTip(QString::number(chosenFontSize()));
    updateSample();
}

void Tfpref::PageControl1Change(int index) {
    if (PageControl1->widget(index) == TabSheet3)
        actualizaSkins();
}

void Tfpref::actualizaSkins() {
    listaskin->clear();
    const QDir folder(programDir() + QStringLiteral("skins"));
    const QStringList names =
        folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& name : names) {
        if (name.contains(QLatin1Char('.')))
            continue;
        auto* item = new QListWidgetItem(name + QLatin1Char('\\'), listaskin);
        if (item->text() == skinDir) {
            listaskin->setCurrentItem(item);
            skinback->setPixmap(QPixmap(skinFolder(skinDir) + QStringLiteral("back.bmp")));
        }
    }
}

void Tfpref::listaskinClick() {
    const QListWidgetItem* item = listaskin->currentItem();
    if (!item)
        return;
    if (skinIsComplete(item->text()))
        skinback->setPixmap(QPixmap(skinFolder(item->text()) + QStringLiteral("back.bmp")));
    else
        plainMessageBox(this, QStringLiteral("Invalid Skin directory. Missing files!"));
}

void Tfpref::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    keepPanelCornerFree();
}

void Tfpref::keepPanelCornerFree() {
    // The pages share the current page's place; the tab bar's height depends on the style and font.
    constexpr int kGap = 6;
    const QPoint origin = PageControl1->currentWidget()->mapTo(this, QPoint(0, 0));
    const QRect corner = okcancel->geometry().translated(-origin).adjusted(-kGap, -kGap, 0, 0);
    for (QWidget* page : {TabSheet1, TabSheet2, TabSheet3}) {
        for (QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QRect place = control->geometry();
            if (!place.intersects(corner))
                continue;
            // Narrowed or shortened, whichever takes less away.
            if (place.right() - corner.left() <= place.bottom() - corner.top())
                place.setRight(corner.left() - 1);
            else
                place.setBottom(corner.top() - 1);
            control->setGeometry(place);
        }
    }
}

void Tfpref::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int W = width();
    const int H = height();
    paintChrome(painter, W, H, 'p');
    // A one-pixel raised frame.
    painter.setPen(Qt::white);
    painter.drawLine(1, 0, W - 1, 0);
    painter.drawLine(0, 1, 0, H - 1);
    painter.setPen(Qt::black);
    painter.drawLine(0, H - 1, W - 1, H - 1);
    painter.drawLine(W - 1, 0, W - 1, H - 1);
}

bool Tfpref::eventFilter(QObject* watched, QEvent* event) {
    // The button with the keyboard focus shows its caption in red.
    if (auto* button = qobject_cast<QPushButton*>(watched)) {
        if (event->type() == QEvent::FocusIn)
            setButtonTextColor(button, QColor(255, 0, 0));
        else if (event->type() == QEvent::FocusOut)
            setButtonTextColor(button, Qt::black);
    }
    return QDialog::eventFilter(watched, event);
}

void applyPreferences(const Tfpref& dialog, Settings& values) {
    if (!dialog.chosenFontName().isEmpty())
        values.fontName = dialog.chosenFontName();
    values.fontSize = dialog.chosenFontSize();
    values.playSound = dialog.csonido->isChecked();
    values.cDelay = dialog.delaycoins->value();
    values.stDelay = dialog.delaysticks->value();
    values.tips = !dialog.ctips->isChecked();
    if (const QString skin = dialog.chosenSkin(); !skin.isEmpty())
        values.skinDir = skin;
}
