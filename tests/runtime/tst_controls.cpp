// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "../window/uifixture.h"
#include "runtime/widgets/captionfit.h"
#include "runtime/widgets/label.h"
#include "runtime/widgets/valuetip.h"

#include <QScreen>

#include <cmath>

// The controls one by one, where the window puts them and as it sets them up;
// what they do together is the window suites'.
class TestControls : public UiFixture
{
    Q_OBJECT

private slots:

    void sliderValueFollowsKeys();
    void optionButtonsUnderKeys();
    void optionCaptionWraps();
    void captionFits_data();
    void captionFits();
    void sliderShowsItsValue_data();
    void sliderShowsItsValue();
    void valueTipStaysOnScreen();
    void focusShownOnlyOnFocused();
};

void TestControls::sliderValueFollowsKeys()
{
    runtime::SliderControl* slider = ui->Slider2;
    // A click in the channel, right of the thumb, moves it one large change.
    QTest::mouseClick(slider, Qt::LeftButton, {},
                      QPoint(slider->width() - 20, slider->height() / 2));
    QCOMPARE(slider->Value(), 5);
    slider->setFocus();
    const std::pair<Qt::Key, int> steps[] = {{Qt::Key_Right, 6}, {Qt::Key_PageUp, 11},
                                             {Qt::Key_End, 50},  {Qt::Key_Right, 50},
                                             {Qt::Key_Left, 49}, {Qt::Key_Home, 0}};
    for (auto [key, value] : steps) {
        QTest::keyClick(slider, key);
        QCOMPARE(slider->Value(), value);
    }
    // A mark for each value the thumb can stop at.
    QCOMPARE(slider->tickInterval(), 1);
    QVERIFY(slider->tickPosition() != QSlider::NoTicks);
}

void TestControls::optionButtonsUnderKeys()
{
    // One stop in the focus order; an arrow key moves to the other button of
    // the group, and selects it once a selection has been made.
    auto* option1 = ui->Option1;
    auto* option2 = ui->Option2;
    option2->setFocus();
    QTest::keyClick(option2, Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), option1);
    QVERIFY(!option1->isChecked() && !option2->isChecked());
    QTest::keyClick(option1, Qt::Key_Space);
    QVERIFY(option1->isChecked());
    QTest::keyClick(option1, Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), option2);
    QVERIFY(option2->isChecked() && !option1->isChecked());
    // Into the group from either side, the focus lands on the selected
    // button, and goes on past the group.
    auto isOption = [&](QWidget* w) { return w == option1 || w == option2; };
    for (auto* selected : {option2, option1}) {
        selected->click();
        for (Qt::Key out : {Qt::Key_Backtab, Qt::Key_Tab}) {
            const Qt::Key in = out == Qt::Key_Tab ? Qt::Key_Backtab : Qt::Key_Tab;
            selected->setFocus();
            QTest::keyClick(selected, out, out == Qt::Key_Tab ? Qt::NoModifier : Qt::ShiftModifier);
            QWidget* outside = QApplication::focusWidget();
            QVERIFY(!isOption(outside));
            QTest::keyClick(outside, in, in == Qt::Key_Tab ? Qt::NoModifier : Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), selected);
        }
    }
    QVERIFY(Box().isEmpty());
}

void TestControls::optionCaptionWraps()
{
    // Two lines, each word on the line it starts, all inside the button.
    for (auto* option : {ui->Option1, ui->Option2}) {
        const QStringList lines = option->CaptionLines();
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines.join(' '), option->text());
        QVERIFY(runtime::CaptionFits(*option));
    }
}

void TestControls::captionFits_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("fits");
    QTest::newRow("room to spare") << "Сумма" << 97 << true;
    QTest::newRow("too narrow") << "Подпись длиннее кнопки" << 40 << false;
}

// Where the window decides its font size: every kind of caption, measured as drawn.
void TestControls::captionFits()
{
    QFETCH(QString, caption);
    QFETCH(int, width);
    QFETCH(bool, fits);
    QPushButton button(caption, form.get());
    runtime::Label label(caption, form.get());
    runtime::OptionButtonControl option(form.get());
    option.setText(caption + ' ' + caption);
    for (QWidget* control : std::initializer_list<QWidget*>{&button, &label, &option}) {
        control->resize(width, 25);
        QVERIFY2(runtime::CaptionFits(*control) == fits, control->metaObject()->className());
    }
}

void TestControls::sliderShowsItsValue_data()
{
    QTest::addColumn<bool>("drag");
    QTest::newRow("keys") << false;
    QTest::newRow("drag") << true;
}

// The tip shows the value above the slider, clear of its thumb and groove.
void TestControls::sliderShowsItsValue()
{
    QFETCH(bool, drag);
    runtime::SliderControl* slider = ui->Slider2;
    auto part = [&](QStyle::SubControl control) {
        const QRect r = SliderPart(slider, control);
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
        ui->Check1->setFocus();
        QVERIFY(!tip->isVisible());
    }
    QVERIFY(Box().isEmpty());
}

void TestControls::valueTipStaysOnScreen()
{
    // In the top right corner, where above the thumb at its end is off the screen.
    const QRect screen = form->screen()->availableGeometry();
    form->move(screen.right() + 1 - form->frameGeometry().width(), screen.top());
    runtime::SliderControl* slider = ui->Slider1;
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

void TestControls::focusShownOnlyOnFocused()
{
    QStringList wrong;
    auto check = [&](const QString& step) {
        for (QSlider* slider : Sliders()) {
            if (TicksLookFocused(slider)) {
                wrong << step + ": " + slider->objectName() + "'s ticks in the focus colour";
            }
        }
    };
    check("start");
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key,
                            key == Qt::Key_Tab ? Qt::NoModifier : Qt::ShiftModifier);
            check("Tab or Shift+Tab to " + QApplication::focusWidget()->objectName());
        }
    }
    for (QSlider* slider : {ui->Slider3, ui->Slider1, ui->Slider2}) {
        QTest::mouseClick(slider, Qt::LeftButton);
        check("click on " + slider->objectName());
    }
    ui->Check1->setFocus();
    form->resize(400, 300);
    QTRY_COMPARE(form->size(), QSize(400, 300));
    check("resize");
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1String("; "))));
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
