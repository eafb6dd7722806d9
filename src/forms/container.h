#pragma once

#include "forms/control.h"

namespace strumkin::forms {

// A control that holds others: a frame ("frame", a border with an optional
// caption) or a panel ("panel", a plain area in its background colour).
// The controls inside keep coordinates relative to it.
class Container final : public Control {
public:
    Container(Form &form, QString kind, QString name, Control *container);

    [[nodiscard]] QWidget *widget() const override { return m_widget; }
    [[nodiscard]] QWidget *childArea() const override { return m_widget; }
    [[nodiscard]] std::vector<TextLayout> textLayouts() const override;

protected:
    std::optional<QVariant> read(const QString &property) const override;
    bool write(const QString &property, const QVariant &value) override;

private:
    QWidget *m_widget;
    bool m_isFrame;
};

} // namespace strumkin::forms
