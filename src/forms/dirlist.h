#pragma once

#include "forms/kinded.h"

#include <QByteArray>

#include <memory>

class QTreeWidget;
class QTreeWidgetItem;

namespace strumkin::forms {

// A folder list: the folders from the top of its drive down to its current
// folder, and that folder's subfolders. Opening one of them makes it current
// and raises Change. The user moves only within the drive: above its top
// there is nothing to open. The list follows changes to the current folder
// while it is shown.
class EventWatch;
class FolderWatch;

class DirList final : public Kinded<DirList> {
public:
    DirList(Form &form, QString kind, QString name, Control *container);
    ~DirList() override;

    [[nodiscard]] QTreeWidget *view() const { return m_view; }
    // The current folder as text, and as the host stores it.
    [[nodiscard]] const QString &path() const { return m_path; }
    [[nodiscard]] const QByteArray &folder() const { return m_folder; }
    // False, and nothing changes, for a folder that does not exist.
    bool setPath(const QString &path);
    bool setFolder(const QByteArray &folder);
    // The drive's root: folders on it are shown from there down, any other
    // from the file system's root.
    void setRoot(const QString &root);
    // The row of a folder, null when the list does not show it.
    [[nodiscard]] QTreeWidgetItem *row(const QByteArray &folder) const;

    [[nodiscard]] static const PropertyTable<DirList> &properties();

private:
    void rebuild() const;
    void refresh();
    void shown();

    QTreeWidget *m_view;
    FolderWatch *m_watch;
    std::unique_ptr<EventWatch> m_shown;
    QByteArray m_folder;
    QByteArray m_top;
    QByteArray m_root;
    QString m_path;
    mutable bool m_stale = true;
    bool m_scrollPending = true;
};

} // namespace strumkin::forms
