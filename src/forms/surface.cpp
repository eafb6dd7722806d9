// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/surface.h"

#include "forms/form.h"

#include <QPainter>
#include <QResizeEvent>

namespace strumkin::forms {

Surface::Surface(Form &form) : QWidget(&form), m_form(form)
{
    setAutoFillBackground(true);
}

void Surface::paintPicture(const QImage &picture, const QRectF &target)
{
    if (picture.isNull() || !target.isValid())
        return;
    // The kept background grows with what is painted, up to a bound that no
    // screen exceeds.
    constexpr int limit = 8192;
    const QRect needed = target.toAlignedRect().intersected(QRect(0, 0, limit, limit));
    if (needed.isEmpty())
        return;
    const QSize size(std::max(needed.right() + 1, m_background.width()),
                     std::max(needed.bottom() + 1, m_background.height()));
    if (size != m_background.size()) {
        QImage grown(size, QImage::Format_ARGB32_Premultiplied);
        grown.fill(Qt::transparent);
        QPainter copy(&grown);
        copy.drawImage(0, 0, m_background);
        m_background = std::move(grown);
    }
    QPainter painter(&m_background);
    painter.drawImage(target, picture);
    update(target.toAlignedRect());
}

void Surface::clearPictures()
{
    m_background = QImage();
    update();
}

void Surface::paintEvent(QPaintEvent *event)
{
    if (m_background.isNull())
        return;
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area, m_background, area);
}

void Surface::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_form.clientResized(event->size());
}

} // namespace strumkin::forms
