// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include <functional>

namespace strumkin::forms {

// A widget that shows what its control draws into its rectangle; clicks go
// through it to what lies beneath.
class DrawnWidget final : public QWidget {
public:
    using Draw = std::function<void(QPainter &, const QRect &)>;

    DrawnWidget(Draw draw, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Draw m_draw;
};

} // namespace strumkin::forms
