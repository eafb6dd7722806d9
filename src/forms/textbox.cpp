#include "forms/textbox.h"

#include "forms/form.h"
#include "forms/values.h"

#include <QPlainTextEdit>

namespace strumkin::forms {

TextBox::TextBox(Form &form, QString kind, QString name, Control *container)
    : Control(form, std::move(kind), std::move(name), container),
      m_edit(new QPlainTextEdit(container != nullptr ? container->childArea() : form.clientArea()))
{
    m_edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_edit->setTabChangesFocus(true);
    QObject::connect(m_edit, &QPlainTextEdit::textChanged, m_edit, [this] {
        if (m_settingText)
            return;
        m_text = m_edit->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        raise(Event::Change);
    });
}

QWidget *TextBox::widget() const
{
    return m_edit;
}

std::optional<QVariant> TextBox::read(const QString &p) const
{
    if (p == QLatin1String("Text"))
        return m_text;
    if (p == QLatin1String("MultiLine"))
        return true;
    if (p == QLatin1String("ScrollBars"))
        return m_scrollBars;
    if (p == QLatin1String("Locked"))
        return m_edit->isReadOnly();
    return Control::read(p);
}

bool TextBox::write(const QString &p, const QVariant &value)
{
    if (p == QLatin1String("Text")) {
        m_text = value.toString();
        m_settingText = true;
        m_edit->setPlainText(QString(m_text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        m_settingText = false;
        raise(Event::Change);
        return true;
    }
    if (p == QLatin1String("MultiLine")) {
        // Every text box of the program holds several lines.
        return toFlag(value) == true;
    }
    if (p == QLatin1String("ScrollBars")) {
        const auto bars = toInteger(value);
        if (!bars || *bars < 0 || *bars > 3)
            return false;
        m_scrollBars = *bars;
        m_edit->setHorizontalScrollBarPolicy((*bars & 1) != 0 ? Qt::ScrollBarAlwaysOn
                                                              : Qt::ScrollBarAlwaysOff);
        m_edit->setVerticalScrollBarPolicy((*bars & 2) != 0 ? Qt::ScrollBarAlwaysOn
                                                            : Qt::ScrollBarAlwaysOff);
        m_edit->setLineWrapMode((*bars & 1) != 0 ? QPlainTextEdit::NoWrap
                                                 : QPlainTextEdit::WidgetWidth);
        return true;
    }
    if (p == QLatin1String("Locked")) {
        const auto flag = toFlag(value);
        if (!flag)
            return false;
        m_edit->setReadOnly(*flag);
        return true;
    }
    return Control::write(p, value);
}

} // namespace strumkin::forms
