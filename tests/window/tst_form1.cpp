// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/announcer.h"
#include "runtime/widgets/checkboxcontrol.h"
#include "runtime/widgets/label.h"
#include "runtime/widgets/optionbuttoncontrol.h"
#include "runtime/widgets/picturebox.h"
#include "runtime/widgets/slidercontrol.h"
#include "runtime/widgets/valuetip.h"
#include "uifixture.h"

#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSlider>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>
#include <QToolTip>

#include <cmath>

class TestForm1 : public UiFixture
{
    Q_OBJECT

private slots:
    void init() { StartForm(); }
    void cleanup() { StopForm(); }

    void window();
    void controls_data();
    void controls();
    void initialState();
    void sliderSettings_data();
    void sliderSettings();
    void focusOrder();
    void enterKey_data();
    void enterKey();
    void themeIsActive();
    void escapeFromAnywhere_data();
    void escapeFromAnywhere();
    void accessKeys();
    void calculateByKeyboard();
    void calculateByMouse();
    void inputsLeaveTheBoxAlone();
    void boxKeepsItsLineWhenRepainted();
    void resizingMovesNothing();
    void optionButtonsUnderKeys();
    void sliderShowsItsValue_data();
    void sliderShowsItsValue();
    void valueTipStaysOnScreen();
    void focusShownOnlyOnFocused();
    void legibleAnswer_data();
    void legibleAnswer();
    void copyAnswer_data();
    void copyAnswer();
    void captionsFit();

private:
    void MoveSlider(QSlider* slider, int value);
    void AltKey(char16_t letter);
    QString Box() { return Control<runtime::PictureBox>("Picture1")->text(); }
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
    for (const char* name : {"Slider1", "Slider2", "Slider3"}) {
        QCOMPARE(Control<QSlider>(name)->value(), 0);
    }
    QVERIFY(!Control<QRadioButton>("Option1")->isChecked());
    QVERIFY(!Control<QRadioButton>("Option2")->isChecked());
    QCOMPARE(Control<QCheckBox>("Check1")->checkState(), Qt::Unchecked);
    QVERIFY(Box().isEmpty());
    QCOMPARE(FocusName(), QStringLiteral("Check1"));
    QVERIFY(Control<QPushButton>("Command1")->isDefault());
}

void TestForm1::sliderSettings_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Slider1") << "Slider1";
    QTest::newRow("Slider2") << "Slider2";
    QTest::newRow("Slider3") << "Slider3";
}

void TestForm1::sliderSettings()
{
    QFETCH(QString, name);
    auto* slider = Control<QSlider>(name.toLatin1());
    QCOMPARE(slider->orientation(), Qt::Horizontal);
    QCOMPARE(slider->minimum(), 0);
    QCOMPARE(slider->maximum(), 50);
    QCOMPARE(slider->tickInterval(), 1);
    QVERIFY(slider->tickPosition() != QSlider::NoTicks);
    // A click in the channel, right of the thumb, moves it one large change.
    QTest::mouseClick(slider, Qt::LeftButton, {},
                      QPoint(slider->width() - 20, slider->height() / 2));
    QCOMPARE(slider->value(), 5);
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    QCOMPARE(slider->value(), 6);
    QTest::keyClick(slider, Qt::Key_PageUp);
    QCOMPARE(slider->value(), 11);
    QTest::keyClick(slider, Qt::Key_End);
    QCOMPARE(slider->value(), 50);
    QTest::keyClick(slider, Qt::Key_Right);
    QCOMPARE(slider->value(), 50);
    QTest::keyClick(slider, Qt::Key_Left);
    QCOMPARE(slider->value(), 49);
}

void TestForm1::focusOrder()
{
    // The two option buttons are one group and so one stop.
    const QStringList order = {"Check1",  "Picture1", "Command3", "Command1", "Command2",
                               "Option2", "Slider3",  "Slider2",  "Slider1"};
    QStringList forward;
    for (int i = 0; i < order.size(); ++i) {
        forward << FocusName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(forward, order);
    QCOMPARE(FocusName(), QStringLiteral("Check1"));

    QStringList backward;
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backward.prepend(FocusName());
    }
    QCOMPARE(backward, order);
}

void TestForm1::enterKey_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("runs");
    QTest::newRow("check box, Return") << "Check1" << int(Qt::Key_Return) << "calculate";
    QTest::newRow("check box, keypad Enter") << "Check1" << int(Qt::Key_Enter) << "calculate";
    QTest::newRow("result box") << "Picture1" << int(Qt::Key_Return) << "calculate";
    QTest::newRow("slider") << "Slider2" << int(Qt::Key_Return) << "calculate";
    QTest::newRow("option button") << "Option1" << int(Qt::Key_Return) << "calculate";
    QTest::newRow("selected option button") << "Option2" << int(Qt::Key_Return) << "area";
    QTest::newRow("Calculate button") << "Command1" << int(Qt::Key_Return) << "calculate";
    QTest::newRow("Formulas button") << "Command2" << int(Qt::Key_Return) << "formulas";
    QTest::newRow("Exit button") << "Command3" << int(Qt::Key_Return) << "exit";
}

void TestForm1::enterKey()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, runs);

    auto* target = Control<QWidget>(focus.toLatin1());
    if (runs == QLatin1String("area")) {
        Control<QRadioButton>(focus.toLatin1())->click();
    }
    target->setFocus();
    QCOMPARE(FocusName(), focus);
    bool formulas = false;
    if (runs == QLatin1String("formulas")) {
        ExpectModal([&](QMessageBox* box) {
            formulas = true;
            box->done(0);
        });
    }
    QTest::keyClick(target, Qt::Key(key),
                    key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    if (runs == QLatin1String("formulas")) {
        QVERIFY(ModalHandled());
    }
    // Calculate at start writes an empty line: no measure is selected.
    QCOMPARE(Box(), runs == QLatin1String("area") ? QStringLiteral(" 0 ") : QString());
    QCOMPARE(formulas, runs == QLatin1String("formulas"));
    QCOMPARE(ends, runs == QLatin1String("exit") ? 1 : 0);
    // Enter neither ticks the check box nor moves the selection.
    QCOMPARE(Control<QCheckBox>("Check1")->checkState(), Qt::Unchecked);
    QCOMPARE(Control<QRadioButton>("Option2")->isChecked(), runs == QLatin1String("area"));
}

void TestForm1::themeIsActive()
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

void TestForm1::escapeFromAnywhere_data()
{
    QTest::addColumn<QString>("focus");
    for (const char* name : {"Check1", "Picture1", "Command3", "Command1", "Command2", "Option2",
                             "Option1", "Slider3", "Slider2", "Slider1"}) {
        QTest::newRow(name) << name;
    }
}

void TestForm1::escapeFromAnywhere()
{
    QFETCH(QString, focus);
    auto* target = Control<QWidget>(focus.toLatin1());
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Escape);
    QCOMPARE(ends, 1);
    QVERIFY(Box().isEmpty());
}

void TestForm1::accessKeys()
{
    // Alt+И belongs to the Calculate button, wherever the focus is, though
    // Label5 shows the same letter underlined.
    Control<QSlider>("Slider2")->setFocus();
    AltKey(u'и');
    QTRY_COMPARE(Box(), QString());

    bool formulas = false;
    ExpectModal([&](QMessageBox* box) {
        formulas = true;
        box->done(0);
    });
    AltKey(u'о');
    QVERIFY(ModalHandled());
    QVERIFY(formulas);
    QCOMPARE(ends, 0);

    AltKey(u'ы');
    QTRY_COMPARE(ends, 1);
}

// Alt and a Cyrillic letter, delivered to the focused control as a keyboard would.
void TestForm1::AltKey(char16_t letter)
{
    const QChar upper = QChar(letter).toUpper();
    // After a modal box the window takes the focus back when it is reactivated.
    QTRY_VERIFY(QApplication::focusWidget());
    QWidget* target = QApplication::focusWidget();
    QTest::sendKeyEvent(QTest::Press, target, Qt::Key(upper.unicode()), QString(QChar(letter)),
                        Qt::AltModifier);
    QTest::sendKeyEvent(QTest::Release, target, Qt::Key(upper.unicode()), QString(QChar(letter)),
                        Qt::AltModifier);
}

void TestForm1::MoveSlider(QSlider* slider, int value)
{
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Home);
    for (int i = 0; i < value; ++i) {
        QTest::keyClick(slider, Qt::Key_Right);
    }
    QCOMPARE(slider->value(), value);
}

void TestForm1::calculateByKeyboard()
{
    QLocale::setDefault(QLocale::c());
    // Tab to the sliders (last in the order, so Shift+Tab from the start).
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(FocusName(), QStringLiteral("Slider1"));
    MoveSlider(Control<QSlider>("Slider1"), 3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    MoveSlider(Control<QSlider>("Slider2"), 4);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    MoveSlider(Control<QSlider>("Slider3"), 5);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(FocusName(), QStringLiteral("Option1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(FocusName(), QStringLiteral("Option2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(Control<QRadioButton>("Option2")->isChecked());
    // Tab on round to the check box, at the start of the order.
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(FocusName(), QStringLiteral("Check1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(Control<QCheckBox>("Check1")->checkState(), Qt::Checked);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(Box(), QStringLiteral("6.000"));
}

void TestForm1::calculateByMouse()
{
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    Control<QSlider>("Slider1")->setValue(50);
    Control<QSlider>("Slider2")->setValue(50);
    Control<QSlider>("Slider3")->setValue(50);
    auto* option2 = Control<QRadioButton>("Option2");
    // Anywhere on the option button selects it, its wrapped caption included.
    QTest::mouseClick(option2, Qt::LeftButton, {}, QPoint(option2->width() - 10, 20));
    QVERIFY(option2->isChecked());
    auto* check = Control<QCheckBox>("Check1");
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
    QVERIFY(check->isChecked());
    QTest::mouseClick(Control<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(Box(), QStringLiteral("1082,532"));
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
    QVERIFY(!check->isChecked());
    QTest::mouseClick(Control<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(Box(), QStringLiteral(" 1082,53175473055 "));
    // Selecting the perimeter clears the area.
    auto* option1 = Control<QRadioButton>("Option1");
    QTest::mouseClick(option1, Qt::LeftButton, {}, QPoint(5, option1->height() / 2));
    QVERIFY(option1->isChecked());
    QVERIFY(!option2->isChecked());
    QTest::mouseClick(Control<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(Box(), QStringLiteral(" 150 "));
}

void TestForm1::inputsLeaveTheBoxAlone()
{
    Control<QRadioButton>("Option2")->click();
    Control<QSlider>("Slider1")->setValue(3);
    Control<QSlider>("Slider2")->setValue(4);
    Control<QSlider>("Slider3")->setValue(5);
    Control<QPushButton>("Command1")->click();
    QCOMPARE(Box(), QStringLiteral(" 6 "));
    MoveSlider(Control<QSlider>("Slider1"), 10);
    Control<QRadioButton>("Option1")->click();
    Control<QCheckBox>("Check1")->click();
    QCOMPARE(Box(), QStringLiteral(" 6 "));
    // Calculating twice leaves one line.
    Control<QPushButton>("Command1")->click();
    Control<QPushButton>("Command1")->click();
    QCOMPARE(Box(), QStringLiteral("19.000"));
}

void TestForm1::boxKeepsItsLineWhenRepainted()
{
    auto* box = Control<runtime::PictureBox>("Picture1");
    const QColor highlight = box->InkColor();
    auto inkInBox = [&] {
        const QImage image = box->grab().toImage();
        int ink = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                ink += image.pixel(x, y) == highlight.rgb();
            }
        }
        return ink;
    };
    QCOMPARE(inkInBox(), 0);
    Control<QRadioButton>("Option1")->click();
    Control<QPushButton>("Command1")->click();
    const int ink = inkInBox();
    QVERIFY(ink > 0);
    form->showMinimized();
    form->showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QCOMPARE(inkInBox(), ink);
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

void TestForm1::optionButtonsUnderKeys()
{
    // One stop in the focus order; an arrow key moves to the other button of
    // the group, and selects it once a selection has been made.
    auto* option1 = Control<QRadioButton>("Option1");
    auto* option2 = Control<QRadioButton>("Option2");
    option2->setFocus();
    QTest::keyClick(option2, Qt::Key_Left);
    QCOMPARE(FocusName(), QStringLiteral("Option1"));
    QVERIFY(!option1->isChecked() && !option2->isChecked());
    QTest::keyClick(option1, Qt::Key_Space);
    QVERIFY(option1->isChecked());
    QTest::keyClick(option1, Qt::Key_Right);
    QCOMPARE(FocusName(), QStringLiteral("Option2"));
    QVERIFY(option2->isChecked());
    QVERIFY(!option1->isChecked());
    // Tab into the group lands on the selected button.
    Control<QWidget>("Command2")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("Option2"));
    option1->click();
    Control<QWidget>("Command2")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("Option1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("Slider3"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(FocusName(), QStringLiteral("Option1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(FocusName(), QStringLiteral("Command2"));
    QVERIFY(Box().isEmpty());
}

void TestForm1::sliderShowsItsValue_data()
{
    QTest::addColumn<bool>("drag");
    QTest::newRow("keys") << false;
    QTest::newRow("drag") << true;
}

// The tip shows the value above the slider, clear of its thumb and groove.
void TestForm1::sliderShowsItsValue()
{
    QFETCH(bool, drag);
    auto* slider = Control<runtime::SliderControl>("Slider2");
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = Qt::Horizontal;
    option.maximum = slider->maximum();
    option.tickPosition = slider->tickPosition();
    option.tickInterval = slider->tickInterval();
    option.subControls = QStyle::SC_All;
    auto part = [&](QStyle::SubControl control) {
        option.sliderPosition = option.sliderValue = slider->value();
        // What shows of it: the style may reach past the slider's edges.
        const QRect r = slider->style()
                            ->subControlRect(QStyle::CC_Slider, &option, control, slider)
                            .intersected(slider->rect());
        return QRect(slider->mapToGlobal(r.topLeft()), r.size());
    };
    if (drag) {
        const QPoint thumb = slider->mapFromGlobal(part(QStyle::SC_SliderHandle).center());
        QTest::mousePress(slider, Qt::LeftButton, {}, thumb);
        QMouseEvent move(QEvent::MouseMove, thumb + QPoint(25, 0), slider->mapToGlobal(thumb),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(slider, &move);
    } else {
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_PageUp);
    }
    auto* tip = slider->findChild<runtime::ValueTip*>();
    QTRY_VERIFY(tip->isVisible());
    QCOMPARE(tip->text(), QString::number(slider->value()));
    QVERIFY(slider->value() > 0);
    const QRect tipRect = tip->frameGeometry();
    QVERIFY2(!tipRect.intersects(part(QStyle::SC_SliderHandle)), "the tip covers the thumb");
    QVERIFY2(!tipRect.intersects(part(QStyle::SC_SliderGroove)), "the tip covers the groove");
    QVERIFY(tipRect.bottom() < slider->mapToGlobal(QPoint(0, 0)).y());
    if (drag) {
        QTest::mouseRelease(slider, Qt::LeftButton);
    } else {
        // It follows the thumb, and goes with the focus.
        QTest::keyClick(slider, Qt::Key_PageUp);
        QCOMPARE(tip->text(), QString::number(slider->value()));
        QVERIFY(tip->isVisible() && tip->frameGeometry().left() > tipRect.left());
        Control<QWidget>("Check1")->setFocus();
        QVERIFY(!tip->isVisible());
    }
    QVERIFY(Box().isEmpty());
}

void TestForm1::valueTipStaysOnScreen()
{
    // In the top right corner, where above the thumb at its end is off the screen.
    const QRect screen = form->screen()->availableGeometry();
    form->setGeometry(
        QRect(QPoint(screen.right() + 1 - form->width(), screen.top()), form->size()));
    auto* slider = Control<runtime::SliderControl>("Slider1");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_End);
    auto* tip = slider->findChild<runtime::ValueTip*>();
    QTRY_VERIFY(tip->isVisible());
    QVERIFY2(screen.contains(tip->geometry()), "the tip leaves the screen");
}

// Whether the slider's tick marks are drawn in the focus colour. The thumb,
// which may show the focus (the Windows style's does) and reach down there,
// is left out.
static bool TicksLookFocused(QSlider* slider)
{
    const QImage image = slider->grab().toImage();
    const QColor focus = slider->palette().color(QPalette::Highlight);
    const int thumb = slider->style()->pixelMetric(QStyle::PM_SliderLength, nullptr, slider);
    const int thumbLeft = QStyle::sliderPositionFromValue(slider->minimum(), slider->maximum(),
                                                          slider->value(), slider->width() - thumb);
    for (int y = image.height() - 4; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (x >= thumbLeft * image.devicePixelRatio() &&
                x < (thumbLeft + thumb) * image.devicePixelRatio()) {
                continue;
            }
            const QColor c = image.pixelColor(x, y);
            // Near the highlight's hue and clearly coloured, as no grey is.
            if (c.hsvSaturation() > 80 && std::abs(c.hsvHue() - focus.hsvHue()) < 20) {
                return true;
            }
        }
    }
    return false;
}

void TestForm1::focusShownOnlyOnFocused()
{
    QStringList wrong;
    auto check = [&](const QString& step) {
        for (const char* name : {"Slider1", "Slider2", "Slider3"}) {
            if (TicksLookFocused(Control<QSlider>(name))) {
                wrong << step + ": " + name + "'s ticks in the focus colour";
            }
        }
    };
    check("start");
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        check("Tab to " + FocusName());
    }
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        check("Shift+Tab to " + FocusName());
    }
    for (const char* name : {"Slider3", "Slider1", "Slider2"}) {
        QTest::mouseClick(Control<QSlider>(name), Qt::LeftButton);
        check(QStringLiteral("click on ") + name);
    }
    Control<QCheckBox>("Check1")->setFocus();
    form->resize(400, 300);
    QTRY_COMPARE(form->size(), QSize(400, 300));
    check("resize");
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String("; "))));
}

void TestForm1::legibleAnswer_data()
{
    QTest::addColumn<QColor>("base");
    QTest::addColumn<QColor>("highlight");
    QTest::addColumn<QColor>("ink"); // at least 4.5:1 against base, in the highlight's hue
    QTest::newRow("Fusion light") << QColor("#ffffff") << QColor("#308cc6") << QColor("#2b7caf");
    QTest::newRow("GNOME dark") << QColor("#2d2d2d") << QColor("#308cc6") << QColor("#449bd2");
    QTest::newRow("Adwaita dark") << QColor("#2d2d2d") << QColor("#15539e") << QColor("#5097e8");
    QTest::newRow("high contrast inverse")
        << QColor("#000000") << QColor("#1c1c1c") << QColor("#757575");
    QTest::newRow("high contrast") << QColor("#ffffff") << QColor("#ffff00") << QColor("#7a7a00");
}

// The answer is written in a colour that stands out from the box, also when
// the palette changes while it shows.
void TestForm1::legibleAnswer()
{
    QFETCH(QColor, base);
    QFETCH(QColor, highlight);
    QFETCH(QColor, ink);
    auto* box = Control<runtime::PictureBox>("Picture1");
    for (const char* name : {"Slider1", "Slider2", "Slider3"}) {
        Control<QSlider>(name)->setValue(50);
    }
    Control<QRadioButton>("Option1")->click();
    Control<QPushButton>("Command1")->click();

    QPalette palette = form->palette();
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::Highlight, highlight);
    form->setPalette(palette);

    QCOMPARE(box->InkColor().name(), ink.name());
    const QImage image = box->grab().toImage();
    bool painted = false;
    for (int y = 0; y < image.height() && !painted; ++y) {
        for (int x = 0; x < image.width() && !painted; ++x) {
            painted = image.pixel(x, y) == ink.rgb();
        }
    }
    QVERIFY2(painted, "the line is not painted in the legible colour");
}

void TestForm1::copyAnswer_data()
{
    QTest::addColumn<QList<int>>("sides");
    QTest::addColumn<QString>("option");
    QTest::addColumn<bool>("round");
    QTest::addColumn<QString>("copied"); // empty: nothing to copy
    QTest::addColumn<QString>("focus");
    QTest::newRow("perimeter") << QList<int>{3, 4, 5} << "Option1" << false << "12"
                               << "Picture1";
    QTest::newRow("area") << QList<int>{3, 4, 5} << "Option2" << false << "6"
                          << "Picture1";
    QTest::newRow("rounded area") << QList<int>{7, 7, 7} << "Option2" << true << "21.218"
                                  << "Picture1";
    QTest::newRow("no triangle") << QList<int>{1, 1, 5} << "Option2" << false
                                 << "Нет такого треугольника"
                                 << "Picture1";
    QTest::newRow("blank") << QList<int>{3, 4, 5} << "" << false << ""
                           << "Picture1";
    QTest::newRow("from a slider") << QList<int>{3, 4, 5} << "Option2" << false << "6"
                                   << "Slider2";
    QTest::newRow("from a button") << QList<int>{3, 4, 5} << "Option1" << false << "12"
                                   << "Command1";
    QTest::newRow("from the check box") << QList<int>{7, 7, 7} << "Option2" << true << "21.218"
                                        << "Check1";
}

// Enter twice from the focused control: each answer, the same one again too,
// is announced once, trimmed, and nothing else is (the sliders' moves
// neither); what a screen reader then hears, the Orca and Wine scenarios
// check. Then Ctrl+C, Ctrl+Insert and the context menu, opened by mouse, Menu
// key and Shift+F10, copy the answer without the blanks around it.
void TestForm1::copyAnswer()
{
    QFETCH(QList<int>, sides);
    QFETCH(QString, option);
    QFETCH(bool, round);
    QFETCH(QString, copied);
    QFETCH(QString, focus);

    auto* box = Control<runtime::PictureBox>("Picture1");
    QSignalSpy announced(box, &runtime::PictureBox::Announced);
    Control<QSlider>("Slider1")->setValue(sides[0]);
    Control<QSlider>("Slider2")->setValue(sides[1]);
    Control<QSlider>("Slider3")->setValue(sides[2]);
    if (!option.isEmpty()) {
        Control<QRadioButton>(option.toLatin1())->click();
    }
    Control<QCheckBox>("Check1")->setChecked(round);
    auto* focused = Control<QWidget>(focus.toLatin1());
    focused->setFocus();
    for (int press = 0; press < 2; ++press) {
        QTest::keyClick(focused, Qt::Key_Return);
        QTest::qWait(50);
    }
    const QList<QVariantList> said{{copied}, {copied}};
    QCOMPARE(announced, copied.isEmpty() ? QList<QVariantList>() : said);
    // The platform's part: AT-SPI hears a notification that shows with the
    // answer; UI Automation a text value change, and nothing shows.
    const auto* notification = box->findChild<runtime::Announcer*>();
    const bool windows = QSysInfo::productType() == QLatin1String("windows");
    QCOMPARE(notification->isVisible() ? notification->accessibleName() : QString(),
             windows ? QString() : copied);
    const QString shown = Box();

    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString untouched = QStringLiteral("untouched");
    QWindow* window = form->windowHandle();
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)}) {
        clipboard->setText(untouched);
        // Through the window, so that shortcuts are looked up as the platform does.
        QTest::keySequence(window, keys);
        QCOMPARE(clipboard->text(), copied.isEmpty() ? untouched : copied);
    }
    QCOMPARE(FocusName(), focus);
    if (focused != box) {
        return;
    }

    // Opens the menu, reads its one item, triggers it where it is enabled.
    auto openMenu = [&](const std::function<void()>& open) {
        QString item;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu || !menu->isVisible()) {
                return;
            }
            watch.stop();
            QAction* action = menu->actions().value(0);
            item = action->text() + (action->isEnabled() ? "" : " (disabled)");
            menu->close();
            if (action->isEnabled()) {
                action->trigger();
            }
        });
        watch.start(10);
        clipboard->setText(untouched);
        open();
        if (!QTest::qWaitFor([&] { return !watch.isActive(); }, 10000)) {
            return QStringLiteral("<no menu>");
        }
        return item;
    };
    const QString item = copied.isEmpty() ? "Копировать (disabled)" : "Копировать";
    // Keys through the window, as the platform delivers them.
    QCOMPARE(openMenu([&] { QTest::keyClick(window, Qt::Key_Menu); }), item);
    QCOMPARE(clipboard->text(), copied.isEmpty() ? untouched : copied);
    QCOMPARE(openMenu([&] { QTest::keyClick(window, Qt::Key_F10, Qt::ShiftModifier); }), item);
    const QPoint onBox = box->mapTo(form.get(), box->rect().center());
    QCOMPARE(openMenu([&] { QTest::mouseClick(window, Qt::RightButton, {}, onBox); }), item);
    QCOMPARE(clipboard->text(), copied.isEmpty() ? untouched : copied);
    // Copying changes nothing the user sees.
    QCOMPARE(Box(), shown);
    QCOMPARE(FocusName(), QStringLiteral("Picture1"));
}

void TestForm1::captionsFit()
{
    QStringList clipped;
    for (auto* button : form->findChildren<QAbstractButton*>()) {
        const QString text = runtime::WithoutAccessKey(button->text());
        const QFontMetrics metrics = button->fontMetrics();
        if (auto* option = qobject_cast<runtime::OptionButtonControl*>(button)) {
            // Two lines, each word on the line it starts, all inside the button.
            const QRect area = option->CaptionRect();
            const QStringList lines = option->CaptionLines();
            const bool linesFit =
                std::all_of(lines.cbegin(), lines.cend(), [&](const QString& line) {
                    return metrics.horizontalAdvance(line) <= area.width();
                });
            if (lines.size() != 2 || lines.join(' ') != text || !linesFit ||
                lines.size() * metrics.height() > area.height()) {
                clipped << button->objectName() + ": " + lines.join('|');
            }
            continue;
        }
        QStyleOptionButton styleOption;
        styleOption.initFrom(button);
        const bool isCheckBox = qobject_cast<QCheckBox*>(button);
        const QRect room =
            isCheckBox
                ? button->style()->subElementRect(QStyle::SE_CheckBoxContents, &styleOption, button)
                : button->style()->subElementRect(QStyle::SE_PushButtonContents, &styleOption,
                                                  button);
        if (metrics.horizontalAdvance(text) > room.width() || metrics.height() > room.height()) {
            clipped << button->objectName();
        }
    }
    for (auto* label : form->findChildren<runtime::Label*>()) {
        const QString text = runtime::WithoutAccessKey(label->Caption());
        const QFontMetrics metrics = label->fontMetrics();
        if (metrics.horizontalAdvance(text) > label->width() ||
            metrics.height() > label->height()) {
            clipped << label->objectName();
        }
    }
    auto* box = Control<runtime::PictureBox>("Picture1");
    for (const char* line : {"1082,532", " 1082,53175473055 ", "Нет такого треугольника"}) {
        if (!box->ShowsWhole(QString::fromUtf8(line))) {
            clipped << QStringLiteral("Picture1: ") + QString::fromUtf8(line);
        }
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1String(", "))));
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
