// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "shell/launch.h"

#include "platform/launcher.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/services.h"

#include <QRegularExpression>

namespace strumkin::shell {

namespace {

constexpr char DesktopOpener[] = "xdg-open";

// A scheme, unlike a host followed by a port ("example.org:8080"), is not
// followed by a digit.
bool hasScheme(const QString &address)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:(?!\\d)"));
    return scheme.match(address).hasMatch();
}

// The help is shipped as HTML under the help file's name, since no host
// viewer reads the original format.
QString shippedHelp(const QString &helpFile)
{
    static const QRegularExpression extension(QStringLiteral("\\.hlp$"),
                                              QRegularExpression::CaseInsensitiveOption);
    QString html = helpFile;
    return html.replace(extension, QStringLiteral(".html"));
}

// Why the opener could not open something, from its exit code, in words for
// someone who does not know the opener.
QString reason(int exitCode, const QString &opener)
{
    switch (exitCode) {
    case 1:
        return QStringLiteral("the desktop's opener \"%1\" did not understand the request.")
            .arg(opener);
    case 2:
        return QStringLiteral("it could not be found.");
    case 3:
        return QStringLiteral("this computer has no program for opening it.");
    case 4:
        return QStringLiteral("the program that should have opened it failed.");
    default:
        return QStringLiteral("the desktop's opener \"%1\" stopped with error %2.")
            .arg(opener)
            .arg(exitCode);
    }
}

void launch(const platform::Services &services, const CommandLine &command, const QString &what)
{
    const HostCommand host = hostCommand(command, *services.paths);
    const QString opened = host.arguments.value(0);
    // The opener tells only by its exit code that nothing could open the
    // document. One stopped by a signal was stopped on purpose.
    platform::Prompter *prompter = services.prompter;
    auto ended = [prompter, what, opened, opener = host.program](const platform::LaunchEnd &end) {
        if (end.signalled || end.exitCode == 0)
            return;
        prompter->inform(QStringLiteral("%1 \"%2\" could not be opened: %3")
                             .arg(what, opened, reason(end.exitCode, opener)));
    };
    if (services.launcher->start(host.program, host.arguments, std::move(ended)))
        return;
    services.prompter->inform(
        QStringLiteral("%1 %2 could not be opened. The desktop's opener \"%3\" may be missing.")
            .arg(what, opened, host.program));
}

} // namespace

CommandLine helpFileCommand(const QString &programFolder)
{
    return {QStringLiteral("winhelp ") + programFolder + QStringLiteral("\\chords.hlp"), 1};
}

CommandLine readmeCommand(const QString &programFolder)
{
    return {QStringLiteral("notepad ") + programFolder + QStringLiteral("\\readme.txt"), 1};
}

CommandLine addressCommand(const QString &address)
{
    return {QStringLiteral("Start.exe ") + address, 0};
}

HostCommand hostCommand(const CommandLine &command, const platform::Paths &paths)
{
    const qsizetype blank = command.text.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return {command.text, {}};
    const QString program = command.text.left(blank);
    const QString argument = command.text.mid(blank + 1);

    if (program == QLatin1String("winhelp"))
        return {QString::fromLatin1(DesktopOpener), {paths.toHost(shippedHelp(argument))}};
    if (program == QLatin1String("notepad"))
        return {QString::fromLatin1(DesktopOpener), {paths.toHost(argument)}};
    if (program == QLatin1String("Start.exe")) {
        if (hasScheme(argument))
            return {QString::fromLatin1(DesktopOpener), {argument}};
        return {QString::fromLatin1(DesktopOpener), {QStringLiteral("https://") + argument}};
    }
    // Any other program is started as named.
    return {program, {argument}};
}

void OpenHelpFile(const platform::Services &services)
{
    launch(services, helpFileCommand(services.paths->programFolder()),
           QStringLiteral("The help file"));
}

void OpenReadme(const platform::Services &services)
{
    launch(services, readmeCommand(services.paths->programFolder()),
           QStringLiteral("The readme file"));
}

void OpenAddress(const platform::Services &services, const QString &address)
{
    launch(services, addressCommand(address), QStringLiteral("The address"));
}

} // namespace strumkin::shell
