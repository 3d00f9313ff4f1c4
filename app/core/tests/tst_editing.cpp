#include "mainwindowfixture.h"

#include "popupbutton.h"

#include <QFile>
#include <QPushButton>

#include <sqlite3.h>

using namespace orvanta;

struct Input {
    QString prompt, title, defaultText;
};
Q_DECLARE_METATYPE(Input)

namespace {

const QString NothingToModify = u"数据库没有记录，没有什么可以修改！"_qs;

// Adds a trigger to the fixture's database that makes the engine refuse a change.
void refuse(const QString& path, const QString& trigger)
{
    sqlite3* db = nullptr;
    QCOMPARE(sqlite3_open(path.toUtf8().constData(), &db), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, trigger.toUtf8().constData(), nullptr, nullptr, &error);
    QVERIFY2(rc == SQLITE_OK, error);
    sqlite3_close(db);
}

void createSound(const QString& folder)
{
    QFile sound(folder + u"/del.wav"_qs);
    QVERIFY(sound.open(QIODevice::WriteOnly));
    sound.write("RIFF");
}

QList<Contact> people()
{
    return {
        {{u"编号"_qs, u"0001"_qs}, {u"姓名"_qs, u"陈XX"_qs}, {u"手机号码"_qs, u"13800000001"_qs}, {u"家庭电话"_qs, u"06630000000"_qs}},
        {{u"编号"_qs, u"0002"_qs}, {u"姓名"_qs, u"O'Brien"_qs}, {u"手机号码"_qs, u"138XXXXXXXX"_qs}, {u"家庭电话"_qs, u"020-1"_qs}},
        {{u"编号"_qs, u"0001"_qs}, {u"姓名"_qs, u"李四"_qs}, {u"手机号码"_qs, u"13800000003"_qs}, {u"家庭电话"_qs, u"06630000000"_qs}},
    };
}

} // namespace

class tst_editing : public QObject {
    Q_OBJECT

    static QString state(MainWindowFixture& f)
    {
        const bool unlocked = !f.fieldsLocked();
        const bool buttons = f.child<QPushButton>(u"Command1"_qs)->isEnabled()
            && f.child<QPushButton>(u"Command2"_qs)->isEnabled();
        const bool saveState = f.child<PopupButton>(u"asPopup2"_qs)->state();
        if (unlocked && buttons && saveState)
            return u"editing"_qs;
        if (!unlocked && !buttons)
            return u"viewing"_qs;
        return u"mixed"_qs;
    }

private slots:
    void initTestCase() { installFontSubstitutions(); }

    // Commands run in order on a table of rowCount rows (Yes/No answers and
    // input answers from the given lists); then the window's state, the
    // messages, the count and the position are checked.
    void stateAfterCommands_data()
    {
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QString>("expectedState");
        QTest::addColumn<QStringList>("expectedMessages");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("position");
        const QStringList none;
        QTest::newRow("start") << 2 << none << none << "viewing" << none << 2 << 1;
        QTest::newRow("add on empty") << 0 << QStringList{u"mnuadd"_qs} << none << "editing" << none << 1 << 1;
        QTest::newRow("add twice") << 2 << QStringList{u"mnuadd"_qs, u"mnuadd"_qs} << none << "editing" << none << 4 << 4;
        QTest::newRow("add then save") << 2 << QStringList{u"mnuadd"_qs, u"mnusave"_qs} << none << "viewing" << none << 3 << 3;
        QTest::newRow("save alone") << 2 << QStringList{u"mnusave"_qs} << none << "viewing" << none << 2 << 1;
        QTest::newRow("save on empty") << 0 << QStringList{u"mnusave"_qs} << none << "viewing" << none << 0 << 0;
        QTest::newRow("modify") << 2 << QStringList{u"mnuxgdqjl"_qs} << none << "editing" << none << 2 << 1;
        QTest::newRow("modify on empty")
            << 0 << QStringList{u"mnuxgdqjl"_qs} << none << "viewing" << QStringList{NothingToModify} << 0 << 0;
        QTest::newRow("modify then save") << 2 << QStringList{u"mnuxgdqjl"_qs, u"mnusave"_qs} << none << "viewing" << none << 2 << 1;
        QTest::newRow("modify by number, found")
            << 3 << QStringList{u"mnuabhxgjl"_qs} << QStringList{u"0002"_qs} << "editing" << none << 3 << 2;
        QTest::newRow("modify by number, not found")
            << 3 << QStringList{u"mnuxytjl"_qs, u"mnuabhxgjl"_qs} << QStringList{u"9999"_qs} << "editing"
            << QStringList{u"没有找到你要修改的编号，该库还没有录入这条记录！"_qs} << 3 << 2;
        QTest::newRow("modify by name on empty")
            << 0 << QStringList{u"mnuaxmxgjl"_qs} << none << "viewing" << QStringList{NothingToModify} << 0 << 0;
        QTest::newRow("delete answered No")
            << 2 << QStringList{u"mnuxgdqjl"_qs, u"mnudeldqjl"_qs} << none << "viewing"
            << QStringList{u"真的要删除这条记录吗？"_qs} << 2 << 1;
        QTest::newRow("delete all answered No")
            << 2 << QStringList{u"mnuadd"_qs, u"mnudelall"_qs} << none << "viewing"
            << QStringList{u"真的要删除所有的记录吗？"_qs} << 3 << 3;
        QTest::newRow("find keeps editing")
            << 3 << QStringList{u"mnuxgdqjl"_qs, u"mnuabhcx"_qs} << QStringList{u"0002"_qs} << "editing"
            << QStringList{u"你要的记录已经找到了！"_qs} << 3 << 2;
        QTest::newRow("moving keeps editing")
            << 3 << QStringList{u"mnuxgdqjl"_qs, u"mnuwjl"_qs} << none << "editing" << none << 3 << 3;
    }
    void stateAfterCommands()
    {
        QFETCH(int, rowCount);
        QFETCH(QStringList, commands);
        QFETCH(QStringList, inputs);
        QFETCH(QString, expectedState);
        QFETCH(QStringList, expectedMessages);
        QFETCH(int, count);
        QFETCH(int, position);
        MainWindowFixture f;
        QList<Contact> contacts = people();
        f.seed(contacts.mid(0, rowCount));
        f.open();
        for (const QString& input : inputs)
            f.services.inputAnswers.push_back(input);
        for (const QString& command : commands)
            f.trigger(command);
        QCOMPARE(state(f), expectedState);
        QCOMPARE(f.services.messageTexts(), expectedMessages);
        QCOMPARE(f.panel(2), u"共有记录：%1条"_qs.arg(count));
        QCOMPARE(f.panel(3), u"这是第%1条记录"_qs.arg(position));
        QCOMPARE(f.page(), 0);
    }

    void addThenSaveStoresWhatWasTyped()
    {
        MainWindowFixture f;
        f.seed(people());
        f.open();
        f.trigger(u"mnuadd"_qs);
        QCOMPARE(f.name(), QString());
        f.text(2)->setText(u"新朋友"_qs);
        f.child<QPlainTextEdit>(u"Text23"_qs)->setPlainText(u"第一行\n第二行"_qs);
        f.trigger(u"mnusave"_qs);
        QCOMPARE(f.storedNames(), (QStringList{u"陈XX"_qs, u"O'Brien"_qs, u"李四"_qs, u"新朋友"_qs}));
        auto rows = Database::open(f.databasePath())->openRecordset(ContactSchema::tableName());
        rows->moveLast();
        QCOMPARE(rows->value(u"备注"_qs).toString(), u"第一行\n第二行"_qs);
    }

    void typedTextIsStoredWhenMovingAway()
    {
        MainWindowFixture f;
        f.seed(people());
        f.open();
        f.trigger(u"mnuxgdqjl"_qs);
        f.text(2)->selectAll();
        QTest::keyClicks(f.text(2), u"Chen"_qs);
        f.trigger(u"mnuxytjl"_qs);
        QCOMPARE(f.name(), u"O'Brien"_qs);
        QCOMPARE(f.storedNames().first(), u"Chen"_qs);
        f.trigger(u"mnusjl"_qs);
        QCOMPARE(f.name(), u"Chen"_qs);
        QVERIFY(f.services.messages.isEmpty());
    }

    void refusedEmptyRowIsReported()
    {
        MainWindowFixture f;
        f.seed(people());
        refuse(f.databasePath(), u"CREATE TRIGGER no_add BEFORE INSERT ON 记录表 BEGIN SELECT RAISE(ABORT, '已满'); END;"_qs);
        f.open();
        f.trigger(u"mnuadd"_qs);
        QCOMPARE(state(f), u"viewing"_qs);
        QVERIFY(!f.child<PopupButton>(u"asPopup2"_qs)->state());
        QCOMPARE(f.services.messages.size(), 1);
        QVERIFY(f.services.messages[0].text.startsWith(u"无法增加新的记录"_qs));
        QCOMPARE(f.name(), u"陈XX"_qs);
        QCOMPARE(f.panel(2), u"共有记录：3条"_qs);
    }

    void failedSaveIsReportedAndKeepsEditing()
    {
        MainWindowFixture f;
        f.seed(people());
        refuse(f.databasePath(), u"CREATE TRIGGER no_change BEFORE UPDATE ON 记录表 BEGIN SELECT RAISE(ABORT, '只读'); END;"_qs);
        f.open();
        f.trigger(u"mnuxgdqjl"_qs);
        f.text(2)->setText(u"改名"_qs);
        f.trigger(u"mnusave"_qs);
        QCOMPARE(f.services.messages.size(), 1);
        QVERIFY(f.services.messages[0].text.startsWith(u"记录没有保存"_qs));
        QCOMPARE(state(f), u"editing"_qs);
    }

    void finds_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<Input>("expectedInput");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("position");
        const Input byNumber{u"请输入要查询的编号:"_qs, u"输入提示"_qs, u"0001"_qs};
        const Input byName{u"请输入要查询的姓名:"_qs, u"输入提示"_qs, u"陈XX"_qs};
        const Input byMobile{u"请输入要查询的手机号码："_qs, u"输入提示"_qs, u"138XXXXXXXX"_qs};
        const Input byHome{u"请输入要查询家庭电话号码:"_qs, u"输入信息"_qs, u"06630000000"_qs};
        const QString found = u"你要的记录已经找到了！"_qs;
        QTest::newRow("number, first of two") << u"mnuabhcx"_qs << u"0001"_qs << byNumber << found << u"信息"_qs << 1;
        QTest::newRow("number, missing") << u"mnuabhcx"_qs << u"0009"_qs << byNumber
                                         << u"没有找到你输入编号，该库还没有录入这条记录！"_qs << u"提示"_qs << 2;
        QTest::newRow("name with apostrophe") << u"mnuaxmcx"_qs << u"O'Brien"_qs << byName << found << u"信息"_qs << 2;
        QTest::newRow("name, apostrophe not stored")
            << u"mnuaxmcx"_qs << u"陈'X"_qs << byName << u"没有找到该姓名，该库还没有录入这条记录！"_qs << u"提示"_qs << 2;
        QTest::newRow("name, text that would widen a query")
            << u"mnuaxmcx"_qs << u"x' OR '1'='1"_qs << byName << u"没有找到该姓名，该库还没有录入这条记录！"_qs
            << u"提示"_qs << 2;
        QTest::newRow("name, cancelled matches the added empty row")
            << u"mnuaxmcx"_qs << QString() << byName << found << u"信息"_qs << 4;
        QTest::newRow("mobile") << u"mnuasjhmcx"_qs << u"138XXXXXXXX"_qs << byMobile << u"你找的记录已经找到了！"_qs
                                << u"信息"_qs << 2;
        QTest::newRow("mobile, missing") << u"mnuasjhmcx"_qs << u"1"_qs << byMobile
                                         << u"没有找到你输入的手机号码，该库还没有录入这条记录！"_qs << u"提示"_qs << 2;
        QTest::newRow("home phone, first of two") << u"mnuadhhmcx"_qs << u"06630000000"_qs << byHome << found << u"信息"_qs << 1;
        QTest::newRow("home phone, missing") << u"mnuadhhmcx"_qs << u"0"_qs << byHome
                                             << u"没有找到你输入电话号码，该库还没有录入这条记录！"_qs << u"提示"_qs << 2;
    }
    void finds()
    {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        QFETCH(Input, expectedInput);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(int, position);
        MainWindowFixture f;
        f.seed(people());
        f.open();
        // An added row left empty, then back to the second row on page 2.
        f.trigger(u"mnuadd"_qs);
        f.trigger(u"mnusave"_qs);
        f.trigger(u"mnusjl"_qs);
        f.trigger(u"mnuxytjl"_qs);
        f.child<QTabWidget>(u"SSTab1"_qs)->setCurrentIndex(2);
        f.services.inputAnswers.push_back(answer);
        f.trigger(command);
        QCOMPARE(f.page(), 0);
        QCOMPARE(f.services.inputs.size(), 1);
        QCOMPARE(f.services.inputs[0].prompt, expectedInput.prompt);
        QCOMPARE(f.services.inputs[0].title, expectedInput.title);
        QCOMPARE(f.services.inputs[0].defaultText, expectedInput.defaultText);
        QCOMPARE(f.services.messageTexts(), QStringList{message});
        QCOMPARE(f.services.messages[0].title, title);
        QCOMPARE(f.services.messages[0].icon, MessageIcon::Information);
        QCOMPARE(f.panel(3), u"这是第%1条记录"_qs.arg(position));
        QCOMPARE(state(f), u"viewing"_qs);
    }

    void enterWalksTheFieldsAndPages()
    {
        MainWindowFixture f;
        f.seed(people());
        frmmain& w = f.open();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        f.text(5)->setFocus();
        QTest::keyClick(f.text(5), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), f.text(6));
        QCOMPARE(f.page(), 0);
        f.text(16)->setFocus();
        QTest::keyClick(f.text(16), Qt::Key_Return);
        QCOMPARE(f.page(), 1);
        QCOMPARE(QApplication::focusWidget(), f.text(17));
        f.text(22)->setFocus();
        QTest::keyClick(f.text(22), Qt::Key_Enter);
        QCOMPARE(f.page(), 2);
        QCOMPARE(QApplication::focusWidget(), f.child<QWidget>(u"Text23"_qs));
        QVERIFY(f.services.messages.isEmpty());
    }

    void enterInTheNotesAsksToAddAnother()
    {
        MainWindowFixture f;
        f.seed(people());
        f.open();
        auto* notes = f.child<QPlainTextEdit>(u"Text23"_qs);
        QTest::keyClick(notes, Qt::Key_Return);
        QCOMPARE(f.services.messageTexts(), QStringList{u"还要增加新的记录吗？"_qs});
        QCOMPARE(f.services.messages[0].icon, MessageIcon::Question);
        QCOMPARE(f.services.messages[0].title, u"Orvanta"_qs);
        QCOMPARE(f.panel(2), u"共有记录：3条"_qs);
        QCOMPARE(notes->toPlainText(), QString());

        f.services.answers.push_back(MessageAnswer::Yes);
        QTest::keyClick(notes, Qt::Key_Return);
        QCOMPARE(f.panel(2), u"共有记录：4条"_qs);
        QCOMPARE(state(f), u"editing"_qs);
        // The Enter reaches the unlocked notes afterwards as a line break.
        QCOMPARE(notes->toPlainText(), u"\n"_qs);

        f.services.answers.push_back(MessageAnswer::Yes);
        QTest::mouseDClick(notes->viewport(), Qt::LeftButton);
        QCOMPARE(f.services.messages.size(), 3);
        QCOMPARE(f.panel(2), u"共有记录：5条"_qs);
    }

    void deleteCurrent_data()
    {
        QTest::addColumn<int>("startRow");
        QTest::addColumn<QStringList>("remaining");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("position");
        QTest::newRow("middle") << 2 << QStringList{u"陈XX"_qs, u"李四"_qs} << u"陈XX"_qs << 1;
        QTest::newRow("first") << 1 << QStringList{u"O'Brien"_qs, u"李四"_qs} << u"O'Brien"_qs << 1;
        QTest::newRow("last") << 3 << QStringList{u"陈XX"_qs, u"O'Brien"_qs} << u"O'Brien"_qs << 2;
    }
    void deleteCurrent()
    {
        QFETCH(int, startRow);
        QFETCH(QStringList, remaining);
        QFETCH(QString, shown);
        QFETCH(int, position);
        MainWindowFixture f;
        f.seed(people());
        createSound(f.dir.path());
        f.open();
        for (int i = 1; i < startRow; ++i)
            f.trigger(u"mnuxytjl"_qs);
        f.trigger(u"mnuxgdqjl"_qs);
        f.services.answers.push_back(MessageAnswer::Yes);
        f.trigger(u"mnudeldqjl"_qs);
        QCOMPARE(f.services.messageTexts(), QStringList{u"真的要删除这条记录吗？"_qs});
        QCOMPARE(f.services.messages[0].title, u"Orvanta"_qs);
        QCOMPARE(f.storedNames(), remaining);
        QCOMPARE(f.name(), shown);
        QCOMPARE(f.panel(2), u"共有记录：2条"_qs);
        QCOMPARE(f.panel(3), u"这是第%1条记录"_qs.arg(position));
        QCOMPARE(f.services.mediaLog, (QStringList{u"file del.wav"_qs, u"play"_qs}));
        QCOMPARE(state(f), u"viewing"_qs);
    }

    void deleteOnEmptyTable()
    {
        MainWindowFixture f;
        f.seed({});
        f.open();
        f.services.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
        f.trigger(u"mnudeldqjl"_qs);
        f.trigger(u"mnudelall"_qs);
        QCOMPARE(f.services.messageTexts(),
                 (QStringList{u"真的要删除这条记录吗？"_qs, u"没有记录可以删除，数据库还是空的。"_qs,
                              u"真的要删除所有的记录吗？"_qs, u"数据库没有记录，没有什么可以删除！"_qs}));
        QCOMPARE(f.services.messages[3].title, u"删除"_qs);
        QVERIFY(f.services.mediaLog.isEmpty());
    }

    void deleteAll_data()
    {
        QTest::addColumn<bool>("soundPresent");
        QTest::newRow("with the sound") << true;
        QTest::newRow("sound missing") << false;
    }
    void deleteAll()
    {
        QFETCH(bool, soundPresent);
        MainWindowFixture f;
        f.seed(people());
        if (soundPresent)
            createSound(f.dir.path());
        f.open();
        f.trigger(u"mnuxytjl"_qs);
        f.services.answers.push_back(MessageAnswer::Yes);
        f.trigger(u"mnudelall"_qs);
        QCOMPARE(f.services.messageTexts(), (QStringList{u"真的要删除所有的记录吗？"_qs, u"所有记录已经删除完毕！"_qs}));
        QCOMPARE(f.services.messages[0].title, u"请注意！！！"_qs);
        QCOMPARE(f.services.messages[1].title, u"删除"_qs);
        QCOMPARE(f.services.messages[1].icon, MessageIcon::Exclamation);
        QCOMPARE(f.services.mediaLog.first(), u"file del.wav"_qs);
        QCOMPARE(f.services.mediaLog.contains(u"play"_qs), soundPresent);
        QCOMPARE(f.storedNames(), QStringList{});
        QCOMPARE(f.panel(2), u"共有记录：0条"_qs);
        QCOMPARE(f.panel(3), u"这是第0条记录"_qs);
        QCOMPARE(f.name(), QString());
    }

    void deleteAllThatFailsHalfwayDeletesNothing()
    {
        MainWindowFixture f;
        f.seed(people());
        refuse(f.databasePath(),
               u"CREATE TRIGGER keep BEFORE DELETE ON 记录表 WHEN old.姓名 = '李四' BEGIN SELECT RAISE(ABORT, '保留'); END;"_qs);
        f.open();
        f.services.answers.push_back(MessageAnswer::Yes);
        f.trigger(u"mnudelall"_qs);
        QCOMPARE(f.storedNames(), (QStringList{u"陈XX"_qs, u"O'Brien"_qs, u"李四"_qs}));
        QCOMPARE(f.services.messageTexts(), QStringList{u"真的要删除所有的记录吗？"_qs});
        QCOMPARE(f.panel(2), u"共有记录：3条"_qs);
    }
};

QTEST_MAIN(tst_editing)
#include "tst_editing.moc"
