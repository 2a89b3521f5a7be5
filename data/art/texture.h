#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <cstdint>
#include <vector>

// A small generator with a fixed algorithm (splitmix64), so a seed gives the same pictures on every machine.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next();
    double uniform();                                                         // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); } // [lo, hi)
    int below(int n) { return static_cast<int>(uniform() * n); }              // 0 .. n - 1

private:
    std::uint64_t state_;
};

// Value noise on a lattice that wraps around, so a tile painted from it joins seamlessly with itself.
class PeriodicNoise {
public:
    PeriodicNoise(int cellsX, int cellsY, std::uint64_t seed);
    // u, v in lattice units; the result lies in [-1, 1] and repeats every cellsX, cellsY.
    double at(double u, double v) const;
    // Sum of octaves, each with twice the lattice and half the weight; normalised to about [-1, 1].
    double fractal(double u, double v, int octaves) const;

private:
    double lattice(int i, int j, int octave) const;
    int cellsX_;
    int cellsY_;
    std::vector<std::vector<double>> octaves_;
};

// Paper: a flat base colour with a faint low-frequency mottle, fine grain and a few fibres, seamless.
struct PaperRecipe {
    QColor base;
    double mottle = 2.0; // colour levels of the large, soft variation
    double grain = 1.5;  // colour levels of the pixel grain
    int fibres = 6;      // short curved fibres, slightly darker or lighter than the base
    double fibreStrength = 0.06;
    std::uint64_t seed = 1;
};
QImage paperTile(QSize size, const PaperRecipe& recipe);

// Woven cloth: threads in both directions with slub, seamless.
QImage clothTile(QSize size, const QColor& base, std::uint64_t seed);

// Ink laid by a brush: dark, with faint streaks along x, seamless.
QImage inkTile(QSize size, const QColor& base, std::uint64_t seed);
