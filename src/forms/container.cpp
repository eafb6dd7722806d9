#include "forms/container.h"

#include "forms/form.h"

#include <QFrame>
#include <QGroupBox>

namespace strumkin::forms {

namespace {
QWidget *makeWidget(bool frame, QWidget *parent)
{
    if (frame)
        return new QGroupBox(parent);
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

std::optional<QVariant> Container::read(const QString &p) const
{
    if (m_isFrame && p == QLatin1String("Caption"))
        return static_cast<QGroupBox *>(m_widget)->title();
    return Control::read(p);
}

bool Container::write(const QString &p, const QVariant &value)
{
    if (m_isFrame && p == QLatin1String("Caption")) {
        static_cast<QGroupBox *>(m_widget)->setTitle(value.toString());
        return true;
    }
    if (!Control::write(p, value))
        return false;
    if (m_isFrame && p == QLatin1String("BackColor"))
        m_widget->setAutoFillBackground(true);
    return true;
}

} // namespace strumkin::forms
