// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "lessons/voicing.h"

#include <QStringList>

namespace strumkin::lessons {

namespace {

constexpr int X = Muted;

struct Entry {
    char letter;
    Voicing voicing;
};

// The catalogue's fourteen shapes: these agree with every finger row and
// fingering text of the pages.
constexpr Entry Voicings[] = {
    {'a', {{X, 0, 2, 2, 2, 0}, {}, 1}},        {'A', {{X, 0, 2, 2, 1, 0}, {}, 1}},
    {'b', {{X, 2, 4, 4, 4, 2}, {2, 1, 5}, 1}}, {'B', {{X, 2, 4, 4, 3, 2}, {2, 1, 5}, 1}},
    {'c', {{X, 3, 2, 0, 1, 0}, {}, 1}},        {'C', {{X, 3, 5, 5, 4, 3}, {3, 1, 5}, 3}},
    {'d', {{X, X, 0, 2, 3, 2}, {}, 1}},        {'D', {{X, X, 0, 2, 3, 1}, {}, 1}},
    {'e', {{0, 2, 2, 1, 0, 0}, {}, 1}},        {'E', {{0, 2, 2, 0, 0, 0}, {}, 1}},
    {'f', {{1, 3, 3, 2, 1, 1}, {1, 0, 5}, 1}}, {'F', {{1, 3, 3, 1, 1, 1}, {1, 0, 5}, 1}},
    {'g', {{3, 2, 0, 0, 0, 3}, {}, 1}},        {'G', {{3, 5, 5, 3, 3, 3}, {3, 0, 5}, 3}},
};

} // namespace

const Voicing *voicingFor(QChar letter)
{
    for (const Entry &entry : Voicings) {
        if (letter == QLatin1Char(entry.letter))
            return &entry.voicing;
    }
    return nullptr;
}

QString positionLabel(const Voicing &voicing)
{
    if (voicing.firstFret <= 1)
        return {};
    return QStringLiteral("%1fr").arg(voicing.firstFret);
}

namespace {

QString ordinal(int n)
{
    static const char *const endings[] = {"th", "st", "nd", "rd"};
    const bool teen = n % 100 / 10 == 1;
    return QString::number(n) + QLatin1String(teen || n % 10 > 3 ? "th" : endings[n % 10]);
}

} // namespace

QString describeFingering(const Voicing &voicing, const QList<int> &fingers)
{
    static const char *const strings[StringCount] = {"low E", "A", "D", "G", "B", "high E"};
    const Barre &barre = voicing.barre;
    QStringList parts;
    if (voicing.firstFret > 1)
        parts << QStringLiteral("Starts at the %1 fret").arg(ordinal(voicing.firstFret));
    qsizetype fretted = 0;
    for (int string = 0; string < StringCount; ++string) {
        const int fret = voicing.frets[string];
        const int finger = fret > 0 ? fingers.value(fretted++) : 0;
        const QString name = QLatin1String(strings[string]);
        if (barre.fret > 0 && fret == barre.fret && string >= barre.lowString &&
            string <= barre.highString) {
            if (string == barre.lowString)
                parts << QStringLiteral("1st finger bars the %1 to %2 strings at the %3 fret")
                             .arg(name, QLatin1String(strings[barre.highString]),
                                  ordinal(barre.fret));
        } else if (fret == Muted) {
            parts << QStringLiteral("%1 string muted").arg(name);
        } else if (fret == Open) {
            parts << QStringLiteral("%1 string open").arg(name);
        } else if (finger > 0) {
            parts << QStringLiteral("%1 string %2 fret, %3 finger")
                         .arg(name, ordinal(fret), ordinal(finger));
        } else {
            parts << QStringLiteral("%1 string %2 fret").arg(name, ordinal(fret));
        }
    }
    QString text = parts.join(QLatin1String("; ")) + QLatin1Char('.');
    text[0] = text[0].toUpper();
    return text;
}

} // namespace strumkin::lessons
