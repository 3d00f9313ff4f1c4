#include "vindaro.h"

#include <QFontMetrics>
#include <QTest>

class tst_VindaroDrawing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void autoSizeFollowsTheTextInItsDrawnFont_data();
    void autoSizeFollowsTheTextInItsDrawnFont();
    void autoSizeOffKeepsTheGivenSize();
    void switchingAutoSizeOnSizesAtOnce();
    void redrawClearsAllOfTheOldText_data();
    void redrawClearsAllOfTheOldText();
    void onlyTextAndUnderlinePutsRedrawAtOnce();
    void sizeChangeRaisesResizeOnly();
};

namespace {

QFont songti(int pointSize)
{
    QFont font(QStringLiteral("宋体"));
    font.setPointSize(pointSize);
    return font;
}

QSize textSizeIn(const QFont& font, const QString& text)
{
    const QFontMetrics metrics(font);
    return {metrics.horizontalAdvance(text), metrics.height()};
}

// Pixels that are neither transparent nor the back colour, outside the
// cells of the text drawn last.
int strayPixels(const QImage& image, const QRect& textCells, const QColor& back)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (!textCells.contains(x, y) && pixel.alpha() != 0 && pixel != back)
                ++count;
        }
    }
    return count;
}

} // namespace

void tst_VindaroDrawing::initTestCase()
{
    QFont::insertSubstitution(QStringLiteral("宋体"), QStringLiteral("AR PL UMing CN"));
}

void tst_VindaroDrawing::autoSizeFollowsTheTextInItsDrawnFont_data()
{
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<QString>("text");

    QTest::newRow("9 pt address") << 9 << "someone@example.com";
    QTest::newRow("20 pt address") << 20 << "someone@example.com";
    QTest::newRow("28 pt Chinese") << 28 << "联系我们：某人@例子.中国";
}

void tst_VindaroDrawing::autoSizeFollowsTheTextInItsDrawnFont()
{
    QFETCH(int, pointSize);
    QFETCH(QString, text);

    Vindaro link;
    link.setFont(songti(pointSize));
    link.setLinkText(text);

    QCOMPARE(link.size(), textSizeIn(songti(pointSize), text));
    // What shows reaches into the right-most quarter: the text is not cut off.
    const QImage shown = link.grab().toImage();
    const QColor back = *qorv::toQColor(link.BackColor());
    const QRect rightQuarter(shown.width() * 3 / 4, 0, shown.width() / 4, shown.height());
    QVERIFY(strayPixels(shown.copy(rightQuarter), {}, back) > 0);
}

void tst_VindaroDrawing::autoSizeOffKeepsTheGivenSize()
{
    Vindaro link;
    link.setAutoSize(false);
    link.resize(300, 40);
    link.setLinkText("someone@example.com");
    QCOMPARE(link.size(), QSize(300, 40));
}

void tst_VindaroDrawing::switchingAutoSizeOnSizesAtOnce()
{
    Vindaro link;
    link.setAutoSize(false);
    link.setLinkText("www.example.com");
    link.resize(300, 40);

    link.setAutoSize(true);
    QCOMPARE(link.size(), textSizeIn(link.Font(), "www.example.com"));
}

void tst_VindaroDrawing::redrawClearsAllOfTheOldText_data()
{
    QTest::addColumn<int>("oldPointSize");
    QTest::addColumn<QString>("oldText");
    QTest::addColumn<int>("newPointSize");
    QTest::addColumn<QString>("newText");

    QTest::newRow("full-width text replaced by a shorter one")
        << 9 << "联系人的电子邮件地址" << 9 << "a@b.cn";
    QTest::newRow("large font replaced by a small one")
        << 24 << "someone@example.com" << 9 << "someone@example.com";
}

void tst_VindaroDrawing::redrawClearsAllOfTheOldText()
{
    QFETCH(int, oldPointSize);
    QFETCH(QString, oldText);
    QFETCH(int, newPointSize);
    QFETCH(QString, newText);

    Vindaro link;
    link.setAutoSize(false);
    link.resize(400, 60);
    link.setFont(songti(oldPointSize));
    link.setLinkText(oldText);
    const QColor back = *qorv::toQColor(link.BackColor());
    QVERIFY(strayPixels(link.persistentImage(), {}, back) > 0);

    link.setFont(songti(newPointSize));
    link.setLinkText(newText);

    const QRect newCells(QPoint(0, 0), textSizeIn(songti(newPointSize), newText));
    QCOMPARE(strayPixels(link.persistentImage(), newCells, back), 0);
}

void tst_VindaroDrawing::onlyTextAndUnderlinePutsRedrawAtOnce()
{
    Vindaro link;
    link.initProperties();
    link.setLinkText("www.example.com");
    const QImage drawn = link.persistentImage();

    link.setBackColor(0x0000FFFF);
    link.setLinkColor(0x000000FF);
    link.setFont(songti(16));
    QCOMPARE(link.persistentImage(), drawn);

    link.setLinkUnderline(false);
    QVERIFY(link.persistentImage() != drawn);
    const QImage withoutUnderline = link.persistentImage();
    link.setLinkText("www.example.org");
    QVERIFY(link.persistentImage() != withoutUnderline);
}

void tst_VindaroDrawing::sizeChangeRaisesResizeOnly()
{
    Vindaro link;
    link.setAutoSize(false);
    link.setLinkText("www.example.com");
    link.show();
    const QImage drawn = link.persistentImage();
    int resizes = 0;
    connect(&link, &Vindaro::Resize, [&] { ++resizes; });

    link.resize(link.width() + 50, link.height() + 10);

    QCOMPARE(resizes, 1);
    QCOMPARE(link.persistentImage().copy(drawn.rect()), drawn);
}

QTEST_MAIN(tst_VindaroDrawing)
#include "tst_vindarodrawing.moc"
