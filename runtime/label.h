// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace runtime {

// A caption that never takes the focus. An "&" in it is shown as an underlined
// letter but claims no shortcut, so the same letter can belong to a button.
class Label : public QWidget
{
    Q_OBJECT

public:
    explicit Label(const QString& caption, QWidget* parent = nullptr);

    QString caption() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
};

// The caption as read aloud: without the "&" that marks an access key.
QString WithoutAccessKey(QString caption);

} // namespace runtime
