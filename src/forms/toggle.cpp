// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/toggle.h"

#include "forms/form.h"
#include "forms/values.h"

#include <QCheckBox>
#include <QPalette>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace strumkin::forms {

Toggle::Toggle(Form &form, QString kind, QString name, Control *container)
    : Kinded(form, std::move(kind), std::move(name), container),
      m_isCheck(this->kind() == QLatin1String("check"))
{
    m_button = m_isCheck ? static_cast<QAbstractButton *>(makeWidget<QCheckBox>())
                         : makeWidget<QRadioButton>();
    QObject::connect(m_button, &QAbstractButton::toggled, m_button, [this](bool on) {
        if (m_isCheck || on)
            raise(Event::Click);
    });
}

QRect Toggle::markBox() const
{
    QStyleOptionButton option;
    option.initFrom(m_button);
    return m_button->style()->subElementRect(m_isCheck ? QStyle::SE_CheckBoxIndicator
                                                       : QStyle::SE_RadioButtonIndicator,
                                             &option, m_button);
}

const PropertyTable<Toggle> &Toggle::properties()
{
    static const PropertyTable<Toggle> table{
        {"Caption", Takes::text(), [](const Toggle &t) { return t.m_button->text(); },
         [](Toggle &t, const QVariant &v) { t.m_button->setText(v.toString()); }},
        // A check box's Value is 0 or 1, an option's true or false.
        {"Value", Takes::anything(),
         [](const Toggle &t) {
             const bool on = t.m_button->isChecked();
             return t.m_isCheck ? QVariant(on ? 1 : 0) : QVariant(on);
         },
         [](Toggle &t, const QVariant &v) {
             const auto on = (t.m_isCheck ? Takes::integer(0, 1) : Takes::flag()).convert(v);
             if (on)
                 t.m_button->setChecked(on->toInt() == 1);
             return on.has_value();
         }},
        // The colour behind the box and caption; the box itself stays the
        // colour of a box to tick, or a black one would vanish on black.
        {"BackColor", Takes::color(), nullptr,
         [](Toggle &t, const QVariant &v) {
             QPalette palette = t.m_button->palette();
             palette.setColor(QPalette::Window, v.value<QColor>());
             palette.setColor(QPalette::Button, v.value<QColor>());
             t.m_button->setPalette(palette);
             t.m_button->setAutoFillBackground(true);
         }},
    };
    return table;
}

} // namespace strumkin::forms
