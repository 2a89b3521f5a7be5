#pragma once

#include "oracleanswer.h"

#include <QStringList>
#include <array>

// `qorin --consult coins|stalks --question TEXT [--count N] [--save]`: casts N answers with the forms' own code and
// prints one line each: the six sums bottom first, two blanks, the primary hexagram, and " -> " and the
// changed hexagram when lines move. With --save each answer is also stored in the journal of the program
// folder, as Save stores it; a journal that is locked or damaged gives its message, exit 1, and nothing is
// cast or stored. Bad arguments exit with 2.
int runConsultCommand(const QStringList& arguments);

// One answer's line, as the command prints it.
QString consultLine(const std::array<int, 6>& sums, const OracleAnswer& answer);
