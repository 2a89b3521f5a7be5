#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>

QString argumentError(QCommandLineParser& parser) {
    if (!parser.parse(QCoreApplication::arguments()))
        return parser.errorText();
    if (!parser.positionalArguments().isEmpty())
        return QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().constFirst());
    return {};
}
