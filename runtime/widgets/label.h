// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace runtime {

// A caption that never takes the focus. Its text is the caption without the
// "&"; the letter after the "&" is still drawn underlined, but claims no
// shortcut, so the same letter can belong to a button. (A stock QLabel shows
// the "&" itself unless it hands the shortcut to a buddy.)
class Label : public QLabel
{
    Q_OBJECT

public:
    explicit Label(const QString& caption, QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
};

// The caption as read aloud: without the "&" that marks an access key.
QString WithoutAccessKey(const QString& caption);

} // namespace runtime
