// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/kinded.h"
#include "forms/label.h"
#include "lessons/voicing.h"

#include <QObject>
#include <QPointF>

#include <memory>

namespace strumkin::lessons {

// A label whose one-letter caption names a chord (lower case major, capital
// minor) and which shows that chord's fretboard diagram instead of the
// letter: sized from its font's point size as a glyph of that size would be,
// drawn in its text colour, vector-sharp on any device.
class DiagramLabel final : public forms::Kinded<DiagramLabel, forms::Label> {
public:
    DiagramLabel(forms::Form &form, QString kind, QString name, forms::Control *container);

    [[nodiscard]] static const forms::PropertyTable<DiagramLabel> &properties();

    // The chord the caption names; null for any other caption.
    [[nodiscard]] const Voicing *voicing() const;

    void paint(QPainter &painter, const QRectF &box) const override;
    // The glyph box, for any caption.
    [[nodiscard]] QSize naturalSize() const override;
    // The letter is never drawn as text.
    [[nodiscard]] std::vector<forms::TextLayout> textLayouts() const override { return {}; }

    // How far the glyph stands from its box, in the window's units: it keeps
    // its designed distance to the labels it lines up with (Anchor: the
    // finger row across, the fret marker down), which move in proportion
    // when the window is resized while the glyph keeps its size. Where the
    // window is too small to hold it there, the glyph moves in further.
    [[nodiscard]] QPointF drift() const;

    void applyGeometry() override;
    void loaded() override;
    // An image named after its chord, described by its fingering.
    [[nodiscard]] forms::AccessibleFacts accessibleFacts() const override;

protected:
    void leaderMoved() override;

private:
    // Puts the widget around the glyph where it stands, within the window
    // where the window can hold it.
    void place();

    QString m_across;
    QString m_down;
    forms::Control *m_acrossLabel = nullptr;
    forms::Control *m_downLabel = nullptr;
    QPointF m_designGap;
    // Places the glyph again when the area it is drawn on is resized.
    std::unique_ptr<QObject> m_areaWatcher;
};

} // namespace strumkin::lessons
