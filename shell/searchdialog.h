#pragma once

#include "textsearch.h"

#include <QDialog>
#include <QPoint>
#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// Values of the search kept between openings for the whole run.
struct SearchMemory {
    QString lastJournalText; // the last search over the journal's questions
    QPoint position;         // left and top of the dialog; 0 or less centres it in that direction
};
SearchMemory& searchMemory();

// What a search drives. The book and page searches drive the main window's page view; the journal
// search drives the journal window's table.
struct SearchTarget {
    // Finds text in the page on show after the previous match, selects it and scrolls it into view.
    std::function<bool(const QString& text, bool matchCase)> findText;
    // Scrolls the page view to its top; the next find starts there.
    std::function<void()> toTop;
    // Opens hexagram page n as found by the book search, recording it in the history.
    std::function<void(int page)> openPage;
    // The raw page texts that the book search reads; empty: the program's archive.
    PageReader readPage;
    // The journal window's search over its questions: first is true for Find, false for Next;
    // searchWindow is the dialog, for the search's progress and its messages.
    std::function<void(const QString& text, bool first, QWidget* searchWindow)> buscar;
};

// The search dialog: across the book's hexagram pages, in the page on show, or over the
// questions of the journal.
class TFbuscar : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Book, Page, Journal };

    explicit TFbuscar(QWidget* parent = nullptr);

    // The set-ups of the three callers, before the dialog is shown.
    void setupBook(const QString& lastText, int currentPage);
    void setupPage();
    void setupJournal();

    Mode mode() const { return searchMode; }
    bool searching() const { return running; }
    int lastFoundPage() const { return foundPage; }

    void tfindChange();
    void findbtnClick();
    void nextbtnClick();
    void CancelBtnClick();
    void buscarDesde(int start);
    void nohallado();

    SearchTarget target;

    QLabel* Label3 = nullptr;
    QLineEdit* tfind = nullptr;
    QCheckBox* CCase = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* from = nullptr;
    QPushButton* findbtn = nullptr;
    QPushButton* nextbtn = nullptr;
    QFrame* mensaje = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitCaptions();
    void searchBook(int start);

    Mode searchMode = Mode::Book;
    bool running = false; // a book search is dispatching events between its pages
    bool cancel = false;  // set by Cancel (or closing the dialog); the book search sees it after a page
    int foundPage = 0;    // where the book search last found the text
};

// The journal window's Find: opens the search over the questions with the last journal search
// text, lets buscar run the searches, and remembers the text for the next opening.
void searchJournal(QWidget* parent, std::function<void(const QString& text, bool first, QWidget* searchWindow)> buscar);
