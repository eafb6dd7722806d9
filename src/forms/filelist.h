#pragma once

#include "forms/kinded.h"

#include <QByteArray>

#include <memory>

class QListView;

namespace strumkin::forms {

class EventWatch;
class FolderWatch;
class NameList;

// A file list: the names of the files in one folder that match its pattern.
// The folder is read once when it is set (or, for the folder it starts at,
// when the list is first shown) and read again whenever its contents change,
// so the list always shows what is in the folder now.
class FileList final : public Kinded<FileList> {
public:
    FileList(Form &form, QString kind, QString name, Control *container);
    ~FileList() override;

    [[nodiscard]] QListView *view() const { return m_view; }
    // The folder as text, for showing and for the by-name property.
    [[nodiscard]] const QString &path() const { return m_path; }
    // The names as the list shows them, top to bottom.
    [[nodiscard]] QStringList names() const;
    // False, and nothing changes, for a folder that does not exist. Setting
    // the folder the list already shows reads nothing: it is kept current.
    bool setPath(const QString &path);
    bool setFolder(const QByteArray &folder);

    [[nodiscard]] static const PropertyTable<FileList> &properties();

private:
    void refresh() const;

    QListView *m_view;
    NameList *m_names;
    FolderWatch *m_watch;
    std::unique_ptr<EventWatch> m_shown;
    QByteArray m_folder;
    QString m_path;
    QString m_pattern = QStringLiteral("*");
    mutable bool m_stale = true;
};

} // namespace strumkin::forms
