#pragma once

#include "forms/control.h"

#include <QColor>
#include <QLineF>

namespace strumkin::forms {

// A line between two end points (X1, Y1) and (X2, Y2) in its container's
// units. It has no Left, Top, Width, Height or Move.
class Line final : public Control {
public:
    Line(Form &form, QString kind, QString name, Control *container);

    [[nodiscard]] QWidget *widget() const override { return m_widget; }
    [[nodiscard]] bool isLine() const override { return true; }
    [[nodiscard]] QLineF ends() const { return m_ends; }
    [[nodiscard]] QColor color() const { return m_color; }
    [[nodiscard]] int lineWidth() const { return m_width; }
    // The end points in pixels, relative to the widget.
    [[nodiscard]] QLineF pixelEnds() const;

    void applyGeometry() override;

protected:
    std::optional<QVariant> read(const QString &property) const override;
    bool write(const QString &property, const QVariant &value) override;
    bool hasPosition() const override { return false; }

private:
    QWidget *m_widget;
    QLineF m_ends;
    QColor m_color = Qt::black;
    int m_width = 1;
};

} // namespace strumkin::forms
