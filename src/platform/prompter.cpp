// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "platform/prompter.h"

#include <QApplication>
#include <QMessageBox>

namespace strumkin::platform {

void MessageBoxPrompter::inform(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(ProgramTitle), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

bool MessageBoxPrompter::ask(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    return box.exec() == QMessageBox::Yes;
}

} // namespace strumkin::platform
