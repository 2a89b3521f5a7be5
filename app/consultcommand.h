#pragma once

#include "oracleanswer.h"

#include <QStringList>
#include <functional>

// What is done with each answer besides printing it (the journal stores it for --save). It may throw
// std::runtime_error to stop: the message goes to standard error and the exit code is 1.
using AnswerSink = std::function<void(const OracleAnswer&)>;

// `qorin --consult coins|stalks --question TEXT [--count N]`: casts N answers with the forms' own code and
// prints one line each: the six sums bottom first, two blanks, the primary hexagram, and " -> " and the
// changed hexagram when lines move. Bad arguments exit with 2.
int runConsultCommand(const QStringList& arguments, const AnswerSink& sink = {});

// One answer's line, as the command prints it.
QString consultLine(const std::array<int, 6>& sums, const OracleAnswer& answer);
