#pragma once

#include "forms/control.h"

class QAbstractButton;

namespace strumkin::forms {

// An option button ("option") or a check box ("check"). Click is raised when
// an option becomes selected, and on every change of a check box's Value,
// whether the user or the program made it.
class Toggle final : public Control {
public:
    Toggle(Form &form, QString kind, QString name, Control *container);

    [[nodiscard]] QWidget *widget() const override;
    [[nodiscard]] bool takesFocus() const override { return true; }
    [[nodiscard]] QAbstractButton *button() const { return m_button; }
    // The round box or the square one the user clicks, in the widget's pixels.
    [[nodiscard]] QRect markBox() const;

protected:
    std::optional<QVariant> read(const QString &property) const override;
    bool write(const QString &property, const QVariant &value) override;

private:
    QAbstractButton *m_button;
    bool m_isCheck;
};

} // namespace strumkin::forms
