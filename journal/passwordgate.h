#pragma once

#include "journalstate.h"

#include <QString>
#include <functional>
#include <optional>

// Asks for a password: the typed text, or nothing when cancelled.
using PasswordAsker = std::function<std::optional<QString>()>;

// The password gate: true when the journal may be shown. It grants without asking once the
// gate has granted in this run, or when there is no password; otherwise the typed text must
// equal the password exactly. A refusal leaves the gate closed for the next call too.
bool autorizacion(JournalRunState& state, const PasswordAsker& ask);

// The Password button: a confirmed text becomes the password (an empty one removes it);
// a cancel changes nothing.
void bpasswordClick(JournalRunState& state, const PasswordAsker& ask);
