#include "forms/shape.h"

#include "forms/form.h"
#include "forms/values.h"

#include <QPainter>
#include <QWidget>

namespace strumkin::forms {

namespace {

class ShapeWidget final : public QWidget {
public:
    ShapeWidget(const Shape &owner, QWidget *parent) : QWidget(parent), m_owner(owner)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const int pen = std::max(1, m_owner.borderWidth());
        painter.setPen(QPen(m_owner.borderColor(), pen));
        painter.setBrush(m_owner.filled() ? QBrush(m_owner.fillColor()) : QBrush(Qt::NoBrush));
        QRectF box = QRectF(rect()).adjusted(pen / 2.0, pen / 2.0, -pen / 2.0, -pen / 2.0);
        const Shape::Kind kind = m_owner.shape();
        if (kind == Shape::Square || kind == Shape::Circle || kind == Shape::RoundedSquare) {
            const double side = std::min(box.width(), box.height());
            box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
        }
        switch (kind) {
        case Shape::Oval:
        case Shape::Circle:
            painter.drawEllipse(box);
            break;
        case Shape::RoundedRectangle:
        case Shape::RoundedSquare: {
            const double radius = std::min(box.width(), box.height()) / 6.0;
            painter.drawRoundedRect(box, radius, radius);
            break;
        }
        default:
            painter.drawRect(box);
        }
    }

private:
    const Shape &m_owner;
};

} // namespace

Shape::Shape(Form &form, QString kind, QString name, Control *container)
    : Control(form, std::move(kind), std::move(name), container),
      m_widget(
          new ShapeWidget(*this, container != nullptr ? container->childArea() : form.clientArea()))
{}

std::optional<QVariant> Shape::read(const QString &p) const
{
    if (p == QLatin1String("Shape"))
        return static_cast<int>(m_shape);
    if (p == QLatin1String("BorderColor"))
        return m_borderColor;
    if (p == QLatin1String("BorderWidth"))
        return m_borderWidth;
    if (p == QLatin1String("FillStyle"))
        return m_filled ? 0 : 1;
    if (p == QLatin1String("FillColor"))
        return m_fillColor;
    return Control::read(p);
}

bool Shape::write(const QString &p, const QVariant &value)
{
    if (p == QLatin1String("BorderColor") || p == QLatin1String("FillColor")) {
        const auto color = toColor(value);
        if (!color)
            return false;
        (p == QLatin1String("BorderColor") ? m_borderColor : m_fillColor) = *color;
        m_widget->update();
        return true;
    }
    const auto number = toInteger(value);
    if (p == QLatin1String("Shape")) {
        if (!number || *number < Rectangle || *number > RoundedSquare)
            return false;
        m_shape = static_cast<Kind>(*number);
    } else if (p == QLatin1String("BorderWidth")) {
        if (!number || *number < 1 || *number > 8192)
            return false;
        m_borderWidth = *number;
    } else if (p == QLatin1String("FillStyle")) {
        // Solid (0) or transparent (1); hatched fills are not used.
        if (!number || (*number != 0 && *number != 1))
            return false;
        m_filled = *number == 0;
    } else {
        return Control::write(p, value);
    }
    m_widget->update();
    return true;
}

} // namespace strumkin::forms
