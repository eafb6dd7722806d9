// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/kinded.h"

#include <QColor>

class QPainter;

namespace strumkin::forms {

// A caption drawn on the window: transparent or opaque, aligned, wrapped in
// its box, or sized to its text.
class Label : public Kinded<Label> {
public:
    Label(Form &form, QString kind, QString name, Control *container);

    [[nodiscard]] const QString &caption() const { return m_caption; }

    // Draws the label's content into its box; a kind that draws something
    // else than text overrides it, and naturalSize with it.
    // The painter's device decides what a point is: the screen's pixels or
    // a printer's dots.
    virtual void paint(QPainter &painter, const QRectF &box) const;
    // The size in the widget's pixels the label takes when it sizes itself.
    [[nodiscard]] virtual QSize naturalSize() const;

    [[nodiscard]] std::vector<TextLayout> textLayouts() const override;

    void paintOnto(QPainter &painter, const QPointF &origin, double scaleX,
                   double scaleY) const override;

    void click();
    void doubleClick();
    [[nodiscard]] AccessibleFacts accessibleFacts() const override;

    // Takes note of the designed width, which wrapped text keeps.
    void loaded() override;

    [[nodiscard]] static const PropertyTable<Label> &properties();

protected:
    bool acceptsSize() const override { return !m_autoSize; }
    // How the caption is drawn in its box.
    [[nodiscard]] int textFlags() const;
    // Where wrapped text goes in a box: as wide as designed at most, so the
    // text, which keeps its size when the window grows, keeps its lines too
    // instead of running on into what stands beside it.
    [[nodiscard]] QRectF wrapBox(const QRectF &box) const;
    // Sizes the label to its content when it sizes itself.
    void fit();
    void fontChanged() override { fit(); }
    [[nodiscard]] bool opaque() const { return m_opaque; }

private:
    QString m_caption;
    int m_alignment = 0;
    bool m_autoSize = false;
    bool m_wordWrap = false;
    bool m_opaque = true;
    double m_designedWidth = 0;
};

} // namespace strumkin::forms
