#pragma once

#include "oracleanswer.h"

#include <QStringList>

class HtmlView;

// What the journal windows need of the main window, which implements it.
class JournalHost {
public:
    virtual ~JournalHost() = default;

    // View: puts the stored answer into the answer record and the pane's question and date labels,
    // then draws it (procesaOrac) and shows the first hexagram's answer (NH1Click).
    virtual void showStoredAnswer(const QString& question, const QString& date, const SixLines& primary,
                                  const SixLines& changed, bool hasMovingLines) = 0;
    // A hexagram link of the report: hides the oracle pane and opens hexagram n's page, recorded in Back.
    virtual void showHexagramPage(int n) = 0;
    // The main window's hidden text buffer (Memo2), which the report is built in.
    virtual QStringList& textBuffer() = 0;
    // The main window's page view, whose font the report view takes.
    virtual const HtmlView& pageView() const = 0;
};
