#pragma once

#include "forms/control.h"

class QFileSystemModel;
class QTreeView;

namespace strumkin::forms {

// A folder list: the folders from the root of its drive down to its current
// folder, and that folder's subfolders. Opening a folder makes it current and
// raises Change. Paths are host paths.
class DirList final : public Control {
public:
    DirList(Form &form, QString kind, QString name, Control *container);

    [[nodiscard]] QWidget *widget() const override;
    [[nodiscard]] bool takesFocus() const override { return true; }
    [[nodiscard]] QTreeView *view() const { return m_view; }
    [[nodiscard]] QFileSystemModel *model() const { return m_model; }
    [[nodiscard]] const QString &path() const { return m_path; }
    // False, and nothing changes, for a folder that does not exist.
    bool setPath(const QString &path);
    // The top of the tree: the root of the drive the folders are on.
    void setRoot(const QString &root);

protected:
    std::optional<QVariant> read(const QString &property) const override;
    bool write(const QString &property, const QVariant &value) override;

private:
    QTreeView *m_view;
    QFileSystemModel *m_model;
    QString m_path;
    QString m_root;
};

} // namespace strumkin::forms
