// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/timer.h"

#include "forms/form.h"
#include "forms/values.h"

#include <QTimer>

namespace strumkin::forms {

bool Timer::running() const
{
    return m_timer != nullptr && m_timer->isActive();
}

bool Timer::move(std::span<const std::int32_t>)
{
    return false;
}

void Timer::tick()
{
    raise(Event::Timer);
}

void Timer::restart()
{
    if (m_enabled && m_interval > 0) {
        if (m_timer == nullptr) {
            m_timer = new QTimer(&form());
            QObject::connect(m_timer, &QTimer::timeout, m_timer, [this] { tick(); });
        }
        m_timer->start(m_interval);
    } else if (m_timer != nullptr) {
        m_timer->stop();
    }
}

const PropertyTable<Timer> &Timer::properties()
{
    static const PropertyTable<Timer> table{
        {"Interval", Takes::integer(0, 65535), [](const Timer &t) { return t.m_interval; },
         [](Timer &t, const QVariant &v) {
             t.m_interval = v.toInt();
             t.restart();
         }},
        {"Enabled", Takes::flag(), [](const Timer &t) { return t.m_enabled; },
         [](Timer &t, const QVariant &v) {
             t.m_enabled = v.toBool();
             t.restart();
         }},
    };
    return table;
}

} // namespace strumkin::forms
