#pragma once

#include "forms/control.h"

class QPlainTextEdit;

namespace strumkin::forms {

// A multi-line text box. Its Text is kept exactly as set, line ends included,
// until the user edits it.
class TextBox final : public Control {
public:
    TextBox(Form &form, QString kind, QString name, Control *container);

    [[nodiscard]] QWidget *widget() const override;
    [[nodiscard]] bool takesFocus() const override { return true; }
    [[nodiscard]] const QString &text() const { return m_text; }

protected:
    std::optional<QVariant> read(const QString &property) const override;
    bool write(const QString &property, const QVariant &value) override;

private:
    QPlainTextEdit *m_edit;
    QString m_text;
    int m_scrollBars = 0;
    bool m_settingText = false;
};

} // namespace strumkin::forms
