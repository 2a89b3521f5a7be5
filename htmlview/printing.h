#pragma once

#include <QList>
#include <QMarginsF>
#include <QString>
#include <functional>
#include <stdexcept>

class HtmlView;
class QPrinter;
class QTextDocument;
class QWidget;

// Raised when a print job can't be done: the printer does not start, or the PDF file can't be written. The message
// is meant for the user; in an event handler it reaches the application's error box.
class PrintError : public std::runtime_error {
public:
    explicit PrintError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// Prints pages first..last (clamped to the document) of the document through the printer at screen resolution, so
// that pixel sizes keep their meaning, with the given margins in inches. The document is re-laid out for the page.
// False when the printer cannot be started.
bool printDocument(QTextDocument& document, QPrinter& printer, const QMarginsF& marginsInches, int first, int last);

// The PDF file proposed for printing something titled `title`: the title made fit for a file name, in the user's
// documents folder (the home folder when there is none).
QString proposedPdfName(const QString& title);

// Runs `print` on the printer that was set up, and checks the result: raises PrintError when `print` returns false
// (the printer did not start) or when the PDF file it was to write is missing or incomplete afterwards.
void printOrRaise(QPrinter& printer, const std::function<bool(QPrinter&)>& print);

// Shows the print dialog, which offers printing to a PDF file named after `title` besides the printers, and prints
// through `print` when the user accepts. False when the user cancels. Raises PrintError as printOrRaise does.
bool printWithDialog(QWidget* parent, const QString& title, const std::function<bool(QPrinter&)>& print);

// The same for every page of the view's document.
bool printWithDialog(QWidget* parent, const QString& title, HtmlView& view);
// The same for several documents in one job, each on pages of its own, in the order given.
bool printDocuments(const QList<QTextDocument*>& documents, QPrinter& printer, const QMarginsF& marginsInches,
                    int first, int last);
