// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QEvent>
#include <QObject>

#include <functional>

namespace strumkin::forms {

// Calls back each time an object receives events of one type, for as long
// as the watch lives; whoever calls back owns it, so no call outlives them.
class EventWatch final : public QObject {
public:
    EventWatch(QObject &watched, QEvent::Type type, std::function<void()> seen)
        : m_type(type), m_seen(std::move(seen))
    {
        watched.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == m_type)
            m_seen();
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<void()> m_seen;
};

} // namespace strumkin::forms
