#include "forms/label.h"

#include "forms/form.h"
#include "forms/values.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace strumkin::forms {

namespace {

class LabelWidget final : public QWidget {
public:
    LabelWidget(Label &label, QWidget *parent) : QWidget(parent), m_label(label) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        m_label.paint(painter, QRectF(rect()));
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_label.click();
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            m_label.doubleClick();
    }

private:
    Label &m_label;
};

QString displayed(const QString &caption)
{
    QString text = caption;
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace

Label::Label(Form &form, QString kind, QString name, Control *container)
    : Control(form, std::move(kind), std::move(name), container),
      m_widget(
          new LabelWidget(*this, container != nullptr ? container->childArea() : form.clientArea()))
{
    m_widget->setAutoFillBackground(m_opaque);
}

int Label::textFlags() const
{
    static constexpr Qt::Alignment horizontal[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    int flags = horizontal[m_alignment] | Qt::AlignTop | Qt::TextShowMnemonic;
    // A label that keeps its box wraps its text inside it; one that sizes
    // itself wraps only when asked to grow downwards.
    if (!m_autoSize || m_wordWrap)
        flags |= Qt::TextWordWrap;
    return flags;
}

QRectF Label::wrapBox(const QRectF &box) const
{
    const double width = geometry().width();
    if ((textFlags() & Qt::TextWordWrap) == 0 || m_designedWidth <= 0 || width <= m_designedWidth)
        return box;
    const double kept = box.width() * m_designedWidth / width;
    const double room = box.width() - kept;
    const double left = m_alignment == 0 ? 0 : m_alignment == 1 ? room : room / 2;
    return {box.left() + left, box.top(), kept, box.height()};
}

void Label::paint(QPainter &painter, const QRectF &box) const
{
    painter.setFont(m_widget->font());
    painter.setPen(m_widget->palette().color(QPalette::WindowText));
    painter.drawText(wrapBox(box), textFlags(), displayed(m_caption));
}

std::vector<TextLayout> Label::textLayouts() const
{
    if (m_caption.isEmpty())
        return {};
    return {{displayed(m_caption), wrapBox(QRectF(m_widget->rect())).toRect(), textFlags(),
             m_widget->font()}};
}

void Label::loaded()
{
    m_designedWidth = geometry().width();
}

void Label::paintOnto(QPainter &painter, const QPointF &origin, double scaleX, double scaleY) const
{
    const QRectF g = geometry();
    const QRectF box(origin.x() + g.left() * scaleX, origin.y() + g.top() * scaleY,
                     g.width() * scaleX, g.height() * scaleY);
    painter.save();
    painter.setClipRect(box);
    if (m_opaque)
        painter.fillRect(box, m_widget->palette().color(QPalette::Window));
    paint(painter, box);
    painter.restore();
}

QSize Label::naturalSize() const
{
    const QFontMetrics metrics(m_widget->font());
    const QString text = displayed(m_caption);
    if (m_wordWrap) {
        const int width = std::max(1, m_widget->width());
        const QRect r = metrics.boundingRect(QRect(0, 0, width, 100000),
                                             Qt::TextWordWrap | Qt::TextShowMnemonic, text);
        return {width, r.height()};
    }
    const QRect r = metrics.boundingRect(QRect(0, 0, 100000, 100000), Qt::TextShowMnemonic, text);
    return {r.width(), std::max(r.height(), metrics.height())};
}

void Label::fit()
{
    if (!m_autoSize)
        return;
    const QSizeF units = toUnits(naturalSize());
    QRectF g = geometry();
    g.setSize(units);
    setGeometryUnits(g);
}

void Label::click()
{
    raise(Event::Click);
}

void Label::doubleClick()
{
    raise(Event::DblClick);
}

std::optional<QVariant> Label::read(const QString &p) const
{
    if (p == QLatin1String("Caption"))
        return m_caption;
    if (p == QLatin1String("Alignment"))
        return m_alignment;
    if (p == QLatin1String("AutoSize"))
        return m_autoSize;
    if (p == QLatin1String("WordWrap"))
        return m_wordWrap;
    if (p == QLatin1String("BackStyle"))
        return m_opaque ? 1 : 0;
    return Control::read(p);
}

bool Label::write(const QString &p, const QVariant &value)
{
    if (p == QLatin1String("Caption")) {
        m_caption = value.toString();
        fit();
        m_widget->update();
        return true;
    }
    if (p == QLatin1String("Alignment")) {
        const auto alignment = toInteger(value);
        if (!alignment || *alignment < 0 || *alignment > 2)
            return false;
        m_alignment = *alignment;
        m_widget->update();
        return true;
    }
    if (p == QLatin1String("AutoSize") || p == QLatin1String("WordWrap")) {
        const auto flag = toFlag(value);
        if (!flag)
            return false;
        (p == QLatin1String("AutoSize") ? m_autoSize : m_wordWrap) = *flag;
        fit();
        m_widget->update();
        return true;
    }
    if (p == QLatin1String("BackStyle")) {
        const auto style = toInteger(value);
        if (!style || (*style != 0 && *style != 1))
            return false;
        m_opaque = *style == 1;
        m_widget->setAutoFillBackground(m_opaque);
        m_widget->update();
        return true;
    }
    if (!Control::write(p, value))
        return false;
    if (p.startsWith(QLatin1String("Font")))
        fit();
    return true;
}

} // namespace strumkin::forms
