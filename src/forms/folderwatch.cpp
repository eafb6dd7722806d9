// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/folderwatch.h"

#include <QFileSystemWatcher>
#include <QTimer>

namespace strumkin::forms {

namespace {
constexpr int SettleMilliseconds = 50;
} // namespace

FolderWatch::FolderWatch(QObject *owner, std::function<void()> changed)
    : QObject(owner), m_settle(new QTimer(this))
{
    m_settle->setSingleShot(true);
    m_settle->setInterval(SettleMilliseconds);
    QObject::connect(m_settle, &QTimer::timeout, this, std::move(changed));
}

void FolderWatch::follow(const QString &folder)
{
    if (m_watcher == nullptr) {
        m_watcher = new QFileSystemWatcher(this);
        QObject::connect(m_watcher, &QFileSystemWatcher::directoryChanged, m_settle,
                         qOverload<>(&QTimer::start));
    }
    const QStringList watched = m_watcher->directories();
    if (watched == QStringList{folder})
        return;
    if (!watched.isEmpty())
        m_watcher->removePaths(watched);
    m_watcher->addPath(folder);
}

} // namespace strumkin::forms
