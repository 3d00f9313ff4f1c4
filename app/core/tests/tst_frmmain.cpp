#include "mainwindowfixture.h"

#include "listbar.h"
#include "popupbutton.h"
#include "qorvpanel.h"

#include <QCryptographicHash>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

using namespace orvanta;

namespace {
const QString NoRecords = u"数据库没有记录！"_qs;
const QString AtFirstHalf = u"前面没有记录了,这是第一条记录!"_qs;
const QString AtLast = u"后面没有记录了,这是最后一条记录!"_qs;

QByteArray digest(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}
} // namespace

class tst_frmmain : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    void loadShowsFirstContactAndStatus()
    {
        MainWindowFixture f;
        f.seedNames({u"张三"_qs, u"李四"_qs, u"王五"_qs});
        frmmain& w = f.open();
        QCOMPARE(w.windowTitle(), u"Orvanta"_qs);
        QCOMPARE(f.page(), 0);
        QCOMPARE(f.name(), u"张三"_qs);
        QVERIFY(f.fieldsLocked());
        QVERIFY(!f.child<QPushButton>(u"Command1"_qs)->isEnabled());
        QVERIFY(!f.child<QPushButton>(u"Command2"_qs)->isEnabled());
        QCOMPARE(f.panel(1), f.dir.path() + u"/数据库.mdb "_qs);
        QCOMPARE(f.panel(2), u"共有记录：3条"_qs);
        QCOMPARE(f.panel(3), u"这是第1条记录"_qs);
        QCOMPARE(f.panel(4), QLocale::system().toString(QDate(2026, 12, 11), QLocale::LongFormat));
        QVERIFY(f.services.messages.isEmpty());
    }

    void listBarHoldsTheGroupsAndItemsInOrder()
    {
        MainWindowFixture f;
        f.open();
        auto* bar = f.child<ListBar>(u"ctListBar1"_qs);
        const QList<QStringList> expected = {
            {u"移动记录"_qs, u"第一条记录"_qs, u"上一条记录"_qs, u"下一条记录"_qs, u"尾记录"_qs},
            {u"背景音乐"_qs, u"爱拼才会赢"_qs, u"春江花月夜"_qs, u"恋曲2000"_qs, u"古老的眼泪"_qs, u"女孩与四重奏"_qs},
            {u"日历"_qs, u"日历"_qs},
            {u"查询"_qs, u"按姓名查询"_qs, u"按编号查询"_qs, u"按手机号码查询"_qs, u"按家庭电话查询"_qs},
        };
        QCOMPARE(bar->groupCount(), expected.size());
        for (int group = 1; group <= expected.size(); ++group) {
            QStringList actual{bar->groupCaption(group)};
            for (int item = 1; item <= bar->itemCount(group); ++item)
                actual << bar->itemCaption(group, item);
            QCOMPARE(actual, expected[group - 1]);
        }
    }

    void menuHoldsEveryItemWithSeparators()
    {
        MainWindowFixture f;
        frmmain& w = f.open();
        QStringList titles;
        for (QAction* action : w.menuBar()->actions())
            titles << action->text();
        QCOMPARE(titles, (QStringList{u"记录(&A)"_qs, u"查询(&D)"_qs, u"系统维护(&S)"_qs, u"浏览(&B)"_qs, u"修改(&R)"_qs,
                                      u"删除(&K)"_qs, u"背景音乐(&M)"_qs, u"邮编区号(&N)"_qs, u"附加(&I)"_qs, u"关于(&C)"_qs}));
        QStringList records;
        for (QAction* action : f.child<QMenu>(u"mnujl"_qs)->actions())
            records << (action->isSeparator() ? u"-"_qs : action->objectName() + u' ' + action->text());
        QCOMPARE(records, (QStringList{u"mnusave 保存记录"_qs, u"-"_qs, u"mnuadd 增加记录"_qs, u"-"_qs, u"mnusjl 首记录"_qs,
                                       u"mnusytjl 上一条记录"_qs, u"mnuxytjl 下一条记录"_qs, u"mnuwjl 尾记录"_qs, u"-"_qs,
                                       u"mnuprint 打印"_qs, u"-"_qs, u"mnuexit 退出"_qs}));
        QCOMPARE(f.child<QMenu>(u"mnubjyy"_qs)->actions().size(), 12);
    }

    void fieldsFollowTheContactTable()
    {
        MainWindowFixture f;
        f.open();
        QWidget* previous = nullptr;
        for (const ContactField& field : ContactSchema::fields()) {
            if (field.number > 22)
                break;
            QLineEdit* box = f.text(field.number);
            QCOMPARE(box->maxLength(), field.maxLengthMain);
            QCOMPARE(f.child<QLabel>(u"Label"_qs + QString::number(field.number))->text(), field.caption);
            if (previous)
                QCOMPARE(previous->nextInFocusChain(), box);
            previous = box;
        }
        QCOMPARE(previous->nextInFocusChain(), f.child<QWidget>(u"Text23"_qs));
    }

    void panelsReadTheirStoredSets_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<int>("borderStyle");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<uint>("gradientStart");
        QTest::addColumn<uint>("gradientEnd");
        QTest::newRow("toolbar") << u"QorvPanel1"_qs << 2 << QSize(57, 57) << 8421504u << 14737632u;
        QTest::newRow("list bar") << u"QorvPanel2"_qs << 3 << QSize(57, 57) << 8421504u << 14737632u;
        QTest::newRow("tab holder") << u"QorvPanel3"_qs << 1 << QSize(0, 0) << 16711680u << 14737632u;
        QTest::newRow("page 0") << u"QorvPanel4"_qs << 3 << QSize(57, 57) << 16711680u << 14737632u;
        QTest::newRow("page 1") << u"QorvPanel5"_qs << 3 << QSize(57, 57) << 8421504u << 14737632u;
        QTest::newRow("page 2") << u"QorvPanel6"_qs << 3 << QSize(57, 57) << 8421504u << 14737632u;
        QTest::newRow("banner") << u"QorvPanel7"_qs << 3 << QSize(188, 52) << 16711680u << 16744576u;
    }
    void panelsReadTheirStoredSets()
    {
        QFETCH(QString, panel);
        QFETCH(int, borderStyle);
        QFETCH(QSize, picture);
        QFETCH(uint, gradientStart);
        QFETCH(uint, gradientEnd);
        MainWindowFixture f;
        f.open();
        auto* widget = f.child<QorvPanel>(panel);
        QCOMPARE(int(widget->borderStyle()), borderStyle);
        QCOMPARE(widget->picture().size(), picture);
        QCOMPARE(widget->gradientColorStart(), gradientStart);
        QCOMPARE(widget->gradientColorEnd(), gradientEnd);
        QVERIFY(!widget->gradientBackColor());
        QCOMPARE(widget->caption(), QString());
        // Loading a panel enables what it holds; the photo buttons stay off.
        QVERIFY(!f.child<QPushButton>(u"Command1"_qs)->isEnabled());
    }

    void emptyTableShowsZeroes()
    {
        MainWindowFixture f;
        f.seedNames({});
        f.open();
        QCOMPARE(f.panel(2), u"共有记录：0条"_qs);
        QCOMPARE(f.panel(3), u"这是第0条记录"_qs);
        QCOMPARE(f.name(), QString());
    }

    void missingDatabaseIsCreatedEmpty()
    {
        MainWindowFixture f;
        f.open();
        QVERIFY(QFile::exists(f.databasePath()));
        QCOMPARE(f.panel(2), u"共有记录：0条"_qs);
        QVERIFY(f.services.messages.isEmpty());
        f.trigger(u"mnuadd"_qs);
        QCOMPARE(f.storedNames(), QStringList{QString()});
    }

    // Each command runs from the given row; the messages it shows and the
    // row it leaves current are checked.
    void moves_data()
    {
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<int>("startRow");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("endRow");
        for (const QString& command : {u"mnusjl"_qs, u"mnusytjl"_qs, u"mnuxytjl"_qs, u"mnuwjl"_qs})
            QTest::addRow("empty %s", qPrintable(command)) << 0 << 0 << command << QStringList{NoRecords} << 0;
        QTest::newRow("one row, first") << 1 << 1 << u"mnusjl"_qs << QStringList{} << 1;
        QTest::newRow("one row, previous") << 1 << 1 << u"mnusytjl"_qs << QStringList{AtFirstHalf} << 1;
        QTest::newRow("one row, next") << 1 << 1 << u"mnuxytjl"_qs << QStringList{AtLast} << 1;
        QTest::newRow("one row, last") << 1 << 1 << u"mnuwjl"_qs << QStringList{} << 1;
        QTest::newRow("first, previous") << 4 << 1 << u"mnusytjl"_qs << QStringList{AtFirstHalf} << 1;
        QTest::newRow("middle, previous") << 4 << 3 << u"mnusytjl"_qs << QStringList{} << 2;
        QTest::newRow("middle, next") << 4 << 2 << u"mnuxytjl"_qs << QStringList{} << 3;
        QTest::newRow("last, next") << 4 << 4 << u"mnuxytjl"_qs << QStringList{AtLast} << 4;
        QTest::newRow("last, first") << 4 << 4 << u"mnusjl"_qs << QStringList{} << 1;
        QTest::newRow("first, last") << 4 << 1 << u"mnuwjl"_qs << QStringList{} << 4;
    }
    void moves()
    {
        QFETCH(int, rowCount);
        QFETCH(int, startRow);
        QFETCH(QString, command);
        QFETCH(QStringList, messages);
        QFETCH(int, endRow);
        MainWindowFixture f;
        QStringList names;
        for (int i = 1; i <= rowCount; ++i)
            names << u"第%1人"_qs.arg(i);
        f.seedNames(names);
        f.open();
        for (int i = 1; i < startRow; ++i)
            f.trigger(u"mnuxytjl"_qs);
        QCOMPARE(f.services.messages.size(), 0);
        f.trigger(command);
        QCOMPARE(f.services.messageTexts(), messages);
        for (const Message& message : std::as_const(f.services.messages)) {
            const bool empty = message.text == NoRecords;
            QCOMPARE(message.icon, empty ? MessageIcon::Critical : MessageIcon::Exclamation);
            QCOMPARE(message.title, empty ? u"记录移动错误"_qs : u"提示"_qs);
            QCOMPARE(message.buttons, MessageButtons::Ok);
        }
        QCOMPARE(f.panel(3), u"这是第%1条记录"_qs.arg(endRow));
        QCOMPARE(f.panel(2), u"共有记录：%1条"_qs.arg(rowCount));
        QCOMPARE(f.name(), endRow ? names[endRow - 1] : QString());
    }

    void listBarItemsRunTheirCommands()
    {
        MainWindowFixture f;
        f.seedNames({u"甲"_qs, u"乙"_qs, u"丙"_qs});
        f.open();
        auto* bar = f.child<ListBar>(u"ctListBar1"_qs);
        emit bar->itemClick(1, 4);
        QCOMPARE(f.name(), u"丙"_qs);
        emit bar->itemClick(1, 2);
        QCOMPARE(f.name(), u"乙"_qs);
        emit bar->itemClick(7, 1);
        emit bar->itemClick(1, 5);
        QCOMPARE(f.name(), u"乙"_qs);
        QVERIFY(f.services.messages.isEmpty());
        f.services.inputAnswers.push_back(u"甲"_qs);
        emit bar->itemClick(4, 1);
        QCOMPARE(f.services.inputs.size(), 1);
        QCOMPARE(f.services.inputs[0].prompt, u"请输入要查询的姓名:"_qs);
        QCOMPARE(f.name(), u"甲"_qs);
    }

    void recordSourceArrowsMoveWithoutMessages()
    {
        MainWindowFixture f;
        f.seedNames({u"甲"_qs, u"乙"_qs});
        f.open();
        auto* data1 = f.child<QWidget>(u"Data1"_qs);
        auto* next = data1->findChild<QToolButton*>(u"moveNext"_qs);
        auto* previous = data1->findChild<QToolButton*>(u"movePrevious"_qs);
        QTest::mouseClick(next, Qt::LeftButton);
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(f.name(), u"乙"_qs);
        QCOMPARE(f.panel(3), u"这是第2条记录"_qs);
        QTest::mouseClick(previous, Qt::LeftButton);
        QTest::mouseClick(previous, Qt::LeftButton);
        QCOMPARE(f.panel(3), u"这是第1条记录"_qs);
        QVERIFY(f.services.messages.isEmpty());
    }

    void countIncludesRowsAddedElsewhere()
    {
        MainWindowFixture f;
        f.seedNames({u"甲"_qs, u"乙"_qs});
        f.open();
        {
            auto other = Database::open(f.databasePath())->openRecordset(ContactSchema::tableName());
            other->addNew();
            other->update();
        }
        f.trigger(u"mnuxytjl"_qs);
        QCOMPARE(f.panel(2), u"共有记录：3条"_qs);
        QCOMPARE(f.panel(3), u"这是第2条记录"_qs);
    }

    void foreignFileIsReportedAndLeftAlone()
    {
        MainWindowFixture f;
        {
            QFile file(f.databasePath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20) + QByteArray(4000, 'j'));
        }
        const QByteArray before = digest(f.databasePath());
        f.open();
        QCOMPARE(f.services.messages.size(), 1);
        QVERIFY(f.services.messages[0].text.contains(f.databasePath()));
        QCOMPARE(f.services.messages[0].icon, MessageIcon::Critical);
        QCOMPARE(f.name(), QString());
        f.trigger(u"mnuxytjl"_qs);
        f.trigger(u"mnuadd"_qs);
        f.trigger(u"mnusave"_qs);
        f.trigger(u"mnudelall"_qs);
        QCOMPARE(f.services.messages[1].text, NoRecords);
        f.services.inputAnswers.push_back(u"陈XX"_qs);
        f.trigger(u"mnuaxmcx"_qs);
        const Message& notOpen = f.services.messages.last();
        QVERIFY2(notOpen.text.contains(u"没有打开"_qs) && notOpen.text.contains(f.databasePath()), qPrintable(notOpen.text));
        QCOMPARE(notOpen.icon, MessageIcon::Critical);
        QCOMPARE(digest(f.databasePath()), before);
    }

    void bannerRule_data()
    {
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("expected");
        QTest::newRow("moving") << 1440 << 9375 << 1400;
        QTest::newRow("exactly past, no reset") << -9375 << 9375 << -9415;
        QTest::newRow("one twip further resets") << -9376 << 9375 << 9480 - 40;
    }
    void bannerRule()
    {
        QFETCH(int, left);
        QFETCH(int, width);
        QFETCH(int, expected);
        QCOMPARE(frmmain::nextBannerLeft(left, width, 9480), expected);
    }

    void bannerScrollsLeft()
    {
        MainWindowFixture f;
        f.open();
        auto* banner = f.child<QLabel>(u"Label23"_qs);
        const int start = banner->x();
        QTRY_VERIFY(banner->x() < start);
    }

    void exitAsksFirst()
    {
        MainWindowFixture f;
        frmmain& w = f.open();
        f.services.answers.push_back(MessageAnswer::No);
        f.trigger(u"mnuexit"_qs);
        QVERIFY(w.isVisible());
        QCOMPARE(f.services.messages.size(), 1);
        const Message& question = f.services.messages[0];
        QCOMPARE(question.text, u"要退出本系统吗？"_qs);
        QCOMPARE(question.icon, MessageIcon::Question);
        QCOMPARE(question.buttons, MessageButtons::YesNo);
        QCOMPARE(question.title, u"Orvanta"_qs);
        f.services.answers.push_back(MessageAnswer::Yes);
        f.trigger(u"mnuexit"_qs);
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(tst_frmmain)
#include "tst_frmmain.moc"
