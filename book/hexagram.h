#pragma once

#include "oracleanswer.h"

#include <QString>
#include <QStringList>
#include <array>
#include <random>

// The fixed knowledge of the 64 hexagrams and the fragments that draw them.

extern const std::array<SixLines, 64> lineTable;     // row n-1 is hexagram n, line 1 first
extern const std::array<const char*, 64> rulerTable; // per line: '-' none, 'G' governing, 'C' constituting
extern const std::array<QString, 6> linePhrases;     // closes the italic line label of line k
const QStringList& titulos();                        // the 67 index captions

// The figure's numbering of line images; redrawn before every figure.
struct FigureState {
    int figureFlip = 0;
    std::mt19937 rng{std::random_device{}()};
};

int hexNumber(const SixLines& lines); // 1..64, 65 when no row matches
int hexamuta(int n, int k);           // the hexagram reached by changing line k of n
QString texLin(int n, int k);
QString linhex(int k, int n, FigureState& figure);
QString aleato(int k, FigureState& figure);
QString reg(int k, int n);
bool mutalinea(int k, const AnswerView& view);
