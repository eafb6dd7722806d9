// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/folderlist.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace strumkin::forms {

// A folder list: the folders from the top of its drive down to its current
// folder, and that folder's subfolders. Opening one of them makes it current
// and raises Change. The user moves only within the drive: above its top
// there is nothing to open.
class DirList final : public FolderList {
public:
    DirList(Form &form, QString kind, QString name, Control *container);

    [[nodiscard]] QTreeWidget *view() const { return m_view; }
    bool setFolder(const QByteArray &folder) override;
    // The drive's root: folders on it are shown from there down, any other
    // from the file system's root.
    void setRoot(const QString &root);
    // The row of a folder, null when the list does not show it.
    [[nodiscard]] QTreeWidgetItem *row(const QByteArray &folder) const;

protected:
    void changed() override;
    void shown() override;

private:
    void rebuild() const;

    QTreeWidget *m_view;
    QByteArray m_top = "/";
    QByteArray m_root;
    bool m_scrollPending = true;
};

} // namespace strumkin::forms
