// The Back history: each entry is the page's key and the view's position, "12:340" or "help.htm:0".
#include "mainwindow.h"

#include "htmlview.h"
#include "programstrings.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>

void TForm1::agregaAcamino() {
    const QString key = currentMisc.isEmpty() ? QString::number(currentPage) : currentMisc;
    camino.append(key + QLatin1Char(':') + QString::number(visor->GetPosition()));
    if (camino.size() >= 2 && camino.last() == camino.at(camino.size() - 2))
        camino.removeLast();
}

void TForm1::BackForwardClick() {
    if (camino.isEmpty())
        return;
    answer.readingPrimary = false;
    cargaCamino(camino.takeLast());
}

void TForm1::cargaCamino(const QString& entry) {
    const qsizetype colon = entry.indexOf(QLatin1Char(':'));
    const QString key = entry.left(colon);
    if (colon + 1 >= 4) {
        currentMisc = key;
        expandeMisc(key, false);
    } else {
        const int n = key.toInt();
        if (answerReadsPrimary(n))
            answer.readingPrimary = true;
        carga(n, false);
        currentPage = n;
        currentMisc.clear();
    }
    visor->SetPosition(entry.mid(colon + 1, 20).toInt());
    ajustaBack();
}

void TForm1::ajustaBack() {
    const bool any = !camino.isEmpty();
    BackButton->setEnabled(any);
    Backmenu->setEnabled(any);
    if (!any)
        Panel2->setText(loadProgramString(87));
    else if (Panel2->text() == loadProgramString(87))
        visorMouseMove(); // the panel no longer says that Back is disabled: it names the page on show
}
