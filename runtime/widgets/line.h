// SPDX-FileCopyrightText: 2026 The Storomer developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QFrame>

namespace runtime {

// The separating line. A class of its own only so that a screen reader is
// told it is a separator, not an empty frame.
class Line : public QFrame
{
    Q_OBJECT

public:
    explicit Line(QWidget* parent = nullptr);
};

} // namespace runtime
