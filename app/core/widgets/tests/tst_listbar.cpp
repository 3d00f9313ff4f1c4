#include "listbar.h"

#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

QPixmap icon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::darkCyan);
    return pixmap;
}

// Builds the main window's bar: group 1 from its definition, three more
// added at load, with a few items each.
void fill(ListBar& bar)
{
    bar.setGroupCaptions({QStringLiteral("移动记录")});
    bar.addGroup(QStringLiteral("背景音乐"));
    bar.addGroup(QStringLiteral("日历"));
    for (const char* caption : {"第一条记录", "上一条记录", "下一条记录", "尾记录"})
        bar.addItem(QString::fromUtf8(caption), icon(), 1);
    for (const char* caption : {"爱拼才会赢", "春江花月夜"})
        bar.addItem(QString::fromUtf8(caption), icon(), 2);
}

QListWidget* visibleItems(const ListBar& bar)
{
    for (QListWidget* items : bar.findChildren<QListWidget*>()) {
        if (items->isVisible())
            return items;
    }
    return nullptr;
}

QPushButton* header(const ListBar& bar, const QString& caption)
{
    for (QPushButton* button : bar.findChildren<QPushButton*>()) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}

} // namespace

class TestListBar : public QObject
{
    Q_OBJECT

private slots:
    void groupsAreNumberedFromOne();
    void itemsBelongToTheirGroup();
    void unknownGroupsAndItemsAreIgnored();
    void groupCaptionsReplaceAllGroups();
    void clickingAHeaderOpensItsGroup();
    void clickingAnItemReportsGroupAndItem_data();
    void clickingAnItemReportsGroupAndItem();
    void clickingBelowTheItemsReportsNothing();
};

void TestListBar::groupsAreNumberedFromOne()
{
    ListBar bar;
    QCOMPARE(bar.groupCount(), 0);
    QCOMPARE(bar.currentGroup(), 0);
    QCOMPARE(bar.addGroup(QStringLiteral("背景音乐")), 1);
    QCOMPARE(bar.addGroup(QStringLiteral("日历")), 2);
    QCOMPARE(bar.groupCount(), 2);
    QCOMPARE(bar.groupCaption(2), QStringLiteral("日历"));
    QCOMPARE(bar.currentGroup(), 1);
}

void TestListBar::itemsBelongToTheirGroup()
{
    ListBar bar;
    fill(bar);
    QCOMPARE(bar.itemCount(1), 4);
    QCOMPARE(bar.itemCount(2), 2);
    QCOMPARE(bar.itemCount(3), 0);
    QCOMPARE(bar.itemCaption(1, 1), QStringLiteral("第一条记录"));
    QCOMPARE(bar.itemCaption(1, 4), QStringLiteral("尾记录"));
    QCOMPARE(bar.itemCaption(2, 2), QStringLiteral("春江花月夜"));
}

void TestListBar::unknownGroupsAndItemsAreIgnored()
{
    ListBar bar;
    fill(bar);
    bar.addItem(QStringLiteral("查询"), icon(), 0);
    bar.addItem(QStringLiteral("查询"), icon(), 4);
    QCOMPARE(bar.itemCount(1) + bar.itemCount(2) + bar.itemCount(3), 6);
    QCOMPARE(bar.itemCount(4), 0);
    QCOMPARE(bar.groupCaption(0), QString());
    QCOMPARE(bar.itemCaption(1, 0), QString());
    QCOMPARE(bar.itemCaption(1, 5), QString());
    bar.setCurrentGroup(4);
    QCOMPARE(bar.currentGroup(), 1);
}

void TestListBar::groupCaptionsReplaceAllGroups()
{
    ListBar bar;
    fill(bar);
    bar.setCurrentGroup(3);
    QVERIFY(bar.setProperty("groupCaptions", QStringList{QStringLiteral("移动记录")}));
    QCOMPARE(bar.groupCount(), 1);
    QCOMPARE(bar.property("groupCaptions").toStringList(), QStringList{QStringLiteral("移动记录")});
    QCOMPARE(bar.itemCount(1), 0);
    QCOMPARE(bar.currentGroup(), 1);
    QCOMPARE(bar.addGroup(QStringLiteral("背景音乐")), 2);
}

void TestListBar::clickingAHeaderOpensItsGroup()
{
    ListBar bar;
    fill(bar);
    bar.resize(127, 337);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QCOMPARE(visibleItems(bar)->count(), 4);

    QTest::mouseClick(header(bar, QStringLiteral("背景音乐")), Qt::LeftButton);
    QCOMPARE(bar.currentGroup(), 2);
    QCOMPARE(visibleItems(bar)->count(), 2);
    QCOMPARE(visibleItems(bar)->item(0)->text(), QStringLiteral("爱拼才会赢"));
}

void TestListBar::clickingAnItemReportsGroupAndItem_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("expectedGroup");

    QTest::newRow("first item of group 1") << QStringLiteral("移动记录") << 1 << 1;
    QTest::newRow("last item of group 1") << QStringLiteral("移动记录") << 4 << 1;
    QTest::newRow("second item of group 2") << QStringLiteral("背景音乐") << 2 << 2;
}

void TestListBar::clickingAnItemReportsGroupAndItem()
{
    QFETCH(QString, group);
    QFETCH(int, item);
    QFETCH(int, expectedGroup);

    ListBar bar;
    fill(bar);
    bar.resize(127, 400);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QTest::mouseClick(header(bar, group), Qt::LeftButton);

    QSignalSpy clicks(&bar, &ListBar::itemClick);
    QListWidget* items = visibleItems(bar);
    const QRect cell = items->visualItemRect(items->item(item - 1));
    QVERIFY(items->viewport()->rect().contains(cell.center()));
    QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, cell.center());

    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), expectedGroup);
    QCOMPARE(clicks.at(0).at(1).toInt(), item);
}

void TestListBar::clickingBelowTheItemsReportsNothing()
{
    ListBar bar;
    fill(bar);
    bar.resize(127, 600);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));

    QSignalSpy clicks(&bar, &ListBar::itemClick);
    QListWidget* items = visibleItems(bar);
    const QRect last = items->visualItemRect(items->item(items->count() - 1));
    const QPoint below(last.center().x(), last.bottom() + 20);
    QVERIFY(items->viewport()->rect().contains(below));
    QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, below);
    QCOMPARE(clicks.count(), 0);
}

QTEST_MAIN(TestListBar)
#include "tst_listbar.moc"
