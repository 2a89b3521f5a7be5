#pragma once

#include "journaltable.h"

#include <QDate>
#include <memory>

// Stores answers in the journal of a program folder as Save does, without showing anything
// (so it needs no password). Opening refuses a locked journal, and a damaged one, with the
// engine's message (DbfError) before anything is written.
class JournalStore {
public:
    explicit JournalStore(const QString& programDir);
    ~JournalStore();

    void store(const JournalAnswer& answer, const QDate& date);

private:
    JournalRunState run; // the window's run state stays untouched
    std::unique_ptr<JournalTable> journal;
};
