#include "dbfmemobinding.h"
#include "dbftablemodel.h"
#include "tablefixture.h"

#include <QSignalSpy>
#include <QTest>

// The grid's model over the active order, its write-back, and the memo binding.
class TestModel : public QObject {
    Q_OBJECT

private slots:
    void rowsFollowTheActiveOrderAndEditsAreWritten() {
        TableFixture fx;
        DbfTable t;
        fx.setUp(t);
        t.open();
        DbfTableModel model(&t, {{QStringLiteral("born"), QStringLiteral("Born"), 80},
                                 {QStringLiteral("name"), QStringLiteral("Name"), 60},
                                 {QStringLiteral("town"), QStringLiteral("Town"), 60}});
        model.setEditableFields({QStringLiteral("name")});
        QCOMPARE(model.rowCount(), 0);
        TableFixture::add(t, QStringLiteral("Zhou"), QStringLiteral("A"), QDate(2001, 1, 1), {QStringLiteral("z")});
        TableFixture::add(t, QStringLiteral("Bai"), QStringLiteral("B"), QDate(2002, 2, 2), {QStringLiteral("b")});
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Name"));
        QCOMPARE(model.data(model.index(0, 0)).toString(), QStringLiteral("01/01/2001"));

        t.SetIndexTo(QStringLiteral("name"));
        QCOMPARE(model.data(model.index(0, 1)).toString(), QStringLiteral("Bai"));
        QCOMPARE(model.recNoAt(0), 2);
        QCOMPARE(model.currentRow(), 0); // record 2 stayed current

        QVERIFY(!(model.flags(model.index(0, 2)) & Qt::ItemIsEditable));
        QVERIFY(!model.setData(model.index(0, 2), QStringLiteral("X")));
        QVERIFY(model.setData(model.index(1, 1), QStringLiteral("Ai")));
        QCOMPARE(t.RecNo(), 1);
        QCOMPARE(model.data(model.index(0, 1)).toString(), QStringLiteral("Ai")); // it moved up
        t.close();
        t.open();
        t.Go(1);
        QCOMPARE(t.GetCField(QStringLiteral("name")).trimmed(), QStringLiteral("Ai"));
    }

    void theMemoBindingShowsTheCurrentRecord() {
        TableFixture fx;
        DbfTable t;
        fx.setUp(t);
        t.open();
        TableFixture::add(t, QStringLiteral("One"), QString(), QDate(2001, 1, 1),
                          {QStringLiteral("first"), QStringLiteral("comment")});
        TableFixture::add(t, QStringLiteral("Two"), QString(), QDate(2002, 2, 2));
        QObject editor;
        editor.setProperty("plainText", QString());
        DbfMemoBinding binding(&t, QStringLiteral("note"), &editor);
        QCOMPARE(binding.text(), QString());
        t.Go(1);
        QCOMPARE(binding.text(), QStringLiteral("first\ncomment"));
        t.Skip(1);
        QCOMPARE(binding.text(), QString());
        t.close();
        QCOMPARE(binding.text(), QString());
    }
};

QTEST_GUILESS_MAIN(TestModel)
#include "test_model.moc"
