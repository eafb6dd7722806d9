#include "lessons/catalogue.h"

#include <cctype>
#include <stdexcept>

namespace strumkin::lessons {

namespace {
constexpr std::array<Chord, 14> table{{
    {'A', Quality::Major, "frmA", "Text1", true, "frmama"},
    {'A', Quality::Minor, "frmA", "Label8", false, "frmami"},
    {'B', Quality::Major, "frmb", "Text1", true, "frmbma"},
    {'B', Quality::Minor, "frmb", "Label8", false, "frmbmi"},
    {'C', Quality::Major, "frmC", "Label3", false, "frmcma"},
    {'C', Quality::Minor, "frmC", "Label8", false, "frmcmi"},
    {'D', Quality::Major, "frmD", "Text1", true, "frmdma"},
    {'D', Quality::Minor, "frmD", "Text2", true, "frmdmi"},
    {'E', Quality::Major, "frmE", "Label3", false, "frmema"},
    {'E', Quality::Minor, "frmE", "Label8", false, "frmemi"},
    {'F', Quality::Major, "frmF", "Label3", false, "frmfma"},
    {'F', Quality::Minor, "frmF", "Label8", false, "frmfmi"},
    {'G', Quality::Major, "frmG", "Label3", false, "frmgma"},
    {'G', Quality::Minor, "frmG", "Label8", false, "frmgmi"},
}};

constexpr std::array<const char *, 7> pages{"frmA", "frmb", "frmC", "frmD", "frmE", "frmF", "frmG"};

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
    QString path = QLatin1String(ChordsFolder);
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

const std::array<const char *, 7> &pageOrder()
{
    return pages;
}

} // namespace strumkin::lessons
