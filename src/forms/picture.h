#pragma once

#include "forms/control.h"

#include <QImage>

namespace strumkin::forms {

// A picture box ("picturebox": the picture at its own size from the top-left
// corner, on its background colour, optionally sizing itself to the picture)
// or an image ("image": transparent, the picture stretched to its box or the
// box sized to the picture).
class Picture final : public Control {
public:
    Picture(Form &form, QString kind, QString name, Control *container);

    [[nodiscard]] QWidget *widget() const override { return m_widget; }
    // A picture box can hold the focus; an image cannot.
    [[nodiscard]] bool takesFocus() const override { return !m_isImage; }
    [[nodiscard]] const QImage &picture() const { return m_picture; }
    [[nodiscard]] bool isImage() const { return m_isImage; }
    [[nodiscard]] bool stretch() const { return m_stretch; }
    [[nodiscard]] bool border() const { return m_border; }
    // The picture's own size on screen: its pixels at the designs' resolution.
    [[nodiscard]] QSizeF ownPixels() const;
    void click();
    void paintOnto(QPainter &painter, const QPointF &origin, double scaleX,
                   double scaleY) const override;

protected:
    std::optional<QVariant> read(const QString &property) const override;
    bool write(const QString &property, const QVariant &value) override;

private:
    [[nodiscard]] QSizeF ownUnits() const;
    void fit();

    QWidget *m_widget;
    QImage m_picture;
    bool m_isImage;
    bool m_autoSize = false;
    bool m_stretch = false;
    bool m_border = false;
};

} // namespace strumkin::forms
