// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "forms/folderlist.h"

class QListView;

namespace strumkin::forms {

class NameList;

// A file list: the names of the files in one folder that match its pattern.
// The folder is read once when it is set (or, for the folder it starts at,
// when the list is first shown) and read again whenever its contents change,
// so the list always shows what is in the folder now.
class FileList final : public Kinded<FileList, FolderList> {
public:
    FileList(Form &form, QString kind, QString name, Control *container);

    [[nodiscard]] QListView *view() const { return m_view; }
    // The names as the list shows them, top to bottom.
    [[nodiscard]] QStringList names() const;
    // Setting the folder the list already shows reads nothing: it is kept
    // current.
    bool setFolder(const QByteArray &folder) override;

    [[nodiscard]] static const PropertyTable<FileList> &properties();

protected:
    void changed() override { refresh(); }
    void shown() override;

private:
    void refresh() const;

    QListView *m_view;
    NameList *m_names;
    QString m_pattern = QStringLiteral("*");
};

} // namespace strumkin::forms
