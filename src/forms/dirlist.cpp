#include "forms/dirlist.h"

#include "forms/form.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QTreeView>

namespace strumkin::forms {

DirList::DirList(Form &form, QString kind, QString name, Control *container)
    : Control(form, std::move(kind), std::move(name), container),
      m_view(new QTreeView(container != nullptr ? container->childArea() : form.clientArea())),
      m_model(new QFileSystemModel(m_view)), m_path(QDir::currentPath())
{
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_model->setRootPath(QDir::rootPath());
    m_view->setModel(m_model);
    m_view->setHeaderHidden(true);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_view->hideColumn(column);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(0, Qt::AscendingOrder);
    QObject::connect(m_view, &QTreeView::activated, m_view,
                     [this](const QModelIndex &index) { setPath(m_model->filePath(index)); });
    setPath(m_path);
}

QWidget *DirList::widget() const
{
    return m_view;
}

bool DirList::setPath(const QString &path)
{
    const QFileInfo folder(path);
    if (!folder.isDir())
        return false;
    const QString wanted = folder.canonicalFilePath();
    // The tree starts at the drive's root when the folder lies on that drive.
    const bool onDrive =
        !m_root.isEmpty() && (wanted == m_root || wanted.startsWith(m_root + QLatin1Char('/')));
    m_view->setRootIndex(onDrive ? m_model->index(m_root).parent() : QModelIndex());
    const QModelIndex index = m_model->index(wanted);
    m_view->setCurrentIndex(index);
    m_view->expand(index);
    m_view->scrollTo(index);
    if (wanted == m_path)
        return true;
    m_path = wanted;
    raise(Event::Change);
    return true;
}

void DirList::setRoot(const QString &root)
{
    m_root = QFileInfo(root).canonicalFilePath();
}

std::optional<QVariant> DirList::read(const QString &p) const
{
    if (p == QLatin1String("Path"))
        return m_path;
    return Control::read(p);
}

bool DirList::write(const QString &p, const QVariant &value)
{
    if (p == QLatin1String("Path"))
        return setPath(value.toString());
    return Control::write(p, value);
}

} // namespace strumkin::forms
