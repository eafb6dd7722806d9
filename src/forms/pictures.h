// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>
#include <QVariant>

namespace strumkin::forms {

// A picture from a design resource or a file; a null image when it cannot be
// read (missing, empty, truncated, not a picture, or claiming a size larger
// than any picture of ours).
[[nodiscard]] QImage readPicture(const QString &path);

// A picture property's value: an image as it is, or the path of one.
[[nodiscard]] QImage pictureFrom(const QVariant &value);

} // namespace strumkin::forms
