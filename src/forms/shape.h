#pragma once

#include "forms/control.h"

#include <QColor>

namespace strumkin::forms {

// A drawn shape: rectangle, square, oval, circle, rounded rectangle or
// rounded square, outlined in its border colour and width, filled or not.
class Shape final : public Control {
public:
    enum Kind { Rectangle, Square, Oval, Circle, RoundedRectangle, RoundedSquare };

    Shape(Form &form, QString kind, QString name, Control *container);

    [[nodiscard]] QWidget *widget() const override { return m_widget; }
    [[nodiscard]] Kind shape() const { return m_shape; }
    [[nodiscard]] QColor borderColor() const { return m_borderColor; }
    [[nodiscard]] int borderWidth() const { return m_borderWidth; }
    [[nodiscard]] bool filled() const { return m_filled; }
    [[nodiscard]] QColor fillColor() const { return m_fillColor; }

protected:
    std::optional<QVariant> read(const QString &property) const override;
    bool write(const QString &property, const QVariant &value) override;

private:
    QWidget *m_widget;
    Kind m_shape = Rectangle;
    QColor m_borderColor = Qt::black;
    QColor m_fillColor = Qt::black;
    int m_borderWidth = 1;
    bool m_filled = false;
};

} // namespace strumkin::forms
