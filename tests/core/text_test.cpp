// The text, number and random rules. Texts are GB18030 bytes, so Chinese test
// texts are written as byte escapes: 数 = CA FD, 猜 = B2 C2, full-width 1 = A3 B1.
#include "core/text.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

QByteArray bytes(const std::string& s) { return QByteArray::fromStdString(s); }
std::string_view view(const QByteArray& b) { return std::string_view(b.constData(), static_cast<std::size_t>(b.size())); }

} // namespace

class TextTest : public QObject {
    Q_OBJECT
private slots:
    void slicing_data();
    void slicing();
    void find_data();
    void find();
    void compareIsBytewiseUnsigned();
    void trim_data();
    void trim();
    void number_data();
    void number();
    void numberOutOfRange();
    void ofReal_data();
    void ofReal();
    void ofRealReadsBackAsTheRoundedValue();
    void ofWhole();
    void realComparisonWithinTolerance();
    void toWhole_data();
    void toWhole();
    void randomFollowsTheRunTimeGenerator();
    void seedingTwiceInOneTickDiffers();
    void randomBounds();
};

void TextTest::slicing_data()
{
    QTest::addColumn<QByteArray>("t");
    QTest::addColumn<QString>("op");
    QTest::addColumn<qint64>("p");
    QTest::addColumn<qint64>("n");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("left 2") << QByteArray("abcd") << "left" << 0LL << 2LL << QByteArray("ab");
    QTest::newRow("left 0 is empty") << QByteArray("abcd") << "left" << 0LL << 0LL << QByteArray();
    QTest::newRow("left negative is empty") << QByteArray("abcd") << "left" << 0LL << -3LL << QByteArray();
    QTest::newRow("left beyond length is whole") << QByteArray("abcd") << "left" << 0LL << 99LL << QByteArray("abcd");
    QTest::newRow("left cuts a character in half") << QByteArray("\xCA\xFD\xB2\xC2") << "left" << 0LL << 3LL << QByteArray("\xCA\xFD\xB2");
    QTest::newRow("right 1") << QByteArray("abcd") << "right" << 0LL << 1LL << QByteArray("d");
    QTest::newRow("right negative is empty") << QByteArray("abcd") << "right" << 0LL << -1LL << QByteArray();
    QTest::newRow("right beyond length is whole") << QByteArray("abcd") << "right" << 0LL << 5LL << QByteArray("abcd");
    QTest::newRow("middle inside") << QByteArray("abcd") << "middle" << 2LL << 2LL << QByteArray("bc");
    QTest::newRow("middle cut short at the end") << QByteArray("abcd") << "middle" << 3LL << 10LL << QByteArray("cd");
    QTest::newRow("middle position 0 is empty") << QByteArray("abcd") << "middle" << 0LL << 2LL << QByteArray();
    QTest::newRow("middle past the end is empty") << QByteArray("abcd") << "middle" << 5LL << 1LL << QByteArray();
    QTest::newRow("middle count 0 is empty") << QByteArray("abcd") << "middle" << 1LL << 0LL << QByteArray();
    QTest::newRow("middle huge count") << QByteArray("abcd") << "middle" << 4LL << std::numeric_limits<qint64>::max() << QByteArray("d");
}

void TextTest::slicing()
{
    QFETCH(QByteArray, t);
    QFETCH(QString, op);
    QFETCH(qint64, p);
    QFETCH(qint64, n);
    QFETCH(QByteArray, expected);
    std::string got;
    if (op == "left")
        got = text::left(view(t), n);
    else if (op == "right")
        got = text::right(view(t), n);
    else
        got = text::middle(view(t), p, n);
    QCOMPARE(bytes(got), expected);
}

void TextTest::find_data()
{
    QTest::addColumn<QByteArray>("t");
    QTest::addColumn<QByteArray>("s");
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("after a Chinese character") << QByteArray("\xCA\xFD\xB2\xC2") << QByteArray("\xB2\xC2") << 1LL << 3LL;
    QTest::newRow("not across two characters") << QByteArray("\xB2\xC2\xB2\xC2") << QByteArray("\xC2\xB2") << 1LL << -1LL;
    QTest::newRow("not the trail byte of a character") << QByteArray("\x81^2") << QByteArray("^") << 1LL << -1LL;
    QTest::newRow("after a character with a caret trail") << QByteArray("\x81^^") << QByteArray("^") << 1LL << 3LL;
    QTest::newRow("not inside a four-byte character") << QByteArray("\x81\x30\x81\x30") << QByteArray("\x30\x81") << 1LL << -1LL;
    QTest::newRow("after a four-byte character") << QByteArray("\x81\x30\x81\x30+") << QByteArray("+") << 1LL << 5LL;
    QTest::newRow("a lead byte before an operator stands alone") << QByteArray("\x81+") << QByteArray("+") << 1LL << 2LL;
    QTest::newRow("a lone lead byte at the end") << QByteArray("a\xB2") << QByteArray("\xB2") << 1LL << 2LL;
    QTest::newRow("from a later start") << QByteArray("a+b+c") << QByteArray("+") << 3LL << 4LL;
    QTest::newRow("start past the end") << QByteArray("a+b") << QByteArray("+") << 4LL << -1LL;
    QTest::newRow("absent") << QByteArray("abc") << QByteArray("x") << 1LL << -1LL;
    QTest::newRow("longer than the text") << QByteArray("ab") << QByteArray("abc") << 1LL << -1LL;
    QTest::newRow("empty search text") << QByteArray("abc") << QByteArray() << 1LL << -1LL;
    QTest::newRow("in the empty text") << QByteArray() << QByteArray("a") << 1LL << -1LL;
}

void TextTest::find()
{
    QFETCH(QByteArray, t);
    QFETCH(QByteArray, s);
    QFETCH(qint64, start);
    QFETCH(qint64, expected);
    QCOMPARE(text::find(view(t), view(s), start), expected);
}

void TextTest::compareIsBytewiseUnsigned()
{
    QCOMPARE(text::compare("abc", "abc"), 0);
    QVERIFY(text::compare("ab", "abc") < 0);
    QVERIFY(text::compare("b", "abc") > 0);
    // A Chinese byte (0xB2) sorts after every ASCII byte.
    QVERIFY(text::compare("\xB2\xC2", "z") > 0);
    QCOMPARE(text::compare("", ""), 0);
}

void TextTest::trim_data()
{
    QTest::addColumn<QByteArray>("t");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("ASCII blanks") << QByteArray("  a b  ") << QByteArray("a b");
    QTest::newRow("full-width blanks") << QByteArray("\xA1\xA1 a\xA1\xA1") << QByteArray("a");
    QTest::newRow("only blanks") << QByteArray(" \xA1\xA1 ") << QByteArray();
    QTest::newRow("A1 A1 bytes across two characters are no blank")
        << QByteArray("\xB0\xA1\xA1\xB0") << QByteArray("\xB0\xA1\xA1\xB0");
    QTest::newRow("trailing A1 after a character is no blank") << QByteArray("\xB0\xA1\xA1") << QByteArray("\xB0\xA1\xA1");
    QTest::newRow("tab is kept") << QByteArray("\ta\t") << QByteArray("\ta\t");
}

void TextTest::trim()
{
    QFETCH(QByteArray, t);
    QFETCH(QByteArray, expected);
    QCOMPARE(bytes(text::trim(view(t))), expected);
}

void TextTest::number_data()
{
    QTest::addColumn<QByteArray>("t");
    QTest::addColumn<double>("expected");
    QTest::newRow("whole") << QByteArray("521") << 521.0;
    QTest::newRow("leading blank, trailing letters") << QByteArray(" 12abc") << 12.0;
    QTest::newRow("no number") << QByteArray("abc") << 0.0;
    QTest::newRow("empty") << QByteArray() << 0.0;
    QTest::newRow("full-width digits") << QByteArray("\xA3\xB1\xA3\xB2") << 12.0;
    QTest::newRow("full-width sign, digit and point") << QByteArray("\xA3\xAD\xA3\xB7\xA3\xAE\xA3\xB5") << -7.5;
    QTest::newRow("full-width blank is skipped") << QByteArray("\xA1\xA1" "3") << 3.0;
    QTest::newRow("A3 B1 across two characters is no digit") << QByteArray("\xB0\xA3\xB1") << 0.0;
    QTest::newRow("white space of all kinds") << QByteArray(" \t\n\v\f\r4") << 4.0;
    QTest::newRow("e exponent") << QByteArray("1e3") << 1000.0;
    QTest::newRow("d exponent") << QByteArray("1d3") << 1000.0;
    QTest::newRow("D exponent with sign") << QByteArray("25D-1") << 2.5;
    QTest::newRow("E exponent with plus") << QByteArray("2E+2") << 200.0;
    QTest::newRow("exponent without digits") << QByteArray("5e") << 5.0;
    QTest::newRow("exponent sign without digits") << QByteArray("5e+x") << 5.0;
    QTest::newRow("sign alone") << QByteArray("-") << 0.0;
    QTest::newRow("negative with trailing letter") << QByteArray(" -7.5x") << -7.5;
    QTest::newRow("plus sign") << QByteArray("+8") << 8.0;
    QTest::newRow("two signs") << QByteArray("--8") << 0.0;
    QTest::newRow("point first") << QByteArray(".5") << 0.5;
    QTest::newRow("point last") << QByteArray("5.") << 5.0;
    QTest::newRow("point alone") << QByteArray(".") << 0.0;
    QTest::newRow("point and exponent without digits") << QByteArray(".e5") << 0.0;
    QTest::newRow("second point ends") << QByteArray("1.2.3") << 1.2;
    QTest::newRow("comma ends, whatever the locale") << QByteArray("1,5") << 1.0;
    QTest::newRow("stops at a caret") << QByteArray("3^2") << 3.0;
    QTest::newRow("bracket first") << QByteArray("(2") << 0.0;
    QTest::newRow("no infinity") << QByteArray("inf") << 0.0;
    QTest::newRow("no nan") << QByteArray("nan") << 0.0;
    QTest::newRow("no hex") << QByteArray("0x1A") << 0.0;
    QTest::newRow("NUL ends") << QByteArray("7\0" "8", 3) << 7.0;
    QTest::newRow("correctly rounded") << QByteArray("0.1") << 0.1;
    QTest::newRow("many digits") << QByteArray(400, '1').prepend("0.") << 0.1111111111111111;
    QTest::newRow("subnormal") << QByteArray("1e-310") << 1e-310;
}

void TextTest::number()
{
    QFETCH(QByteArray, t);
    QFETCH(double, expected);
    QCOMPARE(text::number(view(t)), expected);
}

void TextTest::numberOutOfRange()
{
    const double inf = std::numeric_limits<double>::infinity();
    QCOMPARE(text::number("1e400"), inf);
    QCOMPARE(text::number("-1e400"), -inf);
    QCOMPARE(text::number("1e99999999999999999999999"), inf);
    QCOMPARE(text::number(std::string(1000, '9')), inf);
    QCOMPARE(text::number("1e-400"), 0.0);
    QVERIFY(std::signbit(text::number("-1e-400")));
    QCOMPARE(text::number("0.000000001e-99999999999999999999"), 0.0);
    QCOMPARE(text::number("0.0000000000000000000000000000001e330"), 1e299);
    QCOMPARE(text::number("100000000000000000000000000000000000e-340"), 1e-305);
}

void TextTest::ofReal_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("whole") << 1314.0 << QByteArray("1314");
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << QByteArray("0.3");
    QTest::newRow("1/3") << 1.0 / 3 << QByteArray("0.3333333333333");
    QTest::newRow("10^13") << std::pow(10.0, 13) << QByteArray("1e+013");
    QTest::newRow("10^-8") << 0.00000001 << QByteArray("1e-008");
    QTest::newRow("largest without exponent") << 9999999999999.0 << QByteArray("9999999999999");
    QTest::newRow("0.0001 stays plain") << 0.0001 << QByteArray("0.0001");
    QTest::newRow("0.00001 goes exponent") << 0.00001 << QByteArray("1e-005");
    QTest::newRow("13 digits with mantissa") << 123456789012345.0 << QByteArray("1.234567890123e+014");
    QTest::newRow("three-digit exponent unchanged") << 1e100 << QByteArray("1e+100");
    QTest::newRow("negative") << -2.5 << QByteArray("-2.5");
    QTest::newRow("negative zero") << -0.0 << QByteArray("-0");
    QTest::newRow("sqrt 2") << std::sqrt(2.0) << QByteArray("1.414213562373");
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << QByteArray("inf");
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity() << QByteArray("-inf");
    QTest::newRow("nan") << -std::numeric_limits<double>::quiet_NaN() << QByteArray("nan");
}

void TextTest::ofReal()
{
    QFETCH(double, x);
    QFETCH(QByteArray, expected);
    QCOMPARE(bytes(text::ofReal(x)), expected);
}

void TextTest::ofRealReadsBackAsTheRoundedValue()
{
    // The evaluator rounds through text at every step; the exponent form must read back.
    QCOMPARE(text::number(text::ofReal(1.0 / 3)), 0.3333333333333);
    QCOMPARE(text::number(text::ofReal(1.23456789e-20)), 1.23456789e-20);
    QCOMPARE(text::number(text::ofReal(-4.5e300)), -4.5e300);
}

void TextTest::ofWhole()
{
    QCOMPARE(bytes(text::ofWhole(0)), QByteArray("0"));
    QCOMPARE(bytes(text::ofWhole(-42)), QByteArray("-42"));
    QCOMPARE(bytes(text::ofWhole(std::numeric_limits<std::int64_t>::min())), QByteArray("-9223372036854775808"));
}

void TextTest::realComparisonWithinTolerance()
{
    QVERIFY(text::equal(1.0, 1.0 + 1e-8));
    QVERIFY(text::equal(0.1 + 0.2, 0.3));
    QVERIFY(!text::equal(1.0, 1.0 + 2e-7));
    QVERIFY(text::greater(1.0 + 2e-7, 1.0));
    QVERIFY(!text::greater(1.0 + 1e-8, 1.0));
    QVERIFY(text::less(1.0, 1.0 + 2e-7));
    QVERIFY(!text::less(1.0, 1.0 + 1e-8));
    QVERIFY(!text::equal(std::nan(""), std::nan("")));
}

void TextTest::toWhole_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<qint32>("expected");
    QTest::newRow("toward zero, positive") << 3.9 << 3;
    QTest::newRow("toward zero, negative") << -3.9 << -3;
    QTest::newRow("low 32 bits of 2^32 + 5") << 4294967301.7 << 5;
    QTest::newRow("2^31 wraps") << 2147483648.0 << std::numeric_limits<qint32>::min();
    QTest::newRow("beyond 64 bits") << 1e30 << 0;
    QTest::newRow("minus 2^63") << -9223372036854775808.0 << 0;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 0;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 0;
}

void TextTest::toWhole()
{
    QFETCH(double, x);
    QFETCH(qint32, expected);
    QCOMPARE(text::toWhole(x), expected);
}

void TextTest::randomFollowsTheRunTimeGenerator()
{
    // Without a seed the C run time starts from 1: rand() gives 41, 18467, 6334.
    text::Random unseeded;
    QCOMPARE(unseeded.between(0, 32767), 41);
    QCOMPARE(unseeded.between(0, 32767), 18467);
    QCOMPARE(unseeded.between(0, 32767), 6334);

    // srand(0): the first rand() is 38.
    text::Random zero;
    zero.seed(0);
    QCOMPARE(zero.between(0, 32767), 38);

    // srand(1), then three draws from 1..10: rand() % 10 + 1.
    text::Random ten;
    QCOMPARE(ten.between(1, 10), 2);
    QCOMPARE(ten.between(1, 10), 8);
    QCOMPARE(ten.between(10, 1), 5);
}

void TextTest::seedingTwiceInOneTickDiffers()
{
    // Seeds are tick + counter: 1000, then 1000 + (1000 % 256 + 100) = 1332.
    text::Random random;
    random.seed(1000);
    QCOMPARE(random.between(1, 52), 29); // srand(1000): rand() = 3304
    random.seed(1000);
    QCOMPARE(random.between(1, 52), 21); // srand(1332): rand() = 4388
}

void TextTest::randomBounds()
{
    text::Random random;
    random.seed(12345);
    for (int k = 0; k < 200; ++k) {
        const int below = random.between(-5, 3);
        QVERIFY(below >= 0 && below <= 3);
    }
    QCOMPARE(random.between(7, 7), 7);
    QCOMPARE(random.between(-4, -9), 0);
    // A span of 32768 or more only reaches the generator's 32768 lowest values,
    // and the widest span does not overflow.
    for (int k = 0; k < 200; ++k) {
        const int wide = random.between(0, std::numeric_limits<std::int32_t>::max());
        QVERIFY(wide >= 0 && wide <= 32767);
        const int high = random.between(std::numeric_limits<std::int32_t>::max() - 100000, std::numeric_limits<std::int32_t>::max());
        QVERIFY(high >= std::numeric_limits<std::int32_t>::max() - 100000 && high <= std::numeric_limits<std::int32_t>::max() - 100000 + 32767);
    }
}

QTEST_GUILESS_MAIN(TextTest)
#include "text_test.moc"
