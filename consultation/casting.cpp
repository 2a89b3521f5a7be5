#include "casting.h"

#include "hexagram.h"
#include "oracle.h"

#include <cmath>

Generator& processGenerator() {
    static Generator generator{std::random_device{}()};
    return generator;
}

int randomBelow(Generator& generator, int n) {
    if (n < 1)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(generator);
}

double randomUnit(Generator& generator) {
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator);
}

CastLine castLine(int sum) {
    const auto s = static_cast<unsigned char>(sum);
    return {oracle_line(1, s), oracle_line(2, s)};
}

Casting castingOf(const std::array<int, 6>& sums) {
    Casting casting;
    casting.sums = sums;
    for (int i = 0; i < 6; ++i) {
        const CastLine line = castLine(sums[i]);
        casting.primary[i] = line.primary;
        casting.changed[i] = line.changed;
    }
    return casting;
}

int coinSide(Generator& generator) {
    return randomBelow(generator, 2) == 1 ? 2 : 3;
}

Division separa(int count, int k) {
    Division d;
    d.right = count - k - 1;
    d.leftRest = k % 4 == 0 ? 4 : k % 4;
    d.rightRest = d.right % 4 == 0 ? 4 : d.right % 4;
    d.setAside = d.leftRest + d.rightRest + 1;
    d.value = d.setAside <= 5 ? 3 : 2;
    d.remaining = count - d.setAside;
    return d;
}

int nearest(double v) {
    return int(std::lrint(v));
}

StalkGeometry::StalkGeometry(int screenWidth)
    : scale(screenWidth * 0.00125), stalkTop(nearest(60 * scale)), stalkWidth(nearest(6 * scale)),
      stalkHeight(nearest(480 * scale)), pitch(nearest(12 * scale)) {}

bool StalkRow::inZone(const StalkGeometry& geometry, int x, int y) const {
    return x > firstStalkX + 30 && x + 30 < rightBound && y > geometry.stalkTop &&
           y < geometry.stalkTop + geometry.stalkHeight;
}

int StalkRow::stalksLeftOf(int x) const {
    for (int k = 0; k < places.size(); ++k)
        if (places[k].x() >= x)
            return k;
    return int(places.size());
}

void medidas(StalkRow& row, const StalkGeometry& geometry, int count, Generator& generator) {
    const double s = geometry.scale;
    row.count = count;
    row.firstStalkX = nearest(450 * s - int(count * 0.5) * 12 * s + int(randomUnit(generator) * 20 * s + 1));
    row.rightBound = nearest(12 * s * count + row.firstStalkX) - nearest(110 / s);
}

void colocapalitos(StalkRow& row, const StalkGeometry& geometry, Generator& generator) {
    row.places.clear();
    row.colours.clear();
    for (int k = 0; k < row.count; ++k) {
        const int x = row.firstStalkX + k * geometry.pitch;
        const int left = nearest(x - 3 + int(randomUnit(generator) * 5 + 1));
        const int top = nearest(int(randomUnit(generator) * 6 + 1) + geometry.stalkTop);
        row.places.append(QPoint(left, top));
        row.colours.append(int(randomUnit(generator) * 3 + 1));
    }
    if (!row.places.isEmpty())
        row.rightBound = row.places.last().x();
}

Division StalkCount::divide(int k) {
    const Division d = separa(stalkCount, k);
    stepValues[lineNumber - 1][stepNumber - 1] = d.value;
    stalkCount = d.remaining;
    if (stepNumber == 3) {
        stepNumber = 1;
        ++lineNumber;
        stalkCount = 49;
    } else {
        ++stepNumber;
    }
    return d;
}

QString StalkCount::logLine(int line, int steps) const {
    const auto& values = stepValues[line - 1];
    QString text = QString::number(line) + QStringLiteral(": ") + QString::number(values[0]);
    for (int step = 1; step < steps; ++step)
        text += QStringLiteral(" +") + QString::number(values[step]);
    if (steps == 3)
        text += QStringLiteral(" =") + QString::number(values[0] + values[1] + values[2]);
    return text;
}

std::array<int, 6> StalkCount::sums() const {
    std::array<int, 6> sums{};
    for (int line = 0; line < 6; ++line)
        sums[line] = stepValues[line][0] + stepValues[line][1] + stepValues[line][2];
    return sums;
}

Casting castCoins(Generator& generator) {
    std::array<int, 6> sums{};
    for (int& sum : sums)
        sum = coinSide(generator) + coinSide(generator) + coinSide(generator);
    return castingOf(sums);
}

Casting castStalks(Generator& generator, int screenWidth) {
    const StalkGeometry geometry(screenWidth);
    StalkCount count;
    StalkRow row;
    while (!count.done()) {
        medidas(row, geometry, count.stalkCount, generator);
        colocapalitos(row, geometry, generator);
        // A click anywhere in the zone: x from firstStalkX + 31 to rightBound - 31.
        const int low = row.firstStalkX + 31;
        const int x = low + randomBelow(generator, row.rightBound - 31 - low + 1);
        count.divide(row.stalksLeftOf(x));
    }
    return castingOf(count.sums());
}

bool isBlankQuestion(const QString& question) {
    for (const QChar c : question)
        if (c.unicode() > 32)
            return false;
    return true;
}

void takeAnswer(OracleAnswer& answer, const QString& question, const SixLines& primary, const SixLines& changed,
                const QString& today) {
    answer.questionText = question;
    answer.primaryLines = primary;
    answer.changedLines = changed;
    answer.hasMovingLines = primary != changed;
    answer.primaryNumber = hexNumber(primary);
    answer.changedNumber = answer.hasMovingLines ? hexNumber(changed) : 0;
    answer.answerDate = today;
}
