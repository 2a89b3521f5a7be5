#pragma once

#include "oracleanswer.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <array>
#include <random>

// The chance behind a consultation: one generator for the whole run, seeded from the system's entropy.
// Everything that draws takes a generator, so that tests and the command line can fix it.
using Generator = std::mt19937;
Generator& processGenerator();

int randomBelow(Generator& generator, int n); // 0..n-1 with equal chance; 0 when n < 1
double randomUnit(Generator& generator);      // a real in [0, 1)

// One line cast: its sum 6..9 turned into the line of the primary and of the changed hexagram by the
// oracle library (kind 1, then kind 2).
struct CastLine {
    std::uint8_t primary = 0;
    std::uint8_t changed = 0;
};
CastLine castLine(int sum);

// The six sums of a consultation, line 1 first, and what they give.
struct Casting {
    std::array<int, 6> sums{};
    SixLines primary{};
    SixLines changed{};
};
Casting castingOf(const std::array<int, 6>& sums);

// A coin lands on one side: 2 or 3 with equal chance (Random(2) = 1 gives 2).
int coinSide(Generator& generator);

// One division of the stalks: k stalks left of the click out of count on the table. One stalk is taken
// from the right heap, both heaps are counted off by fours (a remainder of 0 counts as 4).
struct Division {
    int right = 0;     // stalks in the right heap after the one taken aside
    int leftRest = 0;  // 1..4
    int rightRest = 0; // 1..4
    int setAside = 0;  // leftRest + rightRest + 1
    int value = 0;     // 3 when at most 5 were set aside, else 2
    int remaining = 0; // count - setAside
};
Division separa(int count, int k);

// The stalk table's geometry on a screen of a given width: the row band and the stalk size, scaled.
struct StalkGeometry {
    explicit StalkGeometry(int screenWidth);
    double scale = 1.0;
    int stalkTop = 60;
    int stalkWidth = 6;
    int stalkHeight = 480;
    int pitch = 12;
};

int nearest(double v); // the integer nearest to v, halves to even as the original rounding does

// One row of stalks laid on the table: where each stalk lies, and the zone where a click divides it.
struct StalkRow {
    int count = 0;
    int firstStalkX = 0;
    int rightBound = 0;
    QList<QPoint> places; // top-left of stalk k
    QList<int> colours;   // 1..3

    // x > firstStalkX + 30, x + 30 < rightBound, stalkTop < y < stalkTop + stalk height.
    bool inZone(const StalkGeometry& geometry, int x, int y) const;
    // The first stalk, from the left, whose left edge is at or right of x: the stalks left of the click.
    int stalksLeftOf(int x) const;
};

// medidas: the row's first x and provisional right bound for count stalks.
void medidas(StalkRow& row, const StalkGeometry& geometry, int count, Generator& generator);
// colocapalitos' placement: every stalk's place and colour; the right bound becomes the last stalk's left.
void colocapalitos(StalkRow& row, const StalkGeometry& geometry, Generator& generator);

// The count of the eighteen divisions: step values by line and step, and the log line of each.
class StalkCount {
public:
    int lineNumber = 1; // 1..6, 7 when done
    int stepNumber = 1; // 1..3
    int stalkCount = 49;
    std::array<std::array<int, 3>, 6> stepValues{};

    // Counts a division of k stalks left of the click, records it and moves on. Returns the division.
    Division divide(int k);
    bool done() const { return lineNumber > 6; }
    // The log line of a line so far, such as "1: 3 +2 +3 =8".
    QString logLine(int line, int steps) const;
    std::array<int, 6> sums() const;
};

// A whole consultation drawn without a window, with the forms' own rules. The stalks are divided where a
// click would fall, uniformly over the division zone of a screen of the given width.
Casting castCoins(Generator& generator);
Casting castStalks(Generator& generator, int screenWidth = 800);

// True when the question holds nothing but characters of codes 0 to 32 (blanks and control characters).
bool isBlankQuestion(const QString& question);

// Fills the answer from a finished consultation: the question untrimmed, the lines, the moving flag, both
// numbers (the changed one empty, 0, without moving lines) and today's date in display form.
void takeAnswer(OracleAnswer& answer, const QString& question, const SixLines& primary, const SixLines& changed,
                const QString& today);
