// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#include "../calc/exactarea.h"
#include "runtime/widgets/picturebox.h"
#include "uifixture.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSlider>

// Random use of the real window: slider keys and drags, clicks on the options
// and the check box, Tab, Calculate by click, Enter and Alt+И, the formulas box
// opened and closed. After every Calculate the box must hold the one line the
// inputs give, computed here independently, and the inputs must be as they
// were. Qt must not warn. STOROMER_SEED=<n> repeats a run; STOROMER_ACTIONS
// sets its length.
class TestRandomUse : public UiFixture
{
    Q_OBJECT

private slots:
    void randomUse();

private:
    struct Inputs
    {
        int a, b, c;
        bool perimeter, area;
        Qt::CheckState round;
        bool operator==(const Inputs&) const = default;
    };
    Inputs Read();
    void DragThumb(QSlider* slider, int toX);
};

namespace {

QStringList g_warnings;
QtMessageHandler g_previous = nullptr;

void CountWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    // The offscreen platform cannot raise a tooltip or pass size hints to a
    // window manager it does not have; it says so, and that is no fault of ours.
    // Wine, likewise, lacks per-window DPI scaling of the frame and the
    // system's icons for the message box, and Qt says so.
    for (const char* known : {"This plugin does not support", "EnableNonClientDpiScaling()",
                              "QPixmap::fromWinHICON()"}) {
        if (text.contains(QLatin1String(known))) {
            return;
        }
    }
    if (type != QtDebugMsg && type != QtInfoMsg) {
        g_warnings << text;
    }
    g_previous(type, context, text);
}

} // namespace

TestRandomUse::Inputs TestRandomUse::Read()
{
    return {ui->Slider1->value(),     ui->Slider2->value(),     ui->Slider3->value(),
            ui->Option1->isChecked(), ui->Option2->isChecked(), ui->Check1->checkState()};
}

void TestRandomUse::DragThumb(QSlider* slider, int toX)
{
    const QRect handle = SliderPart(slider, QStyle::SC_SliderHandle);
    const QPoint from = handle.center();
    QTest::mousePress(slider, Qt::LeftButton, {}, from);
    QTest::mouseMove(slider, QPoint((from.x() + toX) / 2, from.y()));
    QTest::mouseMove(slider, QPoint(toX, from.y()));
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(toX, from.y()));
}

void TestRandomUse::randomUse()
{
    const quint32 seed = qEnvironmentVariableIsSet("STOROMER_SEED")
                             ? quint32(qEnvironmentVariableIntValue("STOROMER_SEED"))
                             : QRandomGenerator::system()->generate();
    const int actions = qEnvironmentVariableIsSet("STOROMER_ACTIONS")
                            ? qEnvironmentVariableIntValue("STOROMER_ACTIONS")
                            : 20000;
    qInfo("random use: STOROMER_SEED=%u, %d actions", seed, actions);
    QRandomGenerator random(seed);
    g_warnings.clear();
    g_previous = qInstallMessageHandler(CountWarnings);

    const auto sliders = Sliders();
    auto* command1 = ui->Command1;
    auto* picture = ui->Picture1;
    int calculations = 0;
    int formulas = 0;
    QString failure;

    for (int i = 0; i < actions && failure.isEmpty(); ++i) {
        const int what = int(random.bounded(1000));
        QSlider* slider = sliders[random.bounded(int(sliders.size()))];
        bool calculates = false;
        const Inputs before = Read();
        if (what < 300) {
            const Qt::Key keys[] = {Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,   Qt::Key_Down,
                                    Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
            slider->setFocus();
            QTest::keyClick(slider, keys[random.bounded(8)]);
        } else if (what < 400) {
            DragThumb(slider, int(random.bounded(slider->width())));
        } else if (what < 450) {
            QTest::mouseClick(slider, Qt::LeftButton, {},
                              QPoint(int(random.bounded(slider->width())), slider->height() - 2));
        } else if (what < 550) {
            auto* option = random.bounded(2) ? ui->Option1 : ui->Option2;
            QTest::mouseClick(option, Qt::LeftButton, {},
                              QPoint(int(random.bounded(option->width())),
                                     int(random.bounded(option->height()))));
        } else if (what < 650) {
            QTest::mouseClick(ui->Check1, Qt::LeftButton, {}, QPoint(6, 12));
        } else if (what < 750) {
            QTest::keyClick(QApplication::focusWidget(),
                            random.bounded(2) ? Qt::Key_Tab : Qt::Key_Backtab);
        } else if (what < 850) {
            QTest::mouseClick(command1, Qt::LeftButton);
            calculates = true;
        } else if (what < 990) {
            // Enter calculates unless a command button has the focus.
            QWidget* focus = QApplication::focusWidget();
            if (qobject_cast<QPushButton*>(focus) && focus != command1) {
                focus = ui->Check1;
                focus->setFocus();
            }
            QTest::keyClick(focus, Qt::Key_Return);
            calculates = true;
        } else if (what < 995) {
            // Calculate's access key clicks with the button's short press animation.
            int clicks = 0;
            auto counter = connect(command1, &QPushButton::clicked, this, [&] { ++clicks; });
            const QChar letter = AccessLetter(command1);
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(),
                                Qt::Key(letter.toUpper().unicode()), QString(letter),
                                Qt::AltModifier);
            const bool clicked = QTest::qWaitFor([&] { return clicks == 1; }, 2000);
            disconnect(counter);
            if (!clicked || clicks != 1) {
                failure = QStringLiteral("Calculate's access key did not calculate once");
            }
            calculates = true;
        } else {
            ExpectModal([](QMessageBox* box) { box->done(0); });
            QTest::mouseClick(ui->Command2, Qt::LeftButton);
            if (!ModalHandled()) {
                failure = QStringLiteral("the formulas box did not open");
            }
            ++formulas;
        }

        if (!QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, 2000)) {
            failure = QStringLiteral("action %1: the window lost the focus").arg(i);
        }
        if (!calculates) {
            continue;
        }
        ++calculations;
        const Inputs after = Read();
        if (!(after == before)) {
            failure = QStringLiteral("action %1: Calculate changed the inputs").arg(i);
            break;
        }
        const std::string shown = picture->text().toStdString();
        const std::string wrong =
            exact::Misjudged(after.a, after.b, after.c, after.perimeter, after.area,
                             after.round != Qt::Unchecked, ".", shown);
        if (!wrong.empty()) {
            failure = QStringLiteral("action %1: sides %2,%3,%4 showed '%5': %6")
                          .arg(i)
                          .arg(after.a)
                          .arg(after.b)
                          .arg(after.c)
                          .arg(QString::fromStdString(shown), QString::fromStdString(wrong));
        }
    }
    qInstallMessageHandler(g_previous);
    qInfo("random use: %d calculations, %d formulas boxes", calculations, formulas);
    QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(failure)));
    QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join(QLatin1String("; "))));
    QVERIFY(calculations > actions / 5);
}

QTEST_MAIN(TestRandomUse)
#include "tst_randomuse.moc"
