#include "linktarget.h"
#include "vindaro.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

class tst_VindaroOpening : public QObject
{
    Q_OBJECT

private slots:
    void targetOfLinkText_data();
    void targetOfLinkText();
    void clickHandsTargetToOpenerOrHost_data();
    void clickHandsTargetToOpenerOrHost();
    void clickIsRaisedBeforeTheLinkOpens();
    void failingClickHandlerStillOpensTheLink();
    void releaseOutsideTheControlOpensNothing();
    void shellMetacharactersReachXdgOpenAsOneArgument();
};

namespace {

// A shown link label whose openers record what they are given.
struct RecordingLink {
    RecordingLink()
    {
        link.initProperties();
        link.setAutoSize(false);
        link.resize(120, 24);
        link.setLinkOpener([this](const QString& target) { opened << target; });
        link.setHyperlinkNavigator([this](const QString& target) { navigated << target; });
        link.show();
    }

    void click() { QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(10, 10)); }

    Vindaro link;
    QStringList opened;
    QStringList navigated;
};

} // namespace

void tst_VindaroOpening::targetOfLinkText_data()
{
    QTest::addColumn<QString>("linkText");
    QTest::addColumn<QString>("target");

    QTest::newRow("bare address") << "someone@example.com" << "mailto:someone@example.com";
    QTest::newRow("MAILTO prefix") << "MAILTO:someone@example.com" << "MAILTO:someone@example.com";
    QTest::newRow("web address") << "http://www.example.com" << "http://www.example.com";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("mailto inside a host name")
        << "bob@MailToday.example.com" << "bob@MailToday.example.com";
    QTest::newRow("mailto without @") << "mailto:" << "mailto:";
}

void tst_VindaroOpening::targetOfLinkText()
{
    QFETCH(QString, linkText);
    QFETCH(QString, target);
    QCOMPARE(vindaro::linkTargetOf(linkText), target);
}

void tst_VindaroOpening::clickHandsTargetToOpenerOrHost_data()
{
    QTest::addColumn<int>("linkType");
    QTest::addColumn<QString>("linkText");
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<QStringList>("navigated");

    QTest::newRow("bare address") << 0 << "someone@example.com"
                                  << QStringList{"mailto:someone@example.com"} << QStringList{};
    QTest::newRow("MAILTO prefix") << 0 << "MAILTO:someone@example.com"
                                   << QStringList{"MAILTO:someone@example.com"} << QStringList{};
    QTest::newRow("web address") << 0 << "www.example.com" << QStringList{"www.example.com"}
                                 << QStringList{};
    QTest::newRow("empty text opens nothing") << 0 << "" << QStringList{} << QStringList{};
    QTest::newRow("mailto inside a host name")
        << 0 << "bob@mailtohost.example.com" << QStringList{"bob@mailtohost.example.com"}
        << QStringList{};
    QTest::newRow("type 1 goes to the host unchanged")
        << 1 << "someone@example.com" << QStringList{} << QStringList{"someone@example.com"};
    QTest::newRow("any other type goes to the host")
        << 7 << "www.example.com" << QStringList{} << QStringList{"www.example.com"};
}

void tst_VindaroOpening::clickHandsTargetToOpenerOrHost()
{
    QFETCH(int, linkType);
    QFETCH(QString, linkText);
    QFETCH(QStringList, opened);
    QFETCH(QStringList, navigated);

    RecordingLink fixture;
    fixture.link.setLinkType(enLinkType(linkType));
    fixture.link.setLinkText(linkText);
    fixture.click();

    QCOMPARE(fixture.opened, opened);
    QCOMPARE(fixture.navigated, navigated);
}

void tst_VindaroOpening::clickIsRaisedBeforeTheLinkOpens()
{
    RecordingLink fixture;
    QStringList order;
    connect(&fixture.link, &Vindaro::Click, [&] { order << "Click"; });
    fixture.link.setLinkOpener([&](const QString& target) { order << "open " + target; });
    fixture.link.setLinkText("a@b.example");
    fixture.click();

    QCOMPARE(order, (QStringList{"Click", "open mailto:a@b.example"}));
}

void tst_VindaroOpening::failingClickHandlerStillOpensTheLink()
{
    RecordingLink fixture;
    connect(&fixture.link, &Vindaro::Click, [] { throw std::runtime_error("host handler failed"); });
    fixture.link.setLinkText("www.example.com");
    fixture.click();
    QCOMPARE(fixture.opened, QStringList{"www.example.com"});

    // A failing start leaves the control as it was, with nothing escaping to the host.
    fixture.link.setLinkOpener([](const QString&) { throw std::runtime_error("start failed"); });
    fixture.click();
    QCOMPARE(fixture.link.LinkText(), QString("www.example.com"));
}

void tst_VindaroOpening::releaseOutsideTheControlOpensNothing()
{
    RecordingLink fixture;
    int clicks = 0;
    connect(&fixture.link, &Vindaro::Click, [&] { ++clicks; });
    QTest::mousePress(&fixture.link, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&fixture.link, Qt::LeftButton, {}, QPoint(500, 10));

    QCOMPARE(clicks, 0);
    QVERIFY(fixture.opened.isEmpty());
}

void tst_VindaroOpening::shellMetacharactersReachXdgOpenAsOneArgument()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString argumentsFile = dir.filePath("arguments");
    const QString marker = dir.filePath("marker");
    {
        QFile fake(dir.filePath("xdg-open"));
        QVERIFY(fake.open(QIODevice::WriteOnly));
        fake.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '%1.part'\nmv '%1.part' '%1'\n")
                       .arg(argumentsFile)
                       .toUtf8());
        fake.close();
        QVERIFY(fake.setPermissions(fake.permissions() | QFileDevice::ExeOwner));
    }
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", dir.path().toLocal8Bit() + ':' + oldPath);

    Vindaro link;
    link.initProperties();
    link.resize(120, 24);
    link.show();
    const QString text = QStringLiteral("x@y.example; touch %1 && $(touch %1) `touch %1` | \"q\" 'q'")
                             .arg(marker);
    link.setLinkText(text);
    QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(5, 5));

    QTRY_VERIFY(QFile::exists(argumentsFile));
    qputenv("PATH", oldPath);
    QFile arguments(argumentsFile);
    QVERIFY(arguments.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(arguments.readAll()), "1\nmailto:" + text + "\n");
    QVERIFY(!QFile::exists(marker));
}

QTEST_MAIN(tst_VindaroOpening)
#include "tst_vindaroopening.moc"
