// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/folderlist.h"

#include "forms/eventwatch.h"
#include "forms/folderreading.h"
#include "forms/folderwatch.h"

#include <QDir>
#include <QFile>
#include <QWidget>

namespace strumkin::forms {

FolderList::FolderList(Form &form, QString kind, QString name, Control *container)
    : Kinded(form, std::move(kind), std::move(name), container),
      m_folder(realFolder(storedPath(QDir::currentPath()))), m_path(QFile::decodeName(m_folder))
{}

FolderList::~FolderList() = default;

void FolderList::watch(QWidget &view)
{
    m_watch = new FolderWatch(&view, [this] { changed(); });
    m_shown = std::make_unique<EventWatch>(view, QEvent::Show, [this] { shown(); });
}

void FolderList::follow() const
{
    m_watch->follow(m_path);
}

bool FolderList::setPath(const QString &path)
{
    const QByteArray folder = realFolder(storedPath(path));
    return !folder.isEmpty() && setFolder(folder);
}

const PropertyTable<FolderList> &FolderList::properties()
{
    using P = Property<FolderList>;
    static const PropertyTable<FolderList> table{
        {"Path", Takes::text(), [](const FolderList &f) { return f.m_path; },
         [](FolderList &f, const QVariant &v) { return f.setPath(v.toString()); }, nullptr,
         P::Design::MayNot},
    };
    return table;
}

} // namespace strumkin::forms
