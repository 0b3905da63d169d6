// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "calc/calculatecommand.h"
#include "calc/resulttext.h"
#include "calc/triangle.h"
#include "exactarea.h"

#include <QLocale>
#include <QTest>

#include <string>
#include <vector>

namespace {

// A stand-in window whose every control notes in one log when it is used.
struct StandInForm
{
    // A control of interface I whose value, of type T, is read with a note.
    template <class I, class T> struct Logged : I
    {
        Logged(QStringList& log, const char* name) : log(log), name(name) {}
        T Value() const override
        {
            log << QStringLiteral("read %1").arg(name);
            return value;
        }
        QStringList& log;
        const char* name;
        T value{};
    };
    using Slider = Logged<runtime::Slider, std::int32_t>;
    using Option = Logged<runtime::OptionButton, bool>;
    using Check = Logged<runtime::CheckBox, std::int16_t>;
    struct Box : runtime::ResultBox
    {
        explicit Box(QStringList& log) : log(log) {}
        void Clear() override
        {
            log << QStringLiteral("clear");
            lines.clear();
        }
        void WriteLine(std::string_view text) override
        {
            log << QStringLiteral("write");
            lines.emplace_back(text);
        }
        QStringList& log;
        std::vector<std::string> lines;
    };

    void Set(int a, int b, int c)
    {
        slider1.value = a;
        slider2.value = b;
        slider3.value = c;
    }

    // Runs the command and returns the one line the box then holds.
    std::string Calculate()
    {
        calc::CalculateCommand({slider1, slider2, slider3, option1, option2, check1, picture1});
        return picture1.lines.size() == 1 ? picture1.lines.front() : "<not one line>";
    }

    QStringList log;
    Slider slider1{log, "Slider1"};
    Slider slider2{log, "Slider2"};
    Slider slider3{log, "Slider3"};
    Option option1{log, "Option1"};
    Option option2{log, "Option2"};
    Check check1{log, "Check1"};
    Box picture1{log};
};

enum class Measure
{
    None,
    Perimeter,
    Area,
};

} // namespace

Q_DECLARE_METATYPE(Measure)

class TestCalculateCommand : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void stepsInOrder();
    void results_data();
    void results();
    void nothingCarriesOver();
    void everySideTriple_data();
    void everySideTriple();
};

void TestCalculateCommand::stepsInOrder()
{
    StandInForm form;
    form.Set(3, 4, 5);
    form.option2.value = true;
    form.picture1.lines = {"an old line"};
    form.Calculate();
    const QStringList expected = {"clear",        "read Slider1", "read Slider2", "read Slider3",
                                  "read Option1", "read Option2", "read Check1",  "write"};
    QCOMPARE(form.log, expected);
}

void TestCalculateCommand::results_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<Measure>("measure");
    QTest::addColumn<int>("check");
    QTest::addColumn<QString>("expected");

    const QString none = QString::fromUtf8(calc::kNoTriangleText.data());
    using M = Measure;
    QTest::newRow("0,0,0 perimeter") << 0 << 0 << 0 << M::Perimeter << 0 << " 0 ";
    QTest::newRow("0,0,0 area rounded") << 0 << 0 << 0 << M::Area << 1 << ".000";
    QTest::newRow("0,0,0 perimeter rounded") << 0 << 0 << 0 << M::Perimeter << 1 << ".000";
    QTest::newRow("3,4,5 perimeter") << 3 << 4 << 5 << M::Perimeter << 0 << " 12 ";
    QTest::newRow("3,4,5 perimeter rounded") << 3 << 4 << 5 << M::Perimeter << 1 << "12.000";
    QTest::newRow("3,4,5 area") << 3 << 4 << 5 << M::Area << 0 << " 6 ";
    QTest::newRow("3,4,5 area rounded") << 3 << 4 << 5 << M::Area << 1 << "6.000";
    QTest::newRow("grayed check rounds") << 3 << 4 << 5 << M::Area << 2 << "6.000";
    QTest::newRow("1,1,1 area") << 1 << 1 << 1 << M::Area << 0 << " 0.433012701892219 ";
    QTest::newRow("1,1,1 area rounded") << 1 << 1 << 1 << M::Area << 1 << ".433";
    QTest::newRow("1,2,2 area rounded") << 1 << 2 << 2 << M::Area << 1 << ".968";
    QTest::newRow("10,10,10 area rounded") << 10 << 10 << 10 << M::Area << 1 << "43.301";
    QTest::newRow("5,5,8 area") << 5 << 5 << 8 << M::Area << 0 << " 12 ";
    QTest::newRow("50,50,1 area") << 50 << 50 << 1 << M::Area << 0 << " 24.9987499687484 ";
    QTest::newRow("50,50,50 perimeter") << 50 << 50 << 50 << M::Perimeter << 0 << " 150 ";
    QTest::newRow("50,50,50 area rounded") << 50 << 50 << 50 << M::Area << 1 << "1082.532";
    QTest::newRow("degenerate 2,1,1 area") << 2 << 1 << 1 << M::Area << 0 << " 0 ";
    QTest::newRow("degenerate 0,5,5 area") << 0 << 5 << 5 << M::Area << 0 << " 0 ";
    QTest::newRow("not a triangle 3,1,1 perimeter") << 3 << 1 << 1 << M::Perimeter << 0 << " 5 ";
    QTest::newRow("not a triangle 3,1,1 area") << 3 << 1 << 1 << M::Area << 0 << none;
    QTest::newRow("not a triangle 1,1,3 area rounded") << 1 << 1 << 3 << M::Area << 1 << none;
    QTest::newRow("no measure") << 3 << 4 << 5 << M::None << 0 << "";
    QTest::newRow("no measure rounded") << 3 << 4 << 5 << M::None << 1 << "";
}

void TestCalculateCommand::results()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(Measure, measure);
    QFETCH(int, check);
    QFETCH(QString, expected);

    StandInForm form;
    form.Set(a, b, c);
    form.option1.value = measure == Measure::Perimeter;
    form.option2.value = measure == Measure::Area;
    form.check1.value = static_cast<std::int16_t>(check);
    QCOMPARE(QString::fromStdString(form.Calculate()), expected);
}

void TestCalculateCommand::nothingCarriesOver()
{
    StandInForm form;
    form.Set(3, 4, 5);
    form.option2.value = true;
    QCOMPARE(form.Calculate(), " 6 ");
    // Same inputs again: still one line, not two.
    QCOMPARE(form.Calculate(), " 6 ");
    form.option2.value = false;
    QCOMPARE(form.Calculate(), "");
    form.Set(3, 1, 1);
    form.option2.value = true;
    QCOMPARE(form.Calculate(), calc::kNoTriangleText);
    form.Set(3, 4, 5);
    QCOMPARE(form.Calculate(), " 6 ");
}

void TestCalculateCommand::everySideTriple_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("point") << "C";
    QTest::newRow("comma") << "ru_RU";
}

// All 51^3 side triples, both measures and both forms, each judged by exact
// integer arithmetic on 16 * area^2 = P(P - 2a)(P - 2b)(P - 2c).
void TestCalculateCommand::everySideTriple()
{
#ifndef STOROMER_HAS_EXACT_AREA
    QSKIP("the exact judge needs 128-bit integers");
#else
    QFETCH(QString, locale);
    QLocale::setDefault(QLocale(locale));
    const std::string sep = QLocale().decimalPoint().toStdString();

    StandInForm form;
    QStringList failures;
    auto fail = [&](int a, int b, int c, const QString& what) {
        if (failures.size() < 10) {
            failures << QStringLiteral("%1,%2,%3: %4").arg(a).arg(b).arg(c).arg(what);
        }
    };
    int triangles = 0;
    for (int a = 0; a <= 50; ++a) {
        for (int b = 0; b <= 50; ++b) {
            for (int c = 0; c <= 50; ++c) {
                form.log.clear();
                form.Set(a, b, c);
                // The area's value itself: no triangle exactly where the
                // exact square is negative, elsewhere the correctly rounded root.
                const std::int64_t n = exact::SixteenAreaSquared(a, b, c);
                const calc::ResultValue area = calc::HeronArea({a, b, c});
                const double* r = std::get_if<double>(&area);
                if (n < 0 ? !std::holds_alternative<calc::NoTriangle>(area)
                          : !r || !exact::IsCorrectlyRoundedRootOfSixteenth(*r, n)) {
                    fail(a, b, c, "area is not the correctly rounded root");
                }
                triangles += n >= 0;
                for (const bool isArea : {false, true}) {
                    for (const bool round : {false, true}) {
                        form.option1.value = !isArea;
                        form.option2.value = isArea;
                        form.check1.value =
                            round ? runtime::CheckBox::Checked : runtime::CheckBox::Unchecked;
                        const std::string wrong = exact::Misjudged(a, b, c, !isArea, isArea, round,
                                                                   sep, form.Calculate());
                        if (!wrong.empty()) {
                            fail(a, b, c, QString::fromStdString(wrong));
                        }
                    }
                }
            }
        }
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1String("; "))));
    // The triples that close into a triangle, flat ones included: a check that
    // the loop judged the areas at all.
    QCOMPARE(triangles, 66351);
#endif
}

QTEST_APPLESS_MAIN(TestCalculateCommand)
#include "tst_calculatecommand.moc"
