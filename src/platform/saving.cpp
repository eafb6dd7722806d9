// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "platform/saving.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace strumkin::platform {

namespace {

SaveResult refused(QString reason)
{
    return {false, std::move(reason)};
}

QString shown(const QString &hostPath)
{
    return QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(hostPath).absoluteFilePath()));
}

// Names the first thing along the path that keeps a file from being created
// there, in the user's terms; empty when the path looks fine.
QString obstacle(const QString &hostPath)
{
    const QFileInfo target(hostPath);
    if (target.isDir()) {
        return QStringLiteral("There is a folder named %1 where the file should go, so the file "
                              "was not saved.")
            .arg(shown(hostPath));
    }
    // Walk down from the top, so the message names the first missing step.
    QStringList folders;
    for (QString folder = target.absolutePath();; folder = QFileInfo(folder).absolutePath()) {
        folders.prepend(folder);
        if (QDir(folder).isRoot())
            break;
    }
    for (const QString &folder : std::as_const(folders)) {
        const QFileInfo step(folder);
        if (!step.exists()) {
            return QStringLiteral("The folder %1 does not exist, so the file was not saved.")
                .arg(shown(folder));
        }
        if (!step.isDir()) {
            return QStringLiteral("There is a file named %1 where a folder should be, so the "
                                  "file was not saved.")
                .arg(shown(folder));
        }
    }
    if (!QFileInfo(target.absolutePath()).isWritable()) {
        return QStringLiteral("You are not allowed to save files in the folder %1.")
            .arg(shown(target.absolutePath()));
    }
    return {};
}

QString noRoom()
{
    return QStringLiteral(
        "There is not enough room on the disk for the file, so it was not saved.");
}

} // namespace

SaveResult saveFile(const QString &hostPath, const QByteArray &bytes)
{
    if (hostPath.isEmpty())
        return refused(QStringLiteral("The file has no name, so it was not saved."));

    QSaveFile file(hostPath);
    // Unbuffered, so that write() tells what really reached the disk and no
    // buffered tail is left for commit() to lose silently.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const QString why = obstacle(hostPath);
        return refused(why.isEmpty() ? QStringLiteral("The file %1 could not be created (%2).")
                                           .arg(shown(hostPath), file.errorString())
                                     : why);
    }

    // A full disk can store part of the bytes without raising an error, and
    // commit() would then put the truncated file in place of the good one.
    const qint64 written = file.write(bytes);
    if (written != bytes.size() || file.error() != QFileDevice::NoError) {
        const bool full =
            (written >= 0 && written < bytes.size()) || file.error() == QFileDevice::ResourceError;
        const QString why =
            full ? noRoom()
                 : QStringLiteral("The file %1 could not be written (%2), so it was not saved.")
                       .arg(shown(hostPath), file.errorString());
        file.cancelWriting();
        return refused(why);
    }

    if (!file.commit()) {
        return refused(QStringLiteral("The file %1 could not be put in place (%2), so it was not "
                                      "saved.")
                           .arg(shown(hostPath), file.errorString()));
    }
    return {true, {}};
}

bool makeFolder(const QString &hostPath)
{
    if (hostPath.isEmpty())
        return false;
    // mkdir() says false also when the folder was there already.
    QDir().mkdir(hostPath);
    return QFileInfo(hostPath).isDir();
}

} // namespace strumkin::platform
