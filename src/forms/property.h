// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/values.h"

#include <QLatin1StringView>
#include <QString>
#include <QVariant>

#include <functional>
#include <optional>
#include <type_traits>
#include <vector>

namespace strumkin::forms {

// One by-name property of a kind: its name, what it takes, how it is read
// and written, and whether a design may set it. A property without a reader
// (or writer), or one a control lacks by its predicate, is left to the kind
// the kind extends.
template <class Kind> class Property {
public:
    using Reader = std::function<QVariant(const Kind &)>;
    using Writer = std::function<bool(Kind &, const QVariant &)>;

    // Whether a design may set the property, or the program only: a design
    // gives it otherwise, or not at all.
    enum class Design { May, MayNot };

    // The control has the property only while the predicate holds (if
    // there is one).
    template <class Read, class Write>
    Property(const char *name, Takes takes, Read read, Write write,
             std::function<bool(const Kind &)> only = nullptr, Design design = Design::May)
        : m_name(name), m_takes(takes), m_read(reader(std::move(read))),
          m_write(writer(std::move(write))), m_has(std::move(only)),
          m_designable(design == Design::May)
    {}

    [[nodiscard]] QLatin1StringView name() const { return m_name; }
    [[nodiscard]] bool designable() const { return m_designable; }
    [[nodiscard]] bool reads(const Kind &kind) const { return m_read && has(kind); }
    [[nodiscard]] bool writes(const Kind &kind) const { return m_write && has(kind); }
    [[nodiscard]] QVariant get(const Kind &kind) const { return m_read(kind); }
    bool set(Kind &kind, const QVariant &value) const
    {
        const auto converted = m_takes.convert(value);
        return converted && m_write(kind, *converted);
    }

private:
    [[nodiscard]] bool has(const Kind &kind) const { return !m_has || m_has(kind); }

    template <class Read> static Reader reader(Read read)
    {
        if constexpr (std::is_null_pointer_v<Read>)
            return {};
        else
            return read;
    }
    // A setter that cannot fail may return nothing.
    template <class Write> static Writer writer(Write write)
    {
        if constexpr (std::is_null_pointer_v<Write>)
            return {};
        else if constexpr (std::is_void_v<std::invoke_result_t<Write, Kind &, const QVariant &>>)
            return [write](Kind &kind, const QVariant &value) {
                write(kind, value);
                return true;
            };
        else
            return write;
    }

    QLatin1StringView m_name;
    Takes m_takes;
    Reader m_read;
    Writer m_write;
    std::function<bool(const Kind &)> m_has;
    bool m_designable = true;
};

template <class Kind> using PropertyTable = std::vector<Property<Kind>>;

// The table's property of that name (as the designs and the layout engine
// spell it), or null.
template <class Kind>
[[nodiscard]] const Property<Kind> *findProperty(const PropertyTable<Kind> &table,
                                                 const QString &name)
{
    for (const Property<Kind> &property : table) {
        if (property.name() == name)
            return &property;
    }
    return nullptr;
}

// Reads (writes) the property through the table: empty when the table does
// not have it for this owner, which leaves it to the kind the owner extends.
template <class Kind>
[[nodiscard]] std::optional<QVariant> readProperty(const PropertyTable<Kind> &table,
                                                   const Kind &owner, const QString &name)
{
    const Property<Kind> *property = findProperty(table, name);
    if (property == nullptr || !property->reads(owner))
        return std::nullopt;
    return property->get(owner);
}

template <class Kind>
std::optional<bool> writeProperty(const PropertyTable<Kind> &table, Kind &owner,
                                  const QString &name, const QVariant &value)
{
    const Property<Kind> *property = findProperty(table, name);
    if (property == nullptr || !property->writes(owner))
        return std::nullopt;
    return property->set(owner, value);
}

} // namespace strumkin::forms
