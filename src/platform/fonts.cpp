#include "platform/fonts.h"

#include <QFont>
#include <QStringList>

#include <vector>

namespace strumkin::platform {

namespace {
struct StandIn {
    const char *designed;
    QStringList standIns;
};

const std::vector<StandIn> &standIns()
{
    static const std::vector<StandIn> map{
        // The designs' boxes were made for this font's narrow metrics; the
        // narrow Helvetica has nearly the same advances (a blank half a digit).
        {"MS Sans Serif",
         {QStringLiteral("Nimbus Sans Narrow"), QStringLiteral("Liberation Sans")}},
        {"Times New Roman", {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}},
        // Chalk on a board; narrow enough for the welcome window's notice.
        {"EraserDust", {QStringLiteral("Cabin Sketch"), QStringLiteral("Humor Sans")}},
        {"Signet Roundhand", {QStringLiteral("Dancing Script"), QStringLiteral("Z003")}},
        {"Kidprint", {QStringLiteral("Comic Neue"), QStringLiteral("Andika")}},
        {"Broadway", {QStringLiteral("Cherry Bomb"), QStringLiteral("StayPuft")}},
        {"AustereBlackCapsSSK", {QStringLiteral("Blankenburg_UNZ1A"), QStringLiteral("Rusch")}},
        {"MusterSSK", {QStringLiteral("Rusch"), QStringLiteral("URW Bookman")}},
        {"Pongo", {QStringLiteral("Comic Neue"), QStringLiteral("Andika")}},
        {"Windsor", {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}},
    };
    return map;
}
} // namespace

void installFontSubstitutes()
{
    for (const StandIn &entry : standIns())
        QFont::insertSubstitutions(QLatin1String(entry.designed), entry.standIns);
}

QStringList standInsFor(const QString &designed)
{
    for (const StandIn &entry : standIns()) {
        if (designed == QLatin1String(entry.designed))
            return entry.standIns;
    }
    return {};
}

} // namespace strumkin::platform
