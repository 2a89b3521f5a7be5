#include "analysis.h"

#include "htmlview.h"
#include "journalhost.h"
#include "member.h"
#include "printing.h"
#include "resources.h"
#include "settings.h"
#include "skins.h"
#include "viewpresets.h"

#include <QApplication>
#include <QComboBox>
#include <QPrinter>
#include <QToolButton>

namespace {

const QString kEmptyPage = QStringLiteral("<BODY BACKGROUND=\"back2.bmp\">");
const QString kPointAnchor = QStringLiteral("<A NAME=\"POINT\"><HR><P></A>");

// The hourglass while a report walks the journal; the normal cursor comes back also after an error.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

Tfanalyze::Tfanalyze(QWidget* journal, JournalHost& mainWindow, std::function<QList<AnswerNumbers>()> answers)
    : SkinWindow(journal, 'a', QStringLiteral("Analyze oracle answers"), QStringLiteral("Analyze"),
                 QStringLiteral("Close")),
      host(mainWindow), readAnswers(std::move(answers)) {
    FormCreate(journal);
}

Tfanalyze::~Tfanalyze() {
    FormClose();
}

void Tfanalyze::FormCreate(QWidget* journal) {
    setModal(true);
    resize(542, 391);

    const QImage button(skinFolder(settings().skinDir) + QStringLiteral("button.bmp"));
    const QString hint = QStringLiteral("Analyze Answers");
    btrig = toolButton(86, 70, QStringLiteral("Trigrams"), hint, button);
    bhexa = toolButton(159, 80, QStringLiteral("Hexagrams"), hint, button);
    csort = new QComboBox(fondo);
    csort->setGeometry(241, 0, 145, 20);
    csort->addItems({QStringLiteral("Sorted by number"), QStringLiteral("Sorted by frequency")});
    csort->setCurrentIndex(0);
    csort->setToolTip(QStringLiteral("Hexagram's sorting method"));
    csort->setCursor(Qt::PointingHandCursor);
    printb = toolButton(396, 58, QStringLiteral("Print"), QStringLiteral("Print"),
                        loadArchiveBitmap(QStringLiteral("bprint.bmp")));
    connect(btrig, &QToolButton::clicked, this, &Tfanalyze::btrigClick);
    connect(bhexa, &QToolButton::clicked, this, &Tfanalyze::bhexaClick);
    connect(printb, &QToolButton::clicked, this, &Tfanalyze::printbClick);

    viewer = new HtmlView(this);
    configureAnalysisView(*viewer, host.pageView());
    viewer->OnHotSpotClick = [this](const QString& url, bool& handled) { viewerHotSpotClick(url, handled); };
    viewer->OnBitmapRequest = [this](const QString& name) { return viewerBitmapRequest(name); };
    viewer->LoadText(kEmptyPage);
    setContent(viewer);

    connect(this, &QDialog::finished, this, &Tfanalyze::FormClose);
    if (journal)
        takePlacementOf(*journal);
    FormResize();
}

void Tfanalyze::FormClose() {
    if (closed)
        return;
    closed = true;
    host.textBuffer().clear();
    reportLines.clear();
}

void Tfanalyze::showReport(ReportKind kind) {
    WaitCursor wait;
    QStringList& buffer = host.textBuffer();
    buffer = reportPage(kind, archive, archiveName(), readAnswers(), csort->currentIndex() == 1);
    viewer->LoadLines(buffer);
    reportLines = buffer;
    trigramReportShown = kind == ReportKind::Trigrams;
    hexagramReportShown = kind == ReportKind::Hexagrams;
}

void Tfanalyze::btrigClick() {
    showReport(ReportKind::Trigrams);
}

void Tfanalyze::bhexaClick() {
    showReport(ReportKind::Hexagrams);
}

void Tfanalyze::viewerHotSpotClick(const QString& url, bool& handled) {
    handled = true;
    if (trigramReportShown)
        trigramas(url);
    else if (hexagramReportShown)
        hexagramas(url);
}

// The linked trigram page under the report, which stays as it was for the next link.
void Tfanalyze::trigramas(const QString& target) {
    QStringList& buffer = host.textBuffer();
    buffer = expande(archive, archiveName(), target.toLower());
    viewer->LoadLines(reportLines + QStringList{kPointAnchor} + buffer);
    viewer->ScrollToAnchor(QStringLiteral("#POINT"));
}

void Tfanalyze::hexagramas(const QString& target) {
    bool ok = false;
    const int n = target.trimmed().toInt(&ok);
    if (ok && n >= 1 && n <= 64)
        host.showHexagramPage(n);
}

QImage Tfanalyze::viewerBitmapRequest(const QString& name) const {
    const QString lowered = name.toLower();
    if (lowered == QStringLiteral("back2.bmp"))
        return QImage(skinFolder(settings().skinDir) + lowered);
    return loadArchiveBitmap(lowered);
}

bool Tfanalyze::printReport(QPrinter& printer) {
    return viewer->PrintRange(printer, 1, 9999);
}

void Tfanalyze::printbClick() {
    printWithDialog(this, windowTitle(), *viewer);
}
