#pragma once

#include <QString>

// What the journal keeps while the program runs; never stored.
struct JournalRunState {
    int lastRecNo = 0;        // current record when the journal window last closed, or the answer last saved
    QString orderField;       // field whose index controls the order
    bool holdAutoview = true; // while set, moving to a record does not show it in the main window
    bool scanActive = false;  // set while the find or the analysis walks the table
    bool granted = false;     // the password gate has let the journal be shown in this run

    // The journal password: the "Password" setting, which the settings store writes back.
    QString& journalPassword() const;
};

// The run state of this program.
JournalRunState& journalState();
