#include "database.h"
#include "rowset.h"
#include "storeerror.h"

#include <QTemporaryDir>
#include <QTest>

using namespace orvanta;

namespace {

const QString Name = u"姓名"_qs;
const QString Photo = u"图片"_qs;

struct Fixture {
    QTemporaryDir dir;
    QString path = dir.filePath(u"数据库.mdb"_qs);
    std::unique_ptr<Database> db;
    std::unique_ptr<RowSet> rows;

    explicit Fixture(const QStringList& names)
    {
        db = Database::create(path);
        db->createTable(u"记录表"_qs, {{u"编号"_qs}, {Name}, {Photo, ColumnDef::Kind::Picture}}, {Name});
        auto writer = db->openRecordset(u"记录表"_qs);
        for (const QString& name : names) {
            writer->addNew();
            writer->setValue(Name, name);
            writer->update();
        }
        rows = db->openRecordset(u"记录表"_qs);
    }
    QString current() const { return rows->value(Name).toString(); }
    qint64 countFromAnotherOpening() const
    {
        return Database::open(path, Database::Access::ReadOnly)->openRecordset(u"记录表"_qs)->recordCount();
    }
};

QStringList namesOf(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << u"r"_qs + QString::number(i);
    return names;
}

class RecordingObserver : public RowSetObserver {
public:
    QStringList calls;
    QString nameToStore;
    void rowAboutToChange(RowSet&) override { calls << u"leave"_qs; }
    void aboutToUpdate(RowSet& rows) override
    {
        calls << u"store"_qs;
        rows.setValue(Name, nameToStore);
    }
    void rowChanged(RowSet& rows) override { calls << u"show "_qs + QString::number(rows.absolutePosition()); }
};

} // namespace

class tst_rowset : public QObject {
    Q_OBJECT
private slots:
    // Each step is a move (F first, L last, N next, P previous) followed by
    // the position and the BOF/EOF flags it must leave.
    void moves_data()
    {
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<QString>("steps");
        QTest::newRow("empty") << 0 << u"-:-1be F:-1be L:-1be"_qs;
        QTest::newRow("one row") << 1 << u"-:0 N:-1e P:0 P:-1b N:0 F:0 L:0"_qs;
        QTest::newRow("three rows") << 3 << u"-:0 N:1 N:2 N:-1e L:2 F:0 P:-1b N:0 L:2 P:1"_qs;
    }
    void moves()
    {
        QFETCH(int, rowCount);
        QFETCH(QString, steps);
        Fixture f(namesOf(rowCount));
        for (const QString& step : steps.split(u' ')) {
            const QChar move = step.at(0);
            if (move == u'F')
                f.rows->moveFirst();
            else if (move == u'L')
                f.rows->moveLast();
            else if (move == u'N')
                f.rows->moveNext();
            else if (move == u'P')
                f.rows->movePrevious();
            const QString expected = step.mid(2);
            const QString digits = expected.chopped(expected.count(u'b') + expected.count(u'e'));
            QCOMPARE(f.rows->absolutePosition(), digits.toLongLong());
            QCOMPARE(f.rows->bof(), expected.contains(u'b'));
            QCOMPARE(f.rows->eof(), expected.contains(u'e'));
            if (digits.toLongLong() >= 0)
                QCOMPARE(f.current(), u"r"_qs + QString::number(digits.toLongLong() + 1));
        }
        QCOMPARE(f.rows->recordCount(), rowCount);
    }

    void movingPastAnEndTwiceIsAnError()
    {
        Fixture f(namesOf(2));
        f.rows->moveLast();
        f.rows->moveNext();
        QVERIFY_THROWS_EXCEPTION(StoreError, f.rows->moveNext());
        QVERIFY_THROWS_EXCEPTION(StoreError, f.rows->value(Name));
        Fixture empty({});
        QVERIFY_THROWS_EXCEPTION(StoreError, empty.rows->moveNext());
        QVERIFY_THROWS_EXCEPTION(StoreError, empty.rows->movePrevious());
    }

    // Positions and counts stay exact however rows come and go: checked
    // against a walk through the table after every change.
    void positionsAndCountsFollowDeletionsAndAdditions()
    {
        Fixture f(namesOf(12));
        const QList<int> deleteAt = {11, 0, 5, 5, 7, 0};
        for (int position : deleteAt) {
            f.rows->moveFirst();
            for (int i = 0; i < position; ++i)
                f.rows->moveNext();
            f.rows->deleteCurrent();
            f.rows->addNew();
            f.rows->update();
            f.rows->moveLast();
            f.rows->deleteCurrent();
            qint64 walked = 0;
            for (f.rows->moveFirst(); !f.rows->eof(); f.rows->moveNext())
                QCOMPARE(f.rows->absolutePosition(), walked++);
            QCOMPARE(f.rows->recordCount(), walked);
            QCOMPARE(f.countFromAnotherOpening(), walked);
        }
        QCOMPARE(f.rows->recordCount(), 12 - deleteAt.size());
        f.rows->moveFirst();
        while (f.rows->recordCount() > 0) {
            f.rows->deleteCurrent();
            f.rows->moveNext();
        }
        QCOMPARE(f.countFromAnotherOpening(), 0);
        f.rows->addNew();
        f.rows->setValue(Name, u"again"_qs);
        f.rows->update();
        f.rows->moveLast();
        QCOMPARE(f.rows->absolutePosition(), 0);
        QCOMPARE(f.current(), u"again"_qs);
    }

    void addedRowIsLastAndEmptyTextIsFindable()
    {
        Fixture f(namesOf(3));
        f.rows->moveNext();
        f.rows->addNew();
        QCOMPARE(f.rows->absolutePosition(), -1);
        QCOMPARE(f.rows->value(Name).toString(), QString());
        f.rows->update();
        QCOMPARE(f.current(), u"r2"_qs);
        f.rows->moveLast();
        QCOMPARE(f.rows->absolutePosition(), 3);
        QCOMPARE(f.rows->value(u"编号"_qs).toString(), QString());
        QVERIFY(f.rows->value(Photo).isNull());
        f.rows->moveFirst();
        f.rows->findFirst(u"编号=''"_qs);
        QVERIFY(!f.rows->noMatch());
        QCOMPARE(f.rows->absolutePosition(), 0);
        f.rows->findFirst(u"姓名=''"_qs);
        QCOMPARE(f.rows->absolutePosition(), 3);
    }

    void findFirst_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("criteria");
        QTest::addColumn<int>("expected");
        const QStringList names = {u"陈XX"_qs, u"O'Brien"_qs, u"李四"_qs, u"陈XX"_qs, u"陈'X"_qs};
        QTest::newRow("first of duplicates") << names << u"姓名='陈XX'"_qs << 0;
        QTest::newRow("apostrophe") << names << u"姓名='O''Brien'"_qs << 1;
        QTest::newRow("apostrophe inside") << names << u"姓名='陈''X'"_qs << 4;
        QTest::newRow("exact, not partial") << names << u"姓名='陈'"_qs << -1;
        QTest::newRow("case matters") << QStringList{u"abc"_qs} << u"姓名='ABC'"_qs << -1;
        QTest::newRow("field name in other case") << QStringList{u"abc"_qs} << u"姓名='abc'"_qs << 0;
    }
    void findFirst()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, criteria);
        QFETCH(int, expected);
        Fixture f(names);
        f.rows->moveLast();
        f.rows->findFirst(criteria);
        QCOMPARE(f.rows->noMatch(), expected < 0);
        QCOMPARE(f.rows->absolutePosition(), expected < 0 ? names.size() - 1 : expected);
    }

    void badCriteriaRaiseAndKeepTheRow()
    {
        Fixture f(namesOf(3));
        f.rows->moveNext();
        QVERIFY_THROWS_EXCEPTION(StoreError, f.rows->findFirst(u"姓名='O'Brien'"_qs));
        QVERIFY_THROWS_EXCEPTION(StoreError, f.rows->findFirst(u"没有='x'"_qs));
        QCOMPARE(f.rows->absolutePosition(), 1);
    }

    void editStoresValuesAndPictureBytes()
    {
        Fixture f(namesOf(2));
        const QByteArray picture("\x89PNG\r\n\x1a\n\0\1\2", 11);
        QVERIFY_THROWS_EXCEPTION(StoreError, f.rows->setValue(Name, u"x"_qs));
        QVERIFY_THROWS_EXCEPTION(StoreError, f.rows->update());
        f.rows->moveLast();
        f.rows->edit();
        f.rows->setValue(Name, u"改过"_qs);
        f.rows->setValue(Photo, picture);
        f.rows->update();
        auto reader = Database::open(f.path, Database::Access::ReadOnly)->openRecordset(u"记录表"_qs);
        reader->moveLast();
        QCOMPARE(reader->value(Name).toString(), u"改过"_qs);
        QCOMPARE(reader->value(Photo).toByteArray(), picture);
        reader->moveFirst();
        QCOMPARE(reader->value(Name).toString(), u"r1"_qs);
    }

    void deletedRowHasNoValueAndMovesGoAroundIt()
    {
        Fixture f(namesOf(3));
        f.rows->moveNext();
        f.rows->deleteCurrent();
        QVERIFY_THROWS_EXCEPTION(StoreError, f.rows->value(Name));
        QCOMPARE(f.rows->absolutePosition(), -1);
        f.rows->movePrevious();
        QCOMPARE(f.current(), u"r1"_qs);
        f.rows->deleteCurrent();
        f.rows->movePrevious();
        QVERIFY(f.rows->bof());
        QCOMPARE(f.rows->recordCount(), 1);
    }

    void observerStoresBeforeLeavingAndShowsAfter()
    {
        Fixture f(namesOf(2));
        RecordingObserver observer;
        observer.nameToStore = u"typed"_qs;
        f.rows->setObserver(&observer);
        f.rows->moveNext();
        f.rows->addNew();
        f.rows->update();
        f.rows->moveLast();
        QCOMPARE(observer.calls,
                 (QStringList{u"leave"_qs, u"show 1"_qs, u"leave"_qs, u"show -1"_qs, u"store"_qs, u"show 1"_qs,
                              u"leave"_qs, u"show 2"_qs}));
        QCOMPARE(f.current(), u"typed"_qs);
    }

    void bookmarkReturnsToTheRow()
    {
        Fixture f(namesOf(4));
        f.rows->moveLast();
        f.rows->movePrevious();
        const RowSet::Bookmark mark = f.rows->bookmark();
        f.rows->moveFirst();
        f.rows->setBookmark(mark);
        QCOMPARE(f.current(), u"r3"_qs);
        f.rows->deleteCurrent();
        f.rows->moveFirst();
        QVERIFY_THROWS_EXCEPTION(StoreError, f.rows->setBookmark(mark));
        QCOMPARE(f.current(), u"r1"_qs);
    }
};

QTEST_GUILESS_MAIN(tst_rowset)
#include "tst_rowset.moc"
