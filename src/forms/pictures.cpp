// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/pictures.h"

#include "forms/artwork.h"

#include <QFileInfo>
#include <QImageReader>

namespace strumkin::forms {

namespace {

QImage readWith(QImageReader &reader)
{
    const QSize claimed = reader.size();
    constexpr qint64 largest = 8192LL * 8192LL;
    if (claimed.isValid() && static_cast<qint64>(claimed.width()) * claimed.height() > largest)
        return {};
    QImage picture;
    if (!reader.read(&picture))
        return {};
    return picture;
}

} // namespace

QImage readPicture(const QString &path)
{
    // First as the name says: finding the format from the content asks, and
    // so loads, every image plugin, which costs the start of the program
    // several milliseconds.
    QImageReader named(path, QFileInfo(path).suffix().toLower().toLatin1());
    named.setAutoDetectImageFormat(false);
    QImage picture = readWith(named);
    if (picture.isNull()) {
        // A picture whose name lies about its format.
        QImageReader probed(path);
        picture = readWith(probed);
    }
    markVectorSource(picture, path);
    return picture;
}

QImage pictureFrom(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QImage)
        return value.value<QImage>();
    if (value.metaType().id() == QMetaType::QString)
        return readPicture(value.toString());
    return {};
}

} // namespace strumkin::forms
