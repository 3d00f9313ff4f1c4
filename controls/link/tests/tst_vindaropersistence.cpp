#include "vindaro.h"
#include "vindarometadata.h"

#include <QSignalSpy>
#include <QTest>

class tst_VindaroPersistence : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void newInstanceSavesAutoSizeAndItsUnderlinedFont();
    void everyPropertySurvivesSavingAndLoading();
    void missingKeysLoadAsDefaults();
    void keysAreMatchedWithoutRegardToCase();
    void loadingNeitherRedrawsNorResizes();
    void loadingNotifiesOnlyThroughTheMouseIconPut();
    void loadedUnderlineFlagLeavesTheSavedFontAsItIs();
    void everyPutNotifiesByItsKeyName();
    void helpStrings_data();
    void helpStrings();

private:
    qorv::AmbientProperties m_ambient;
};

namespace {

QImage checkerIcon()
{
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    for (int i = 0; i < 16; ++i)
        icon.setPixelColor(i, i, Qt::red);
    return icon;
}

} // namespace

void tst_VindaroPersistence::initTestCase()
{
    QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("AR PL UMing CN"));
    m_ambient.font = QFont(QStringLiteral("AR PL UMing CN"), 10);
}

void tst_VindaroPersistence::newInstanceSavesAutoSizeAndItsUnderlinedFont()
{
    Vindaro link(nullptr, m_ambient);
    link.initProperties();
    qorv::PropertyBag bag;
    link.writeProperties(bag);

    QCOMPARE(bag.keys(), (QStringList{"Font", "AutoSize"}));
    QCOMPARE(bag.read("AutoSize", false), QVariant(true));
    QFont expected = m_ambient.font;
    expected.setUnderline(true);
    QCOMPARE(bag.read("Font", QFont()).value<QFont>(), expected);
}

void tst_VindaroPersistence::everyPropertySurvivesSavingAndLoading()
{
    QFont font(QStringLiteral("AR PL UMing CN"), 14);
    font.setBold(true);

    Vindaro saved(nullptr, m_ambient);
    saved.initProperties();
    saved.setBackColor(0x000000FF);
    saved.setBorderStyle(1);
    saved.setFont(font);
    saved.setMouseIcon(checkerIcon());
    saved.setMousePointer(99);
    saved.setLinkText(QStringLiteral("某人@example.com"));
    saved.setLinkColor(0x0000FF00);
    saved.setAutoSize(false);
    saved.setLinkUnderline(false);
    saved.setLinkType(enLinkType::other);
    qorv::PropertyBag bag;
    saved.writeProperties(bag);
    const auto stored = qorv::PropertyBag::deserialize(bag.serialize());
    QVERIFY(stored.has_value());

    Vindaro loaded(nullptr, m_ambient);
    loaded.readProperties(*stored);

    QCOMPARE(loaded.BackColor(), qorv::OleColor(0x000000FF));
    QCOMPARE(loaded.BorderStyle(), short(1));
    QCOMPARE(loaded.Font(), saved.Font());
    QCOMPARE(loaded.MouseIcon().convertToFormat(QImage::Format_ARGB32), checkerIcon());
    QCOMPARE(loaded.MousePointer(), short(99));
    QCOMPARE(loaded.LinkText(), QStringLiteral("某人@example.com"));
    QCOMPARE(loaded.LinkColor(), qorv::OleColor(0x0000FF00));
    QCOMPARE(loaded.AutoSize(), false);
    QCOMPARE(loaded.LinkUnderline(), false);
    QCOMPARE(loaded.LinkType(), enLinkType::other);
}

void tst_VindaroPersistence::missingKeysLoadAsDefaults()
{
    Vindaro link(nullptr, m_ambient);
    link.initProperties();
    link.setBackColor(0x00123456);
    link.setBorderStyle(1);
    link.setFont(QFont(QStringLiteral("AR PL UMing CN"), 20));
    link.setMouseIcon(checkerIcon());
    link.setMousePointer(2);
    link.setLinkText("x");
    link.setLinkColor(0);
    link.setLinkUnderline(false);
    link.setLinkType(enLinkType(5));

    link.readProperties(qorv::PropertyBag());

    QCOMPARE(link.BackColor(), qorv::OleColor(0x8000000F));
    QCOMPARE(link.BorderStyle(), short(0));
    QCOMPARE(link.Font(), m_ambient.font);
    QVERIFY(link.MouseIcon().isNull());
    QCOMPARE(link.MousePointer(), short(0));
    QCOMPARE(link.LinkText(), QString("mailto:"));
    QCOMPARE(link.LinkColor(), qorv::OleColor(0x00FF0000));
    QCOMPARE(link.AutoSize(), false);
    QCOMPARE(link.LinkUnderline(), true);
    QCOMPARE(link.LinkType(), enLinkType::mailto);
}

void tst_VindaroPersistence::keysAreMatchedWithoutRegardToCase()
{
    qorv::PropertyBag bag;
    bag.set("linktext", QStringLiteral("www.example.com"));
    bag.set("autosize", true);
    bag.set("LINKTYPE", 1);

    Vindaro link(nullptr, m_ambient);
    link.readProperties(bag);

    QCOMPARE(link.LinkText(), QString("www.example.com"));
    QCOMPARE(link.AutoSize(), true);
    QCOMPARE(link.LinkType(), enLinkType::other);
}

void tst_VindaroPersistence::loadingNeitherRedrawsNorResizes()
{
    Vindaro link(nullptr, m_ambient);
    link.setLinkText("before");
    const QImage before = link.persistentImage();
    const QSize sizeBefore = link.size();
    qorv::PropertyBag bag;
    bag.set("LinkText", QStringLiteral("a much longer text than before"));
    bag.set("AutoSize", true);

    link.readProperties(bag);
    QCOMPARE(link.persistentImage(), before);
    QCOMPARE(link.size(), sizeBefore);

    link.show();
    QVERIFY(link.persistentImage() != before);
    QVERIFY(link.width() > sizeBefore.width());
}

void tst_VindaroPersistence::loadingNotifiesOnlyThroughTheMouseIconPut()
{
    qorv::PropertyBag bag;
    bag.set("LinkText", QStringLiteral("www.example.com"));
    bag.set("BackColor", 0x00FFFFFFu);
    Vindaro link(nullptr, m_ambient);
    QSignalSpy notices(&link, &Vindaro::propertyChanged);

    link.readProperties(bag);

    QCOMPARE(notices.size(), 1);
    QCOMPARE(notices.at(0).at(0).toString(), QString("MouseIcon"));
}

void tst_VindaroPersistence::loadedUnderlineFlagLeavesTheSavedFontAsItIs()
{
    qorv::PropertyBag bag;
    bag.set("Font", QFont(QStringLiteral("AR PL UMing CN"), 12));
    Vindaro link(nullptr, m_ambient);

    link.readProperties(bag);
    QCOMPARE(link.LinkUnderline(), true);
    QCOMPARE(link.Font().underline(), false);

    link.setLinkUnderline(true);
    QCOMPARE(link.Font().underline(), true);
}

void tst_VindaroPersistence::everyPutNotifiesByItsKeyName()
{
    Vindaro link(nullptr, m_ambient);
    QSignalSpy notices(&link, &Vindaro::propertyChanged);

    link.setBackColor(1);
    link.setBorderStyle(1);
    link.setFont(QFont());
    link.setMouseIcon(checkerIcon());
    link.setMousePointer(1);
    link.setLinkText("x");
    link.setLinkColor(1);
    link.setAutoSize(false);
    link.setLinkUnderline(false);
    link.setLinkType(enLinkType::other);

    QStringList names;
    for (const auto& notice : notices)
        names << notice.at(0).toString();
    QCOMPARE(names, (QStringList{"BackColor", "BorderStyle", "Font", "MouseIcon", "MousePointer",
                                 "LinkText", "LinkColor", "AutoSize", "LinkUnderline", "LinkType"}));
}

void tst_VindaroPersistence::helpStrings_data()
{
    QTest::addColumn<QString>("member");
    QTest::addColumn<QString>("helpString");

    QTest::newRow("BackColor") << "BackColor" << "返回/设置对象中文本和图形的背景色。";
    QTest::newRow("hWnd") << "hWnd" << "返回一个句柄到(from Microsoft Windows)一个对象的窗口。";
    QTest::newRow("AutoSize") << "AutoSize" << "决定控件是否能自动调整大小以显示所有的内容。";
    QTest::newRow("LinkText has none") << "LinkText" << "";
    QTest::newRow("KeyPress") << "KeyPress" << "当用户按下和释放 ANSI 键时发生。";
    QTest::newRow("MouseLeave has none") << "MouseLeave" << "";
}

void tst_VindaroPersistence::helpStrings()
{
    QFETCH(QString, member);
    QFETCH(QString, helpString);
    QCOMPARE(vindaro::helpStringOf(member), helpString);
}

QTEST_MAIN(tst_VindaroPersistence)
#include "tst_vindaropersistence.moc"
