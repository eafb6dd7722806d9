// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/kinded.h"

#include <QImage>

class QPushButton;

namespace strumkin::forms {

// A command button. In the graphical style it shows a picture above its
// caption, and a second picture while it is held down.
class Button final : public Kinded<Button> {
public:
    Button(Form &form, QString kind, QString name, Control *container);

    [[nodiscard]] std::vector<TextLayout> textLayouts() const override;
    [[nodiscard]] bool graphical() const { return m_graphical; }
    [[nodiscard]] const QImage &picture() const { return m_picture; }
    [[nodiscard]] const QImage &downPicture() const { return m_downPicture; }
    // Where the picture is drawn in the button, in its pixels.
    [[nodiscard]] QRect pictureArea() const;

    [[nodiscard]] static const PropertyTable<Button> &properties();

protected:
    void backColorChanged() override;

private:
    QPushButton *m_button;
    QImage m_picture;
    QImage m_downPicture;
    bool m_graphical = false;
};

} // namespace strumkin::forms
