#include "passwordgate.h"

bool autorizacion(JournalRunState& state, const PasswordAsker& ask) {
    // Only a grant opens the gate for the rest of the run: a Save whose check refused stores
    // its answer, but must not let the next Open through.
    if (state.granted || state.journalPassword().isEmpty()) {
        state.granted = true;
        return true;
    }
    const std::optional<QString> typed = ask();
    state.granted = typed && *typed == state.journalPassword();
    return state.granted;
}

void bpasswordClick(JournalRunState& state, const PasswordAsker& ask) {
    if (const std::optional<QString> typed = ask())
        state.journalPassword() = *typed;
}
