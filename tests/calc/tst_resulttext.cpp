// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "calc/resulttext.h"

#include <QLocale>
#include <QTest>

using calc::ResultValue;

Q_DECLARE_METATYPE(ResultValue)

class TestResultText : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void forms_data();
    void forms();
};

void TestResultText::forms_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<ResultValue>("value");
    QTest::addColumn<bool>("round");
    QTest::addColumn<QString>("expected");

    const ResultValue empty;
    const ResultValue none = calc::NoTriangle{};
    // Areas exactly as Heron's formula yields them for these sides. Every
    // side triple in both forms the calculation's exhaustive run judges;
    // these rows are the forms' edges, and the values no triangle gives.
    const double area111 = 0.4330127018922193;
    const double area505050 = 1082.5317547305483;
    const double area72428 = 73.99957770149773;

    struct Row
    {
        const char* name;
        ResultValue value;
        bool round;
        const char* point;
        const char* comma;
    };
    const Row rows[] = {
        {"perimeter 0 rounded has no leading digit", std::int32_t{0}, true, ".000", ",000"},
        {"perimeter 0 general", std::int32_t{0}, false, " 0 ", " 0 "},
        {"area 0 rounded", 0.0, true, ".000", ",000"},
        {"area 0 general", 0.0, false, " 0 ", " 0 "},
        {"area 6 general drops the separator", 6.0, false, " 6 ", " 6 "},
        {"area 12.25 general", 12.25, false, " 12.25 ", " 12,25 "},
        {"area 12.25 rounded keeps trailing zero", 12.25, true, "12.250", "12,250"},
        {"area 1,1,1 general has a zero before the separator", area111, false,
         " 0.433012701892219 ", " 0,433012701892219 "},
        {"area 50,50,50 general has no grouping", area505050, false, " 1082.53175473055 ",
         " 1082,53175473055 "},
        {"area 7,24,28 rounded carries into the integer part", area72428, true, "74.000", "74,000"},
        {"empty general", empty, false, "", ""},
        {"empty rounded", empty, true, "", ""},
        {"no triangle general", none, false, "Нет такого треугольника", "Нет такого треугольника"},
        {"no triangle rounded", none, true, "Нет такого треугольника", "Нет такого треугольника"},
    };
    for (const Row& row : rows) {
        QTest::addRow("%s, point", row.name)
            << "C" << row.value << row.round << QString::fromUtf8(row.point);
        QTest::addRow("%s, comma", row.name)
            << "ru_RU" << row.value << row.round << QString::fromUtf8(row.comma);
    }
}

void TestResultText::forms()
{
    QFETCH(QString, locale);
    QFETCH(ResultValue, value);
    QFETCH(bool, round);
    QFETCH(QString, expected);

    QLocale::setDefault(QLocale(locale));
    QCOMPARE(QString::fromStdString(calc::ResultText(value, round)), expected);
}

QTEST_APPLESS_MAIN(TestResultText)
#include "tst_resulttext.moc"
