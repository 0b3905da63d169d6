// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

// What every window test shares: a fresh Form1 shown and active, the end of
// the program replaced by a counter, and a watch that fails the test when a
// modal box appears that the test did not ask for.

#include "runtime/services.h"
#include "runtime/widgets/checkboxcontrol.h"
#include "runtime/widgets/optionbuttoncontrol.h"
#include "runtime/widgets/picturebox.h"
#include "runtime/widgets/slidercontrol.h"
#include "window/form1.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

// A data column that names a control of the window, checked by the compiler:
// PickControl<&window::Form1::Controls::Slider2>.
using ControlPicker = QWidget* (*)(const window::Form1::Controls&);
template <auto member> QWidget* PickControl(const window::Form1::Controls& controls)
{
    return controls.*member;
}
Q_DECLARE_METATYPE(ControlPicker)

class UiFixture : public QObject
{
    Q_OBJECT

    // Each test function starts on a fresh window; QTest finds these here.
private slots:
    void init() { StartForm(); }
    void cleanup() { StopForm(); }

protected:
    std::unique_ptr<window::Form1> form;
    const window::Form1::Controls* ui = nullptr;
    int ends = 0;

    std::array<QSlider*, 3> Sliders() const { return {ui->Slider1, ui->Slider2, ui->Slider3}; }
    QString Box() const { return ui->Picture1->text(); }

    // Where the style draws part of slider now, in its coordinates; only what
    // shows of it, as the style may reach past the slider's edges.
    static QRect SliderPart(QSlider* slider, QStyle::SubControl part)
    {
        QStyleOptionSlider option;
        option.initFrom(slider);
        option.orientation = slider->orientation();
        option.minimum = slider->minimum();
        option.maximum = slider->maximum();
        option.sliderPosition = option.sliderValue = slider->value();
        option.tickPosition = slider->tickPosition();
        option.tickInterval = slider->tickInterval();
        option.subControls = QStyle::SC_All;
        return slider->style()
            ->subControlRect(QStyle::CC_Slider, &option, part, slider)
            .intersected(slider->rect());
    }

    // The letter of button's caption that its access key is (lower case).
    static QChar AccessLetter(const QAbstractButton* button)
    {
        const QString caption = button->text();
        const qsizetype amp = caption.indexOf(QLatin1Char('&'));
        return amp >= 0 && amp + 1 < caption.size() ? caption[amp + 1].toLower() : QChar();
    }

    // Moves slider to value by its keys, as a user does.
    static void MoveSlider(QSlider* slider, int value)
    {
        slider->setFocus();
        QTest::keyClick(slider, Qt::Key_Home);
        for (int i = 0; i < value; ++i) {
            QTest::keyClick(slider, Qt::Key_Right);
        }
        QCOMPARE(slider->value(), value);
    }

    // Answers the next modal box with handler, then expects no other.
    void ExpectModal(std::function<void(QMessageBox*)> handler)
    {
        m_modalHandler = std::move(handler);
    }

    // Waits until the box handler ran; false when no box came.
    bool ModalHandled(int timeoutMs = 10000)
    {
        return QTest::qWaitFor([this] { return !m_modalHandler; }, timeoutMs);
    }

    void StartForm()
    {
        ends = 0;
        m_unexpectedModal.clear();
        runtime::SetEndHandler([this] { ++ends; });
        form = std::make_unique<window::Form1>();
        ui = &form->Named();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        m_watch.start(20);
    }

    void StopForm()
    {
        m_watch.stop();
        form.reset();
        runtime::SetEndHandler({});
        QLocale::setDefault(QLocale::c());
        QVERIFY2(m_unexpectedModal.isEmpty(), qPrintable(m_unexpectedModal));
        QVERIFY2(!m_modalHandler, "an expected modal box never came");
    }

    UiFixture()
    {
        connect(&m_watch, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) {
                return;
            }
            if (m_modalHandler) {
                auto handler = std::move(m_modalHandler);
                m_modalHandler = nullptr;
                handler(box);
            } else {
                m_unexpectedModal = QStringLiteral("unexpected modal box: ") + box->text();
                box->done(0);
            }
        });
    }

private:
    QTimer m_watch;
    std::function<void(QMessageBox*)> m_modalHandler;
    QString m_unexpectedModal;
};
