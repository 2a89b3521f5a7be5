#include "journalstate.h"

#include "settings.h"

QString& JournalRunState::journalPassword() const {
    return settings().password;
}

JournalRunState& journalState() {
    static JournalRunState state;
    return state;
}
