// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "platform/clock.h"

#include <QLocale>
#include <QRegularExpression>

namespace strumkin::platform {

QString Clock::timeOfDayText(const QDateTime &when) const
{
    // The locale's long time format carries the seconds; its time-zone field
    // is not part of a time of day.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*\\(?t+\\)?"));
    format.remove(zone);
    return QLocale::system().toString(when.time(), format.trimmed());
}

QDateTime SystemClock::now() const
{
    QDateTime present = QDateTime::currentDateTime();
    const QTime t = present.time();
    present.setTime(QTime(t.hour(), t.minute(), t.second()));
    return present;
}

double toDayCount(const QDateTime &when)
{
    static const QDate epoch(1899, 12, 30);
    const double days = static_cast<double>(epoch.daysTo(when.date()));
    return days + when.time().msecsSinceStartOfDay() / 86'400'000.0;
}

} // namespace strumkin::platform
