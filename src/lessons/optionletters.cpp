#include "lessons/optionletters.h"

#include "forms/form.h"
#include "forms/toggle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace strumkin::lessons {

OptionLetters::OptionLetters(forms::Form &form, QString kind, QString name,
                             forms::Control *container)
    : Label(form, std::move(kind), std::move(name), container)
{}

std::vector<OptionLetters::Placed> OptionLetters::placed() const
{
    QStringList letters;
    for (const QChar c : caption()) {
        if (!c.isSpace())
            letters << QString(c);
    }
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
    painter.setFont(widget()->font());
    painter.setPen(widget()->palette().color(QPalette::WindowText));
    const QFontMetricsF metrics(painter.font(), painter.device());
    for (const Placed &p : letters) {
        painter.drawText(QPointF(box.left() + p.centre - metrics.horizontalAdvance(p.letter) / 2,
                                 box.top() + metrics.ascent()),
                         p.letter);
    }
}

std::vector<forms::TextLayout> OptionLetters::textLayouts() const
{
    const std::vector<Placed> letters = placed();
    if (letters.empty())
        return Label::textLayouts();
    std::vector<forms::TextLayout> layouts;
    for (const Placed &p : letters) {
        // Centred on its place in the widest box the label has either side
        // of it: ink past that box is ink past the label's nearer edge.
        const double room = std::min(p.centre, widget()->width() - p.centre);
        const int left = static_cast<int>(std::lround(p.centre - room));
        const int width = static_cast<int>(std::lround(p.centre + room)) - left;
        layouts.push_back({p.letter, QRect(left, 0, std::max(0, width), widget()->height()),
                           Qt::AlignHCenter | Qt::AlignTop, widget()->font()});
    }
    return layouts;
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

std::optional<QVariant> OptionLetters::read(const QString &p) const
{
    if (p == QLatin1String("Options"))
        return m_options.join(QLatin1Char(','));
    return Label::read(p);
}

bool OptionLetters::write(const QString &p, const QVariant &value)
{
    if (p == QLatin1String("Options")) {
        m_options.clear();
        for (const QString &name : value.toString().split(QLatin1Char(','), Qt::SkipEmptyParts))
            m_options << name.trimmed();
        widget()->update();
        return true;
    }
    return Label::write(p, value);
}

} // namespace strumkin::lessons
