// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/menuitem.h"

#include "forms/form.h"
#include "forms/values.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace strumkin::forms {

MenuItem::MenuItem(Form &form, QString name, MenuItem *parent, bool holdsItems)
    : Kinded(form, QStringLiteral("menu"), std::move(name), nullptr)
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

void MenuItem::setCaption(const QString &caption)
{
    m_caption = caption;
    // A separator's text would be drawn as a section title beside its line.
    const bool separator = m_caption == QLatin1String("-");
    m_action->setSeparator(separator);
    m_action->setText(separator ? QString() : m_caption);
    if (m_menu != nullptr)
        m_menu->setTitle(m_caption);
}

const PropertyTable<MenuItem> &MenuItem::properties()
{
    static const PropertyTable<MenuItem> table{
        {"Caption", Takes::text(), [](const MenuItem &m) { return m.m_caption; },
         [](MenuItem &m, const QVariant &v) { m.setCaption(v.toString()); }},
        {"Enabled", Takes::flag(), [](const MenuItem &m) { return m.m_action->isEnabled(); },
         [](MenuItem &m, const QVariant &v) { m.m_action->setEnabled(v.toBool()); }},
        {"Visible", Takes::flag(), [](const MenuItem &m) { return m.m_action->isVisible(); },
         [](MenuItem &m, const QVariant &v) { m.m_action->setVisible(v.toBool()); }},
        {"Checked", Takes::flag(), [](const MenuItem &m) { return m.m_action->isChecked(); },
         [](MenuItem &m, const QVariant &v) {
             m.m_action->setCheckable(true);
             m.m_action->setChecked(v.toBool());
         }},
    };
    return table;
}

} // namespace strumkin::forms
