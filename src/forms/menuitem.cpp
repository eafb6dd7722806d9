#include "forms/menuitem.h"

#include "forms/form.h"
#include "forms/values.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace strumkin::forms {

MenuItem::MenuItem(Form &form, QString name, MenuItem *parent, bool holdsItems)
    : Control(form, QStringLiteral("menu"), std::move(name), nullptr)
{
    QWidget *owner = parent != nullptr ? static_cast<QWidget *>(parent->menu()) : form.menuBar();
    if (holdsItems) {
        m_menu = new QMenu(owner);
        m_action = m_menu->menuAction();
    } else {
        m_action = new QAction(owner);
        QObject::connect(m_action, &QAction::triggered, m_action, [this] { raise(Event::Click); });
    }
    owner->addAction(m_action);
}

std::optional<QVariant> MenuItem::read(const QString &p) const
{
    if (p == QLatin1String("Name"))
        return name();
    if (p == QLatin1String("Caption"))
        return m_caption;
    if (p == QLatin1String("Enabled"))
        return m_action->isEnabled();
    if (p == QLatin1String("Visible"))
        return m_action->isVisible();
    if (p == QLatin1String("Checked"))
        return m_action->isChecked();
    return std::nullopt;
}

bool MenuItem::write(const QString &p, const QVariant &value)
{
    if (p == QLatin1String("Caption")) {
        m_caption = value.toString();
        // A separator's text would be drawn as a section title beside its line.
        const bool separator = m_caption == QLatin1String("-");
        m_action->setSeparator(separator);
        m_action->setText(separator ? QString() : m_caption);
        if (m_menu != nullptr)
            m_menu->setTitle(m_caption);
        return true;
    }
    const auto flag = toFlag(value);
    if (!flag)
        return false;
    if (p == QLatin1String("Enabled"))
        m_action->setEnabled(*flag);
    else if (p == QLatin1String("Visible"))
        m_action->setVisible(*flag);
    else if (p == QLatin1String("Checked")) {
        m_action->setCheckable(true);
        m_action->setChecked(*flag);
    } else
        return false;
    return true;
}

} // namespace strumkin::forms
