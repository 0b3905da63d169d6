// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "uifixture.h"

#include <QClipboard>
#include <QSignalSpy>

// Every key path of the window, as the key map in form1.h lists them.

// What a key runs, as the window's commands show it.
enum class Runs
{
    Calculate,
    Area, // Calculate, with the area selected
    Formulas,
    Exit,
};
Q_DECLARE_METATYPE(Runs)

class TestKeys : public UiFixture
{
    Q_OBJECT

private slots:

    void enterKey_data();
    void enterKey();
    void themeIsActive();
    void escapeFromAnywhere();
    void accessKeys();
    void calculateByKeyboard();
    void copyAnswer_data();
    void copyAnswer();

private:
    void AltKey(QChar letter);
    bool FocusBy(Qt::Key key, QWidget* target);
};

void TestKeys::enterKey_data()
{
    using C = window::Form1::Controls;
    QTest::addColumn<ControlPicker>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<Runs>("runs");
    const int enter = Qt::Key_Return;
    QTest::newRow("check box, Return") << &PickControl<&C::Check1> << enter << Runs::Calculate;
    QTest::newRow("check box, keypad Enter")
        << &PickControl<&C::Check1> << int(Qt::Key_Enter) << Runs::Calculate;
    QTest::newRow("result box") << &PickControl<&C::Picture1> << enter << Runs::Calculate;
    QTest::newRow("slider") << &PickControl<&C::Slider2> << enter << Runs::Calculate;
    QTest::newRow("option button") << &PickControl<&C::Option1> << enter << Runs::Calculate;
    QTest::newRow("selected option button") << &PickControl<&C::Option2> << enter << Runs::Area;
    QTest::newRow("Calculate button") << &PickControl<&C::Command1> << enter << Runs::Calculate;
    QTest::newRow("Formulas button") << &PickControl<&C::Command2> << enter << Runs::Formulas;
    QTest::newRow("Exit button") << &PickControl<&C::Command3> << enter << Runs::Exit;
}

void TestKeys::enterKey()
{
    QFETCH(ControlPicker, focus);
    QFETCH(int, key);
    QFETCH(Runs, runs);

    QWidget* target = focus(*ui);
    if (runs == Runs::Area) {
        ui->Option2->click();
    }
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);
    bool formulas = false;
    if (runs == Runs::Formulas) {
        ExpectModal([&](QMessageBox* box) {
            formulas = true;
            box->done(0);
        });
    }
    QTest::keyClick(target, Qt::Key(key),
                    key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    if (runs == Runs::Formulas) {
        QVERIFY(ModalHandled());
    }
    // Calculate at start writes an empty line: no measure is selected.
    QCOMPARE(Box(), runs == Runs::Area ? QStringLiteral(" 0 ") : QString());
    QCOMPARE(formulas, runs == Runs::Formulas);
    QCOMPARE(ends, runs == Runs::Exit ? 1 : 0);
    // Enter neither ticks the check box nor moves the selection.
    QCOMPARE(ui->Check1->checkState(), Qt::Unchecked);
    QCOMPARE(ui->Option2->isChecked(), runs == Runs::Area);
}

void TestKeys::themeIsActive()
{
    // Under a platform theme that lets Enter press the focused button, a stock
    // check box takes Enter: this shows the theme is in force for the key
    // cases that run with it.
    if (qgetenv("QT_QPA_PLATFORMTHEME") != "gtk3") {
        QSKIP("only the gtk3 theme is known to give Enter to the focused button");
    }
    QCheckBox stock(QStringLiteral("stock"), form.get());
    stock.show();
    stock.setFocus();
    QTest::keyClick(&stock, Qt::Key_Return);
    QVERIFY(stock.isChecked());
}

void TestKeys::escapeFromAnywhere()
{
    int expected = 0;
    for (auto* target : form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (target->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Escape);
        QVERIFY2(ends == ++expected, qPrintable(target->objectName()));
    }
    QVERIFY(expected > 0);
    QVERIFY(Box().isEmpty());
}

void TestKeys::accessKeys()
{
    // Calculate's letter belongs to the button, wherever the focus is, though
    // Label5 shows the same letter underlined.
    ui->Slider2->setFocus();
    ui->Option2->click();
    AltKey(AccessLetter(ui->Command1));
    QTRY_COMPARE(Box(), QStringLiteral(" 0 "));
    QCOMPARE(ends, 0);
    // Exit's letter ends the program; Formulas' the commands suite checks.
    AltKey(AccessLetter(ui->Command3));
    QTRY_COMPARE(ends, 1);
}

// Alt and a Cyrillic letter, delivered to the focused control as a keyboard would.
void TestKeys::AltKey(QChar letter)
{
    const QChar upper = letter.toUpper();
    // After a modal box the window takes the focus back when it is reactivated.
    QTRY_VERIFY(QApplication::focusWidget());
    QWidget* target = QApplication::focusWidget();
    QTest::sendKeyEvent(QTest::Press, target, Qt::Key(upper.unicode()), QString(letter),
                        Qt::AltModifier);
    QTest::sendKeyEvent(QTest::Release, target, Qt::Key(upper.unicode()), QString(letter),
                        Qt::AltModifier);
}

void TestKeys::calculateByKeyboard()
{
    QLocale::setDefault(QLocale::c());
    // Shift+Tab from the start on to each slider, then to the option group.
    const std::array<int, 3> sides{3, 4, 5};
    for (std::size_t i = 0; i < sides.size(); ++i) {
        QVERIFY(FocusBy(Qt::Key_Backtab, Sliders()[i]));
        MoveSlider(Sliders()[i], sides[i]);
    }
    QVERIFY(FocusBy(Qt::Key_Backtab, ui->Option1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), ui->Option2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(ui->Option2->isChecked());
    QVERIFY(FocusBy(Qt::Key_Tab, ui->Check1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(ui->Check1->checkState(), Qt::Checked);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(Box(), QStringLiteral("6.000"));
}

// Presses key (Tab or Shift+Tab) until target has the focus, at most once
// round the window; false when it never does.
bool TestKeys::FocusBy(Qt::Key key, QWidget* target)
{
    for (int i = 0; i < 16 && QApplication::focusWidget() != target; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key,
                        key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    }
    return QApplication::focusWidget() == target;
}

void TestKeys::copyAnswer_data()
{
    using C = window::Form1::Controls;
    QTest::addColumn<QList<int>>("sides");
    QTest::addColumn<ControlPicker>("option"); // nullptr: none selected
    QTest::addColumn<bool>("round");
    QTest::addColumn<QString>("copied"); // empty: nothing to copy
    QTest::addColumn<ControlPicker>("focus");
    const ControlPicker perimeter = &PickControl<&C::Option1>;
    const ControlPicker area = &PickControl<&C::Option2>;
    const ControlPicker box = &PickControl<&C::Picture1>;
    const QList<int> right{3, 4, 5};
    const QList<int> even{7, 7, 7};
    QTest::newRow("perimeter") << right << perimeter << false << "12" << box;
    QTest::newRow("area") << right << area << false << "6" << box;
    QTest::newRow("rounded area") << even << area << true << "21.218" << box;
    QTest::newRow("no triangle") << QList<int>{1, 1, 5} << area << false
                                 << "Нет такого треугольника" << box;
    QTest::newRow("blank") << right << ControlPicker() << false << "" << box;
    QTest::newRow("from a slider") << right << area << false << "6" << &PickControl<&C::Slider2>;
    QTest::newRow("from a button")
        << right << perimeter << false << "12" << &PickControl<&C::Command1>;
    QTest::newRow("from the check box")
        << even << area << true << "21.218" << &PickControl<&C::Check1>;
}

// Enter twice from the focused control: each answer, the same one again too,
// is announced once, trimmed, and nothing else is (the sliders' moves
// neither); how the platform hands it on and what a screen reader then says,
// the Orca and Wine scenarios check. Then Ctrl+C and Ctrl+Insert copy the
// answer from wherever the focus is; the box's own menu and keys, its suite
// checks.
void TestKeys::copyAnswer()
{
    QFETCH(QList<int>, sides);
    QFETCH(ControlPicker, option);
    QFETCH(bool, round);
    QFETCH(QString, copied);
    QFETCH(ControlPicker, focus);

    QSignalSpy announced(ui->Picture1, &runtime::PictureBox::Announced);
    for (int i = 0; i < 3; ++i) {
        Sliders()[i]->setValue(sides[i]);
    }
    if (option) {
        qobject_cast<QRadioButton*>(option(*ui))->click();
    }
    ui->Check1->setChecked(round);
    QWidget* focused = focus(*ui);
    focused->setFocus();
    for (int press = 0; press < 2; ++press) {
        QTest::keyClick(focused, Qt::Key_Return);
        QTest::qWait(50);
    }
    const QList<QVariantList> said{{copied}, {copied}};
    QCOMPARE(announced, copied.isEmpty() ? QList<QVariantList>() : said);

    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString untouched = QStringLiteral("untouched");
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}) {
        clipboard->setText(untouched);
        // Through the window, so that shortcuts are looked up as the platform does.
        QTest::keySequence(form->windowHandle(), keys);
        QCOMPARE(clipboard->text(), copied.isEmpty() ? untouched : copied);
    }
    QCOMPARE(QApplication::focusWidget(), focused);
}

QTEST_MAIN(TestKeys)
#include "tst_keys.moc"
