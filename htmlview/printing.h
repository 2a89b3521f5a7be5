#pragma once

#include <QMarginsF>

class QPrinter;
class QTextDocument;

// Prints pages first..last (clamped to the document) of the document through the printer at screen resolution, so
// that pixel sizes keep their meaning, with the given margins in inches. The document is re-laid out for the page.
// False when the printer cannot be started.
bool printDocument(QTextDocument& document, QPrinter& printer, const QMarginsF& marginsInches, int first, int last);
