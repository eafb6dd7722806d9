#include "forms/timer.h"

#include "forms/form.h"
#include "forms/values.h"

#include <QTimer>

namespace strumkin::forms {

Timer::Timer(Form &form, QString kind, QString name, Control *container)
    : Control(form, std::move(kind), std::move(name), container), m_timer(new QTimer(&form))
{
    QObject::connect(m_timer, &QTimer::timeout, m_timer, [this] { tick(); });
}

bool Timer::running() const
{
    return m_timer->isActive();
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
    if (m_enabled && m_interval > 0)
        m_timer->start(m_interval);
    else
        m_timer->stop();
}

std::optional<QVariant> Timer::read(const QString &p) const
{
    if (p == QLatin1String("Interval"))
        return m_interval;
    if (p == QLatin1String("Enabled"))
        return m_enabled;
    return Control::read(p);
}

bool Timer::write(const QString &p, const QVariant &value)
{
    if (p == QLatin1String("Interval")) {
        const auto interval = toInteger(value);
        if (!interval || *interval < 0 || *interval > 65535)
            return false;
        m_interval = *interval;
        restart();
        return true;
    }
    if (p == QLatin1String("Enabled")) {
        const auto flag = toFlag(value);
        if (!flag)
            return false;
        m_enabled = *flag;
        restart();
        return true;
    }
    return Control::write(p, value);
}

} // namespace strumkin::forms
