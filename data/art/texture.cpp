#include "texture.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

std::uint64_t Rng::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::uniform() {
    return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
}

namespace {

constexpr int kMaxOctaves = 6;

double smooth(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

int wrap(int i, int n) {
    const int m = i % n;
    return m < 0 ? m + n : m;
}

} // namespace

PeriodicNoise::PeriodicNoise(int cellsX, int cellsY, std::uint64_t seed) : cellsX_(cellsX), cellsY_(cellsY) {
    Rng rng(seed);
    for (int o = 0; o < kMaxOctaves; ++o) {
        const int w = cellsX_ << o;
        const int h = cellsY_ << o;
        std::vector<double> values(static_cast<std::size_t>(w) * h);
        for (double& v : values)
            v = rng.uniform() * 2 - 1;
        octaves_.push_back(std::move(values));
    }
}

double PeriodicNoise::lattice(int i, int j, int octave) const {
    const int w = cellsX_ << octave;
    const int h = cellsY_ << octave;
    return octaves_[octave][static_cast<std::size_t>(wrap(j, h)) * w + wrap(i, w)];
}

double PeriodicNoise::at(double u, double v) const {
    const double fu = std::floor(u);
    const double fv = std::floor(v);
    const int i = static_cast<int>(fu);
    const int j = static_cast<int>(fv);
    const double su = smooth(u - fu);
    const double sv = smooth(v - fv);
    const double top = lattice(i, j, 0) + (lattice(i + 1, j, 0) - lattice(i, j, 0)) * su;
    const double bottom = lattice(i, j + 1, 0) + (lattice(i + 1, j + 1, 0) - lattice(i, j + 1, 0)) * su;
    return top + (bottom - top) * sv;
}

double PeriodicNoise::fractal(double u, double v, int octaves) const {
    octaves = std::clamp(octaves, 1, kMaxOctaves);
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int o = 0; o < octaves; ++o) {
        const double scale = 1 << o;
        const double x = u * scale;
        const double y = v * scale;
        const double fx = std::floor(x);
        const double fy = std::floor(y);
        const int i = static_cast<int>(fx);
        const int j = static_cast<int>(fy);
        const double sx = smooth(x - fx);
        const double sy = smooth(y - fy);
        const double top = lattice(i, j, o) + (lattice(i + 1, j, o) - lattice(i, j, o)) * sx;
        const double bottom = lattice(i, j + 1, o) + (lattice(i + 1, j + 1, o) - lattice(i, j + 1, o)) * sx;
        sum += (top + (bottom - top) * sy) * weight;
        total += weight;
        weight *= 0.5;
    }
    return sum / total * 1.6;
}

namespace {

QRgb shifted(const QColor& base, double levels) {
    const auto c = [levels](int x) { return std::clamp(static_cast<int>(std::lround(x + levels)), 0, 255); };
    return qRgb(c(base.red()), c(base.green()), c(base.blue()));
}

// Draws a path nine times, shifted by the tile size, so strokes that cross an edge come back on the other side.
void drawWrapped(QPainter& p, const QPainterPath& path, QSize size) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            p.drawPath(path.translated(dx * size.width(), dy * size.height()));
}

} // namespace

QImage paperTile(QSize size, const PaperRecipe& recipe) {
    QImage image(size, QImage::Format_RGB32);
    const PeriodicNoise mottle(4, 4, recipe.seed * 7 + 1);
    const PeriodicNoise grain(size.width() / 2, size.height() / 2, recipe.seed * 7 + 2);
    Rng pixels(recipe.seed * 7 + 3);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double u = double(x) / size.width();
            const double v = double(y) / size.height();
            const double m = mottle.fractal(u * 4, v * 4, 3) * recipe.mottle;
            const double g =
                (grain.at(u * size.width() / 2, v * size.height() / 2) * 0.6 + (pixels.uniform() * 2 - 1) * 0.4) *
                recipe.grain;
            line[x] = shifted(recipe.base, m + g);
        }
    }

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    Rng rng(recipe.seed * 7 + 4);
    for (int f = 0; f < recipe.fibres; ++f) {
        const QPointF start(rng.range(0, size.width()), rng.range(0, size.height()));
        const double angle = rng.range(0, 2 * M_PI);
        const double length = rng.range(6, 16) * size.width() / 64.0;
        const double bend = rng.range(-3, 3);
        const QPointF dir(std::cos(angle), std::sin(angle));
        const QPointF normal(-dir.y(), dir.x());
        QPainterPath fibre(start);
        fibre.quadTo(start + dir * (length / 2) + normal * bend, start + dir * length);
        const bool dark = rng.uniform() < 0.65;
        QColor c = dark ? recipe.base.darker(125) : recipe.base.lighter(112);
        c.setAlphaF(recipe.fibreStrength * rng.range(0.6, 1.2));
        p.setPen(QPen(c, rng.range(0.5, 0.9), Qt::SolidLine, Qt::RoundCap));
        drawWrapped(p, fibre, size);
    }
    p.end();
    return image;
}

QImage clothTile(QSize size, const QColor& base, std::uint64_t seed) {
    QImage image(size, QImage::Format_RGB32);
    const PeriodicNoise slubX(1, size.height() / 2, seed * 5 + 1);
    const PeriodicNoise slubY(size.width() / 2, 1, seed * 5 + 2);
    const PeriodicNoise mottle(4, 4, seed * 5 + 3);
    Rng pixels(seed * 5 + 4);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double u = double(x) / size.width();
            const double v = double(y) / size.height();
            // Weft threads two pixels high, warp threads two pixels wide, crossing over and under.
            const bool over = ((x / 2) + (y / 2)) % 2 == 0;
            const double weft = slubX.at(u * 3, v * size.height() / 2) * 6;
            const double warp = slubY.at(u * size.width() / 2, v * 3) * 6;
            const double thread = over ? weft + 3 : warp - 3;
            const double edge = (over ? (y % 2) : (x % 2)) ? -2.5 : 1.5;
            const double m = mottle.fractal(u * 4, v * 4, 2) * 4;
            line[x] = shifted(base, thread + edge + m + (pixels.uniform() * 2 - 1) * 2);
        }
    }
    return image;
}

QImage inkTile(QSize size, const QColor& base, std::uint64_t seed) {
    QImage image(size, QImage::Format_RGB32);
    const PeriodicNoise streaks(2, size.height(), seed * 3 + 1);
    const PeriodicNoise blots(4, 2, seed * 3 + 2);
    Rng pixels(seed * 3 + 3);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double u = double(x) / size.width();
            const double v = double(y) / size.height();
            const double s = streaks.at(u * 2, v * size.height()) * 7;
            const double b = blots.fractal(u * 4, v * 2, 3) * 4;
            line[x] = shifted(base, s + b + (pixels.uniform() * 2 - 1) * 3);
        }
    }
    return image;
}
