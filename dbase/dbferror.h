#pragma once

#include <QString>
#include <stdexcept>

// An error of the table engine, with a message meant for the user that names the file.
class DbfError : public std::runtime_error {
public:
    explicit DbfError(const QString& message) : std::runtime_error(message.toStdString()), text(message) {}
    const QString& message() const { return text; }

private:
    QString text;
};
