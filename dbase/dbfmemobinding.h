#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

class DbfTable;

// Keeps a text editor showing the memo field of the current record. The editor is any object
// with a text property (QPlainTextEdit's "plainText" by default); it is filled whenever the
// current record changes or its data changes. Writing back is the owner's: text() gives the
// editor's lines for SetMemo.
class DbfMemoBinding : public QObject {
    Q_OBJECT

public:
    DbfMemoBinding(DbfTable* table, QString field, QObject* editor, QByteArray property = "plainText");

    QString text() const;
    // Fills the editor from the current record now.
    void refresh();

private:
    DbfTable* dbf;
    QString fieldName;
    QPointer<QObject> target;
    QByteArray propertyName;
};
