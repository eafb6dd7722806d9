// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
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
    : Kinded(form, std::move(kind), std::move(name), container)
{
    makeWidget<LabelWidget>(*this)->setAutoFillBackground(m_opaque);
}

AccessibleFacts Label::accessibleFacts() const
{
    // A label with no caption is a coloured block, or a countdown not begun.
    const QString said = spokenText(m_caption);
    return {QAccessible::StaticText, said, {}, said.isEmpty(), {}};
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
    painter.setFont(widget()->font());
    painter.setPen(widget()->palette().color(QPalette::WindowText));
    painter.drawText(wrapBox(box), textFlags(), displayed(m_caption));
}

std::vector<TextLayout> Label::textLayouts() const
{
    if (m_caption.isEmpty())
        return {};
    return {{displayed(m_caption), wrapBox(QRectF(widget()->rect())).toRect(), textFlags(),
             widget()->font()}};
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
        painter.fillRect(box, widget()->palette().color(QPalette::Window));
    paint(painter, box);
    painter.restore();
}

QSize Label::naturalSize() const
{
    const QFontMetrics metrics(widget()->font());
    const QString text = displayed(m_caption);
    if (m_wordWrap) {
        const int width = std::max(1, widget()->width());
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

const PropertyTable<Label> &Label::properties()
{
    // Each change is drawn; one that changes the text or how it flows sizes
    // the label again first.
    const auto redraw = [](auto change, bool refits) {
        return [change, refits](Label &l, const QVariant &v) {
            change(l, v);
            if (refits)
                l.fit();
            l.widget()->update();
        };
    };
    static const PropertyTable<Label> table{
        {"Caption", Takes::text(), [](const Label &l) { return l.m_caption; },
         redraw([](Label &l, const QVariant &v) { l.m_caption = v.toString(); }, true)},
        {"Alignment", Takes::integer(0, 2), [](const Label &l) { return l.m_alignment; },
         redraw([](Label &l, const QVariant &v) { l.m_alignment = v.toInt(); }, false)},
        {"AutoSize", Takes::flag(), [](const Label &l) { return l.m_autoSize; },
         redraw([](Label &l, const QVariant &v) { l.m_autoSize = v.toBool(); }, true)},
        {"WordWrap", Takes::flag(), [](const Label &l) { return l.m_wordWrap; },
         redraw([](Label &l, const QVariant &v) { l.m_wordWrap = v.toBool(); }, true)},
        {"BackStyle", Takes::integer(0, 1), [](const Label &l) { return l.m_opaque ? 1 : 0; },
         redraw(
             [](Label &l, const QVariant &v) {
                 l.m_opaque = v.toInt() == 1;
                 l.widget()->setAutoFillBackground(l.m_opaque);
             },
             false)},
    };
    return table;
}

} // namespace strumkin::forms
