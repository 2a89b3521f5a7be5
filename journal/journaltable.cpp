#include "journaltable.h"

QList<FieldDef> journalFields() {
    return {
        {QStringLiteral("comment"), 'M', 10, 0},  {QStringLiteral("date"), 'D', 8, 0},
        {QStringLiteral("h1"), 'C', 2, 0},        {QStringLiteral("h2"), 'C', 2, 0},
        {QStringLiteral("name"), 'C', 20, 0},     {QStringLiteral("group"), 'C', 20, 0},
        {QStringLiteral("question"), 'C', 90, 0},
    };
}

QList<IndexDef> journalIndexes() {
    return {
        {QStringLiteral("date"), QStringLiteral("date")},
        {QStringLiteral("h1"), QStringLiteral("h1+h2+dtoc(date)")},
        {QStringLiteral("question"), QStringLiteral("question")},
        {QStringLiteral("group"), QStringLiteral("group+dtoc(date)")},
        {QStringLiteral("name"), QStringLiteral("name+dtoc(date)")},
        {QStringLiteral("h2"), QStringLiteral("h2+dtoc(date)")},
    };
}

QString journalPath(const QString& programDir) {
    return programDir + QStringLiteral("oracle.dbf");
}

QString journalHexagram(int number) {
    if (number <= 0)
        return {};
    return QString::number(number).left(2).rightJustified(2, QLatin1Char('0'));
}

JournalAnswer journalAnswer(const OracleAnswer& answer) {
    return {answer.questionText, answer.primaryNumber, answer.changedNumber};
}

JournalTable::JournalTable(QString programDir, JournalRunState& state, QObject* parent)
    : QObject(parent), folder(std::move(programDir)), run(state) {
    dbf.setCreateFields(journalFields());
    dbf.setIndexes(journalIndexes());
}

void JournalTable::inicializa() {
    dbf.close();
    dbf.setDbfFileName(journalPath(folder));
    dbf.open();
    if (dbf.RecCount() == 0)
        return;
    if (run.lastRecNo == 0) {
        changeOrder(QStringLiteral("date"));
        dbf.GoBottom();
    } else {
        run.orderField = QStringLiteral("date");
        changeOrder(run.orderField);
        // After a pack lastRecNo may name no record any more: the last one stands in.
        if (run.lastRecNo <= dbf.RecCount())
            dbf.Go(run.lastRecNo);
        else
            dbf.GoBottom();
    }
    run.holdAutoview = false;
}

void JournalTable::changeOrder(const QString& field) {
    run.orderField = field;
    const int recNo = dbf.RecNo();
    const bool atEnd = dbf.dEOF();
    dbf.Reindex();
    dbf.SetIndexTo(run.orderField);
    if (!atEnd)
        dbf.Go(recNo);
    emit orderChanged(field);
}

void JournalTable::writeBack(const QString& memoText) {
    if (dbf.dEOF())
        return;
    if (!memoText.isEmpty())
        dbf.SetMemo(QStringLiteral("comment"), memoText.split(QLatin1Char('\n')));
    dbf.Replace();
}

void JournalTable::first() {
    if (dbf.RecCount() > 0)
        dbf.GoTop();
}

void JournalTable::last() {
    if (dbf.RecCount() > 0)
        dbf.GoBottom();
}

void JournalTable::add() {
    dbf.ClearRecord();
    dbf.Append();
}

void JournalTable::deleteOrRecall() {
    if (dbf.RecCount() == 0 || dbf.dEOF())
        return;
    if (dbf.Deleted())
        dbf.RecallRec();
    else
        dbf.DeleteRec();
}

void JournalTable::closing() {
    if (!dbf.Active())
        return;
    if (!dbf.dEOF()) {
        run.lastRecNo = dbf.RecNo();
        dbf.Replace();
    }
    dbf.Pack();
}

void JournalTable::appendAnswer(const JournalAnswer& answer, const QDate& date) {
    run.holdAutoview = true;
    dbf.Append();
    dbf.ClearRecord();
    dbf.SetDField(QStringLiteral("date"), date);
    dbf.SetCField(QStringLiteral("question"), answer.question);
    dbf.SetCField(QStringLiteral("h1"), journalHexagram(answer.primaryNumber));
    dbf.SetCField(QStringLiteral("h2"), journalHexagram(answer.changedNumber));
    dbf.Replace();
    run.lastRecNo = dbf.RecNo();
}
