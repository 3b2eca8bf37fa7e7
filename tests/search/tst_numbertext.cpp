#include "checkedint32.h"
#include "numbertext.h"
#include "runtimeerror.h"

#include <QTest>

#include <cstdint>
#include <limits>

using namespace ponderival;

namespace {

// The number of the run-time error the call raises, or 0 when it raises none.
template <typename Call> int errorNumberOf(Call call)
{
    try {
        call();
    } catch (const RuntimeError &error) {
        return error.number();
    }
    return 0;
}

} // namespace

// The panel's texts and 32-bit arithmetic, with the edges of the 32-bit range and the texts the
// program must refuse rather than read as 0.
class tst_NumberText : public QObject
{
    Q_OBJECT

private slots:
    void textToInt32_data();
    void textToInt32();
    void badTextsToInt32_data();
    void badTextsToInt32();
    void badTextsToDouble_data() { badTexts(); }
    void badTextsToDouble();
    void outOfRangeTexts_data();
    void outOfRangeTexts();
    void doubleText_data();
    void doubleText();
    void checkedAdd_data();
    void checkedAdd();
    void checkedAddOverflows_data();
    void checkedAddOverflows();
    void narrowToInt32Edges();
    void errorsCarryNumberAndDescription();

private:
    static void badTexts();
};

void tst_NumberText::textToInt32_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qint64>("value");
    QTest::newRow("zero") << QByteArray("0") << qint64{0};
    QTest::newRow("one") << QByteArray("1") << qint64{1};
    QTest::newRow("minus one") << QByteArray("-1") << qint64{-1};
    QTest::newRow("largest sum shown") << QByteArray("2147450880") << qint64{2147450880};
    QTest::newRow("maximum") << QByteArray("2147483647") << qint64{2147483647};
    QTest::newRow("minimum") << QByteArray("-2147483648") << qint64{-2147483648LL};
    QTest::newRow("house 10000") << QByteArray("10000") << qint64{10000};
}

void tst_NumberText::textToInt32()
{
    QFETCH(QByteArray, text);
    QFETCH(qint64, value);
    QCOMPARE(qint64{ponderival::textToInt32(text.toStdString())}, value);
    // Writing the number back gives the same text: the panel's texts are a fixed point.
    QCOMPARE(QByteArray::fromStdString(int32ToText(static_cast<std::int32_t>(value))), text);
}

void tst_NumberText::badTexts()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty") << QByteArray("");
    QTest::newRow("letters") << QByteArray("abc");
    QTest::newRow("trailing letters") << QByteArray("12ab");
    QTest::newRow("leading blank") << QByteArray(" 1");
    QTest::newRow("trailing blank") << QByteArray("1 ");
    QTest::newRow("plus sign") << QByteArray("+1");
    QTest::newRow("grouping separator") << QByteArray("1,000");
    QTest::newRow("decimal comma") << QByteArray("1,5");
    QTest::newRow("lone minus") << QByteArray("-");
}

void tst_NumberText::badTextsToInt32_data()
{
    badTexts();
    // A fraction is a decimal number, but not an integer.
    QTest::newRow("decimal point") << QByteArray("1.5");
    QTest::newRow("exponent") << QByteArray("1e3");
}

void tst_NumberText::badTextsToInt32()
{
    QFETCH(QByteArray, text);
    QCOMPARE(errorNumberOf([&] { (void)ponderival::textToInt32(text.toStdString()); }), 13);
}

void tst_NumberText::badTextsToDouble()
{
    QFETCH(QByteArray, text);
    QCOMPARE(errorNumberOf([&] { (void)textToDouble(text.toStdString()); }), 13);
}

void tst_NumberText::outOfRangeTexts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("maximum + 1") << QByteArray("2147483648");
    QTest::newRow("minimum - 1") << QByteArray("-2147483649");
    QTest::newRow("twenty digits") << QByteArray("99999999999999999999");
}

void tst_NumberText::outOfRangeTexts()
{
    QFETCH(QByteArray, text);
    QCOMPARE(errorNumberOf([&] { (void)ponderival::textToInt32(text.toStdString()); }), 6);
    // The same digits are a valid double: only the 32-bit reading overflows.
    QCOMPARE(errorNumberOf([&] { (void)textToDouble(text.toStdString()); }), 0);
    QCOMPARE(errorNumberOf([] { (void)textToDouble("1e999"); }), 6);
}

void tst_NumberText::doubleText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("one") << QByteArray("1") << 1.0;
    QTest::newRow("n past the overflow") << QByteArray("65536") << 65536.0;
    QTest::newRow("zero") << QByteArray("0") << 0.0;
    QTest::newRow("negative") << QByteArray("-5") << -5.0;
    QTest::newRow("int32 maximum") << QByteArray("2147483647") << 2147483647.0;
}

void tst_NumberText::doubleText()
{
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    QCOMPARE(textToDouble(text.toStdString()), value);
    QCOMPARE(QByteArray::fromStdString(doubleToText(value)), text);
    // An integral float is written exactly as the integer would be.
    QCOMPARE(doubleToText(value), int32ToText(static_cast<std::int32_t>(value)));
}

void tst_NumberText::checkedAdd_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("sum");
    constexpr int max = std::numeric_limits<int>::max();
    constexpr int min = std::numeric_limits<int>::min();
    QTest::newRow("ordinary") << 2 << 3 << 5;
    QTest::newRow("up to maximum") << max - 1 << 1 << max;
    QTest::newRow("down to minimum") << min + 1 << -1 << min;
    QTest::newRow("opposite edges") << max << min << -1;
    QTest::newRow("last sum before overflow") << 2147385345 << 65535 << 2147450880;
}

void tst_NumberText::checkedAdd()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, sum);
    QCOMPARE(ponderival::checkedAdd(a, b), sum);
    QCOMPARE(ponderival::checkedAdd(b, a), sum);
}

void tst_NumberText::checkedAddOverflows_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    constexpr int max = std::numeric_limits<int>::max();
    constexpr int min = std::numeric_limits<int>::min();
    QTest::newRow("maximum + 1") << max << 1;
    QTest::newRow("minimum - 1") << min << -1;
    QTest::newRow("maximum + maximum") << max << max;
    QTest::newRow("sum at n = 65536") << 2147450880 << 65536;
}

void tst_NumberText::checkedAddOverflows()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QCOMPARE(errorNumberOf([&] { (void)ponderival::checkedAdd(a, b); }), 6);
}

void tst_NumberText::narrowToInt32Edges()
{
    QCOMPARE(narrowToInt32(2147483647LL), 2147483647);
    QCOMPARE(narrowToInt32(-2147483648LL), std::numeric_limits<std::int32_t>::min());
    QCOMPARE(errorNumberOf([] { (void)narrowToInt32(2147483648LL); }), 6);
    QCOMPARE(errorNumberOf([] { (void)narrowToInt32(-2147483649LL); }), 6);
}

void tst_NumberText::errorsCarryNumberAndDescription()
{
    QCOMPARE(RuntimeError::overflow().number(), 6);
    QCOMPARE(QByteArray::fromStdString(RuntimeError::overflow().description()), "Overflow");
    QCOMPARE(RuntimeError::typeMismatch().number(), 13);
    QCOMPARE(QByteArray::fromStdString(RuntimeError::typeMismatch().description()),
             "Tipo non corrispondente");
}

QTEST_APPLESS_MAIN(tst_NumberText)
#include "tst_numbertext.moc"
