#include "platform/fonts.h"

#include <QFont>
#include <QStringList>

namespace strumkin::platform {

void installFontSubstitutes()
{
    const struct {
        const char *designed;
        QStringList standIns;
    } map[] = {
        {"MS Sans Serif", {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
        {"Times New Roman", {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}},
    };
    for (const auto &entry : map)
        QFont::insertSubstitutions(QLatin1String(entry.designed), entry.standIns);
}

} // namespace strumkin::platform
