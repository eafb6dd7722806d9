// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/drawnwidget.h"

#include <QPainter>

namespace strumkin::forms {

DrawnWidget::DrawnWidget(Draw draw, QWidget *parent) : QWidget(parent), m_draw(std::move(draw))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DrawnWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_draw(painter, rect());
}

} // namespace strumkin::forms
