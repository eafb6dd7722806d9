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
        // The designs' boxes were made for this font's narrow metrics; the
        // narrow Helvetica has nearly the same advances (a blank half a digit).
        // The designed font was a bitmap font: drawn crisp, small dark-red
        // text keeps its colour instead of fading into antialiased grey.
        {"MS Sans Serif",
         {QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("Liberation Sans")},
         {.crisp = true}},
        // Metric twin of the designed font, but the boxes were measured at
        // another resolution: the introduction's and the member page's
        // paragraphs lost their last lines at full width.
        {"Times New Roman",
         {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")},
         {.stretch = 86}},
        // Chalk on a board. As wide as the welcome window's notice allows, so
        // the chord menu's letters stand as near their buttons as they can.
        {"EraserDust",
         {QStringLiteral("Cabin Sketch"), QStringLiteral("Humor Sans")},
         {.stretch = 103}},
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
    font.setStretch(look.stretch == 100 ? QFont::AnyStretch : look.stretch);
    font.setStyleStrategy(look.crisp ? QFont::NoAntialias : QFont::PreferDefault);
}

} // namespace strumkin::platform
