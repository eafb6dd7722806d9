// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/control.h"

#include "forms/fontpart.h"
#include "forms/form.h"
#include "forms/values.h"

#include <QFont>
#include <QPalette>
#include <QWidget>

#include <cmath>

namespace strumkin::forms {

Control::Control(Form &form, QString kind, QString name, Control *container)
    : m_form(form), m_kind(std::move(kind)), m_name(std::move(name)), m_container(container)
{}

Control::~Control()
{
    // The form deletes its controls before their widgets.
    if (m_widget != nullptr)
        silence(*m_widget);
}

std::optional<QVariant> Control::get(const QString &property) const
{
    return read(property);
}

bool Control::set(const QString &property, const QVariant &value)
{
    return write(property, value);
}

std::optional<bool> Control::designable(const QString &property) const
{
    if (const auto *common = findProperty(properties(), property))
        return common->designable();
    return std::nullopt;
}

std::optional<QVariant> Control::read(const QString &property) const
{
    return readProperty(properties(), *this, property);
}

bool Control::write(const QString &property, const QVariant &value)
{
    return writeProperty(properties(), *this, property, value).value_or(false);
}

QWidget *Control::parentArea() const
{
    return m_container != nullptr ? m_container->childArea() : m_form.clientArea();
}

const PropertyTable<Control> &Control::properties()
{
    using P = Property<Control>;
    const auto positioned = [](const Control &c) { return c.hasPosition(); };
    // A label that sizes itself shows its size but takes none.
    const auto sized = [](const Control &c) {
        return c.acceptsSize() || (c.hasPosition() && c.widget() != nullptr);
    };
    const auto shown = [](const Control &c) { return c.widget() != nullptr; };
    const auto edge = [](void (QRectF::*move)(qreal), bool resizes) {
        return [move, resizes](Control &c, const QVariant &v) {
            if (resizes && !c.acceptsSize())
                return false;
            QRectF g = c.m_geometry;
            (g.*move)(v.toDouble());
            c.setGeometryUnits(g);
            return true;
        };
    };
    const auto colours = [](std::initializer_list<QPalette::ColorRole> roles) {
        return [roles = std::vector(roles)](Control &c, const QVariant &v) {
            QPalette palette = c.widget()->palette();
            for (const auto role : roles)
                palette.setColor(role, v.value<QColor>());
            c.widget()->setPalette(palette);
            c.widget()->update();
        };
    };
    static const PropertyTable<Control> table = [&] {
        PropertyTable<Control> own{
            {"Name", Takes::anything(), [](const Control &c) { return c.m_name; }, nullptr, nullptr,
             P::Design::MayNot},
            // The design's geometry gives these.
            {"Left", Takes::number(), [](const Control &c) { return c.m_geometry.left(); },
             edge(&QRectF::moveLeft, false), positioned, P::Design::MayNot},
            {"Top", Takes::number(), [](const Control &c) { return c.m_geometry.top(); },
             edge(&QRectF::moveTop, false), positioned, P::Design::MayNot},
            {"Width", Takes::number(0), [](const Control &c) { return c.m_geometry.width(); },
             edge(&QRectF::setWidth, true), sized, P::Design::MayNot},
            {"Height", Takes::number(0), [](const Control &c) { return c.m_geometry.height(); },
             edge(&QRectF::setHeight, true), sized, P::Design::MayNot},
            {"Visible", Takes::flag(), [](const Control &c) { return !c.widget()->isHidden(); },
             [](Control &c, const QVariant &v) { c.widget()->setHidden(!v.toBool()); }, shown},
            {"Enabled", Takes::flag(), [](const Control &c) { return c.widget()->isEnabled(); },
             [](Control &c, const QVariant &v) { c.widget()->setEnabled(v.toBool()); }, shown},
            {"ToolTipText", Takes::text(), [](const Control &c) { return c.widget()->toolTip(); },
             [](Control &c, const QVariant &v) { c.widget()->setToolTip(v.toString()); }, shown},
            {"TabIndex", Takes::integer(0), [](const Control &c) { return c.m_tabIndex; },
             [](Control &c, const QVariant &v) { c.m_tabIndex = v.toInt(); }, shown},
            {"TabStop", Takes::flag(), [](const Control &c) { return c.m_tabStop; },
             [](Control &c, const QVariant &v) { c.m_tabStop = v.toBool(); }, shown},
            {"ForeColor", Takes::color(),
             [](const Control &c) { return c.widget()->palette().color(QPalette::WindowText); },
             colours({QPalette::WindowText, QPalette::ButtonText, QPalette::Text}), shown},
            {"BackColor", Takes::color(),
             [](const Control &c) { return c.widget()->palette().color(QPalette::Window); },
             [set = colours({QPalette::Window, QPalette::Button, QPalette::Base})](
                 Control &c, const QVariant &v) {
                 set(c, v);
                 c.backColorChanged();
             },
             shown},
        };
        // The design's font gives these.
        for (const FontPart &part : fontParts()) {
            P::Reader read;
            if (part.read != nullptr)
                read = [read = part.read](const Control &c) { return read(c.widget()->font()); };
            own.push_back(P(
                part.name, part.takes, read,
                [write = part.write](Control &c, const QVariant &v) {
                    QFont font = c.widget()->font();
                    write(font, v);
                    c.widget()->setFont(font);
                    c.fontChanged();
                },
                shown, P::Design::MayNot));
        }
        return own;
    }();
    return table;
}

void Control::paintOnto(QPainter &, const QPointF &, double, double) const {}

void Control::setGeometryUnits(const QRectF &geometry)
{
    m_geometry = geometry;
    applyGeometry();
    for (Control *follower : m_followers)
        follower->leaderMoved();
}

void Control::applyGeometry()
{
    if (QWidget *w = widget())
        w->setGeometry(toPixels(m_geometry));
}

QRect Control::toPixels(const QRectF &units) const
{
    const QSizeF scale = m_form.pixelsPerUnit();
    const auto px = [](double v) { return static_cast<int>(std::lround(v)); };
    const int left = px(units.left() * scale.width());
    const int top = px(units.top() * scale.height());
    return {left, top, px(units.right() * scale.width()) - left,
            px(units.bottom() * scale.height()) - top};
}

QSizeF Control::toUnits(const QSize &pixels) const
{
    const QSizeF scale = m_form.pixelsPerUnit();
    return {pixels.width() / scale.width(), pixels.height() / scale.height()};
}

void Control::raise(Event event)
{
    m_form.dispatch(*this, event);
}

std::optional<layout::Value> Control::property(std::string_view name) const
{
    const auto value = read(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    if (!value)
        return std::nullopt;
    switch (value->metaType().id()) {
    case QMetaType::Bool:
        return layout::Value(value->toBool());
    case QMetaType::QString:
        return layout::Value(value->toString().toStdString());
    default:
        if (const auto number = toNumber(*value))
            return layout::Value(*number);
        return std::nullopt;
    }
}

bool Control::setProperty(std::string_view name, const layout::Value &value)
{
    QVariant v;
    if (const bool *flag = std::get_if<bool>(&value))
        v = *flag;
    else if (const double *number = std::get_if<double>(&value))
        v = *number;
    else
        v = QString::fromStdString(std::get<std::string>(value));
    return write(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), v);
}

bool Control::move(std::span<const std::int32_t> a)
{
    if (!hasPosition() || a.size() < 2 || a.size() > 4)
        return false;
    QRectF g = m_geometry;
    if (a.size() >= 3) {
        if (!acceptsSize() || a[2] < 0)
            return false;
        g.setWidth(a[2]);
    }
    if (a.size() == 4) {
        if (a[3] < 0)
            return false;
        g.setHeight(a[3]);
    }
    g.moveTo(a[0], a[1]);
    setGeometryUnits(g);
    return true;
}

} // namespace strumkin::forms
