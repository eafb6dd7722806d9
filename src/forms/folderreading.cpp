// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/folderreading.h"

#include <QFile>

#include <algorithm>
#include <cstdlib>

#include <dirent.h>
#include <sys/stat.h>

namespace strumkin::forms {

namespace {

void appendEscaped(QString &out, unsigned char byte)
{
    switch (byte) {
    case '\n':
        out += QLatin1String("\\n");
        return;
    case '\r':
        out += QLatin1String("\\r");
        return;
    case '\t':
        out += QLatin1String("\\t");
        return;
    default:
        out += QLatin1String("\\x") + QString::number(byte, 16).toUpper().rightJustified(2, u'0');
    }
}

// Characters that would be invisible or break the row: C0 and C1 controls,
// and the line and paragraph separators that the text drawing breaks at.
bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0x2028 || c == 0x2029;
}

// Length of the well-formed UTF-8 sequence at the start of bytes, or 0.
qsizetype sequenceLength(const unsigned char *bytes, qsizetype left)
{
    const unsigned char lead = bytes[0];
    qsizetype length = 0;
    char32_t lowest = 0;
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (left < length)
        return 0;
    char32_t code = lead & (0x7F >> length);
    for (qsizetype i = 1; i < length; ++i) {
        if ((bytes[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (bytes[i] & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are no characters.
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QString shownName(const QByteArray &name)
{
    // Most names are plain printable ASCII.
    if (std::all_of(name.begin(), name.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
        return QString::fromLatin1(name);
    QString out;
    out.reserve(name.size());
    const auto *bytes = reinterpret_cast<const unsigned char *>(name.constData());
    qsizetype i = 0;
    while (i < name.size()) {
        const qsizetype length = sequenceLength(bytes + i, name.size() - i);
        if (length == 0) {
            appendEscaped(out, bytes[i]);
            ++i;
            continue;
        }
        const QString character = QString::fromUtf8(name.constData() + i, length);
        const char32_t code = character.toUcs4().value(0);
        if (isControl(code) && code < 0x80)
            appendEscaped(out, bytes[i]);
        else if (isControl(code))
            out += QStringLiteral("\\u%1").arg(static_cast<uint>(code), 4, 16, QLatin1Char('0'));
        else
            out += character;
        i += length;
    }
    return out;
}

bool listedBefore(const FolderEntry &a, const FolderEntry &b)
{
    if (const int c = a.key.compare(b.key); c != 0)
        return c < 0;
    return a.name < b.name;
}

std::vector<FolderEntry> readFolder(const QByteArray &path, Entries which)
{
    std::vector<FolderEntry> entries;
    DIR *folder = opendir(path.constData());
    if (folder == nullptr)
        return entries;
    const int descriptor = dirfd(folder);
    while (const dirent *entry = readdir(folder)) {
        const QByteArray name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        bool isFolder = entry->d_type == DT_DIR;
        // A link counts as what it points to; some file systems tell no kind.
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat target {};
            isFolder =
                fstatat(descriptor, entry->d_name, &target, 0) == 0 && S_ISDIR(target.st_mode);
        }
        if (isFolder != (which == Entries::Folders))
            continue;
        FolderEntry e{name, shownName(name), {}, isFolder};
        e.key = e.shown.toCaseFolded();
        entries.push_back(std::move(e));
    }
    closedir(folder);
    std::sort(entries.begin(), entries.end(), listedBefore);
    return entries;
}

QByteArray storedPath(const QString &path)
{
    return QFile::encodeName(path);
}

QByteArray realFolder(const QByteArray &path)
{
    char *real = ::realpath(path.constData(), nullptr);
    if (real == nullptr)
        return {};
    QByteArray result(real);
    std::free(real);
    return isFolder(result) ? result : QByteArray();
}

bool isFolder(const QByteArray &path)
{
    struct stat info {};
    return !path.isEmpty() && ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

QByteArray childPath(const QByteArray &folder, const QByteArray &name)
{
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

} // namespace strumkin::forms
