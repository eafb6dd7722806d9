#include "forms/control.h"

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

Control::~Control() = default;

std::optional<QVariant> Control::get(const QString &property) const
{
    return read(property);
}

bool Control::set(const QString &property, const QVariant &value)
{
    return write(property, value);
}

std::optional<QVariant> Control::read(const QString &p) const
{
    if (p == QLatin1String("Name"))
        return m_name;
    if (hasPosition()) {
        if (p == QLatin1String("Left"))
            return m_geometry.left();
        if (p == QLatin1String("Top"))
            return m_geometry.top();
    }
    if (acceptsSize() || (hasPosition() && widget() != nullptr)) {
        if (p == QLatin1String("Width"))
            return m_geometry.width();
        if (p == QLatin1String("Height"))
            return m_geometry.height();
    }
    QWidget *w = widget();
    if (w == nullptr)
        return std::nullopt;
    if (p == QLatin1String("Visible"))
        return !w->isHidden();
    if (p == QLatin1String("Enabled"))
        return w->isEnabled();
    if (p == QLatin1String("ToolTipText"))
        return w->toolTip();
    if (p == QLatin1String("TabIndex"))
        return m_tabIndex;
    if (p == QLatin1String("TabStop"))
        return m_tabStop;
    if (p == QLatin1String("ForeColor"))
        return w->palette().color(QPalette::WindowText);
    if (p == QLatin1String("BackColor"))
        return w->palette().color(QPalette::Window);
    const QFont f = w->font();
    if (p == QLatin1String("FontName"))
        return f.family();
    if (p == QLatin1String("FontSize"))
        return f.pointSizeF();
    if (p == QLatin1String("FontBold"))
        return f.bold();
    if (p == QLatin1String("FontItalic"))
        return f.italic();
    if (p == QLatin1String("FontUnderline"))
        return f.underline();
    if (p == QLatin1String("FontWeight"))
        return static_cast<int>(f.weight());
    return std::nullopt;
}

bool Control::write(const QString &p, const QVariant &value)
{
    if (hasPosition() && (p == QLatin1String("Left") || p == QLatin1String("Top"))) {
        const auto number = toNumber(value);
        if (!number)
            return false;
        QRectF g = m_geometry;
        if (p == QLatin1String("Left"))
            g.moveLeft(*number);
        else
            g.moveTop(*number);
        setGeometryUnits(g);
        return true;
    }
    if (acceptsSize() && (p == QLatin1String("Width") || p == QLatin1String("Height"))) {
        const auto number = toNumber(value);
        if (!number || *number < 0)
            return false;
        QRectF g = m_geometry;
        if (p == QLatin1String("Width"))
            g.setWidth(*number);
        else
            g.setHeight(*number);
        setGeometryUnits(g);
        return true;
    }
    QWidget *w = widget();
    if (w == nullptr)
        return false;
    if (p == QLatin1String("Visible") || p == QLatin1String("Enabled") ||
        p == QLatin1String("TabStop") || p.startsWith(QLatin1String("FontBold")) ||
        p == QLatin1String("FontItalic") || p == QLatin1String("FontUnderline")) {
        const auto flag = toFlag(value);
        if (!flag)
            return false;
        if (p == QLatin1String("Visible")) {
            w->setHidden(!*flag);
        } else if (p == QLatin1String("Enabled")) {
            w->setEnabled(*flag);
        } else if (p == QLatin1String("TabStop")) {
            m_tabStop = *flag;
        } else {
            QFont f = w->font();
            if (p == QLatin1String("FontBold"))
                f.setBold(*flag);
            else if (p == QLatin1String("FontItalic"))
                f.setItalic(*flag);
            else
                f.setUnderline(*flag);
            w->setFont(f);
        }
        return true;
    }
    if (p == QLatin1String("ToolTipText")) {
        w->setToolTip(value.toString());
        return true;
    }
    if (p == QLatin1String("TabIndex")) {
        const auto index = toInteger(value);
        if (!index || *index < 0)
            return false;
        m_tabIndex = *index;
        return true;
    }
    if (p == QLatin1String("ForeColor") || p == QLatin1String("BackColor")) {
        const auto color = toColor(value);
        if (!color)
            return false;
        QPalette palette = w->palette();
        if (p == QLatin1String("ForeColor")) {
            for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
                palette.setColor(role, *color);
        } else {
            for (auto role : {QPalette::Window, QPalette::Button, QPalette::Base})
                palette.setColor(role, *color);
        }
        w->setPalette(palette);
        w->update();
        return true;
    }
    if (p == QLatin1String("FontName")) {
        QFont f = w->font();
        f.setFamilies({value.toString()});
        w->setFont(f);
        return true;
    }
    if (p == QLatin1String("FontSize")) {
        const auto size = toNumber(value);
        if (!size || *size <= 0)
            return false;
        QFont f = w->font();
        f.setPointSizeF(*size);
        w->setFont(f);
        return true;
    }
    if (p == QLatin1String("FontWeight")) {
        const auto weight = toInteger(value);
        if (!weight || *weight < 1 || *weight > 1000)
            return false;
        QFont f = w->font();
        f.setWeight(static_cast<QFont::Weight>(*weight));
        w->setFont(f);
        return true;
    }
    if (p == QLatin1String("FontCharset")) {
        // The symbol character set of the diagram labels needs nothing here.
        return toInteger(value).has_value();
    }
    return false;
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
    const Scale s = m_form.scale();
    const double x = m_form.dpiX() / TwipsPerInch * s.twipsPerUnitX;
    const double y = m_form.dpiY() / TwipsPerInch * s.twipsPerUnitY;
    const auto px = [](double v) { return static_cast<int>(std::lround(v)); };
    const int left = px(units.left() * x);
    const int top = px(units.top() * y);
    return {left, top, px(units.right() * x) - left, px(units.bottom() * y) - top};
}

QSizeF Control::toUnits(const QSize &pixels) const
{
    const Scale s = m_form.scale();
    return {pixels.width() * TwipsPerInch / m_form.dpiX() / s.twipsPerUnitX,
            pixels.height() * TwipsPerInch / m_form.dpiY() / s.twipsPerUnitY};
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
