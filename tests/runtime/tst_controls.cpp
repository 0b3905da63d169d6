// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "runtime/widgets/checkboxcontrol.h"
#include "runtime/widgets/optionbuttoncontrol.h"
#include "runtime/widgets/picturebox.h"
#include "runtime/widgets/slidercontrol.h"

#include <QTest>

class TestControls : public QObject
{
    Q_OBJECT

private slots:
    void checkBoxValue_data();
    void checkBoxValue();
    void sliderValueFollowsKeys();
    void optionValue();
    void pictureBoxLines();
};

void TestControls::checkBoxValue_data()
{
    QTest::addColumn<Qt::CheckState>("state");
    QTest::addColumn<int>("value");
    QTest::newRow("unchecked") << Qt::Unchecked << 0;
    QTest::newRow("checked") << Qt::Checked << 1;
    QTest::newRow("grayed") << Qt::PartiallyChecked << 2;
}

void TestControls::checkBoxValue()
{
    QFETCH(Qt::CheckState, state);
    QFETCH(int, value);
    runtime::CheckBoxControl box;
    box.setTristate(true);
    box.setCheckState(state);
    QCOMPARE(box.Value(), value);
}

void TestControls::sliderValueFollowsKeys()
{
    runtime::SliderControl slider;
    slider.setRange(0, 50);
    slider.setPageStep(5);
    QTest::keyClick(&slider, Qt::Key_Right);
    QTest::keyClick(&slider, Qt::Key_PageUp);
    QCOMPARE(slider.Value(), 6);
    QTest::keyClick(&slider, Qt::Key_End);
    QCOMPARE(slider.Value(), 50);
}

void TestControls::optionValue()
{
    runtime::OptionButtonControl option;
    QCOMPARE(option.Value(), false);
    option.setChecked(true);
    QCOMPARE(option.Value(), true);
}

void TestControls::pictureBoxLines()
{
    runtime::PictureBox box;
    // One line high: a second line would be written out of sight.
    box.WriteLine("первая");
    box.WriteLine("second");
    QCOMPARE(box.text(), QStringLiteral("первая"));
    box.Clear();
    QVERIFY(box.text().isEmpty());
    box.WriteLine(" 12 ");
    QCOMPARE(box.text(), QStringLiteral(" 12 "));
}

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
