#include "journalwindow.h"

#include "analysis.h"
#include "dbfmemobinding.h"
#include "dbftablemodel.h"
#include "hexagram.h"
#include "journalgrid.h"
#include "journalhost.h"
#include "messagebox.h"
#include "passworddialog.h"
#include "passwordgate.h"
#include "programdir.h"
#include "resources.h"
#include "searchdialog.h"
#include "settings.h"
#include "skins.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSplitter>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

namespace {

const QList<DbfColumn> kColumns = {
    {QStringLiteral("date"), QStringLiteral("Date"), 80}, {QStringLiteral("h1"), QStringLiteral("H1"), 22},
    {QStringLiteral("h2"), QStringLiteral("H2"), 22},     {QStringLiteral("question"), QStringLiteral("Question"), 296},
    {QStringLiteral("name"), QStringLiteral("Name"), 68}, {QStringLiteral("group"), QStringLiteral("Category"), 82},
};

void setColors(QWidget* widget, const QColor& base, const QColor& fixed) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Window, base);
    palette.setColor(QPalette::Button, fixed);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The hourglass while a scan runs; the normal cursor comes back also after an error.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

// Sets a run-state flag for the lifetime of the guard.
struct FlagGuard {
    bool& flag;
    explicit FlagGuard(bool& f) : flag(f) { flag = true; }
    ~FlagGuard() { flag = false; }
};

// Lowers the letters A to Z only, as the find compares.
QString lowerAscii(QString text) {
    for (QChar& c : text)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    return text;
}

// A stored hexagram number for View: 0 when blank; outside 1..64 is refused before anything is read.
int viewedHexagram(const QString& field) {
    const int n = hexagramFieldValue(field);
    if (n < 0 || n > 64 ||
        (n == 0 && !field.trimmed().isEmpty() && field.trimmed() != QStringLiteral("0") &&
         field.trimmed() != QStringLiteral("00")))
        throw std::runtime_error(
            QStringLiteral("'%1' is not a hexagram number from 1 to 64").arg(field.trimmed()).toStdString());
    return n;
}

} // namespace

Tfanswer::Tfanswer(JournalHost& mainWindow, const QString& folder, JournalRunState& state)
    : SkinWindow(nullptr, 'n', QStringLiteral("Oracle Database"), QStringLiteral("Answers"),
                 QStringLiteral("Close (Esc)")),
      host(mainWindow), table(folder.isEmpty() ? programDir() : folder, state) {
    FormCreate();
}

Tfanswer::~Tfanswer() {
    try {
        FormClose();
    } catch (const std::exception& e) {
        qWarning("%s", e.what());
    }
}

void Tfanswer::FormCreate() {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(false);
    resize(630, 452);

    const QImage button(skinFolder(settings().skinDir) + QStringLiteral("button.bmp"));
    bbuscar = toolButton(64, 56, QStringLiteral("Find"), QStringLiteral("Find text"),
                         loadArchiveBitmap(QStringLiteral("bfind.bmp")));
    bkey = toolButton(122, 80, QStringLiteral("Password"), QStringLiteral("Password"), button);
    bapply = toolButton(202, 56, QStringLiteral("View"), QStringLiteral("View Hexagram"), button);
    banalyze = toolButton(261, 80, QStringLiteral("Analyze"), QStringLiteral("Analyze Answers"), button);
    auto_ = new QCheckBox(QStringLiteral("Autoview"), fondo);
    auto_->setGeometry(348, 0, 70, 20);
    auto_->setToolTip(QStringLiteral("Enabled/Disable the Automatic View"));
    auto_->setCursor(Qt::PointingHandCursor);
    auto_->setFocusPolicy(Qt::NoFocus);
    auto_->setChecked(settings().viewAuto);
    connect(bbuscar, &QToolButton::clicked, this, &Tfanswer::bfindClick);
    connect(bkey, &QToolButton::clicked, this, &Tfanswer::bpasswordClick);
    connect(bapply, &QToolButton::clicked, this, &Tfanswer::BapplyClick);
    connect(banalyze, &QToolButton::clicked, this, &Tfanswer::banalyzeClick);

    buildGrid();

    // Centred on the screen, halves rounded toward zero.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect s = screen->geometry();
        move(s.x() + (s.width() - width()) / 2, s.y() + (s.height() - height()) / 2);
    }

    connect(&table, &JournalTable::orderChanged, this, &Tfanswer::markTitle);
    connect(&dbf(), &DbfTable::dataChange, this, &Tfanswer::dbDataChange);
    table.inicializa();
    showCurrentRow();
    FormResize();
    // A damaged journal opens with the records that could be read; the user is told what was wrong.
    if (!dbf().damageReport().isEmpty())
        informationBox(nullptr, dbf().damageReport());
}

void Tfanswer::buildGrid() {
    const QColor panel = skins().panelColor;
    const QColor fixed = skins().gridColor;

    Panel1 = new QFrame(this);
    auto* layout = new QHBoxLayout(Panel1);
    layout->setContentsMargins(0, 0, 0, 0);
    Splitter1 = new QSplitter(Qt::Vertical, Panel1);
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);
    layout->addWidget(Splitter1);
    setContent(Panel1);

    model = new DbfTableModel(&dbf(), kColumns, this);
    model->setEditableFields({QStringLiteral("name"), QStringLiteral("group")});
    TzGrid1 = new QTableView(Splitter1);
    TzGrid1->setModel(model);
    TzGrid1->setVerticalHeader(new RowIndicator(model, TzGrid1));
    TzGrid1->setItemDelegate(new DeletedMarkDelegate(model, TzGrid1));
    QFont gridFont = windowFont(10);
    gridFont.setFamilies(
        {QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")});
    TzGrid1->setFont(gridFont);
    QFont titleFont = windowFont(8);
    titleFont.setBold(true);
    TzGrid1->horizontalHeader()->setFont(titleFont);
    TzGrid1->horizontalHeader()->setSectionsClickable(true);
    TzGrid1->horizontalHeader()->setHighlightSections(false);
    TzGrid1->horizontalHeader()->setSortIndicatorShown(true);
    TzGrid1->horizontalHeader()->setStretchLastSection(false);
    TzGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    for (int c = 0; c < kColumns.size(); ++c)
        TzGrid1->setColumnWidth(c, kColumns[c].width);
    TzGrid1->verticalHeader()->setDefaultSectionSize(QFontMetrics(gridFont).height() + 4);
    TzGrid1->setSelectionBehavior(QAbstractItemView::SelectItems);
    TzGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    TzGrid1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    TzGrid1->setTabKeyNavigation(true);
    TzGrid1->setShowGrid(true);
    TzGrid1->setWordWrap(false);
    setColors(TzGrid1, panel, fixed);
    setColors(TzGrid1->horizontalHeader(), panel, fixed);
    setColors(TzGrid1->verticalHeader(), panel, fixed);
    connect(TzGrid1->horizontalHeader(), &QHeaderView::sectionClicked, this, &Tfanswer::changeOrder);
    connect(TzGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { gridRowChanged(current.row()); });
    connect(model, &DbfTableModel::currentRowChanged, this, &Tfanswer::showCurrentRow);
    connect(model, &QAbstractItemModel::modelReset, this, &Tfanswer::showCurrentRow);

    PopupMenu1 = new QMenu(this);
    bfirst = PopupMenu1->addAction(QStringLiteral("First"), this, [this] { navigate(Command::First); });
    bfirst->setToolTip(QStringLiteral("First"));
    bbottom = PopupMenu1->addAction(QStringLiteral("Last"), this, [this] { navigate(Command::Last); });
    bbottom->setToolTip(QStringLiteral("Last"));
    PopupMenu1->addSeparator();
    badd = PopupMenu1->addAction(QStringLiteral("Add"), this, [this] { navigate(Command::Add); });
    berase = PopupMenu1->addAction(QStringLiteral("Delete"), this, [this] { navigate(Command::Delete); });
    TzGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TzGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(TzGrid1->viewport()->mapToGlobal(at)); });

    TzMemo1 = new QPlainTextEdit(Splitter1);
    TzMemo1->setFont(windowFont(10));
    TzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TzMemo1->setMinimumHeight(24);
    setColors(TzMemo1, panel, fixed);
    memo = new DbfMemoBinding(&dbf(), QStringLiteral("comment"), TzMemo1);
    Splitter1->addWidget(TzGrid1);
    Splitter1->addWidget(TzMemo1);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    Splitter1->setSizes({400, 40});
}

void Tfanswer::markTitle(const QString& field) {
    for (int c = 0; c < kColumns.size(); ++c)
        if (kColumns[c].field == field)
            TzGrid1->horizontalHeader()->setSortIndicator(c, Qt::AscendingOrder);
}

// The grid follows the table's record pointer; at EOF no cell is current.
void Tfanswer::showCurrentRow() {
    const int row = model->currentRow();
    syncing = true;
    if (row < 0) {
        TzGrid1->selectionModel()->clearCurrentIndex();
        TzGrid1->clearSelection();
    } else {
        const int column = std::max(TzGrid1->currentIndex().column(), 0);
        const QModelIndex index = model->index(row, column);
        TzGrid1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        TzGrid1->scrollTo(index);
    }
    syncing = false;
    TzGrid1->verticalHeader()->viewport()->update();
}

// A row chosen in the grid becomes the table's current record.
void Tfanswer::gridRowChanged(int row) {
    if (syncing || row < 0 || row == model->currentRow())
        return;
    writeMemoBack();
    dbf().Go(model->recNoAt(row));
}

void Tfanswer::writeMemoBack() {
    if (!dbf().Active() || dbf().dEOF() || !TzMemo1->document()->isModified())
        return;
    const QString text = memo->text();
    dbf().SetMemo(QStringLiteral("comment"), text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n')));
    dbf().Replace();
    TzMemo1->document()->setModified(false);
}

template <typename Walk> auto Tfanswer::scan(Walk walk) {
    WaitCursor wait;
    FlagGuard scanning(table.state().scanActive);
    struct Tell {
        Tfanswer* window;
        ~Tell() {
            // One notice for the whole walk, still under the scan flag: the grid and the memo box move, nothing is
            // shown.
            emit window->dbf().dataChange();
        }
    } tell{this};
    const QSignalBlocker hold(&dbf());
    return walk();
}

void Tfanswer::changeOrder(int column) {
    if (column < 0 || column >= kColumns.size())
        return;
    writeMemoBack();
    markTitle(kColumns[column].field);
    table.changeOrder(kColumns[column].field);
}

void Tfanswer::navigate(Command command) {
    table.writeBack(TzMemo1->toPlainText());
    TzMemo1->document()->setModified(false);
    switch (command) {
    case Command::First:
        table.first();
        break;
    case Command::Last:
        table.last();
        break;
    case Command::Add:
        table.add();
        break;
    case Command::Delete:
        table.deleteOrRecall();
        break;
    }
    TzGrid1->viewport()->update();
    showCurrentRow();
}

void Tfanswer::saveAnswer(const JournalAnswer& answer, const QDate& date) {
    writeMemoBack();
    table.appendAnswer(answer, date);
    table.inicializa();
    showCurrentRow();
}

void Tfanswer::bfindClick() {
    if (dbf().RecCount() == 0)
        return;
    writeMemoBack();
    if (!dbf().dEOF())
        dbf().Replace();
    searchJournal(
        this, [this](const QString& text, bool first, QWidget* searchWindow) { buscar(text, first, searchWindow); });
}

bool Tfanswer::buscar(const QString& text, bool fromTop, QWidget* searchWindow) {
    const bool found = scan([&] {
        const QString suffix = QStringLiteral(" / ") + QString::number(dbf().RecCount());
        if (fromTop)
            dbf().GoTop();
        else if (!dbf().dEOF())
            dbf().Skip(1);
        const QString wanted = lowerAscii(text);
        while (!dbf().dEOF()) {
            if (searchWindow)
                searchWindow->setWindowTitle(QString::number(dbf().RecNo()) + suffix);
            // An empty text occurs in no question.
            if (!wanted.isEmpty() && lowerAscii(dbf().GetField(QStringLiteral("question"))).contains(wanted))
                return true;
            dbf().Skip(1);
        }
        return false;
    });
    if (!found)
        informationBox(searchWindow ? searchWindow : this, QStringLiteral("Text not found"));
    return found;
}

void Tfanswer::bpasswordClick() {
    ::bpasswordClick(table.state(), [this] { return askPassword(this); });
}

void Tfanswer::BapplyClick() {
    if (!dbf().Active() || dbf().dEOF())
        return;
    const QString h1 = dbf().GetField(QStringLiteral("h1"));
    if (h1.trimmed().isEmpty())
        return;
    const int n1 = viewedHexagram(h1);
    const int n2 = viewedHexagram(dbf().GetField(QStringLiteral("h2")));
    if (n1 == 0)
        throw std::runtime_error(
            QStringLiteral("'%1' is not a hexagram number from 1 to 64").arg(h1.trimmed()).toStdString());
    const SixLines primary = lineTable[n1 - 1];
    const SixLines changed = n2 != 0 ? lineTable[n2 - 1] : primary;
    host.showStoredAnswer(dbf().GetField(QStringLiteral("question")).trimmed(), dbf().GetDField(QStringLiteral("date")),
                          primary, changed, n2 != 0);
}

void Tfanswer::dbDataChange() {
    const JournalRunState& run = table.state();
    if (auto_->isChecked() && !run.holdAutoview && !run.scanActive)
        BapplyClick();
}

QList<AnswerNumbers> Tfanswer::readAnswers() {
    writeMemoBack();
    return scan([this] { return readAnswerNumbers(dbf()); });
}

void Tfanswer::banalyzeClick() {
    Tfanalyze form(this, host, [this] { return readAnswers(); });
    form.exec();
}

void Tfanswer::bcancelClick() {
    table.state().holdAutoview = true;
    close();
}

void Tfanswer::closeEvent(QCloseEvent* event) {
    event->accept();
    try {
        FormClose();
    } catch (const std::exception& e) {
        // The window goes all the same; the failure reaches the application's error box.
        const QString message = QString::fromUtf8(e.what());
        QTimer::singleShot(0, qApp, [message] { throw std::runtime_error(message.toStdString()); });
    }
    QDialog::closeEvent(event);
}

void Tfanswer::FormClose() {
    if (closed)
        return;
    closed = true;
    settings().viewAuto = auto_->isChecked();
    writeMemoBack();
    table.closing();
    emit journalClosed();
}
