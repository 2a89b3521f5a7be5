#include "searchdialog.h"

#include "archive.h"
#include "messagebox.h"
#include "programstrings.h"
#include "resources.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

// The hourglass for the length of a book search, and the panel with Cancel; both go also after an error.
struct SearchRun {
    TFbuscar& dialog;
    bool& running;
    explicit SearchRun(TFbuscar& d, bool& flag) : dialog(d), running(flag) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        running = true;
        dialog.mensaje->show();
        dialog.mensaje->raise();
    }
    ~SearchRun() {
        dialog.mensaje->hide();
        running = false;
        QApplication::restoreOverrideCursor();
    }
};

} // namespace

SearchMemory& searchMemory() {
    static SearchMemory memory;
    return memory;
}

TFbuscar::TFbuscar(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("Fbuscar"));
    setFixedSize(374, 87);

    Label3 = new QLabel(loadProgramString(16), this);
    Label3->setGeometry(8, 6, 268, 17);
    tfind = new QLineEdit(this);
    tfind->setGeometry(8, 24, 268, 23);
    tfind->setMaxLength(kMaxSearchText);
    CCase = new QCheckBox(loadProgramString(17), this);
    CCase->setGeometry(8, 56, 130, 22);
    Label1 = new QLabel(QStringLiteral("From"), this);
    Label1->setGeometry(176, 58, 36, 17);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    from = new QLineEdit(QStringLiteral("1"), this);
    from->setGeometry(218, 55, 58, 23);
    from->setMaxLength(8);
    findbtn = new QPushButton(loadProgramString(18), this);
    findbtn->setGeometry(288, 8, 78, 27);
    findbtn->setDefault(true);
    nextbtn = new QPushButton(loadProgramString(19), this);
    nextbtn->setGeometry(288, 50, 78, 27);
    nextbtn->setEnabled(false);
    nextbtn->setAutoDefault(false);
    fitCaptions();

    mensaje = new QFrame(this);
    mensaje->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    mensaje->setGeometry(6, 51, 272, 32);
    mensaje->setAutoFillBackground(true);
    mensaje->hide();
    CancelBtn = new QPushButton(loadProgramString(15), mensaje);
    CancelBtn->setGeometry(96, 3, 80, 26);
    CancelBtn->setAutoDefault(false);
    QFont bold = CancelBtn->font();
    bold.setBold(true);
    CancelBtn->setFont(bold);
    QPalette navy = CancelBtn->palette();
    navy.setColor(QPalette::ButtonText, QColor(0, 0, 128));
    CancelBtn->setPalette(navy);

    connect(tfind, &QLineEdit::textEdited, this, &TFbuscar::tfindChange);
    connect(findbtn, &QPushButton::clicked, this, &TFbuscar::findbtnClick);
    connect(nextbtn, &QPushButton::clicked, this, &TFbuscar::nextbtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TFbuscar::CancelBtnClick);

    // Keys reach the dialog first, whichever control has the focus.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void TFbuscar::fitCaptions() {
    // The captions keep their places beside their boxes, grown to what the desktop's font needs.
    const QSize heading = Label3->sizeHint().expandedTo(QSize(268, 17)).boundedTo(QSize(findbtn->x() - 12, 23));
    Label3->setGeometry(8, std::max(0, tfind->y() - 1 - heading.height()), heading.width(), heading.height());
    const QSize caption = Label1->sizeHint().expandedTo(QSize(36, 17));
    Label1->setGeometry(from->x() - 6 - caption.width(), from->y() + (from->height() - caption.height()) / 2,
                        caption.width(), caption.height());
    const QSize box = CCase->sizeHint().expandedTo(QSize(130, 22));
    CCase->setGeometry(8, 56 - (box.height() - 22) / 2, std::min(box.width(), Label1->x() - 12), box.height());
}

void TFbuscar::setupBook(const QString& lastText, int currentPage) {
    searchMode = Mode::Book;
    setWindowTitle(loadProgramString(8));
    tfind->setText(lastText);
    from->setText(currentPage < 1 ? QStringLiteral("1") : QString::number(currentPage));
}

void TFbuscar::setupPage() {
    searchMode = Mode::Page;
    setWindowTitle(loadProgramString(14));
    from->setEnabled(false);
}

void TFbuscar::setupJournal() {
    searchMode = Mode::Journal;
    setWindowTitle(loadProgramString(57));
    from->hide();
    Label1->hide();
    CCase->hide();
    tfind->setText(searchMemory().lastJournalText);
}

void TFbuscar::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QPoint at = searchMemory().position;
    if (at.x() <= 0 || at.y() <= 0) {
        const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
        const QRect area = s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
        const QSize outer = frameGeometry().size();
        if (at.x() <= 0)
            at.setX(area.x() + (area.width() - outer.width()) / 2);
        if (at.y() <= 0)
            at.setY(area.y() + (area.height() - outer.height()) / 2);
    }
    move(at);
}

void TFbuscar::hideEvent(QHideEvent* event) {
    searchMemory().position = pos();
    cancel = running; // closing the dialog ends a running book search after its page
    QDialog::hideEvent(event);
}

void TFbuscar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        return; // Esc closes the dialog when it is released
    QDialog::keyPressEvent(event);
}

bool TFbuscar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && !key->isAutoRepeat()) {
            close();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFbuscar::tfindChange() {
    nextbtn->setDefault(false);
    findbtn->setDefault(true);
}

void TFbuscar::findbtnClick() {
    if (running)
        return;
    findbtn->setDefault(false);
    nextbtn->setDefault(true);
    if (searchMode == Mode::Journal) {
        if (target.buscar)
            target.buscar(tfind->text(), true, this);
        nextbtn->setEnabled(true);
        return;
    }
    if (hasRefusedMarkup(tfind->text())) {
        nohallado();
        return;
    }
    const int start = startPageOf(from->text());
    from->setText(QString::number(start));
    buscarDesde(start);
}

void TFbuscar::buscarDesde(int start) {
    if (searchMode == Mode::Page) {
        if (target.toTop)
            target.toTop();
        if (target.findText && target.findText(tfind->text(), CCase->isChecked()))
            nextbtn->setEnabled(true);
        else
            nohallado();
        return;
    }
    searchBook(start);
}

void TFbuscar::searchBook(int start) {
    if (tfind->text().isEmpty())
        return;
    const SearchPattern pattern(tfind->text(), CCase->isChecked());
    const PageReader read = target.readPage ? target.readPage : archivePageReader(Archive(), archiveName());
    int found = 0;
    {
        SearchRun run(*this, running);
        cancel = false;
        for (int n = start; n <= 64; ++n) {
            setWindowTitle(loadProgramString(56) + QString::number(n));
            if (buscaStream(pattern, n, read)) {
                found = n;
                break;
            }
            QCoreApplication::processEvents();
            if (cancel) {
                cancel = false;
                setWindowTitle(loadProgramString(8));
                return;
            }
        }
        setWindowTitle(QString());
    }
    if (found == 0) {
        nohallado();
        update();
        return;
    }
    nextbtn->setEnabled(true);
    foundPage = found;
    if (target.openPage)
        target.openPage(found);
    if (target.findText)
        target.findText(tfind->text(), CCase->isChecked());
}

void TFbuscar::nextbtnClick() {
    if (running)
        return;
    switch (searchMode) {
    case Mode::Journal:
        if (target.buscar)
            target.buscar(tfind->text(), false, this);
        break;
    case Mode::Page:
        if (!target.findText || !target.findText(tfind->text(), CCase->isChecked()))
            nohallado();
        break;
    case Mode::Book:
        if (target.findText && target.findText(tfind->text(), CCase->isChecked()))
            break;
        if (foundPage + 1 <= 64)
            buscarDesde(foundPage + 1);
        else
            nohallado();
        break;
    }
}

void TFbuscar::CancelBtnClick() {
    cancel = true;
}

void TFbuscar::nohallado() {
    informationBox(this, loadProgramString(20));
    nextbtn->setEnabled(false);
}

void searchJournal(QWidget* parent,
                   std::function<void(const QString& text, bool first, QWidget* searchWindow)> buscar) {
    TFbuscar dialog(parent);
    dialog.setupJournal();
    dialog.target.buscar = std::move(buscar);
    dialog.exec();
    searchMemory().lastJournalText = dialog.tfind->text();
}
