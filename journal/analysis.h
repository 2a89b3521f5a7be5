#pragma once

#include "archive.h"
#include "report.h"
#include "skinwindow.h"

#include <QStringList>
#include <functional>

class HtmlView;
class JournalHost;
class QComboBox;
class QPrinter;
class QToolButton;

// "Analyze oracle answers": the trigram and hexagram reports over the journal, in their own view.
// Modal over the journal window, whose state and placement it takes.
class Tfanalyze : public SkinWindow {
    Q_OBJECT
public:
    // readAnswers walks the journal's table (GoTop, Skip, dEOF) with the scan flag set and gives the
    // hexagram fields of every record.
    Tfanalyze(QWidget* journal, JournalHost& host, std::function<QList<AnswerNumbers>()> readAnswers);
    ~Tfanalyze() override;

    void btrigClick();
    void bhexaClick();
    void trigramas(const QString& target);
    void hexagramas(const QString& target);
    void viewerHotSpotClick(const QString& url, bool& handled);
    QImage viewerBitmapRequest(const QString& name) const;
    void printbClick();
    // Prints every page of the report through a printer that is set up; false when it can't start.
    bool printReport(QPrinter& printer);

    QToolButton* btrig = nullptr;
    QToolButton* bhexa = nullptr;
    QComboBox* csort = nullptr;
    QToolButton* printb = nullptr;
    HtmlView* viewer = nullptr;

    QStringList reportLines;
    bool trigramReportShown = false;
    bool hexagramReportShown = false;

private:
    void FormCreate(QWidget* journal);
    void FormClose();
    void showReport(ReportKind kind);

    JournalHost& host;
    std::function<QList<AnswerNumbers>()> readAnswers;
    Archive archive;
    bool closed = false;
};
