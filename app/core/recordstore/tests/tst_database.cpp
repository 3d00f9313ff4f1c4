#include "database.h"
#include "rowset.h"
#include "storeerror.h"

#include <QCryptographicHash>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sqlite3.h>

using namespace orvanta;

namespace {

QByteArray fileDigest(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A database file made by some other program, with a table of its own.
void writeForeignSqlite(const QString& path)
{
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    QCOMPARE(sqlite3_exec(db, "CREATE TABLE 记录表(编号 TEXT); INSERT INTO 记录表 VALUES('1');", nullptr, nullptr, nullptr),
             SQLITE_OK);
    sqlite3_close(db);
}

} // namespace

class tst_database : public QObject {
    Q_OBJECT
private slots:
    void foreignFilesAreRefusedAndLeftUnchanged_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QByteArray random(4096, '\0');
        QRandomGenerator generator(7);
        for (char& byte : random)
            byte = char(generator.bounded(256));
        QByteArray jet("\x00\x01\x00\x00Standard Jet DB\x00", 20);
        jet += QByteArray(2028, '\x11');
        QByteArray truncated("SQLite format 3\0", 16);
        QTest::newRow("random bytes") << random << u"不是 Orvanta 数据库"_qs;
        QTest::newRow("zero length") << QByteArray() << u"文件是空的"_qs;
        QTest::newRow("legacy Jet") << jet << u"Access (Jet)"_qs;
        QTest::newRow("truncated header") << truncated << u"损坏"_qs;
    }
    void foreignFilesAreRefusedAndLeftUnchanged()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"数据库.mdb"_qs);
        writeFile(path, content);
        const QByteArray before = fileDigest(path);
        try {
            Database::open(path);
            QFAIL("a foreign file was opened");
        } catch (const StoreError& error) {
            QVERIFY2(error.message().contains(reason), qPrintable(error.message()));
            QVERIFY2(error.message().contains(path), "the message names the file");
        }
        QCOMPARE(fileDigest(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
    }

    void anotherProgramsSqliteFileIsLeftUnchanged()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"数据库.mdb"_qs);
        writeForeignSqlite(path);
        const QByteArray before = fileDigest(path);
        QVERIFY_THROWS_EXCEPTION(StoreError, Database::open(path));
        QCOMPARE(fileDigest(path), before);
    }

    void missingFileIsNotCreatedByOpen()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"无.mdb"_qs);
        QVERIFY_THROWS_EXCEPTION(StoreError, Database::open(path));
        QVERIFY(!QFile::exists(path));
    }

    void createRefusesToReplaceAFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"数据库.mdb"_qs);
        writeFile(path, "keep me");
        QVERIFY_THROWS_EXCEPTION(StoreError, Database::create(path));
        QCOMPARE(fileDigest(path), QCryptographicHash::hash("keep me", QCryptographicHash::Sha256));
    }

    void tableDefsListOnlyUserTables()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"a.mdb"_qs);
        auto db = Database::create(path);
        db->createTable(u"北京"_qs, {{u"地名"_qs}});
        db->createTable(u"上海"_qs, {{u"地名"_qs}});
        QCOMPARE(db->tableDefs(), (QStringList{u"北京"_qs, u"上海"_qs}));
        QVERIFY_THROWS_EXCEPTION(StoreError, db->openRecordset(u"天津"_qs));
        QCOMPARE(db->openRecordset(u"SELECT * FROM 上海"_qs)->tableName(), u"上海"_qs);
    }

    void rolledBackTransactionLeavesRowsAsTheyWere()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"a.mdb"_qs);
        auto db = Database::create(path);
        db->createTable(u"t"_qs, {{u"名"_qs}});
        auto rows = db->openRecordset(u"t"_qs);
        for (int i = 0; i < 3; ++i) {
            rows->addNew();
            rows->setValue(u"名"_qs, QString::number(i));
            rows->update();
        }
        {
            Transaction transaction(*db);
            rows->moveFirst();
            rows->deleteCurrent();
            rows->moveNext();
            rows->deleteCurrent();
            // Leaving without commit, as a failure half-way would.
        }
        auto reader = Database::open(path, Database::Access::ReadOnly);
        QCOMPARE(reader->openRecordset(u"t"_qs)->recordCount(), 3);
        rows->moveFirst();
        QCOMPARE(rows->value(u"名"_qs).toString(), u"0"_qs);
        QCOMPARE(rows->absolutePosition(), 0);
    }
};

QTEST_GUILESS_MAIN(tst_database)
#include "tst_database.moc"
