// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/format.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

// ResultText's tests cover the program's own values; these cover the rest of
// what the formatter promises: other patterns, signs, carries and magnitudes.
class TestFormat : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void decimalSeparator_data();
    void decimalSeparator();
    void formatNumber_data();
    void formatNumber();
    void printReal_data();
    void printReal();
    void printInteger_data();
    void printInteger();
};

void TestFormat::decimalSeparator_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("separator");
    for (auto [locale, separator] :
         {std::pair{"C", "."}, {"en_US", "."}, {"ru_RU", ","}, {"de_DE", ","}}) {
        QTest::newRow(locale) << QString(locale) << QString(separator);
    }
}

void TestFormat::decimalSeparator()
{
    QFETCH(QString, locale);
    QFETCH(QString, separator);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(QString::fromStdString(runtime::DecimalSeparator()), separator);
    // Grouping never appears, even where the locale groups thousands.
    QCOMPARE(QString::fromStdString(runtime::FormatNumber(1234567.0, "#.000")),
             "1234567" + separator + "000");
    QCOMPARE(QString::fromStdString(runtime::PrintItem(1234567.5)), " 1234567" + separator + "5 ");
}

void TestFormat::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");

    auto row = [](const char* name, double value, const char* pattern, const char* expected) {
        QTest::newRow(name) << value << QString(pattern) << QString(expected);
    };
    row("carry through every digit", 9.9996, "#.000", "10.000");
    row("rounds down below half", 0.0004, "#.000", ".000");
    row("rounds up above half", 0.0006, "#.000", ".001");
    row("zero place keeps a leading zero", 0.5, "0.00", "0.50");
    row("two zero places pad", 5.0, "00.0", "05.0");
    row("hash places drop trailing zeros", 2.5, "#.###", "2.5");
    row("hash places keep a bare separator", 2.0, "#.##", "2.");
    row("no separator rounds to whole", 2.6, "#", "3");
    row("hash alone shows nothing for zero", 0.0, "#", "");
    row("negative keeps its sign", -1.5, "#.000", "-1.500");
    row("negative rounding to zero loses its sign", -0.0001, "#.000", ".000");
    row("large value, no exponent", 1e20, "#.0", "100000000000000000000.0");
}

void TestFormat::formatNumber()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(runtime::FormatNumber(value, pattern.toStdString())), expected);
}

void TestFormat::printReal_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << 0.0 << " 0 ";
    QTest::newRow("negative zero") << -0.0 << " 0 ";
    QTest::newRow("whole real") << 6.0 << " 6 ";
    QTest::newRow("binary noise is rounded away") << 0.1 + 0.2 << " 0.3 ";
    QTest::newRow("one third, 15 digits") << 1.0 / 3 << " 0.333333333333333 ";
    QTest::newRow("two thirds rounds the last digit") << 2.0 / 3 << " 0.666666666666667 ";
    QTest::newRow("rounding carries to a new digit") << 9.9999999999999982 << " 10 ";
    QTest::newRow("small value, no exponent") << 0.00001 << " 0.00001 ";
    QTest::newRow("tiny value, no exponent") << 1.5e-20 << " 0.000000000000000000015 ";
    QTest::newRow("large value, no exponent") << 1e15 << " 1000000000000000 ";
    QTest::newRow("beyond 15 digits fills with zeros")
        << 123456789012345678.0 << " 123456789012346000 ";
    QTest::newRow("negative") << -2.5 << "-2.5 ";
}

void TestFormat::printReal()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(runtime::PrintItem(value)), expected);
}

void TestFormat::printInteger_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0 << " 0 ";
    QTest::newRow("perimeter 150") << 150 << " 150 ";
    QTest::newRow("negative") << -7 << "-7 ";
    QTest::newRow("most negative") << std::numeric_limits<int>::min() << "-2147483648 ";
}

void TestFormat::printInteger()
{
    QFETCH(int, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(runtime::PrintItem(std::int32_t{value})), expected);
}

QTEST_APPLESS_MAIN(TestFormat)
#include "tst_format.moc"
