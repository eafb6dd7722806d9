// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace strumkin::platform {
class Paths;
struct Services;
} // namespace strumkin::platform

namespace strumkin::shell {

// A command line as the original platform would start it: the program name,
// one blank and the argument text, unquoted, and the window-show mode
// (1: normal and focused, 0: hidden).
struct CommandLine {
    QString text;
    int showMode;
};

[[nodiscard]] CommandLine helpFileCommand(const QString &programFolder);
[[nodiscard]] CommandLine readmeCommand(const QString &programFolder);
[[nodiscard]] CommandLine addressCommand(const QString &address);

// The host program that does the command line's work, with its arguments.
struct HostCommand {
    QString program;
    QStringList arguments;
};

// The text before the first blank names the program; everything after it is
// one argument, blanks kept. The help viewer, the text editor and the
// address opener all become the desktop's opener.
[[nodiscard]] HostCommand hostCommand(const CommandLine &command, const platform::Paths &paths);

// Start the outside program and return at once. A program that cannot be
// started is reported to the user at once; an opener that ends saying that
// nothing could open the document or address, when it ends. The services'
// prompter must outlive their launcher.
void OpenHelpFile(const platform::Services &services);
void OpenReadme(const platform::Services &services);
void OpenAddress(const platform::Services &services, const QString &address);

} // namespace strumkin::shell
