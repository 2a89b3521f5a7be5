#include "journalstore.h"

#include "dbferror.h"

JournalStore::JournalStore(const QString& programDir) : journal(std::make_unique<JournalTable>(programDir, run)) {
    journal->table().setDbfFileName(journalPath(programDir));
    journal->table().open();
    if (!journal->table().damageReport().isEmpty()) {
        const QString report = journal->table().damageReport();
        journal->table().close();
        throw DbfError(report);
    }
}

JournalStore::~JournalStore() = default;

void JournalStore::store(const JournalAnswer& answer, const QDate& date) {
    journal->appendAnswer(answer, date);
}
