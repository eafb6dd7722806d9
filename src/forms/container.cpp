// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/container.h"

#include "forms/form.h"
#include "forms/values.h"

#include <QFrame>
#include <QPainter>
#include <QWidget>

namespace strumkin::forms {

namespace {

// An etched border with the caption set into its top edge, drawn here: the
// style's group box paints its frame from a picture, and loading that picture
// loads every image plugin on the first window's first paint.
class FrameBox final : public QWidget {
public:
    using QWidget::QWidget;
    QString title;
    // The caption's own colour: the controls inside keep theirs.
    QColor titleColor;

    // The caption stands in the top edge, an average character in from
    // either corner.
    [[nodiscard]] TextLayout captionLayout() const
    {
        const QFontMetrics metrics(font());
        const int inset = metrics.averageCharWidth() + 2;
        return {title, QRect(inset, 0, width() - 2 * inset, metrics.height()),
                Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, font()};
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QFontMetrics metrics(font());
        const int top = title.isEmpty() ? 0 : metrics.height() / 2;
        const QRect border = rect().adjusted(0, top, -1, -1);
        const QPalette &colours = palette();
        painter.setPen(colours.color(QPalette::Dark));
        painter.drawRect(border.adjusted(0, 0, -1, -1));
        painter.setPen(colours.color(QPalette::Light));
        painter.drawRect(border.adjusted(1, 1, 0, 0));
        if (title.isEmpty())
            return;
        const TextLayout caption = captionLayout();
        const int gap = metrics.horizontalAdvance(title) + 4;
        painter.fillRect(QRect(caption.box.left() - 2, 0, gap, metrics.height()),
                         colours.color(backgroundRole()));
        painter.setPen(titleColor.isValid() ? titleColor : colours.color(foregroundRole()));
        painter.drawText(caption.box, caption.flags, caption.text);
    }
};

} // namespace

Container::Container(Form &form, QString kind, QString name, Control *container)
    : Kinded(form, std::move(kind), std::move(name), container),
      m_isFrame(this->kind() == QLatin1String("frame"))
{
    if (m_isFrame)
        makeWidget<FrameBox>();
    else
        makeWidget<QFrame>()->setAutoFillBackground(true);
}

AccessibleFacts Container::accessibleFacts() const
{
    const QString caption =
        m_isFrame ? spokenText(static_cast<const FrameBox *>(widget())->title) : QString();
    if (caption.isEmpty())
        return {QAccessible::Pane, {}, {}, false, {}};
    return {QAccessible::Grouping, caption, {}, false, {}};
}

std::vector<TextLayout> Container::textLayouts() const
{
    if (!m_isFrame)
        return {};
    const auto *frame = static_cast<const FrameBox *>(widget());
    if (frame->title.isEmpty())
        return {};
    return {frame->captionLayout()};
}

const PropertyTable<Container> &Container::properties()
{
    const auto frame = [](const Container &c) { return c.m_isFrame; };
    const auto box = [](const Container &c) { return static_cast<FrameBox *>(c.widget()); };
    static const PropertyTable<Container> table{
        {"Caption", Takes::text(), [box](const Container &c) { return box(c)->title; },
         [box](Container &c, const QVariant &v) {
             box(c)->title = v.toString();
             box(c)->update();
         },
         frame},
        // A frame's foreground is its caption's; a palette would pass it on
        // to every control inside.
        {"ForeColor", Takes::color(),
         [box](const Container &c) {
             const QColor &color = box(c)->titleColor;
             return color.isValid() ? color : c.widget()->palette().color(QPalette::WindowText);
         },
         [box](Container &c, const QVariant &v) {
             box(c)->titleColor = v.value<QColor>();
             box(c)->update();
         },
         frame},
    };
    return table;
}

void Container::backColorChanged()
{
    widget()->setAutoFillBackground(true);
}

} // namespace strumkin::forms
