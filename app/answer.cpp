// The oracle pane's answer: consulting, drawing the answer, opening its pages, showing the pane, printing.
#include "mainwindow.h"

#include "coinform.h"
#include "dateform.h"
#include "hexpicture.h"
#include "htmlview.h"
#include "journalwindow.h"
#include "resources.h"
#include "skins.h"
#include "stalkform.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTextDocument>
#include <QTimer>

namespace {

SixLines linesOf(const std::array<std::uint8_t, 7>& entries) {
    SixLines lines{};
    for (int i = 0; i < 6; ++i)
        lines[i] = entries[i + 1];
    return lines;
}

// Shows the hourglass for the time of one step; the normal cursor comes back also after an error.
struct Hourglass {
    Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass() { QApplication::restoreOverrideCursor(); }
};

// The journal window stays above the other windows: it steps aside while a consultation fills the screen.
struct JournalAside {
    QPointer<QWidget> window;
    explicit JournalAside(QWidget* journal) : window(journal && journal->isVisible() ? journal : nullptr) {
        if (window)
            window->hide();
    }
    ~JournalAside() {
        if (window)
            window->show();
    }
};

} // namespace

void TForm1::buildOraclePane() {
    oraculo = new OraclePane(fondop);
    connect(oraculo->bcoins, &QPushButton::clicked, this, &TForm1::bcoinsClick);
    connect(oraculo->baquilea, &QPushButton::clicked, this, &TForm1::baquileaClick);
    connect(oraculo->openb, &QPushButton::clicked, this, &TForm1::openJournalClick);
    connect(oraculo->saveb, &QPushButton::clicked, this, &TForm1::saveAnswerClick);
    connect(oraculo, &OraclePane::pictureMouseUp, this, &TForm1::NH1MouseUp);
    connect(oraculo, &OraclePane::changedNumberClicked, this, &TForm1::NH2Click);
    // The pictures are drawn on the skin's panel colour: a new skin redraws them.
    connect(skinNotifier(), &SkinNotifier::skinApplied, this, [this] {
        if (answer.answerShown)
            drawAnswerPictures();
    });
}

void TForm1::bcoinsClick() {
    const JournalAside aside(journalWindow);
    Tfcoins form(processGenerator(), this);
    form.exec();
    takeConsultation(form.coinsComplete, form.pregunta->text(), linesOf(form.coinPrimary), linesOf(form.coinChanged));
}

void TForm1::baquileaClick() {
    const JournalAside aside(journalWindow);
    Tpalitos form(processGenerator(), this);
    form.setPanelColor(skins().panelColor);
    palitos = &form;
    form.exec();
    palitos = nullptr;
    takeConsultation(form.stalksComplete, form.pregunta->text(), linesOf(form.stalkPrimary),
                     linesOf(form.stalkChanged));
}

void TForm1::takeConsultation(bool complete, const QString& question, const SixLines& primary,
                              const SixLines& changed) {
    if (!complete)
        return; // a cancelled form leaves the previous answer as it was
    Hourglass wait;
    takeAnswer(answer, question, primary, changed, dateDisplayForm().format(QDate::currentDate()));
    procesaOrac();
    oraculo->saveb->setEnabled(true);
    NH1Click();
}

void TForm1::drawAnswerPictures() {
    const QImage texture = loadArchiveBitmap(QStringLiteral("fondo1.bmp"));
    answer.primaryNumber =
        oraculo->dibHex(oraculo->H1, oraculo->NH1, texture, answer.primaryLines, &answer.changedLines);
    if (answer.hasMovingLines) {
        oraculo->clearPicture(oraculo->H2);
        answer.changedNumber = oraculo->dibHex(oraculo->H2, oraculo->NH2, texture, answer.changedLines);
    }
}

void TForm1::procesaOrac() {
    drawAnswerPictures();
    if (!answer.hasMovingLines) {
        oraculo->NH2->hide();
        oraculo->H2->hide();
        oraculo->NH2->clear();
        answer.changedNumber = 0;
    }
    answer.answerShown = true;
    oraculo->pregun->setText(answer.questionText);
    oraculo->pregun->show();
    oraculo->fecha->setText(answer.answerDate);
    oraculo->saveb->setEnabled(false);

    oraculo->H1->show();
    oraculo->NH1->show();
    indice->hide();
    oraculo->show();
    if (answer.hasMovingLines) {
        oraculo->H2->show();
        oraculo->NH2->show();
        oraculo->H1->setCursor(Qt::PointingHandCursor);
        oraculo->H2->setCursor(Qt::PointingHandCursor);
    }
}

void TForm1::openAnswerPage(int number, bool primary, int line) {
    answer.readingPrimary = primary;
    carga(number, true);
    if (line > 0)
        visor->ScrollToAnchor(QStringLiteral("#") + QString::number(line));
    visor->setFocus();
}

void TForm1::NH1Click() {
    openAnswerPage(answer.primaryNumber, true, 0);
}

void TForm1::NH2Click() {
    if (answer.changedNumber != 0)
        openAnswerPage(answer.changedNumber, false, 0);
}

void TForm1::NH1MouseUp(QWidget* sender, int y) {
    if (oraculo->NH1->isHidden() || (sender == oraculo->H2 && answer.changedNumber == 0))
        return;
    if (sender == oraculo->H2)
        openAnswerPage(answer.changedNumber, false, lineAtY(y));
    else
        openAnswerPage(answer.primaryNumber, true, sender == oraculo->H1 ? lineAtY(y) : 0);
}

void TForm1::muestraOrac() {
    if (indexShown())
        indice->hide();
    else
        oraculo->setVisible(oraculo->isHidden());
    if (oraclePaneShown() && answer.answerShown)
        NH1Click();
    update();
}

void TForm1::oractimerTimer() {
    oractimer->stop();
}

bool TForm1::procAnswer(QPrinter& printer) {
    std::vector<std::unique_ptr<QTextDocument>> pages;
    if (oraclePaneShown() && answer.primaryNumber != 0) {
        {
            // The primary page is composed with the question header while this is set.
            struct Header {
                bool& flag;
                explicit Header(bool& f) : flag(f) { flag = true; }
                ~Header() { flag = false; }
            } header(answer.printingAnswer);
            NH1Click();
        }
        pages.push_back(visor->PrintCopy());
        if (!oraculo->NH2->isHidden()) {
            NH2Click();
            pages.push_back(visor->PrintCopy());
            NH1Click();
        }
    } else {
        pages.push_back(visor->PrintCopy());
    }
    QList<QTextDocument*> copies;
    for (const auto& page : pages)
        copies.append(page.get());
    return visor->PrintCopies(printer, copies, 1, 9999);
}
