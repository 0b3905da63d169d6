// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT

// The second floor for the start-up benchmark: the window's sixteen controls as
// stock Qt widgets, with the same captions, geometry and fonts, and none of
// the program's own code. What storomer costs beyond this is its own.
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Сторомер"));
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setPointSize(8);
    window.setFont(font);
    window.setGeometry(255, 208, 257, 193);

    auto place = [&](QWidget* w, int x, int y, int width, int height) {
        w->setGeometry(x, y, width, height);
        return w;
    };
    place(new QRadioButton(QStringLiteral("Вычислить периметр треугольника"), &window), 0, 88, 129,
          25);
    place(new QRadioButton(QStringLiteral("Вычислить площадь треугольника"), &window), 128, 88, 129,
          25);
    place(new QPushButton(QStringLiteral("Ф&ормулы"), &window), 80, 168, 97, 25);
    place(new QPushButton(QStringLiteral("Выч&ислить"), &window), 0, 168, 73, 25);
    place(new QPushButton(QStringLiteral("В&ыход"), &window), 184, 168, 73, 25);
    auto* box = new QLabel(&window);
    box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    QFont bold = font;
    bold.setPointSizeF(8.25);
    bold.setBold(true);
    box->setFont(bold);
    place(box, 0, 136, 177, 25);
    place(new QCheckBox(QStringLiteral("Округлить"), &window), 184, 136, 73, 25);
    for (int y : {64, 40, 16}) {
        auto* slider = new QSlider(Qt::Horizontal, &window);
        slider->setRange(0, 50);
        slider->setTickPosition(QSlider::TicksBelow);
        place(slider, 8, y, 249, 17);
    }
    place(new QLabel(QStringLiteral("A"), &window), 0, 16, 9, 17);
    place(new QLabel(QStringLiteral("B"), &window), 0, 40, 9, 17);
    place(new QLabel(QStringLiteral("C"), &window), 0, 64, 9, 17);
    place(new QLabel(QStringLiteral("Установите длинну сторон треугольника:"), &window), 24, 0, 217,
          17);
    auto* line = new QFrame(&window);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    place(line, 0, 119, 264, 2);
    place(new QLabel(QStringLiteral("Для вычисления нажмите кнопку \"Вычислить\"."), &window), 8,
          120, 249, 17);
    window.show();
    return app.exec();
}
