// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/kinded.h"

#include <QByteArray>

#include <memory>

namespace strumkin::forms {

class EventWatch;
class FolderWatch;

// What the folder list and the file list share: one current folder, kept as
// the host stores it and as text, and read again whenever its contents change
// and, when a reading is due, as the list is shown. The program points either
// list at a folder through Path.
class FolderList : public Kinded<FolderList> {
public:
    ~FolderList() override;

    [[nodiscard]] const QString &path() const { return m_path; }
    [[nodiscard]] const QByteArray &folder() const { return m_folder; }
    // False, and nothing changes, for a folder that does not exist.
    bool setPath(const QString &path);
    virtual bool setFolder(const QByteArray &folder) = 0;

    [[nodiscard]] static const PropertyTable<FolderList> &properties();

protected:
    FolderList(Form &form, QString kind, QString name, Control *container);
    // Starts following once the list's view exists: the watches live with it.
    void watch(QWidget &view);
    // Follows the current folder; a reading calls this as it ends.
    void follow() const;
    // After changes to the folder have settled, and as the view is shown.
    virtual void changed() = 0;
    virtual void shown() = 0;

    QByteArray m_folder;
    QString m_path;
    mutable bool m_stale = true;

private:
    FolderWatch *m_watch = nullptr;
    std::unique_ptr<EventWatch> m_shown;
};

} // namespace strumkin::forms
