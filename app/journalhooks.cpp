// The journal on the main window: Save and Open on the oracle pane, and the answers and pages that the
// journal windows show in it.
#include "mainwindow.h"

#include "journalwindow.h"
#include "passworddialog.h"
#include "passwordgate.h"

#include <QLabel>
#include <QPushButton>

bool TForm1::journalGate() {
    return autorizacion(journalState(),
                        [this] { return askPassword(this, [this](QDialog& dialog) { return runModal(dialog); }); });
}

// The window opens the table (an engine failure raises DbfError, which the error box shows) and
// disables Open until it closes.
Tfanswer* TForm1::createJournalWindow() {
    auto* window = new Tfanswer(*this);
    journalWindow = window;
    oraculo->openb->setEnabled(false);
    connect(window, &Tfanswer::journalClosed, this, [this] { oraculo->openb->setEnabled(true); });
    return window;
}

void TForm1::openJournalClick() {
    if (journalWindow) {
        journalWindow->raise();
        return;
    }
    if (journalGate())
        createJournalWindow()->show();
}

// One save per consultation. A journal window already open takes the answer into its own table (a
// second window could not open the table, which one window holds exclusively). When the password
// check refused, the answer is stored and the journal is not shown.
void TForm1::saveAnswerClick() {
    const bool granted = journalGate();
    Tfanswer* window = journalWindow;
    const bool created = !window;
    if (created)
        window = createJournalWindow();
    try {
        window->saveAnswer(journalAnswer(answer), QDate::currentDate());
    } catch (...) {
        if (created)
            window->close(); // not shown; Save stays enabled, so nothing is lost
        throw;
    }
    if (granted)
        window->show();
    else
        window->close();
    oraculo->saveb->setEnabled(false);
}

void TForm1::showStoredAnswer(const QString& question, const QString& date, const SixLines& primary,
                              const SixLines& changed, bool hasMovingLines) {
    answer.questionText = question;
    answer.answerDate = date;
    answer.primaryLines = primary;
    answer.changedLines = changed;
    answer.hasMovingLines = hasMovingLines;
    procesaOrac();
    NH1Click();
}

void TForm1::showHexagramPage(int n) {
    oraculo->hide();
    ajustalineas();
    carga(n, true);
}
