// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/button.h"

#include "forms/artwork.h"
#include "forms/form.h"
#include "forms/pictures.h"
#include "forms/values.h"

#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace strumkin::forms {

namespace {

class ButtonWidget final : public QPushButton {
public:
    ButtonWidget(const Button &owner, QWidget *parent) : QPushButton(parent), m_owner(owner)
    {
        // Enter acts on the focused button, as on the program's home platform.
        setAutoDefault(true);
    }

    [[nodiscard]] bool showsPicture() const
    {
        return m_owner.graphical() && !m_owner.picture().isNull();
    }

    // Where the caption goes: under the picture of a picture button, in the
    // style's contents box of a plain one. A caption wider than its button
    // wraps, as on the program's home platform.
    [[nodiscard]] TextLayout captionLayout() const
    {
        if (!showsPicture()) {
            QStyleOptionButton option;
            initStyleOption(&option);
            return {text(), style()->subElementRect(QStyle::SE_PushButtonContents, &option, this),
                    CaptionFlags, font()};
        }
        const QRect picture = pictureBox();
        const QRect inner = innerBox();
        return {text(),
                QRect(inner.left(), picture.bottom() + 1, inner.width(),
                      inner.bottom() - picture.bottom()),
                CaptionFlags, font()};
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        option.icon = QIcon();
        painter.drawControl(QStyle::CE_PushButtonBevel, option);

        if (showsPicture()) {
            const bool down = isDown() && !m_owner.downPicture().isNull();
            drawPicture(painter, pictureBox(), down ? m_owner.downPicture() : m_owner.picture());
        }
        const TextLayout caption = captionLayout();
        painter.drawItemText(caption.box, caption.flags, palette(), isEnabled(), caption.text,
                             QPalette::ButtonText);
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = showsPicture() ? innerBox() : caption.box;
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }

private:
    static constexpr int CaptionFlags =
        Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextWordWrap;

    [[nodiscard]] QRect innerBox() const { return rect().adjusted(3, 3, -3, -3); }

public:
    [[nodiscard]] QRect pictureBox() const
    {
        const QImage &picture = m_owner.picture();
        const QRect inner = innerBox();
        // The picture makes room for the caption's lines.
        const int lineHeight =
            fontMetrics()
                .boundingRect(QRect(0, 0, inner.width(), 10000), CaptionFlags, text())
                .height();
        const QSize size = picture.size().scaled(
            inner.width(), std::max(1, inner.height() - lineHeight), Qt::KeepAspectRatio);
        const QSize shown = size.width() < picture.width() ? size : picture.size();
        return {QPoint(inner.left() + (inner.width() - shown.width()) / 2, inner.top()), shown};
    }

private:
    const Button &m_owner;
};

} // namespace

Button::Button(Form &form, QString kind, QString name, Control *container)
    : Kinded(form, std::move(kind), std::move(name), container),
      m_button(makeWidget<ButtonWidget>(*this))
{
    QObject::connect(m_button, &QPushButton::clicked, m_button, [this] { raise(Event::Click); });
}

std::vector<TextLayout> Button::textLayouts() const
{
    if (m_button->text().isEmpty())
        return {};
    return {static_cast<const ButtonWidget *>(m_button)->captionLayout()};
}

QRect Button::pictureArea() const
{
    return static_cast<const ButtonWidget *>(m_button)->pictureBox();
}

const PropertyTable<Button> &Button::properties()
{
    const auto picture = [](QImage Button::*held) {
        return [held](Button &b, const QVariant &v) {
            QImage picture = pictureFrom(v);
            if (picture.isNull())
                return false;
            b.*held = std::move(picture);
            b.m_button->update();
            return true;
        };
    };
    static const PropertyTable<Button> table{
        {"Caption", Takes::text(), [](const Button &b) { return b.m_button->text(); },
         [](Button &b, const QVariant &v) { b.m_button->setText(v.toString()); }},
        {"Style", Takes::integer(0, 1), [](const Button &b) { return b.m_graphical ? 1 : 0; },
         [](Button &b, const QVariant &v) {
             b.m_graphical = v.toInt() == 1;
             b.m_button->update();
         }},
        {"Picture", Takes::anything(), [](const Button &b) { return b.m_picture; },
         picture(&Button::m_picture)},
        {"DownPicture", Takes::anything(), [](const Button &b) { return b.m_downPicture; },
         picture(&Button::m_downPicture)},
    };
    return table;
}

void Button::backColorChanged()
{
    // A button takes a colour of its own only in the graphical style.
    m_button->setAutoFillBackground(m_graphical);
}

} // namespace strumkin::forms
