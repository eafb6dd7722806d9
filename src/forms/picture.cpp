// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/picture.h"

#include "forms/artwork.h"
#include "forms/form.h"
#include "forms/pictures.h"
#include "forms/values.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace strumkin::forms {

namespace {

class PictureWidget final : public QWidget {
public:
    PictureWidget(Picture &owner, QWidget *parent) : QWidget(parent), m_owner(owner) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QImage &picture = m_owner.picture();
        if (!picture.isNull()) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            if (m_owner.isImage() && m_owner.stretch())
                drawPicture(painter, rect(), picture);
            else
                drawPicture(painter, QRectF(QPointF(), m_owner.ownPixels()), picture);
        }
        if (m_owner.border()) {
            painter.setPen(palette().color(QPalette::Dark));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_owner.click();
    }
    // A picture box that holds the focus is pressed from the keyboard as a
    // button is.
    void keyPressEvent(QKeyEvent *event) override
    {
        const int key = event->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
            m_owner.click();
        else
            QWidget::keyPressEvent(event);
    }

private:
    Picture &m_owner;
};

} // namespace

Picture::Picture(Form &form, QString kind, QString name, Control *container)
    : Kinded(form, std::move(kind), std::move(name), container),
      m_isImage(this->kind() == QLatin1String("image"))
{
    QWidget *box = makeWidget<PictureWidget>(*this);
    box->setAutoFillBackground(!m_isImage);
    // A picture box can hold the focus; an image cannot.
    if (!m_isImage)
        box->setFocusPolicy(Qt::StrongFocus);
}

AccessibleFacts Picture::accessibleFacts() const
{
    AccessibleFacts facts{QAccessible::Graphic, widget()->toolTip(), {}, false, {}};
    if (!m_isImage)
        // Reading the facts changes nothing; pressing, the user's act, clicks.
        facts.press = [this] { const_cast<Picture *>(this)->click(); };
    return facts;
}

QSizeF Picture::ownPixels() const
{
    return {m_picture.width() * form().dpiX() / DesignDpi,
            m_picture.height() * form().dpiY() / DesignDpi};
}

QSizeF Picture::ownUnits() const
{
    const QSizeF own = ownPixels();
    const QSizeF scale = form().pixelsPerUnit();
    return {own.width() / scale.width(), own.height() / scale.height()};
}

void Picture::click()
{
    raise(Event::Click);
}

void Picture::paintOnto(QPainter &painter, const QPointF &origin, double scaleX,
                        double scaleY) const
{
    if (m_picture.isNull())
        return;
    const QRectF g = geometry();
    const QPointF at(origin.x() + g.left() * scaleX, origin.y() + g.top() * scaleY);
    const QSizeF size = m_isImage && m_stretch ? g.size() : ownUnits();
    drawPicture(painter, QRectF(at, QSizeF(size.width() * scaleX, size.height() * scaleY)),
                m_picture);
}

void Picture::fit()
{
    // An image that does not stretch, and a picture box that sizes itself,
    // take the picture's own size.
    const bool sizes = m_isImage ? !m_stretch : m_autoSize;
    if (!sizes || m_picture.isNull())
        return;
    QRectF g = geometry();
    g.setSize(ownUnits());
    setGeometryUnits(g);
}

const PropertyTable<Picture> &Picture::properties()
{
    const auto image = [](const Picture &p) { return p.m_isImage; };
    const auto box = [](const Picture &p) { return !p.m_isImage; };
    const auto refit = [](bool Picture::*flag) {
        return [flag](Picture &p, const QVariant &v) {
            p.*flag = v.toBool();
            p.fit();
            p.widget()->update();
        };
    };
    static const PropertyTable<Picture> table{
        {"Picture", Takes::anything(), [](const Picture &p) { return p.m_picture; },
         [](Picture &p, const QVariant &v) {
             QImage picture = pictureFrom(v);
             if (picture.isNull())
                 return false;
             p.m_picture = std::move(picture);
             p.fit();
             p.widget()->update();
             return true;
         }},
        {"AutoSize", Takes::flag(), [](const Picture &p) { return p.m_autoSize; },
         refit(&Picture::m_autoSize), box},
        {"Stretch", Takes::flag(), [](const Picture &p) { return p.m_stretch; },
         refit(&Picture::m_stretch), image},
        {"BorderStyle", Takes::integer(0, 1), [](const Picture &p) { return p.m_border ? 1 : 0; },
         [](Picture &p, const QVariant &v) {
             p.m_border = v.toInt() == 1;
             p.widget()->update();
         }},
        // An image is transparent.
        {"BackColor", Takes::anything(), nullptr, [](Picture &, const QVariant &) { return false; },
         image},
    };
    return table;
}

} // namespace strumkin::forms
