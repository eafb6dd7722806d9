// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/combobox.h"

#include "forms/form.h"
#include "forms/values.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace strumkin::forms {

ComboBox::ComboBox(Form &form, QString kind, QString name, Control *container)
    : Kinded(form, std::move(kind), std::move(name), container), m_combo(makeWidget<QComboBox>())
{
    m_combo->setEditable(false);
    QObject::connect(m_combo, &QComboBox::activated, m_combo, [this](int) { raise(Event::Click); });
}

void ComboBox::addItem(const QString &text)
{
    const QSignalBlocker quiet(m_combo);
    const int shown = m_combo->currentIndex();
    m_combo->addItem(text);
    // Adding an item selects nothing.
    m_combo->setCurrentIndex(shown);
}

void ComboBox::clear()
{
    const QSignalBlocker quiet(m_combo);
    m_combo->clear();
}

int ComboBox::listIndex() const
{
    return m_combo->currentIndex();
}

void ComboBox::setListIndex(int index)
{
    {
        const QSignalBlocker quiet(m_combo);
        m_combo->setCurrentIndex(index);
    }
    raise(Event::Click);
}

const PropertyTable<ComboBox> &ComboBox::properties()
{
    using P = Property<ComboBox>;
    static const PropertyTable<ComboBox> table{
        // A drop-down list only.
        {"Style", Takes::integer(2, 2), [](const ComboBox &) { return 2; },
         [](ComboBox &, const QVariant &) {}},
        // The program fills and reads the list.
        {"ListIndex", Takes::integer(-1), [](const ComboBox &c) { return c.listIndex(); },
         [](ComboBox &c, const QVariant &v) {
             if (v.toInt() >= c.m_combo->count())
                 return false;
             c.setListIndex(v.toInt());
             return true;
         },
         nullptr, P::Design::MayNot},
        {"ListCount", Takes::anything(), [](const ComboBox &c) { return c.m_combo->count(); },
         nullptr, nullptr, P::Design::MayNot},
        {"Text", Takes::anything(), [](const ComboBox &c) { return c.m_combo->currentText(); },
         nullptr, nullptr, P::Design::MayNot},
        {"List", Takes::anything(),
         [](const ComboBox &c) {
             QStringList items;
             for (int i = 0; i < c.m_combo->count(); ++i)
                 items << c.m_combo->itemText(i);
             return items;
         },
         [](ComboBox &c, const QVariant &v) {
             c.clear();
             for (const QVariant &item : v.toList())
                 c.addItem(item.toString());
         },
         nullptr, P::Design::MayNot},
    };
    return table;
}

} // namespace strumkin::forms
