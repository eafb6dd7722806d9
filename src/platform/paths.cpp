// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "platform/paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

namespace strumkin::platform {

namespace {
// The program folder as the rest of the program expects it: backslashes,
// so that "\name" can be appended as text and mapped back as one path.
QString asOriginal(QString hostPath)
{
    while (hostPath.size() > 1 && hostPath.endsWith(QLatin1Char('/')))
        hostPath.chop(1);
    return hostPath.replace(QLatin1Char('/'), QLatin1Char('\\'));
}
} // namespace

Paths::Paths(QString programFolder, QString driveRoot)
    : m_programFolder(asOriginal(std::move(programFolder))), m_driveRoot(std::move(driveRoot))
{
    while (m_driveRoot.size() > 1 && m_driveRoot.endsWith(QLatin1Char('/')))
        m_driveRoot.chop(1);
}

Paths Paths::forThisProgram()
{
    return {QCoreApplication::applicationDirPath(), QDir::homePath()};
}

QString Paths::toHost(const QString &path) const
{
    QString host = path;
    if (host.size() >= 2 && host.at(1) == QLatin1Char(':') &&
        host.at(0).toUpper() == QLatin1Char('C')) {
        host = m_driveRoot + QLatin1Char('\\') + host.mid(2);
    }
    host.replace(QLatin1Char('\\'), QLatin1Char('/'));
    static const QRegularExpression repeated(QStringLiteral("/{2,}"));
    host.replace(repeated, QStringLiteral("/"));
    return host;
}

QString Paths::forDisplay(const QString &text) const
{
    // Every "C:\..." run up to the next blank is a path on the drive.
    static const QRegularExpression drivePath(QStringLiteral("[Cc]:\\\\[^\\s]*"));
    QString shown;
    qsizetype from = 0;
    for (auto it = drivePath.globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        shown += text.mid(from, match.capturedStart() - from);
        shown += toHost(match.captured());
        from = match.capturedEnd();
    }
    shown += text.mid(from);
    return shown;
}

} // namespace strumkin::platform
