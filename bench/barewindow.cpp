// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT

// An empty window of the program's size: what start-up costs with nothing in it.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setGeometry(255, 208, 257, 193);
    window.show();
    return app.exec();
}
