// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "platform/fonts.h"

#include <QFont>
#include <QStringList>

#include <vector>

namespace strumkin::platform {

namespace {
struct StandIn {
    const char *designed;
    QStringList standIns;
    // Brings the first stand-in's advances to the designed font's, so texts
    // fill their boxes as designed and line up with what they name.
    StandInLook look;
};

const std::vector<StandIn> &standIns()
{
    static const std::vector<StandIn> map{
        // The designs' boxes and finger rows were made for narrow metrics:
        // the Arial twin narrowed to them. The designed font was a bitmap
        // font; drawn crisp, small dark-red text keeps its colour instead of
        // fading into antialiased grey.
        {"MS Sans Serif",
         {QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans Narrow")},
         // The sheets' 12-point sentences fill their boxes in one line.
         {.stretch = 83, .crisp = true, .largeFrom = 12, .largeStretch = 78}},
        // Metric twin of the designed font, but the boxes were measured at
        // another resolution: the introduction's and the member page's
        // paragraphs lost their last lines at full width.
        {"Times New Roman",
         {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")},
         {.stretch = 86}},
        // Chalk on a board, widened to the designed width of the chord menu's
        // row of letters; its bold face is wide enough already for the
        // welcome window's notice.
        {"EraserDust",
         {QStringLiteral("Cabin Sketch"), QStringLiteral("Humor Sans")},
         {.stretch = 107, .boldStretch = 100}},
        {"Signet Roundhand", {QStringLiteral("Dancing Script"), QStringLiteral("Z003")}, {}},
        // Wider than the designed face: "Info!" lost its mark at full width.
        {"Kidprint", {QStringLiteral("Comic Neue"), QStringLiteral("Andika")}, {.stretch = 82}},
        {"Broadway", {QStringLiteral("Cherry Bomb"), QStringLiteral("StayPuft")}, {}},
        {"AustereBlackCapsSSK", {QStringLiteral("Blankenburg_UNZ1A"), QStringLiteral("Rusch")}, {}},
        {"MusterSSK", {QStringLiteral("Rusch"), QStringLiteral("URW Bookman")}, {}},
        {"Pongo", {QStringLiteral("Comic Neue"), QStringLiteral("Andika")}, {}},
        {"Windsor", {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}, {}},
    };
    return map;
}

const StandIn *entryFor(const QString &designed)
{
    for (const StandIn &entry : standIns()) {
        if (designed == QLatin1String(entry.designed))
            return &entry;
    }
    return nullptr;
}
} // namespace

void installFontSubstitutes()
{
    for (const StandIn &entry : standIns())
        QFont::insertSubstitutions(QLatin1String(entry.designed), entry.standIns);
}

QStringList standInsFor(const QString &designed)
{
    const StandIn *entry = entryFor(designed);
    return entry != nullptr ? entry->standIns : QStringList();
}

StandInLook standInLookFor(const QString &designed)
{
    StandInLook look;
    if (const StandIn *entry = entryFor(designed))
        look = entry->look;
    return look;
}

void fitStandIn(QFont &font)
{
    const QStringList families = font.families();
    if (families.size() != 1)
        return;
    const StandInLook look = standInLookFor(families.front());
    int stretch = font.bold() && look.boldStretch > 0 ? look.boldStretch : look.stretch;
    if (look.largeFrom > 0 && font.pointSizeF() >= look.largeFrom)
        stretch = look.largeStretch;
    font.setStretch(stretch == 100 ? QFont::AnyStretch : stretch);
    font.setStyleStrategy(look.crisp ? QFont::NoAntialias : QFont::PreferDefault);
}

} // namespace strumkin::platform
