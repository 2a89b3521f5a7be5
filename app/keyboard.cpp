// Keys of the main window, the go-to box and the hints in the status panel; the window's event filter.
#include "mainwindow.h"

#include "htmlview.h"
#include "programstrings.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyRelease:
        if (watched == go && !static_cast<QKeyEvent*>(event)->isAutoRepeat())
            goKeyUp(static_cast<QKeyEvent*>(event)->key());
        break;
    case QEvent::Enter:
        if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->window() == this)
            DisplayHint(widget->toolTip());
        break;
    case QEvent::Resize:
        // The view takes a new width only when Qt lays it out, after a pane hides or the window is sized.
        if (watched == visor && static_cast<QResizeEvent*>(event)->oldSize().width() != visor->width())
            ajustalineas();
        break;
    case QEvent::MouseButtonRelease:
        // The window filters the whole application's events (FormCreate), so a click on the title strip comes once.
        if (watched == fondob)
            fondobClick();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// Keys released in the view and the other controls that don't take them come up to the window.
void TForm1::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat())
        FormKeyUp(event->key());
}

void TForm1::FormKeyUp(int key) {
    if (go->isVisible())
        return;
    switch (key) {
    case Qt::Key_Backspace:
        BackForwardClick();
        break;
    case Qt::Key_I:
        indbClick();
        break;
    case Qt::Key_O:
        // A second press within a second, with the oracle pane shown, opens the journal.
        if (indice->isHidden() && !oraculo->isHidden() && oraculo->openb->isEnabled() && oractimer->isActive()) {
            openJournalClick();
        } else {
            muestraOrac();
            oractimer->start();
        }
        break;
    case Qt::Key_C:
        visor->CopySelection();
        break;
    case Qt::Key_G:
        gotoHex();
        break;
    case Qt::Key_F:
        findbClick();
        break;
    case Qt::Key_F1:
        helpbClick();
        break;
    default:
        break;
    }
}

void TForm1::gotoHex() {
    go->show();
    Panel2->setText(loadProgramString(39));
    go->setFocus();
}

void TForm1::goKeyUp(int key) {
    Panel2->setText(loadProgramString(39));
    QString text = go->text();
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    if (key == Qt::Key_Escape) {
        go->hide();
        go->clear();
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        for (int n = 1; n <= 64; ++n) {
            if (text != QString::number(n))
                continue;
            answer.readingPrimary = answerReadsPrimary(n);
            carga(n, true);
            visor->setFocus();
            go->hide();
            go->clear();
            return;
        }
    }
}

void TForm1::DisplayHint(const QString& hint) {
    if (hint.size() <= 2)
        return;
    if (hint == BackButton->toolTip() && !BackButton->isEnabled())
        Panel2->setText(loadProgramString(87));
    else
        Panel2->setText(hint);
}
