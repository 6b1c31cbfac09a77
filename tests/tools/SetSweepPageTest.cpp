#include <QClipboard>
#include <QGuiApplication>

#include "tools/SetSweepFixture.h"

namespace {

// The page for start "10" and count "5", as the browser must receive it. Lines end in
// LF here and get their CR below, so this text stays readable.
constexpr char kPageFor10And5[] = R"(<script>
start=10;
nbrofsets=5;
s="<html><body bgcolor=#c0c0c0>"
s=s+"<center>"
s=s+"<table width=50% cols=2 cellpadding=2 cellspacing=2 border=2>"
s=s+"<col width=20% align=center>"
s=s+"<col width=80% align=center>"
s=s+"<thead><tr><th colspan=2>Lego&#174 Set Pictures from LEGO.com</th>"
s=s+"<tr><th>Set Number</th><th>Set Picture</th></tr></thead>"
s=s+"<tbody>"
for (i=start;i<start+nbrofsets;i++)
{
s=s+"<tr>"
s=s+"<td>"
s=s+i
s=s+"</td>"
s=s+"<td>"
s=s+"<img src=http://cache.lego.com/images/shop/Products/TYPE10/LEGO-US-2057/set384x288us"
if (i>0 & i<10) {s=s+"0000"}
if (i>9 & i<100) {s=s+"000"}
if (i>999 & i<10000) {s=s+"00"}
if (i>9999) {s=s+"0"}
s=s+i
+ ".jpg width='192' height='144'> "
+ " "
s=s+"</td>"
s=s+"</tr>"
}
s=s+"</tbody>"
s=s+"</table>"
s=s+"</center></body></html>"
document.write(s)
</script>
)";

QByteArray withCrLf(QByteArray text) {
    return text.replace("\n", "\r\n");
}

// The expected page with other values on lines 2 and 3 (given as raw bytes).
QByteArray expectedPage(const QByteArray& startLine, const QByteArray& countLine) {
    QByteArray page(kPageFor10And5);
    page.replace("start=10;\n", startLine + "\n");
    page.replace("nbrofsets=5;\n", countLine + "\n");
    return withCrLf(page);
}

}  // namespace

TEST_F(SetSweepTest, OrdinaryValuesGiveThePageByteForByte) {
    open();
    viewPicsWith(QStringLiteral("10"), QStringLiteral("5"));

    const QByteArray page = pageOnDisk();
    EXPECT_EQ(page, withCrLf(kPageFor10And5));
    EXPECT_EQ(page.count("\r\n"), 34);
    EXPECT_FALSE(page.contains("\n\n")) << "no bare line feeds";
    EXPECT_TRUE(page.startsWith("<script>\r\n")) << "no byte-order mark";
}

TEST_F(SetSweepTest, OnlyBlanksAroundAValueAreTrimmed) {
    open();
    viewPicsWith(QStringLiteral("   10 20  "), QStringLiteral(" 5"));
    EXPECT_EQ(pageOnDisk(), expectedPage("start=10 20;", "nbrofsets=5;"));

    // Tabs are not blanks: they stay, and so does a blank inside them.
    paste(start(), QStringLiteral("\t7 "));
    paste(count(), QStringLiteral(" 3\t "));
    QTest::mouseClick(viewPics(), Qt::LeftButton);
    EXPECT_EQ(pageOnDisk(), expectedPage("start=\t7;", "nbrofsets=3\t;"));
}

TEST_F(SetSweepTest, BoxesOfBlanksOnlyPassAndAreWrittenEmpty) {
    open();
    viewPicsWith(QStringLiteral("    "), QStringLiteral(" "));

    EXPECT_TRUE(doubles.messages.shown.empty());
    EXPECT_EQ(pageOnDisk(), expectedPage("start=;", "nbrofsets=;"));
    EXPECT_EQ(doubles.programs.commandLines.size(), 1);
}

TEST_F(SetSweepTest, ValuesThatAreNotNumbersAreWrittenVerbatim) {
    open();
    viewPicsWith(QStringLiteral("abc\"</script>"), QStringLiteral("-2+x;y"));
    EXPECT_EQ(pageOnDisk(), expectedPage("start=abc\"</script>;", "nbrofsets=-2+x;y;"));
}

TEST_F(SetSweepTest, CharactersBeyondLatin1BecomeOneQuestionMarkEach) {
    open();
    enter(start(), QString());
    // An emoji cannot be typed key by key; it comes in by pasting, as a user would.
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8("\xc3\xa9\xe2\x82\xac\xf0\x9f\xa7\xb1"));
    QTest::keyClick(start(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(start()->text(), QString::fromUtf8("é€🧱"));
    enter(count(), QString::fromUtf8("ß1"));
    QTest::keyClick(count(), Qt::Key_Return);

    EXPECT_EQ(pageOnDisk(), expectedPage("start=\xe9??;",
                                         "nbrofsets=\xdf"
                                         "1;"));
}

TEST_F(SetSweepTest, HundredThousandCharactersInEachBoxReachThePage) {
    open();
    const QString longStart = QString(50'000, u'1') + QString(50'000, u'2');
    const QString longCount = QString(100'000, u'7');
    for (auto [target, text] : {std::pair{start(), longStart}, std::pair{count(), longCount}}) {
        enter(target, QString());
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        ASSERT_EQ(target->text().size(), 100'000);
    }
    QTest::keyClick(count(), Qt::Key_Return);

    EXPECT_EQ(pageOnDisk(), expectedPage("start=" + longStart.toLatin1() + ";",
                                         "nbrofsets=" + longCount.toLatin1() + ";"));
}
