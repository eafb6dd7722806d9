#include "forms/picture.h"

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
                painter.drawImage(rect(), picture);
            else
                painter.drawImage(QRectF(QPointF(), m_owner.ownPixels()), picture);
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

private:
    Picture &m_owner;
};

} // namespace

Picture::Picture(Form &form, QString kind, QString name, Control *container)
    : Control(form, std::move(kind), std::move(name), container),
      m_widget(new PictureWidget(*this, container != nullptr ? container->childArea()
                                                             : form.clientArea())),
      m_isImage(this->kind() == QLatin1String("image"))
{
    m_widget->setAutoFillBackground(!m_isImage);
    if (!m_isImage)
        m_widget->setFocusPolicy(Qt::StrongFocus);
}

QSizeF Picture::ownPixels() const
{
    return {m_picture.width() * form().dpiX() / DesignDpi,
            m_picture.height() * form().dpiY() / DesignDpi};
}

QSizeF Picture::ownUnits() const
{
    const Scale s = form().scale();
    return {m_picture.width() * TwipsPerInch / DesignDpi / s.twipsPerUnitX,
            m_picture.height() * TwipsPerInch / DesignDpi / s.twipsPerUnitY};
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
    painter.drawImage(QRectF(at, QSizeF(size.width() * scaleX, size.height() * scaleY)), m_picture);
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

std::optional<QVariant> Picture::read(const QString &p) const
{
    if (p == QLatin1String("Picture"))
        return m_picture;
    if (!m_isImage && p == QLatin1String("AutoSize"))
        return m_autoSize;
    if (m_isImage && p == QLatin1String("Stretch"))
        return m_stretch;
    if (p == QLatin1String("BorderStyle"))
        return m_border ? 1 : 0;
    return Control::read(p);
}

bool Picture::write(const QString &p, const QVariant &value)
{
    if (p == QLatin1String("Picture")) {
        QImage picture = pictureFrom(value);
        if (picture.isNull())
            return false;
        m_picture = std::move(picture);
        fit();
        m_widget->update();
        return true;
    }
    if ((!m_isImage && p == QLatin1String("AutoSize")) ||
        (m_isImage && p == QLatin1String("Stretch"))) {
        const auto flag = toFlag(value);
        if (!flag)
            return false;
        (m_isImage ? m_stretch : m_autoSize) = *flag;
        fit();
        m_widget->update();
        return true;
    }
    if (p == QLatin1String("BorderStyle")) {
        const auto style = toInteger(value);
        if (!style || (*style != 0 && *style != 1))
            return false;
        m_border = *style == 1;
        m_widget->update();
        return true;
    }
    if (m_isImage && p == QLatin1String("BackColor"))
        return false;
    return Control::write(p, value);
}

} // namespace strumkin::forms
