#include "forms/toggle.h"

#include "forms/form.h"
#include "forms/values.h"

#include <QCheckBox>
#include <QPalette>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace strumkin::forms {

namespace {
QAbstractButton *makeButton(bool check, QWidget *parent)
{
    if (check)
        return new QCheckBox(parent);
    return new QRadioButton(parent);
}
} // namespace

Toggle::Toggle(Form &form, QString kind, QString name, Control *container)
    : Control(form, std::move(kind), std::move(name), container),
      m_button(makeButton(this->kind() == QLatin1String("check"),
                          container != nullptr ? container->childArea() : form.clientArea())),
      m_isCheck(this->kind() == QLatin1String("check"))
{
    QObject::connect(m_button, &QAbstractButton::toggled, m_button, [this](bool on) {
        if (m_isCheck || on)
            raise(Event::Click);
    });
}

QWidget *Toggle::widget() const
{
    return m_button;
}

QRect Toggle::markBox() const
{
    QStyleOptionButton option;
    option.initFrom(m_button);
    return m_button->style()->subElementRect(m_isCheck ? QStyle::SE_CheckBoxIndicator
                                                       : QStyle::SE_RadioButtonIndicator,
                                             &option, m_button);
}

std::optional<QVariant> Toggle::read(const QString &p) const
{
    if (p == QLatin1String("Caption"))
        return m_button->text();
    if (p == QLatin1String("Value")) {
        if (m_isCheck)
            return m_button->isChecked() ? 1 : 0;
        return m_button->isChecked();
    }
    return Control::read(p);
}

bool Toggle::write(const QString &p, const QVariant &value)
{
    if (p == QLatin1String("Caption")) {
        m_button->setText(value.toString());
        return true;
    }
    if (p == QLatin1String("Value")) {
        const auto flag = m_isCheck ? std::optional<bool>() : toFlag(value);
        const auto state = m_isCheck ? toInteger(value) : std::optional<int>();
        if (m_isCheck && (!state || *state < 0 || *state > 1))
            return false;
        if (!m_isCheck && !flag)
            return false;
        m_button->setChecked(m_isCheck ? *state == 1 : *flag);
        return true;
    }
    if (p == QLatin1String("BackColor")) {
        // The colour behind the box and caption; the box itself stays the
        // colour of a box to tick, or a black one would vanish on black.
        const auto color = toColor(value);
        if (!color)
            return false;
        QPalette palette = m_button->palette();
        palette.setColor(QPalette::Window, *color);
        palette.setColor(QPalette::Button, *color);
        m_button->setPalette(palette);
        m_button->setAutoFillBackground(true);
        return true;
    }
    return Control::write(p, value);
}

} // namespace strumkin::forms
