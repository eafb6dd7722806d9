// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/dirlist.h"

#include "forms/folderreading.h"
#include "forms/form.h"

#include <QFile>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTreeWidget>

namespace strumkin::forms {

namespace {

constexpr int FolderRole = Qt::UserRole;

bool within(const QByteArray &folder, const QByteArray &top)
{
    return folder == top || top == "/" || folder.startsWith(top + '/');
}

} // namespace

DirList::DirList(Form &form, QString kind, QString name, Control *container)
    : FolderList(form, std::move(kind), std::move(name), container),
      m_view(makeWidget<QTreeWidget>())
{
    m_view->setHeaderHidden(true);
    m_view->setColumnCount(1);
    // The path down to the current folder is always open: nothing folds.
    m_view->setRootIsDecorated(false);
    m_view->setItemsExpandable(false);
    m_view->setUniformRowHeights(true);
    QObject::connect(m_view, &QTreeWidget::itemActivated, m_view, [this](QTreeWidgetItem *item) {
        setFolder(item->data(0, FolderRole).toByteArray());
    });
    watch(*m_view);
}

bool DirList::setFolder(const QByteArray &folder)
{
    if (!isFolder(folder))
        return false;
    // Where the folder lies on the drive, the list starts at the drive's
    // root, so the user can only move within the drive.
    QByteArray top = !m_root.isEmpty() && within(folder, m_root) ? m_root : QByteArray("/");
    const bool changed = folder != m_folder;
    m_folder = folder;
    m_top = std::move(top);
    m_path = QFile::decodeName(folder);
    m_scrollPending = true;
    rebuild();
    if (m_view->isVisible())
        shown();
    if (changed)
        raise(Event::Change);
    return true;
}

void DirList::setRoot(const QString &root)
{
    m_root = realFolder(storedPath(root));
    QByteArray top = !m_root.isEmpty() && within(m_folder, m_root) ? m_root : QByteArray("/");
    if (top != m_top) {
        m_top = std::move(top);
        m_stale = true;
    }
}

QTreeWidgetItem *DirList::row(const QByteArray &folder) const
{
    if (m_stale)
        rebuild();
    for (QTreeWidgetItemIterator it(m_view); *it != nullptr; ++it) {
        if ((*it)->data(0, FolderRole).toByteArray() == folder)
            return *it;
    }
    return nullptr;
}

void DirList::rebuild() const
{
    m_stale = false;
    m_view->clear();
    const QIcon open = m_view->style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = m_view->style()->standardIcon(QStyle::SP_DirClosedIcon);

    auto *top = new QTreeWidgetItem(m_view, {shownName(m_top)});
    top->setData(0, FolderRole, m_top);
    top->setIcon(0, open);
    QTreeWidgetItem *current = top;
    // The folders between the top and the current one, each inside the last.
    QByteArray path = m_top == "/" ? QByteArray() : m_top;
    const QByteArray below = m_folder.mid(m_top == "/" ? 1 : m_top.size() + 1);
    for (const QByteArray &step : below.split('/')) {
        if (step.isEmpty())
            continue;
        path += '/' + step;
        current = new QTreeWidgetItem(current, {shownName(step)});
        current->setData(0, FolderRole, path);
        current->setIcon(0, open);
    }
    for (const FolderEntry &sub : readFolder(m_folder, Entries::Folders)) {
        auto *item = new QTreeWidgetItem(current, {sub.shown});
        item->setData(0, FolderRole, childPath(m_folder, sub.name));
        item->setIcon(0, closed);
    }
    m_view->expandAll();
    m_view->setCurrentItem(current);
    follow();
}

void DirList::shown()
{
    if (m_stale)
        rebuild();
    // Scrolled once the rows are there and the list has its size.
    if (m_scrollPending && m_view->currentItem() != nullptr) {
        m_view->scrollToItem(m_view->currentItem());
        m_scrollPending = false;
    }
}

void DirList::changed()
{
    if (m_stale)
        return;
    // A current folder that went away gives way to the nearest one left.
    QByteArray folder = m_folder;
    while (!isFolder(folder) && folder != m_top) {
        folder.truncate(std::max<qsizetype>(folder.lastIndexOf('/'), 1));
        if (!within(folder, m_top))
            folder = m_top;
    }
    if (folder != m_folder) {
        setFolder(folder);
        return;
    }
    const int scrolled = m_view->verticalScrollBar()->value();
    rebuild();
    m_view->verticalScrollBar()->setValue(scrolled);
}

} // namespace strumkin::forms
