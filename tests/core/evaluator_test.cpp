// The calculator's evaluator, checked against the worked examples, and against
// the literal pass-by-pass rewriting (reference_evaluator.h) on many generated
// expressions. Chinese texts are GB18030 byte escapes: 数 = CA FD, full-width
// 1 = A3 B1, full-width minus = A3 AD.
#include "core/evaluator.h"
#include "reference_evaluator.h"

#include <QtTest>

#include <random>

namespace {

QByteArray bytes(const std::string& s) { return QByteArray::fromStdString(s); }
std::string str(const QByteArray& b) { return b.toStdString(); }

QByteArray repeated(const QByteArray& piece, int times)
{
    QByteArray out;
    out.reserve(piece.size() * times);
    for (int k = 0; k < times; ++k)
        out += piece;
    return out;
}

// Pieces an expression is made of: the ordinary ones and everything a host
// could type or paste around them.
const std::vector<std::string>& pieces()
{
    static const std::vector<std::string> list = {
        "0", "1", "2", "3", "5", "7", "9", "10", "12", "0.5", ".", "3.50", "007", "1314", "99999999",
        "0.0000001", "0.00000011", "1e3", "2d2", "1e-8", "9e99", "1e308", "e",
        "+", "-", "*", "/", "^", "+", "-", "*", "/", "^", "++", "--", "*-", "/-", "^-", "^^", "-+",
        " ", "  ", "\t", "x", "E", "(", ")", "inf", "nan", "0x1",
        "\xA3\xB1", "\xA3\xB2", "\xA3\xAD", "\xA3\xAB", "\xA3\xAE", "\xA1\xA1", "\xA3\xC5",
        "\xCA\xFD", "\xB2\xC2", "\x81", "\x81^", "\x81" "1", "\x81\x30\x81\x30", "\x81\x30\x81", "\xFF",
        std::string(1, '\0'),
    };
    return list;
}

std::string generate(std::mt19937& random, int maxPieces)
{
    const auto& list = pieces();
    std::uniform_int_distribution<int> count(0, maxPieces);
    std::uniform_int_distribution<std::size_t> pick(0, list.size() - 1);
    std::string out;
    for (int k = count(random); k > 0; --k)
        out += list[pick(random)];
    return out;
}

QByteArray hex(const std::string& s) { return QByteArray::fromStdString(s).toHex(' '); }

} // namespace

class EvaluatorTest : public QObject {
    Q_OBJECT
private slots:
    void results_data();
    void results();
    void divisionErrors_data();
    void divisionErrors();
    void matchesTheLiteralRewriting();
    void hugeInputs_data();
    void hugeInputs();
};

void EvaluatorTest::results_data()
{
    QTest::addColumn<QByteArray>("expression");
    QTest::addColumn<QByteArray>("expected");
    // Ordinary arithmetic.
    QTest::newRow("product then sum") << QByteArray("1314*3+520") << QByteArray("4462");
    QTest::newRow("2*3+4") << QByteArray("2*3+4") << QByteArray("10");
    QTest::newRow("leading minus") << QByteArray("-5+3") << QByteArray("-2");
    QTest::newRow("differences left to right") << QByteArray("10-2-3") << QByteArray("5");
    QTest::newRow("power") << QByteArray("2^3") << QByteArray("8");
    QTest::newRow("power before product before sum") << QByteArray("2+3*4^2") << QByteArray("50");
    QTest::newRow("leading minus of a power") << QByteArray("-2^2") << QByteArray("-4");
    QTest::newRow("quotient then product") << QByteArray("10/4*2") << QByteArray("5");
    QTest::newRow("13 significant digits") << QByteArray("1/3") << QByteArray("0.3333333333333");
    QTest::newRow("rounded at every step") << QByteArray("1/3*3") << QByteArray("0.9999999999999");
    QTest::newRow("0.1+0.2") << QByteArray("0.1+0.2") << QByteArray("0.3");
    QTest::newRow("decimal product") << QByteArray("1.5*2") << QByteArray("3");
    QTest::newRow("no operator") << QByteArray("12") << QByteArray("12");
    QTest::newRow("no operator, not normalised") << QByteArray("3.50") << QByteArray("3.50");
    // Input the rules do not treat as ordinary arithmetic.
    QTest::newRow("minus after times") << QByteArray("3*-2") << QByteArray("-2");
    QTest::newRow("double minus") << QByteArray("5--3") << QByteArray("2");
    QTest::newRow("negative exponent") << QByteArray("2^-1") << QByteArray("0");
    QTest::newRow("second caret swallowed") << QByteArray("2^3^2") << QByteArray("8");
    QTest::newRow("brackets") << QByteArray("(2+3)*4") << QByteArray("12");
    QTest::newRow("missing right operand") << QByteArray("5*") << QByteArray("0");
    QTest::newRow("missing left operand") << QByteArray("*5") << QByteArray("0");
    QTest::newRow("trailing minus") << QByteArray("5-") << QByteArray("5");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("exponent plus of 10^13 is split") << QByteArray("10^13") << QByteArray("14");
    QTest::newRow("exponent minus of 1e-8 is split") << QByteArray("0.00000001*1") << QByteArray("-7");
    // Further edges.
    QTest::newRow("leading zeros kept without operator") << QByteArray("007") << QByteArray("007");
    QTest::newRow("converted with an operator") << QByteArray("3.50+0") << QByteArray("3.5");
    QTest::newRow("square root") << QByteArray("2^0.5") << QByteArray("1.414213562373");
    QTest::newRow("divisor just above the threshold") << QByteArray("1/0.00000011") << QByteArray("9090909.090909");
    QTest::newRow("leading plus") << QByteArray("+4*2") << QByteArray("8");
    QTest::newRow("blanks inside operands") << QByteArray(" 2 * 3 ") << QByteArray("6");
    QTest::newRow("full-width digits and minus") << QByteArray("\xA3\xB1\xA3\xB2-\xA3\xB2") << QByteArray("10");
    QTest::newRow("full-width minus makes a negative product")
        << QByteArray("\xA3\xAD" "3*2+1") << QByteArray("-5");
    QTest::newRow("letters read as 0") << QByteArray("abc+2") << QByteArray("2");
    QTest::newRow("Chinese text alone unchanged") << QByteArray("\xCA\xFD") << QByteArray("\xCA\xFD");
    QTest::newRow("caret inside a Chinese character is no power")
        << QByteArray("\x81^2") << QByteArray("\x81^2");
    QTest::newRow("trail caret rewritten when a real caret follows")
        << QByteArray("\x81^3+2^2") << QByteArray("4");
    QTest::newRow("trail caret after the last real caret stays")
        << QByteArray("2^2+\x81^3") << QByteArray("4");
    QTest::newRow("overflow reads back as 0") << QByteArray("9^999+1") << QByteArray("1");
    QTest::newRow("overflow alone") << QByteArray("9^999") << QByteArray("inf");
    QTest::newRow("thousands of carets") << repeated("^", 5000) << QByteArray("1");
}

void EvaluatorTest::results()
{
    QFETCH(QByteArray, expression);
    QFETCH(QByteArray, expected);
    const calc::Evaluation evaluation = calc::evaluate(str(expression));
    QCOMPARE(bytes(evaluation.text), expected);
    QVERIFY(!evaluation.divisionError);
    // The literal rewriting agrees, which checks the reference as well.
    QCOMPARE(bytes(reference::evaluate(str(expression)).text), expected);
}

void EvaluatorTest::divisionErrors_data()
{
    QTest::addColumn<QByteArray>("expression");
    QTest::newRow("by zero") << QByteArray("1/0");
    QTest::newRow("by the threshold itself") << QByteArray("1/0.0000001");
    QTest::newRow("missing divisor") << QByteArray("5/");
    QTest::newRow("by minus the threshold") << QByteArray("1/\xA3\xAD" "0.0000001");
    QTest::newRow("after earlier results") << QByteArray("2*3+4/0+1");
    QTest::newRow("by a power that is zero") << QByteArray("1/0^2");
    QTest::newRow("by a text") << QByteArray("8/abc");
}

void EvaluatorTest::divisionErrors()
{
    QFETCH(QByteArray, expression);
    const calc::Evaluation evaluation = calc::evaluate(str(expression));
    QVERIFY(evaluation.divisionError);
    QCOMPARE(bytes(evaluation.text), QByteArray());
    QVERIFY(reference::evaluate(str(expression)).divisionError);
}

void EvaluatorTest::matchesTheLiteralRewriting()
{
    std::mt19937 random(20261211);
    int divisionErrors = 0;
    for (int k = 0; k < 30000; ++k) {
        const std::string expression = generate(random, k % 3 == 0 ? 60 : 12);
        const calc::Evaluation fast = calc::evaluate(expression);
        const calc::Evaluation literal = reference::evaluate(expression);
        if (fast.text != literal.text || fast.divisionError != literal.divisionError) {
            QFAIL(qPrintable(QStringLiteral("expression %1: got \"%2\" (%3), literal rewriting \"%4\" (%5)")
                                 .arg(QString::fromLatin1(hex(expression)), QString::fromLatin1(hex(fast.text)))
                                 .arg(fast.divisionError)
                                 .arg(QString::fromLatin1(hex(literal.text)))
                                 .arg(literal.divisionError)));
        }
        divisionErrors += fast.divisionError;
    }
    // The generator reaches both outcomes.
    QVERIFY(divisionErrors > 100);
    QVERIFY(divisionErrors < 29000);
}

void EvaluatorTest::hugeInputs_data()
{
    QTest::addColumn<QByteArray>("expression");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<bool>("divisionError");
    const int mega = 1 << 20;
    QTest::newRow("a megabyte of plus signs") << repeated("+", mega) << QByteArray("0") << false;
    QTest::newRow("a megabyte of minus signs") << repeated("-", mega) << QByteArray("0") << false;
    QTest::newRow("a megabyte of times signs") << repeated("*", mega) << QByteArray("0") << false;
    QTest::newRow("a megabyte of carets") << repeated("^", mega) << QByteArray("1") << false;
    QTest::newRow("a megabyte of slashes") << repeated("/", mega) << QByteArray() << true;
    QTest::newRow("half a million ones added") << repeated("1+", mega / 2) + "1" << QByteArray("524289") << false;
    QTest::newRow("a long chain of products") << repeated("1*", mega / 2) + "7" << QByteArray("7") << false;
    QTest::newRow("many powers") << repeated("2^2+", mega / 4) + "0" << QByteArray("1048576") << false;
    QTest::newRow("a megabyte of digits") << repeated("9", mega) << repeated("9", mega) << false;
    QTest::newRow("a megabyte of digits plus one") << repeated("9", mega) + "+1" << QByteArray("inf") << false;
    QTest::newRow("NUL bytes") << QByteArray("1\0+2\0*3", 7) << QByteArray("7") << false;
}

void EvaluatorTest::hugeInputs()
{
    QFETCH(QByteArray, expression);
    QFETCH(QByteArray, expected);
    QFETCH(bool, divisionError);
    const calc::Evaluation evaluation = calc::evaluate(str(expression));
    QCOMPARE(evaluation.divisionError, divisionError);
    QCOMPARE(bytes(evaluation.text), expected);
}

QTEST_GUILESS_MAIN(EvaluatorTest)
#include "evaluator_test.moc"
