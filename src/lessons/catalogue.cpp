// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "lessons/catalogue.h"

#include "shell/names.h"

#include <cctype>
#include <stdexcept>

namespace strumkin::lessons {

namespace {
constexpr std::array<Chord, 14> table{{
    {'A', Quality::Major, "Text1", true, "frmama"},
    {'A', Quality::Minor, "Label8", false, "frmami"},
    {'B', Quality::Major, "Text1", true, "frmbma"},
    {'B', Quality::Minor, "Label8", false, "frmbmi"},
    {'C', Quality::Major, "Label3", false, "frmcma"},
    {'C', Quality::Minor, "Label8", false, "frmcmi"},
    {'D', Quality::Major, "Text1", true, "frmdma"},
    {'D', Quality::Minor, "Text2", true, "frmdmi"},
    {'E', Quality::Major, "Label3", false, "frmema"},
    {'E', Quality::Minor, "Label8", false, "frmemi"},
    {'F', Quality::Major, "Label3", false, "frmfma"},
    {'F', Quality::Minor, "Label8", false, "frmfmi"},
    {'G', Quality::Major, "Label3", false, "frmgma"},
    {'G', Quality::Minor, "Label8", false, "frmgmi"},
}};

QString qualityWord(Quality quality)
{
    return quality == Quality::Major ? QStringLiteral("major") : QStringLiteral("minor");
}
} // namespace

QString Chord::name() const
{
    return QString(QLatin1Char(root)) + QLatin1Char(' ') + qualityWord(quality);
}

char Chord::letter() const
{
    const auto r = static_cast<unsigned char>(root);
    return static_cast<char>(quality == Quality::Major ? std::tolower(r) : std::toupper(r));
}

QString Chord::folder() const
{
    QString path = QLatin1String(shell::ChordsFolder);
    if (root != 'A')
        path += QStringLiteral("\\%1chords").arg(QLatin1Char(root));
    return path;
}

QString Chord::fileStem() const
{
    return QString(QLatin1Char(root)) + qualityWord(quality);
}

QString Chord::saveFile() const
{
    return folder() + QLatin1Char('\\') + fileStem() + QLatin1String(".txt");
}

QString Chord::printQuestion() const
{
    return QStringLiteral("Are you sure you want to print the %1 chord?").arg(name());
}

const std::array<Chord, 14> &chords()
{
    return table;
}

const Chord &chord(char root, Quality quality)
{
    for (const Chord &c : table) {
        if (c.root == root && c.quality == quality)
            return c;
    }
    throw std::out_of_range("no such chord");
}

} // namespace strumkin::lessons
