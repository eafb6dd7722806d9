// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/control.h"
#include "forms/property.h"

namespace strumkin::forms {

// A kind that declares its own properties (Kind::properties()) over those of
// the kind it extends.
template <class Kind, class Base = Control> class Kinded : public Base {
public:
    using Base::Base;

    [[nodiscard]] std::optional<bool> designable(const QString &property) const override
    {
        if (const auto *own = findProperty(Kind::properties(), property))
            return own->designable();
        return Base::designable(property);
    }

protected:
    std::optional<QVariant> read(const QString &property) const override
    {
        if (auto value = readProperty(Kind::properties(), self(), property))
            return value;
        return Base::read(property);
    }
    bool write(const QString &property, const QVariant &value) override
    {
        if (const auto taken = writeProperty(Kind::properties(), self(), property, value))
            return *taken;
        return Base::write(property, value);
    }

private:
    [[nodiscard]] const Kind &self() const { return static_cast<const Kind &>(*this); }
    [[nodiscard]] Kind &self() { return static_cast<Kind &>(*this); }
};

} // namespace strumkin::forms
