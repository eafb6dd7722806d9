// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QString>

namespace strumkin::platform {

// The present date and time, read in whole seconds, and the time of day as
// the user's locale writes it.
class Clock {
public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual QDateTime now() const = 0;
    [[nodiscard]] virtual QString timeOfDayText(const QDateTime &when) const;
};

class SystemClock final : public Clock {
public:
    [[nodiscard]] QDateTime now() const override;
};

// A date-time as a day count from 1899-12-30, the fraction being the time of
// day: the representation the welcome window's arithmetic works in.
[[nodiscard]] double toDayCount(const QDateTime &when);

} // namespace strumkin::platform
