#include "criteria.h"
#include "storeerror.h"

#include <QTest>

using orvanta::Criteria;
using orvanta::StoreError;

class tst_criteria : public QObject {
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << u"编号='0001'"_qs << u"编号"_qs << u"0001"_qs;
        QTest::newRow("empty value") << u"姓名=''"_qs << u"姓名"_qs << QString();
        QTest::newRow("doubled apostrophe") << u"姓名='O''Brien'"_qs << u"姓名"_qs << u"O'Brien"_qs;
        QTest::newRow("only an apostrophe") << u"姓名=''''"_qs << u"姓名"_qs << u"'"_qs;
        QTest::newRow("blanks around") << u"  手机号码 =  '138' "_qs << u"手机号码"_qs << u"138"_qs;
        QTest::newRow("blanks inside value kept") << u"姓名=' 陈 X '"_qs << u"姓名"_qs << u" 陈 X "_qs;
        QTest::newRow("bracketed field") << u"[家庭 电话]='1'"_qs << u"家庭 电话"_qs << u"1"_qs;
        QTest::newRow("equals inside value") << u"备注='a=b'"_qs << u"备注"_qs << u"a=b"_qs;
    }
    void parse()
    {
        QFETCH(QString, text);
        const Criteria criteria = Criteria::parse(text);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QCOMPARE(criteria.field, field);
        QCOMPARE(criteria.value, value);
    }

    void malformed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("no value") << u"编号="_qs;
        QTest::newRow("no quotes") << u"编号=0001"_qs;
        QTest::newRow("unclosed") << u"编号='0001"_qs;
        QTest::newRow("stray apostrophe") << u"姓名='O'Brien'"_qs;
        QTest::newRow("injection") << u"姓名='' OR 1=1 OR ''=''"_qs;
        QTest::newRow("no field") << u"='x'"_qs;
        QTest::newRow("two fields") << u"a b='x'"_qs;
        QTest::newRow("trailing text") << u"a='x' b"_qs;
    }
    void malformed()
    {
        QFETCH(QString, text);
        QVERIFY_THROWS_EXCEPTION(StoreError, Criteria::parse(text));
    }

    void equalsRoundTrips_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << u"陈XX"_qs;
        QTest::newRow("apostrophe") << u"陈'X"_qs;
        QTest::newRow("quotes and blanks") << u" ' '' '"_qs;
        QTest::newRow("empty") << QString();
    }
    void equalsRoundTrips()
    {
        QFETCH(QString, value);
        const Criteria parsed = Criteria::parse(Criteria::equals(u"姓名"_qs, value));
        QCOMPARE(parsed.field, u"姓名"_qs);
        QCOMPARE(parsed.value, value);
    }
};

QTEST_GUILESS_MAIN(tst_criteria)
#include "tst_criteria.moc"
