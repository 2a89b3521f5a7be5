#pragma once

#include "hexagram.h"

#include <QStringList>
#include <functional>
#include <stdexcept>

// Raised when a member can't be composed: a line that isn't there was addressed.
class CompositionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the composition of a hexagram page reads besides the member's lines.
struct PageContext {
    int viewWidth = 800;                               // current width of the view, in pixels
    QString commentColor = QStringLiteral("00418D41"); // 8 upper-case hex digits
    AnswerView answer;                                 // the answer and the oracle pane's visibility
    std::function<QString(int)> programString;         // the program's string table
    FigureState* figure = nullptr;                     // numbering of the figure's line images
};

// Writes a colour value the way the comment font tag carries it: 8 upper-case hex digits.
QString colorDigits(quint32 color);

QString bodyTag();
QString lineImage(int viewWidth, const std::function<QString(int)>& programString);

// Index of the first line at or after start beginning with "#", that "#" removed; 0 when none.
int buscamarca(QStringList& lines, int start);

// Replaces the comment marks "<$>" and "</$>" of every line by the comment font tags.
void ajustaComentarios(QStringList& lines, const QString& commentColor);

// Composes hexagram n's page from its member's lines, in place, and hands it to show.
// When a step fails the page composed so far is still finished and shown, then the error is raised.
void procesayCarga(QStringList& lines, int n, const PageContext& context,
                   const std::function<void(const QStringList&)>& show);

// Fits the rule images of a hexagram page in the buffer to a new view width.
void ajustalineas(QStringList& buffer, const QString& lineImage);
