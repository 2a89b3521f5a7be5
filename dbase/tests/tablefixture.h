#pragma once

#include "dateform.h"
#include "dbftable.h"

#include <QFile>
#include <QTemporaryDir>

// A small table of people with a memo, in a fresh folder; dates shown as MM/dd/yyyy.
struct TableFixture {
    QTemporaryDir dir;

    TableFixture() { setDateDisplayForm(DateForm{}); }

    QString path(const QString& name = QStringLiteral("people.dbf")) const { return dir.filePath(name); }

    static QList<FieldDef> fields() {
        return {{QStringLiteral("note"), 'M', 10, 0},
                {QStringLiteral("born"), 'D', 8, 0},
                {QStringLiteral("name"), 'C', 12, 0},
                {QStringLiteral("town"), 'C', 8, 0}};
    }
    static QList<IndexDef> indexes() {
        return {{QStringLiteral("born"), QStringLiteral("born")},
                {QStringLiteral("name"), QStringLiteral("name")},
                {QStringLiteral("town"), QStringLiteral("town+dtoc(born)")}};
    }

    void setUp(DbfTable& t) const {
        t.setDbfFileName(path());
        t.setCreateFields(fields());
        t.setIndexes(indexes());
    }

    // Appends one record and writes it.
    static void add(DbfTable& t, const QString& name, const QString& town, const QDate& born,
                    const QStringList& note = {}) {
        t.Append();
        t.ClearRecord();
        t.SetCField(QStringLiteral("name"), name);
        t.SetCField(QStringLiteral("town"), town);
        t.SetDField(QStringLiteral("born"), born);
        if (!note.isEmpty())
            t.SetMemo(QStringLiteral("note"), note);
        t.Replace();
    }

    QByteArray bytes(const QString& name = QStringLiteral("people.dbf")) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QString& name, const QByteArray& data) const {
        QFile f(path(name));
        if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            f.write(data);
    }
};
