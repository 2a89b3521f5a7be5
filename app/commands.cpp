// The commands of the bottom bar, the title strip and the window buttons.
#include "mainwindow.h"

#include "hexagram.h"
#include "htmlview.h"
#include "printing.h"

#include <QFrame>
#include <QScrollArea>
#include <QTimer>
#include <stdexcept>

void TForm1::indbClick() {
    T640->stop();
    const bool show = indice->isHidden();
    indice->setVisible(show);
    oraculo->setVisible(show);
}

QString TForm1::pageTitle() const {
    const QString misc = titulo(currentMisc);
    if (!misc.isEmpty())
        return misc;
    return currentPage >= 0 && currentPage < titulos().size() ? titulos()[currentPage].trimmed() : QString();
}

void TForm1::printbClick() {
    printWithDialog(this, pageTitle(), [this](QPrinter& printer) { return procAnswer(printer); });
}

void TForm1::helpbClick() {
    update();
    ajustaNboton();
    expandeMisc(QStringLiteral("help.htm"), true);
}

void TForm1::fondobClick() {
    expandeMisc(QStringLiteral("about.htm"), false);
}

void TForm1::minClick() {
    showMinimized();
}

void TForm1::maxClick() {
    if (isMaximized()) {
        showNormal();
        resize(640, 543);
    } else {
        showMaximized();
    }
    FormResize();
}

QSize TForm1::smallestSize() const {
    int right = 0;
    for (const QWidget* control : Panel1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        right = qMax(right, control->geometry().x() + control->geometry().width());
    return {2 * kBarMargin + right + Panel1->frameWidth(), 300};
}

void TForm1::bcancelClick() {
    close();
}
