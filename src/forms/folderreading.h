// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace strumkin::forms {

// One entry of a folder. The host stores names as bytes that need not be
// valid text, so the name is kept as stored and shown apart.
struct FolderEntry {
    QByteArray name;
    QString shown;
    QString key; // what the lists sort by
    bool folder = false;
};

// How a stored name is shown: its UTF-8 text, with each byte that belongs to
// no character as \xHH and each control character as an escape, so every
// name stands visibly on one row.
[[nodiscard]] QString shownName(const QByteArray &name);

// Sort order of the lists: by shown name, ignoring case, then by the stored
// bytes so that no two entries tie.
[[nodiscard]] bool listedBefore(const FolderEntry &a, const FolderEntry &b);

// The entries of a folder (its subfolders, or its other entries: files and
// whatever is not a folder), sorted, read in one pass without a call per
// entry where the host tells entry kinds. Empty when the folder cannot be read.
enum class Entries { Folders, Files };
[[nodiscard]] std::vector<FolderEntry> readFolder(const QByteArray &path, Entries which);

// Host paths as stored bytes, and back for the places that take text.
[[nodiscard]] QByteArray storedPath(const QString &path);
// The folder a path names with every link resolved; empty when it is none.
[[nodiscard]] QByteArray realFolder(const QByteArray &path);
[[nodiscard]] bool isFolder(const QByteArray &path);
[[nodiscard]] QByteArray childPath(const QByteArray &folder, const QByteArray &name);

} // namespace strumkin::forms
