#pragma once

#include "journaltable.h"
#include "report.h"
#include "skinwindow.h"

#include <functional>

class DbfMemoBinding;
class DbfTableModel;
class JournalHost;
class QAction;
class QCheckBox;
class QFrame;
class QMenu;
class QPlainTextEdit;
class QSplitter;
class QTableView;
class QToolButton;

// "Oracle Database": the answer journal as an editable grid with a comment box, over the table it
// owns. Non-modal and above the other windows; it frees itself when closed.
class Tfanswer : public SkinWindow {
    Q_OBJECT
public:
    enum class Command { First, Last, Add, Delete };

    // Opens the journal of folder (programDir() when empty) and positions it. Engine failures raise DbfError.
    explicit Tfanswer(JournalHost& host, const QString& folder = QString(), JournalRunState& state = journalState());
    ~Tfanswer() override;

    JournalTable& journal() { return table; }
    DbfTable& dbf() { return table.table(); }

    void bfindClick();
    void bpasswordClick();
    void BapplyClick();
    void dbDataChange();
    void banalyzeClick();
    void navigate(Command command);
    void changeOrder(int column);
    // The find scan over the questions, from the top or from the record after the current one.
    // searchWindow, when given, shows the record being read in its caption. True when found.
    bool buscar(const QString& text, bool fromTop, QWidget* searchWindow = nullptr);
    // Save, once the window is there: stores the answer and reopens the table in date order on it.
    void saveAnswer(const JournalAnswer& answer, const QDate& date);
    // The hexagram fields of every record, walked in the active order; the table ends at EOF.
    QList<AnswerNumbers> readAnswers();

    QToolButton* bbuscar = nullptr;
    QToolButton* bkey = nullptr;
    QToolButton* bapply = nullptr;
    QToolButton* banalyze = nullptr;
    QCheckBox* auto_ = nullptr; // "auto" in the form
    QFrame* Panel1 = nullptr;
    QSplitter* Splitter1 = nullptr;
    QTableView* TzGrid1 = nullptr;
    QPlainTextEdit* TzMemo1 = nullptr;
    DbfTableModel* model = nullptr;
    DbfMemoBinding* memo = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* bfirst = nullptr;
    QAction* bbottom = nullptr;
    QAction* badd = nullptr;
    QAction* berase = nullptr;

signals:
    // The window has run its closing steps (the main window enables its Open button again).
    void journalClosed();

protected:
    void bcancelClick() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void buildGrid();
    void FormClose();
    void markTitle(const QString& field);
    void showCurrentRow();
    void gridRowChanged(int row);
    // Puts a comment typed in the memo box into the current record before the pointer leaves it.
    void writeMemoBack();
    // Runs walk with the table's notices held, then tells the grid and the memo box where it ended.
    template <typename Walk> auto scan(Walk walk);

    JournalHost& host;
    JournalTable table;
    bool syncing = false; // the grid is being moved to the table's current record
    bool closed = false;
};
