#pragma once

#include <QString>
#include <array>
#include <cstdint>

using SixLines = std::array<std::uint8_t, 6>; // line 1 (bottom) first; 1 solid, 0 broken

// The one answer of the oracle pane, and how the page on show relates to it.
struct OracleAnswer {
    QString questionText;
    QString answerDate;
    SixLines primaryLines{};
    SixLines changedLines{};
    bool hasMovingLines = false;
    int primaryNumber = 0;
    int changedNumber = 0;
    bool answerShown = false;
    bool readingPrimary = false;
    bool printingAnswer = false;
};

// What the moving-line test reads: the answer and whether the oracle pane is visible.
struct AnswerView {
    const OracleAnswer& answer;
    bool oraclePaneVisible = false;
};
