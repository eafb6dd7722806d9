// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace strumkin::platform {

struct SaveResult {
    bool saved = false;
    // Why not, in words for the user; empty when saved.
    QString reason;
};

// Writes a whole file: afterwards it holds exactly the bytes, or, when
// anything went wrong (the folder missing or blocked by a file, a full disk,
// a short write), the earlier file is left byte for byte as it was.
[[nodiscard]] SaveResult saveFile(const QString &hostPath, const QByteArray &bytes);

// Creates a folder whose parent exists; true when the folder exists afterwards.
bool makeFolder(const QString &hostPath);

} // namespace strumkin::platform
