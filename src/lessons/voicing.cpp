#include "lessons/voicing.h"

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

} // namespace strumkin::lessons
