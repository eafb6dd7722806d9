// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/textbox.h"

#include "forms/form.h"
#include "forms/values.h"

#include <QPlainTextEdit>

namespace strumkin::forms {

TextBox::TextBox(Form &form, QString kind, QString name, Control *container)
    : Kinded(form, std::move(kind), std::move(name), container),
      m_edit(makeWidget<QPlainTextEdit>())
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

void TextBox::setText(const QString &text)
{
    m_text = text;
    m_settingText = true;
    m_edit->setPlainText(QString(m_text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    m_settingText = false;
    raise(Event::Change);
}

void TextBox::loaded()
{
    if (widget()->accessibleName().isEmpty())
        widget()->setAccessibleName(widget()->toolTip());
}

const PropertyTable<TextBox> &TextBox::properties()
{
    static const PropertyTable<TextBox> table{
        {"Text", Takes::text(), [](const TextBox &t) { return t.m_text; },
         [](TextBox &t, const QVariant &v) { t.setText(v.toString()); }},
        // Every text box of the program holds several lines.
        {"MultiLine", Takes{Takes::Flag, 1}, [](const TextBox &) { return true; },
         [](TextBox &, const QVariant &) {}},
        {"ScrollBars", Takes::integer(0, 3), [](const TextBox &t) { return t.m_scrollBars; },
         [](TextBox &t, const QVariant &v) {
             t.m_scrollBars = v.toInt();
             const bool across = (t.m_scrollBars & 1) != 0;
             const bool down = (t.m_scrollBars & 2) != 0;
             t.m_edit->setHorizontalScrollBarPolicy(across ? Qt::ScrollBarAlwaysOn
                                                           : Qt::ScrollBarAlwaysOff);
             t.m_edit->setVerticalScrollBarPolicy(down ? Qt::ScrollBarAlwaysOn
                                                       : Qt::ScrollBarAlwaysOff);
             t.m_edit->setLineWrapMode(across ? QPlainTextEdit::NoWrap
                                              : QPlainTextEdit::WidgetWidth);
         }},
        {"Locked", Takes::flag(), [](const TextBox &t) { return t.m_edit->isReadOnly(); },
         [](TextBox &t, const QVariant &v) { t.m_edit->setReadOnly(v.toBool()); }},
    };
    return table;
}

} // namespace strumkin::forms
