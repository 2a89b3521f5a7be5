#pragma once

#include "archive.h"
#include "casting.h"
#include "hexagram.h"
#include "journalhost.h"
#include "oracleanswer.h"
#include "oraclepane.h"

#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <functional>

class HtmlView;

class Tfanswer;
class Tpalitos;
class QPrinter;
class QAbstractButton;
class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QDialog;
class QPushButton;
class QScrollArea;
class QTimer;
class QToolButton;
class SettingsStore;

// Height of one index entry; the index scrolls by it.
inline constexpr int kIndexButtonHeight = 20;
// The space left and right of the bottom bar.
inline constexpr int kBarMargin = 20;

// How the main window is started: what tests and the command line may set.
struct StartOptions {
    int screenWidth = 0;                      // 0: the width of the window's screen
    SettingsStore* store = nullptr;           // nullptr: the program's own settings store
    std::function<void(const QUrl&)> openUrl; // empty: the desktop's handler
    std::function<int(QDialog&)> runDialog;   // shows a modal dialog; empty: QDialog::exec
};

// The reader: a frameless window with the title strip, the left pane (index or oracle pane),
// the page view and the bottom bar.
class TForm1 : public QWidget, public JournalHost {
    Q_OBJECT
public:
    explicit TForm1(const StartOptions& options = {});
    ~TForm1() override;

    // False when a fatal start-up condition was met and reported; the window is then unusable.
    bool created() const { return createdOk; }

    // Navigation (the pages, the index, the links, the go-to box and the keyboard).
    void carga(int page, bool record);
    void expandeMisc(const QString& member, bool record);
    void cargaIntro(bool record);
    void ajustaboton(int i);
    void ajustaNboton();
    void botonclick(int page);
    void visorHotSpotClick(const QString& url, bool& handled);
    void visorHotSpotCovered(const QString& url);
    void visorMouseMove();
    void gotoHex();
    void goKeyUp(int key);
    void DisplayHint(const QString& hint);
    QString titulo(const QString& member) const;
    QString nombreH(int page) const;

    // The Back history.
    void agregaAcamino();
    void BackForwardClick();
    void cargaCamino(const QString& entry);
    void ajustaBack();

    // Window commands.
    void indbClick();
    void printbClick();
    QString pageTitle() const; // of the page on show: names the PDF file that printing proposes
    void helpbClick();
    void fondobClick();
    void minClick();
    void maxClick();
    void bcancelClick();
    void ajustalineas();
    // The smallest window that shows the whole bottom bar, the go-to box included.
    QSize smallestSize() const;

    // The search, the Control Panel and the tips of the day.
    void findbClick();
    void Searchtext1Click();
    void fontbClick();
    void ttipsTimer();
    // The oracle pane and its answer (answer.cpp).
    void bcoinsClick();
    void baquileaClick();
    void procesaOrac();
    void NH1Click();
    void NH2Click();
    void NH1MouseUp(QWidget* sender, int y);
    void muestraOrac();
    void oractimerTimer();
    // Prints the answer (or the page on show) in one job; false when the printer can't start.
    bool procAnswer(QPrinter& printer);
    // The journal (journalhooks.cpp): Save and Open, and what the journal windows ask of the main window.
    void saveAnswerClick();
    void openJournalClick();
    void showStoredAnswer(const QString& question, const QString& date, const SixLines& primary,
                          const SixLines& changed, bool hasMovingLines) override;
    void showHexagramPage(int n) override;
    QStringList& textBuffer() override { return Memo2; }
    const HtmlView& pageView() const override { return *visor; }

    // State, readable by the other windows and by tests.
    int currentPage = 0;
    QString currentMisc;
    int selectedButton = -1;
    bool showTitle = true;
    bool firstShow = true;
    QString lastSearchText;
    bool searchInPage = false;
    OracleAnswer answer;
    QStringList camino;
    QStringList Memo1, Memo2;
    Archive Compre;

    // Components.
    HtmlView* visor = nullptr;
    QFrame* fondob = nullptr;
    QLabel* fondobCaption = nullptr;
    QLabel* Panel2 = nullptr;
    QFrame* minmax = nullptr;
    QLabel* minmaximage = nullptr;
    QToolButton* min = nullptr;
    QToolButton* max = nullptr;
    QToolButton* bcancel = nullptr;
    QFrame* fondopanel = nullptr;
    QFrame* fondop = nullptr;
    OraclePane* oraculo = nullptr;
    QScrollArea* indice = nullptr;
    QList<QPushButton*> indexButtons;
    QButtonGroup* indexGroup = nullptr;
    QFrame* Panel1 = nullptr;
    QToolButton* indb = nullptr;
    QLabel* gem = nullptr;
    QToolButton* BackButton = nullptr;
    QToolButton* printb = nullptr;
    QToolButton* oracb = nullptr;
    QToolButton* findb = nullptr;
    QToolButton* fontb = nullptr;
    QToolButton* helpb = nullptr;
    QLineEdit* go = nullptr;
    QMenu* Menu1 = nullptr;
    QAction* Searchtext1 = nullptr;
    QAction* Backmenu = nullptr;
    QTimer* T640 = nullptr;
    QTimer* Tmostrar = nullptr;
    QTimer* oractimer = nullptr;
    QTimer* inicial = nullptr;
    QTimer* ttips = nullptr;

    // The journal window while it is open; the Control Panel closes it on OK.
    QPointer<Tfanswer> journalWindow;
    // The search window while it is open.
    QPointer<QWidget> searchWindow;
    QPointer<Tpalitos> palitos; // the stalk form while it is open

    int screenWidth() const;
    bool indexShown() const;
    bool oraclePaneShown() const;
    bool hexagramPageShown() const { return currentPage != 0 && currentMisc.isEmpty(); }

signals:
    // The introduction is on show for the first time (start-up smoke checks quit here).
    void introductionShown();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool FormCreate();
    void buildComponents();
    void buildOraclePane();
    void openAnswerPage(int number, bool primary, int line);
    void drawAnswerPictures();
    void takeConsultation(bool complete, const QString& question, const SixLines& primary, const SixLines& changed);
    void cargabotones();
    void cargaStrings();
    void applySkinColors();
    void FormShow();
    void FormResize();
    void FormClose();
    void FormKeyUp(int key);
    void AppActivate();
    void showPage(const QStringList& lines);
    bool answerReadsPrimary(int page) const;
    void wireShellDialogs();
    int runModal(QDialog& dialog);
    void openFoundPage(int page);
    bool journalGate();
    Tfanswer* createJournalWindow();

    StartOptions options;
    std::unique_ptr<SettingsStore> ownStore;
    bool createdOk = false;
    bool closed = false;
    QImage orachico;
    QImage backleft;
    FigureState figure;
};
