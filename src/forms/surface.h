// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>

namespace strumkin::forms {

class Form;

// A window's client area: its background colour, the pictures painted onto
// the background (kept, so they survive being covered and uncovered), and the
// parent of its controls.
class Surface final : public QWidget {
    Q_OBJECT
public:
    explicit Surface(Form &form);

    // Paints a picture onto the kept background at a pixel rectangle.
    void paintPicture(const QImage &picture, const QRectF &target);
    void clearPictures();
    [[nodiscard]] const QImage &background() const { return m_background; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    Form &m_form;
    QImage m_background;
};

} // namespace strumkin::forms
