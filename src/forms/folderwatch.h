// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QFileSystemWatcher;
class QTimer;

namespace strumkin::forms {

// Follows one folder and calls back once a burst of changes to it is over
// (a save writes and renames: one reading after it is enough). The host's
// watch is made when the first folder is followed.
class FolderWatch final : public QObject {
public:
    FolderWatch(QObject *owner, std::function<void()> changed);

    void follow(const QString &folder);

private:
    QFileSystemWatcher *m_watcher = nullptr;
    QTimer *m_settle;
};

} // namespace strumkin::forms
