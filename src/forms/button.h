#pragma once

#include "forms/control.h"

#include <QImage>

class QPushButton;

namespace strumkin::forms {

// A command button. In the graphical style it shows a picture above its
// caption, and a second picture while it is held down.
class Button final : public Control {
public:
    Button(Form &form, QString kind, QString name, Control *container);

    [[nodiscard]] QWidget *widget() const override;
    [[nodiscard]] bool takesFocus() const override { return true; }
    [[nodiscard]] std::vector<TextLayout> textLayouts() const override;
    [[nodiscard]] QPushButton *button() const { return m_button; }
    [[nodiscard]] bool graphical() const { return m_graphical; }
    [[nodiscard]] const QImage &picture() const { return m_picture; }
    [[nodiscard]] const QImage &downPicture() const { return m_downPicture; }

protected:
    std::optional<QVariant> read(const QString &property) const override;
    bool write(const QString &property, const QVariant &value) override;

private:
    QPushButton *m_button;
    QImage m_picture;
    QImage m_downPicture;
    bool m_graphical = false;
};

} // namespace strumkin::forms
