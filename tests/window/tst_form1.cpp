// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/captionfit.h"
#include "runtime/widgets/label.h"
#include "uifixture.h"

#include <QAccessible>
#include <QToolTip>

class TestForm1 : public UiFixture
{
    Q_OBJECT

private slots:

    void window();
    void controls_data();
    void controls();
    void initialState();
    void sliderSettings();
    void focusOrder();
    void calculateByMouse();
    void inputsLeaveTheBoxAlone();
    void resizingMovesNothing();
    void captionsFit();
};

void TestForm1::window()
{
    QCOMPARE(form->windowTitle(), QStringLiteral("Сторомер"));
    // The client area, in pixels, at 15 twips a pixel.
    QCOMPARE(form->geometry(), QRect(255, 208, 257, 193));
    const Qt::WindowFlags flags = form->windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(flags & Qt::WindowMaximizeButtonHint);
    QVERIFY(form->minimumSize() != form->maximumSize());
}

void TestForm1::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<QString>("spoken");
    QTest::addColumn<bool>("described"); // the tooltip is its description: it says more

    auto row = [](const char* name, const char* kind, const char* caption, QRect geometry,
                  const char* toolTip, const char* spoken) {
        const QString tip = QString::fromUtf8(toolTip);
        QTest::newRow(name) << name << kind << QString::fromUtf8(caption) << geometry << tip
                            << QString::fromUtf8(spoken) << (tip != QString::fromUtf8(spoken));
    };
    row("Option1", "QRadioButton", "Вычислить периметр треугольника", {0, 88, 129, 25},
        "Вычислить периметр треугольника", "Вычислить периметр треугольника");
    row("Option2", "QRadioButton", "Вычислить площадь треугольника", {128, 88, 129, 25},
        "Вычислить площадь треугольника", "Вычислить площадь треугольника");
    row("Command2", "QPushButton", "Ф&ормулы", {80, 168, 97, 25}, "Вывод использованных формул",
        "Формулы");
    row("Command1", "QPushButton", "Выч&ислить", {0, 168, 73, 25},
        "Для нахождения периметра или площади треугольника нажмите кнопку \"Вычислить\"",
        "Вычислить");
    row("Command3", "QPushButton", "В&ыход", {184, 168, 73, 25},
        "Для завершения работы программы нажмите кнопку \"Выход\"", "Выход");
    row("Picture1", "QLineEdit", "", {0, 136, 177, 25}, "Ответ", "Ответ");
    row("Check1", "QCheckBox", "Округлить", {184, 136, 73, 25},
        "Округляет результат до трёх цыфр после запятой", "Округлить");
    row("Slider3", "QSlider", "", {8, 64, 249, 17}, "Третья сторона треугольника",
        "Третья сторона треугольника");
    row("Slider2", "QSlider", "", {8, 40, 249, 17}, "Вторая сторона треугольника",
        "Вторая сторона треугольника");
    row("Slider1", "QSlider", "", {8, 16, 249, 17}, "Первая сторона треугольника",
        "Первая сторона треугольника");
    row("Label2", "runtime::Label", "A", {0, 16, 9, 17}, "Первая сторона треугольника", "A");
    row("Label3", "runtime::Label", "B", {0, 40, 9, 17}, "Вторая сторона треугольника", "B");
    row("Label4", "runtime::Label", "C", {0, 64, 9, 17}, "Третья сторона треугольника", "C");
    row("Label1", "runtime::Label", "Установите длинну сторон треугольника:", {24, 0, 217, 17}, "",
        "Установите длинну сторон треугольника:");
    row("Line1", "QFrame", "", {0, 119, 264, 2}, "", "");
    row("Label5", "runtime::Label", "Для вычисления нажмите кнопку \"Выч&ислить\".",
        {8, 120, 249, 17}, "", "Для вычисления нажмите кнопку \"Вычислить\".");
}

void TestForm1::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(QString, toolTip);
    QFETCH(QString, spoken);
    QFETCH(bool, described);

    auto* control = form->findChild<QWidget*>(name);
    QVERIFY(control);
    QVERIFY2(control->inherits(kind.toLatin1()), control->metaObject()->className());
    QString shown;
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        shown = button->text();
    } else if (auto* label = qobject_cast<runtime::Label*>(control)) {
        shown = label->Caption();
    }
    QCOMPARE(shown, caption);
    QCOMPARE(control->geometry(), geometry);
    QToolTip::hideText();
    QHelpEvent hover(QEvent::ToolTip, QPoint(1, 1), control->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(control, &hover);
    QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), toolTip);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    QCOMPARE(accessible->text(QAccessible::Name), spoken);
    QCOMPARE(accessible->text(QAccessible::Description), described ? toolTip : QString());
}

void TestForm1::initialState()
{
    for (QSlider* slider : Sliders()) {
        QCOMPARE(slider->value(), 0);
    }
    QVERIFY(!ui->Option1->isChecked());
    QVERIFY(!ui->Option2->isChecked());
    QCOMPARE(ui->Check1->checkState(), Qt::Unchecked);
    QVERIFY(Box().isEmpty());
    QCOMPARE(QApplication::focusWidget(), ui->Check1);
    QVERIFY(ui->Command1->isDefault());
}

// How the window sets its sliders up; how one then moves, the controls' suite checks.
void TestForm1::sliderSettings()
{
    for (QSlider* slider : Sliders()) {
        QCOMPARE(slider->orientation(), Qt::Horizontal);
        QCOMPARE(slider->minimum(), 0);
        QCOMPARE(slider->maximum(), 50);
        QCOMPARE(slider->singleStep(), 1);
        QCOMPARE(slider->pageStep(), 5);
        QCOMPARE(slider->tickInterval(), 1);
        QVERIFY(slider->tickPosition() != QSlider::NoTicks);
    }
}

void TestForm1::focusOrder()
{
    // The two option buttons are one group and so one stop.
    const QList<QWidget*> order = {ui->Check1,   ui->Picture1, ui->Command3,
                                   ui->Command1, ui->Command2, ui->Option2,
                                   ui->Slider3,  ui->Slider2,  ui->Slider1};
    QList<QWidget*> forward;
    for (int i = 0; i < order.size(); ++i) {
        forward << QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(forward, order);
    QCOMPARE(QApplication::focusWidget(), ui->Check1);

    QList<QWidget*> backward;
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward.prepend(QApplication::focusWidget());
    }
    QCOMPARE(backward, order);
}

void TestForm1::calculateByMouse()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    ui->Slider1->setValue(50);
    ui->Slider2->setValue(50);
    ui->Slider3->setValue(50);
    auto* option2 = ui->Option2;
    // Anywhere on the option button selects it, its wrapped caption included.
    QTest::mouseClick(option2, Qt::LeftButton, {}, QPoint(option2->width() - 10, 20));
    QVERIFY(option2->isChecked());
    auto* check = ui->Check1;
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
    QVERIFY(check->isChecked());
    QTest::mouseClick(ui->Command1, Qt::LeftButton);
    QCOMPARE(Box(), QStringLiteral("1082,532"));
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
    QVERIFY(!check->isChecked());
    QTest::mouseClick(ui->Command1, Qt::LeftButton);
    QCOMPARE(Box(), QStringLiteral(" 1082,53175473055 "));
    // Selecting the perimeter clears the area.
    auto* option1 = ui->Option1;
    QTest::mouseClick(option1, Qt::LeftButton, {}, QPoint(5, option1->height() / 2));
    QVERIFY(option1->isChecked());
    QVERIFY(!option2->isChecked());
    QTest::mouseClick(ui->Command1, Qt::LeftButton);
    QCOMPARE(Box(), QStringLiteral(" 150 "));
}

void TestForm1::inputsLeaveTheBoxAlone()
{
    ui->Option2->click();
    ui->Slider1->setValue(3);
    ui->Slider2->setValue(4);
    ui->Slider3->setValue(5);
    ui->Command1->click();
    QCOMPARE(Box(), QStringLiteral(" 6 "));
    MoveSlider(ui->Slider1, 10);
    ui->Option1->click();
    ui->Check1->click();
    QCOMPARE(Box(), QStringLiteral(" 6 "));
    // Calculating twice leaves one line.
    ui->Command1->click();
    ui->Command1->click();
    QCOMPARE(Box(), QStringLiteral("19.000"));
}

void TestForm1::resizingMovesNothing()
{
    QList<QRect> before;
    const auto children = form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        before << child->geometry();
    }
    form->resize(600, 500);
    QTRY_COMPARE(form->size(), QSize(600, 500));
    for (int i = 0; i < children.size(); ++i) {
        QCOMPARE(children[i]->geometry(), before[i]);
    }
}

// Every caption fits its control as the window sizes it, and the result box
// shows its widest lines whole.
void TestForm1::captionsFit()
{
    QStringList clipped;
    for (auto* control : form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (control != ui->Picture1 && !runtime::CaptionFits(*control)) {
            clipped << control->objectName();
        }
    }
    for (const char* line : {"1082,532", " 1082,53175473055 ", "Нет такого треугольника"}) {
        if (!runtime::CaptionFits(*ui->Picture1, {QString::fromUtf8(line)})) {
            clipped << QStringLiteral("Picture1: ") + QString::fromUtf8(line);
        }
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1String(", "))));
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
