// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/fontpart.h"

namespace strumkin::forms {

const std::vector<FontPart> &fontParts()
{
    static const std::vector<FontPart> parts{
        {"FontName", Takes::text(), [](const QFont &f) -> QVariant { return f.family(); },
         [](QFont &f, const QVariant &v) { f.setFamilies({v.toString()}); }, true},
        {"FontSize", Takes::positive(), [](const QFont &f) -> QVariant { return f.pointSizeF(); },
         [](QFont &f, const QVariant &v) { f.setPointSizeF(v.toDouble()); }, true},
        {"FontBold", Takes::flag(), [](const QFont &f) -> QVariant { return f.bold(); },
         [](QFont &f, const QVariant &v) { f.setBold(v.toBool()); }, true},
        {"FontItalic", Takes::flag(), [](const QFont &f) -> QVariant { return f.italic(); },
         [](QFont &f, const QVariant &v) { f.setItalic(v.toBool()); }, true},
        {"FontUnderline", Takes::flag(), [](const QFont &f) -> QVariant { return f.underline(); },
         [](QFont &f, const QVariant &v) { f.setUnderline(v.toBool()); }, true},
        {"FontWeight", Takes::integer(1, 1000),
         [](const QFont &f) -> QVariant { return static_cast<int>(f.weight()); },
         [](QFont &f, const QVariant &v) { f.setWeight(static_cast<QFont::Weight>(v.toInt())); },
         false},
        // The symbol character set of the diagram labels needs nothing here.
        {"FontCharset", Takes::integer(), nullptr, [](QFont &, const QVariant &) {}, false},
    };
    return parts;
}

} // namespace strumkin::forms
