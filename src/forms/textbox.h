// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/kinded.h"

class QPlainTextEdit;

namespace strumkin::forms {

// A multi-line text box. Its Text is kept exactly as set, line ends included,
// until the user edits it.
class TextBox final : public Kinded<TextBox> {
public:
    TextBox(Form &form, QString kind, QString name, Control *container);

    [[nodiscard]] const QString &text() const { return m_text; }
    // Named by its tooltip, where it has one.
    void loaded() override;

    [[nodiscard]] static const PropertyTable<TextBox> &properties();

private:
    void setText(const QString &text);

    QPlainTextEdit *m_edit;
    QString m_text;
    int m_scrollBars = 0;
    bool m_settingText = false;
};

} // namespace strumkin::forms
