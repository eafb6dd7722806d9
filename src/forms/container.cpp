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

QWidget *makeWidget(bool frame, QWidget *parent)
{
    if (frame)
        return new FrameBox(parent);
    auto *panel = new QFrame(parent);
    panel->setAutoFillBackground(true);
    return panel;
}
} // namespace

Container::Container(Form &form, QString kind, QString name, Control *container)
    : Control(form, std::move(kind), std::move(name), container),
      m_widget(makeWidget(this->kind() == QLatin1String("frame"),
                          container != nullptr ? container->childArea() : form.clientArea())),
      m_isFrame(this->kind() == QLatin1String("frame"))
{}

std::vector<TextLayout> Container::textLayouts() const
{
    if (!m_isFrame)
        return {};
    const auto *frame = static_cast<const FrameBox *>(m_widget);
    if (frame->title.isEmpty())
        return {};
    return {frame->captionLayout()};
}

std::optional<QVariant> Container::read(const QString &p) const
{
    if (m_isFrame && p == QLatin1String("Caption"))
        return static_cast<FrameBox *>(m_widget)->title;
    if (m_isFrame && p == QLatin1String("ForeColor")) {
        const QColor &color = static_cast<FrameBox *>(m_widget)->titleColor;
        return color.isValid() ? color : m_widget->palette().color(QPalette::WindowText);
    }
    return Control::read(p);
}

bool Container::write(const QString &p, const QVariant &value)
{
    if (m_isFrame && p == QLatin1String("Caption")) {
        auto *frame = static_cast<FrameBox *>(m_widget);
        frame->title = value.toString();
        frame->update();
        return true;
    }
    if (m_isFrame && p == QLatin1String("ForeColor")) {
        // A frame's foreground is its caption's; a palette would pass it on
        // to every control inside.
        const auto color = toColor(value);
        if (!color)
            return false;
        auto *frame = static_cast<FrameBox *>(m_widget);
        frame->titleColor = *color;
        frame->update();
        return true;
    }
    if (!Control::write(p, value))
        return false;
    if (m_isFrame && p == QLatin1String("BackColor"))
        m_widget->setAutoFillBackground(true);
    return true;
}

} // namespace strumkin::forms
