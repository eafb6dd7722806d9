// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "support/doubles.h"
#include "support/acting.h"

#include "platform/fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>

namespace strumkin::test {

Rig::Rig(const QString &driveRoot, platform::Player *realPlayer)
    : paths(std::make_unique<platform::Paths>(QCoreApplication::applicationDirPath(),
                                              driveRoot.isEmpty() ? drive.path() : driveRoot))
{
    platform::installFontSubstitutes();
    printer.folder = paper.path();
    registry = std::make_unique<shell::Registry>(
        platform::Services{&clock, &screen, &prompter, paths.get(), &printer, &launcher,
                           realPlayer != nullptr ? realPlayer : &player});
    registry->setEnd([this] { ++ends; });
}

void Rig::standIn(const QStringList &classNames)
{
    for (const QString &name : classNames) {
        registry->registerClass(
            name, [name](shell::Registry &r) { return std::make_unique<StandIn>(r, name); });
    }
}

platform::PrintResult RecordingPrinter::print(const platform::PageText &text, const QSizeF &twips,
                                              int dotsPerInch, const platform::PagePainter &paint)
{
    if (outcome != platform::PrintResult::Printed)
        return {outcome, QStringLiteral("The test's printer said no.")};
    texts << text;
    const QString file = QStringLiteral("%1/page-%2.pdf").arg(folder).arg(printed.size() + 1);
    const auto result = platform::SystemPrinter().savePdf(
        file, text, twips, dotsPerInch, [&](QPainter &painter, const QRectF &target) {
            if (whilePainting)
                whilePainting();
            paint(painter, target);
        });
    if (result.outcome == platform::PrintResult::Printed)
        printed << file;
    return result;
}

platform::PrintResult RecordingPrinter::savePdf(const QString &hostPath,
                                                const platform::PageText &text, const QSizeF &twips,
                                                int dotsPerInch, const platform::PagePainter &paint)
{
    ++pdfCalls;
    return platform::SystemPrinter().savePdf(hostPath, text, twips, dotsPerInch, paint);
}

void Rig::settle()
{
    // The end check is queued behind the handler; deferred deletions too.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

shell::WindowClass &Rig::window(const QString &name) const
{
    return *registry->instance(name);
}

QString Rig::onDrive(const QString &relative) const
{
    return QDir(paths->driveRoot()).filePath(relative);
}

void Rig::press(const QString &windowName, const QString &control)
{
    test::press(window(windowName).control(control));
}

} // namespace strumkin::test
