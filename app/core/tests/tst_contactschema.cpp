#include "contactschema.h"
#include "database.h"
#include "rowset.h"

#include <QTemporaryDir>
#include <QTest>

using namespace orvanta;

class tst_contactschema : public QObject {
    Q_OBJECT
private slots:
    void tableHasTheTwentyFourFieldsInOrder()
    {
        QTemporaryDir dir;
        auto database = ContactSchema::createDatabase(dir.filePath(u"数据库.mdb"_qs));
        QCOMPARE(database->tableDefs(), QStringList{u"记录表"_qs});
        auto rows = database->openRecordset(u"记录表"_qs);
        QStringList expected;
        for (const ContactField& field : ContactSchema::fields())
            expected << field.name;
        QCOMPARE(expected.size(), 24);
        QCOMPARE(rows->fieldNames(), expected);
        QCOMPARE(expected.first(), u"编号"_qs);
        QCOMPARE(expected.last(), u"图片"_qs);
    }

    void emptyRowsAndLongNotesAreStored()
    {
        QTemporaryDir dir;
        auto database = ContactSchema::createDatabase(dir.filePath(u"数据库.mdb"_qs));
        auto rows = database->openRecordset(u"记录表"_qs);
        const QString notes = QString(u"很长的备注。"_qs).repeated(20000);
        rows->addNew();
        rows->update();
        rows->addNew();
        rows->setValue(u"备注"_qs, notes);
        rows->update();
        rows->moveLast();
        QCOMPARE(rows->value(u"备注"_qs).toString(), notes);
        rows->moveFirst();
        QCOMPARE(rows->value(u"编号"_qs).toString(), QString());
        QCOMPARE(rows->recordCount(), 2);
    }
};

QTEST_GUILESS_MAIN(tst_contactschema)
#include "tst_contactschema.moc"
