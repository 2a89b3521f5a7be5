// Opening pages: numbered pages, archive pages, the index highlight, links and the status panel.
#include "mainwindow.h"

#include "composition.h"
#include "htmlview.h"
#include "intro.h"
#include "member.h"
#include "programstrings.h"
#include "resources.h"
#include "skins.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

namespace {

// Shows the hourglass while a page opens; the normal cursor returns also after an error.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

QString TForm1::nombreH(int page) const {
    return QStringLiteral("      ") + (page >= 0 && page < titulos().size() ? titulos()[page] : QString());
}

QString TForm1::titulo(const QString& member) const {
    static const QList<QPair<QString, QString>> titles = {
        {QStringLiteral("tritable.htm"), QStringLiteral("Trigrams's Table")},
        {QStringLiteral("appendix.htm"), QStringLiteral("Appendixes")},
        {QStringLiteral("introduction.htm"), QStringLiteral("Introduction")},
        {QStringLiteral("usebook.htm"), QStringLiteral("1. The Use of the Book of Changes")},
        {QStringLiteral("histbook.htm"), QStringLiteral("2. The History of the Book of Changes")},
        {QStringLiteral("arrangebook.htm"), QStringLiteral("3. The Arrangement of the translation")},
        {QStringLiteral("hexagrams.htm"), QStringLiteral("The Structure of the Hexagrams")},
        {QStringLiteral("divination.htm"), QStringLiteral("Divination")},
        {QStringLiteral("trigrams.htm"), QStringLiteral("The Trigrams")},
        {QStringLiteral("tao.htm"), QStringLiteral("Tao")},
        {QStringLiteral("4v.htm"), QStringLiteral("The four Cardinal Virtues")},
        {QStringLiteral("about.htm"), QStringLiteral("About Velkora I Ching")},
    };
    for (const auto& [name, title] : titles)
        if (member == name)
            return title;
    if (!member.isEmpty() &&
        QStringLiteral("hana.htmhansw.htmhcontrol.htmhelp.htmhindex.htmhoracle.htmhshortcut.htm").contains(member))
        return QStringLiteral("I Ching Help");
    return QString();
}

bool TForm1::answerReadsPrimary(int page) const {
    return oraclePaneShown() && answer.answerShown && answer.primaryNumber == page;
}

void TForm1::showPage(const QStringList& lines) {
    visor->LoadLines(lines);
    Memo1 = lines;
}

void TForm1::carga(int page, bool record) {
    ajustaboton(page);
    WaitCursor wait;
    if (page == 0) {
        cargaIntro(record);
    } else if (page == 65) {
        expandeMisc(QStringLiteral("tritable.htm"), record);
    } else if (page == 66) {
        expandeMisc(QStringLiteral("appendix.htm"), record);
    } else {
        setWindowTitle(loadProgramString(1) + nombreH(page));
        Memo1 = expande(Compre, archiveName(), numToNom(page));
        QStringList lines = Memo1;
        if (record) {
            agregaAcamino();
            currentPage = page;
            currentMisc.clear();
        }
        ajustaBack();
        const PageContext context{visor->currentWidth(), colorDigits(toColorRef(skins().commentColor)),
                                  AnswerView{answer, oraclePaneShown()}, loadProgramString, &figure};
        procesayCarga(lines, page, context, [this](const QStringList& shown) { showPage(shown); });
    }
}

void TForm1::cargaIntro(bool record) {
    QStringList lines = expande(Compre, archiveName(), QStringLiteral("intro.htm"));
    adaptIntro(lines, screenWidth());
    if (record)
        agregaAcamino();
    showPage(lines);
    currentPage = 0;
    currentMisc.clear();
    ajustaboton(0);
    ajustaBack();
}

void TForm1::expandeMisc(const QString& member, bool record) {
    QString name = member;
    QString anchor;
    const qsizetype hash = member.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        anchor = member.mid(hash, 255);
        name = member.left(hash);
    }
    const QStringList lines = expande(Compre, archiveName(), name);
    if (record) {
        agregaAcamino();
        currentMisc = name;
    }
    if (name == QLatin1String("tritable.htm"))
        ajustaboton(65);
    else if (!name.isEmpty() && QStringLiteral("appendix.htmintroduction.htmusebook.htmhistbook.htmarrangebook.htm"
                                               "hexagrams.htmdivination.htmtrigrams.htm")
                                    .contains(name))
        ajustaboton(66);
    else if (name == QLatin1String("intro.htm"))
        ajustaboton(0);
    else
        ajustaNboton();
    showPage(lines);
    if (!anchor.isEmpty())
        visor->ScrollToAnchor(anchor);
    visor->setFocus();
    ajustaBack();
}

void TForm1::ajustaboton(int i) {
    if (i < 0 || i >= indexButtons.size())
        return;
    if (i != selectedButton) {
        indexButtons[i]->setIcon(QPixmap::fromImage(orachico));
        if (selectedButton >= 0)
            indexButtons[selectedButton]->setIcon(QIcon());
        selectedButton = i;
        if (!indice->isHidden() && !oraculo->isHidden()) {
            QScrollBar* bar = indice->verticalScrollBar();
            const int top = kIndexButtonHeight * i - bar->value();
            if (top < 0 || top > indice->viewport()->height() - kIndexButtonHeight) {
                const int range = indice->widget()->height();
                bar->setValue(i * (range / int(indexButtons.size()) - 1));
            }
        }
    }
    indexButtons[i]->setChecked(true);
}

void TForm1::ajustaNboton() {
    if (selectedButton < 0)
        return;
    QPushButton* button = indexButtons[selectedButton];
    button->setIcon(QIcon());
    indexGroup->setExclusive(false);
    button->setChecked(false);
    indexGroup->setExclusive(true);
    selectedButton = -1;
}

void TForm1::cargabotones() {
    auto* list = new QWidget;
    list->setFixedSize(226, kIndexButtonHeight * titulos().size());
    indexGroup = new QButtonGroup(this);
    indexGroup->setExclusive(true);
    for (int i = 0; i < titulos().size(); ++i) {
        auto* button = new QPushButton(list);
        button->setObjectName(QStringLiteral("b%1").arg(i));
        button->setGeometry(0, kIndexButtonHeight * i, 226, kIndexButtonHeight);
        button->setCheckable(true);
        button->setFlat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setIconSize(QSize(16, 16));
        button->setStyleSheet(QStringLiteral("QPushButton { text-align: left; padding-left: 3px; border: none; }"
                                             "QPushButton:checked { background: rgba(255,255,255,110); }"
                                             "QPushButton:hover { color: #8B0000; }"));
        // A title too long for the entry ends in an ellipsis; the whole title shows in the status panel.
        const QString title = titulos()[i];
        const QString shown = button->fontMetrics().elidedText(title, Qt::ElideRight, 226 - 3 - 6);
        button->setText(shown);
        if (shown != title)
            button->setToolTip(title);
        indexGroup->addButton(button, i);
        indexButtons.append(button);
        connect(button, &QPushButton::clicked, this, [this, i] { botonclick(i); });
    }
    indice->setWidget(list);
}

void TForm1::botonclick(int page) {
    answer.readingPrimary = false;
    carga(page, true);
    visor->setFocus();
    Panel2->setText(nombreH(page));
}

void TForm1::visorHotSpotClick(const QString& url, bool& handled) {
    if (url.contains(QLatin1String("http")) || url.contains(QLatin1String("mailto"))) {
        handled = true;
        if (options.openUrl)
            options.openUrl(QUrl(url));
        else
            QDesktopServices::openUrl(QUrl(url));
        return;
    }
    if (url.startsWith(QLatin1Char('#'))) {
        // The view scrolls to the anchor itself; Back returns to where the reader jumped from.
        agregaAcamino();
        ajustaBack();
        handled = false;
        return;
    }
    handled = true;
    answer.readingPrimary = false;
    if (url.contains(QLatin1String(".htm"))) {
        ajustaNboton();
        expandeMisc(url, true);
    } else if (const qsizetype at = url.indexOf(QLatin1Char('@')); at >= 0) {
        bool ok = false;
        const int page = url.left(2).toInt(&ok);
        if (!ok || page < 0 || page > 66)
            throw std::runtime_error(QStringLiteral("\"%1\" is not a valid page.").arg(url.left(2)).toStdString());
        carga(page, true);
        if (at + 1 < url.size())
            visor->ScrollToAnchor(QStringLiteral("#") + url.mid(at + 1, 1));
    } else {
        bool ok = false;
        const int k = url.toInt(&ok);
        // A bare line number means a line of the hexagram on show; elsewhere it means nothing.
        if (!ok || k < 1 || k > 6 || !hexagramPageShown())
            return;
        const int target = hexamuta(currentPage, k);
        if (answerReadsPrimary(target))
            answer.readingPrimary = true;
        carga(target, true);
        visor->ScrollToAnchor(QStringLiteral("#") + QString::number(k));
    }
}

void TForm1::visorHotSpotCovered(const QString& url) {
    if (url.size() >= 2 && url[0] == QLatin1Char('#') && url[1] != QLatin1Char('_')) {
        showTitle = false;
        Tmostrar->start();
        Panel2->setText(loadProgramString(34) + url[1]);
    }
}

void TForm1::visorMouseMove() {
    if (showTitle)
        Panel2->setText(currentMisc.isEmpty() ? nombreH(currentPage) : titulo(currentMisc));
}

void TForm1::ajustalineas() {
    if (!hexagramPageShown() || Memo1.isEmpty())
        return;
    const int position = visor->GetPosition();
    ::ajustalineas(Memo1, lineImage(visor->currentWidth(), loadProgramString));
    visor->LoadLines(Memo1);
    visor->SetPosition(position);
}
