#include "forms/line.h"

#include "forms/form.h"
#include "forms/values.h"

#include <QPainter>
#include <QWidget>

namespace strumkin::forms {

namespace {

class LineWidget final : public QWidget {
public:
    LineWidget(const Line &owner, QWidget *parent) : QWidget(parent), m_owner(owner)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(QPen(m_owner.color(), m_owner.lineWidth(), Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(m_owner.pixelEnds());
    }

private:
    const Line &m_owner;
};

} // namespace

Line::Line(Form &form, QString kind, QString name, Control *container)
    : Control(form, std::move(kind), std::move(name), container),
      m_widget(
          new LineWidget(*this, container != nullptr ? container->childArea() : form.clientArea()))
{}

QLineF Line::pixelEnds() const
{
    const QRect box = toPixels(QRectF(m_ends.p1(), m_ends.p2()).normalized());
    const QRect whole = toPixels(QRectF(m_ends.p1(), QSizeF(0, 0)));
    const QRect other = toPixels(QRectF(m_ends.p2(), QSizeF(0, 0)));
    const int pad = m_width;
    const QPointF origin(box.left() - pad, box.top() - pad);
    return {QPointF(whole.topLeft()) - origin + QPointF(0.5, 0.5),
            QPointF(other.topLeft()) - origin + QPointF(0.5, 0.5)};
}

void Line::applyGeometry()
{
    // The widget covers the line's bounding box with room for its pen.
    const QRect box = toPixels(QRectF(m_ends.p1(), m_ends.p2()).normalized());
    const int pad = m_width;
    m_widget->setGeometry(box.adjusted(-pad, -pad, pad + 1, pad + 1));
    m_widget->update();
}

std::optional<QVariant> Line::read(const QString &p) const
{
    if (p == QLatin1String("X1"))
        return m_ends.x1();
    if (p == QLatin1String("Y1"))
        return m_ends.y1();
    if (p == QLatin1String("X2"))
        return m_ends.x2();
    if (p == QLatin1String("Y2"))
        return m_ends.y2();
    if (p == QLatin1String("BorderColor"))
        return m_color;
    if (p == QLatin1String("BorderWidth"))
        return m_width;
    return Control::read(p);
}

bool Line::write(const QString &p, const QVariant &value)
{
    if (p == QLatin1String("X1") || p == QLatin1String("Y1") || p == QLatin1String("X2") ||
        p == QLatin1String("Y2")) {
        const auto number = toNumber(value);
        if (!number)
            return false;
        if (p == QLatin1String("X1"))
            m_ends.setP1({*number, m_ends.y1()});
        else if (p == QLatin1String("Y1"))
            m_ends.setP1({m_ends.x1(), *number});
        else if (p == QLatin1String("X2"))
            m_ends.setP2({*number, m_ends.y2()});
        else
            m_ends.setP2({m_ends.x2(), *number});
        applyGeometry();
        return true;
    }
    if (p == QLatin1String("BorderColor")) {
        const auto color = toColor(value);
        if (!color)
            return false;
        m_color = *color;
        m_widget->update();
        return true;
    }
    if (p == QLatin1String("BorderWidth")) {
        const auto width = toInteger(value);
        if (!width || *width < 1 || *width > 8192)
            return false;
        m_width = *width;
        applyGeometry();
        return true;
    }
    return Control::write(p, value);
}

} // namespace strumkin::forms
