#pragma once

#include <QString>
#include <functional>

using FatalHandler = std::function<void(const QString& message)>;

// Replaces what a fatal error does; an empty handler restores the default, which shows the
// message in an error box and ends the program. Tests install a handler that only records.
void setFatalHandler(FatalHandler handler);

// Ends the program with the message. Returns only when an installed handler returns.
void fatalError(const QString& message);
