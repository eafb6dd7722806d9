// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/values.h"

#include <QGuiApplication>
#include <QPalette>

#include <cmath>

namespace strumkin::forms {

std::optional<QColor> toColor(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QColor)
        return value.value<QColor>();
    if (value.metaType().id() == QMetaType::QVariantList) {
        const QVariantList rgb = value.toList();
        if (rgb.size() != 3)
            return std::nullopt;
        int parts[3];
        for (int i = 0; i < 3; ++i) {
            const auto part = toInteger(rgb.at(i));
            if (!part || *part < 0 || *part > 255)
                return std::nullopt;
            parts[i] = *part;
        }
        return QColor(parts[0], parts[1], parts[2]);
    }
    if (value.metaType().id() == QMetaType::QString) {
        // System colours by the names the designs use.
        const QString name = value.toString();
        const QPalette palette = QGuiApplication::palette();
        if (name == QLatin1String("ButtonFace"))
            return palette.color(QPalette::Button);
        if (name == QLatin1String("ButtonText"))
            return palette.color(QPalette::ButtonText);
        if (name == QLatin1String("Light3D"))
            return palette.color(QPalette::Midlight);
        if (name == QLatin1String("Window"))
            return palette.color(QPalette::Base);
        if (name == QLatin1String("WindowText"))
            return palette.color(QPalette::WindowText);
        const QColor named = QColor::fromString(name);
        if (named.isValid())
            return named;
    }
    return std::nullopt;
}

std::optional<double> toNumber(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Bool: {
        const double number = value.toDouble();
        if (std::isfinite(number))
            return number;
        return std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

std::optional<bool> toFlag(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::Bool)
        return value.toBool();
    if (const auto number = toNumber(value))
        return *number != 0.0;
    return std::nullopt;
}

std::optional<int> toInteger(const QVariant &value)
{
    const auto number = toNumber(value);
    if (!number || *number != std::trunc(*number) || std::abs(*number) > 2147483647.0)
        return std::nullopt;
    return static_cast<int>(*number);
}

std::optional<QVariant> Takes::convert(const QVariant &value) const
{
    const auto within = [this](auto number) -> std::optional<QVariant> {
        if (!number || *number < min || *number > max)
            return std::nullopt;
        return QVariant(*number);
    };
    switch (type) {
    case Text:
        return value.toString();
    case Flag:
        return within(toFlag(value));
    case Number:
        return within(toNumber(value));
    case Integer:
        return within(toInteger(value));
    case Color:
        if (const auto color = toColor(value))
            return QVariant(*color);
        return std::nullopt;
    case Anything:
        break;
    }
    return value;
}

} // namespace strumkin::forms
