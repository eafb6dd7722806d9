// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace strumkin::platform {

// Paths are written as on the program's original platform ("C:\Chords\...",
// program folder + "\guitar1.BMP"); this maps them to the host. Backslashes
// become slashes and the drive "C:" stands for the drive root, the user's
// home folder unless a test gives another.
class Paths {
public:
    Paths(QString programFolder, QString driveRoot);
    // The executable's folder and the user's home folder.
    static Paths forThisProgram();

    // The program's folder without a trailing separator, as original-platform
    // text: file names are appended with their leading backslash.
    [[nodiscard]] QString programFolder() const { return m_programFolder; }
    [[nodiscard]] QString driveRoot() const { return m_driveRoot; }

    // The host file or folder a path names.
    [[nodiscard]] QString toHost(const QString &path) const;
    // The same for texts shown to the user: a path on the mapped drive is
    // named as the host folder it really is.
    [[nodiscard]] QString forDisplay(const QString &text) const;

private:
    QString m_programFolder;
    QString m_driveRoot;
};

} // namespace strumkin::platform
