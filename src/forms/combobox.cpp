#include "forms/combobox.h"

#include "forms/form.h"
#include "forms/values.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace strumkin::forms {

ComboBox::ComboBox(Form &form, QString kind, QString name, Control *container)
    : Control(form, std::move(kind), std::move(name), container),
      m_combo(new QComboBox(container != nullptr ? container->childArea() : form.clientArea()))
{
    m_combo->setEditable(false);
    QObject::connect(m_combo, &QComboBox::activated, m_combo, [this](int) { raise(Event::Click); });
}

QWidget *ComboBox::widget() const
{
    return m_combo;
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

std::optional<QVariant> ComboBox::read(const QString &p) const
{
    if (p == QLatin1String("ListIndex"))
        return listIndex();
    if (p == QLatin1String("ListCount"))
        return m_combo->count();
    if (p == QLatin1String("Text"))
        return m_combo->currentText();
    if (p == QLatin1String("Style"))
        return 2;
    if (p == QLatin1String("List")) {
        QStringList items;
        for (int i = 0; i < m_combo->count(); ++i)
            items << m_combo->itemText(i);
        return items;
    }
    return Control::read(p);
}

bool ComboBox::write(const QString &p, const QVariant &value)
{
    if (p == QLatin1String("ListIndex")) {
        const auto index = toInteger(value);
        if (!index || *index < -1 || *index >= m_combo->count())
            return false;
        setListIndex(*index);
        return true;
    }
    if (p == QLatin1String("Style"))
        return toInteger(value) == 2;
    if (p == QLatin1String("List")) {
        clear();
        for (const QVariant &item : value.toList())
            addItem(item.toString());
        return true;
    }
    return Control::write(p, value);
}

} // namespace strumkin::forms
