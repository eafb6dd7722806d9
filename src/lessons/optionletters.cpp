// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "lessons/optionletters.h"

#include "forms/form.h"
#include "forms/toggle.h"

#include <QWidget>

namespace strumkin::lessons {

std::vector<OptionLetters::Placed> OptionLetters::placed() const
{
    const QStringList letters = this->letters();
    if (letters.isEmpty() || letters.size() != m_options.size())
        return {};
    const QWidget &row = *widget();
    std::vector<Placed> placed;
    for (qsizetype i = 0; i < letters.size(); ++i) {
        const auto *option = form().controlAs<forms::Toggle>(m_options.at(i));
        if (option == nullptr)
            return {};
        const QWidget &button = *option->widget();
        const double centre = button.x() + QRectF(option->markBox()).center().x() - row.x();
        placed.push_back({letters.at(i), centre});
    }
    return placed;
}

void OptionLetters::paint(QPainter &painter, const QRectF &box) const
{
    const std::vector<Placed> letters = placed();
    const bool onScreen = box.size() == QSizeF(widget()->size());
    if (letters.empty() || !onScreen) {
        // On paper the box is the label's own; on screen its designed place
        // within the row.
        if (!onScreen) {
            Label::paint(painter, box);
        } else {
            const QRect designed = toPixels(geometry());
            Label::paint(painter, QRectF(designed.left() - widget()->x(), box.top(),
                                         designed.width(), box.height()));
        }
        return;
    }
    paintLetters(painter, box, letters);
}

void OptionLetters::applyGeometry()
{
    Label::applyGeometry();
    // The letters stand where their buttons are, which is not where the
    // font's blanks put them, and the buttons move apart when the window
    // grows while the letters keep their size: the row spans the window.
    QWidget &row = *widget();
    if (const QWidget *area = row.parentWidget())
        row.setGeometry(0, row.y(), area->width(), row.height());
}

const forms::PropertyTable<OptionLetters> &OptionLetters::properties()
{
    static const forms::PropertyTable<OptionLetters> table{
        {"Options", forms::Takes::text(),
         [](const OptionLetters &o) { return o.m_options.join(QLatin1Char(',')); },
         [](OptionLetters &o, const QVariant &value) {
             o.m_options.clear();
             for (const QString &name :
                  value.toString().split(QLatin1Char(','), Qt::SkipEmptyParts))
                 o.m_options << name.trimmed();
             o.widget()->update();
         }},
    };
    return table;
}

} // namespace strumkin::lessons
