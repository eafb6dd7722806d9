// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "lessons/sheetprinting.h"

#include "forms/form.h"
#include "forms/paint.h"
#include "lessons/catalogue.h"
#include "platform/paths.h"
#include "platform/printer.h"
#include "platform/prompter.h"
#include "platform/saving.h"
#include "platform/services.h"
#include "shell/names.h"
#include "shell/registry.h"

#include <QDir>

#include <functional>

namespace strumkin::lessons {

namespace {

// Loads the sheet hidden, hands it to one printer call and unloads it, so
// that no sheet outlives the print whatever the printer did.
platform::PrintResult withSheet(
    shell::Registry &registry, const Chord &chord,
    const std::function<platform::PrintResult(const QSizeF &, int, const platform::PagePainter &)>
        &print)
{
    const QString sheet = QLatin1String(chord.sheet);
    forms::Form *form = registry.loadHidden(sheet);
    if (form == nullptr)
        return {platform::PrintResult::Failed, QStringLiteral("Its sheet could not be made.")};
    // Unloaded also when the printer call throws: the sheet never stays.
    struct Unload {
        shell::Registry &registry;
        const QString &sheet;
        ~Unload() { registry.unload(sheet); }
    } const unload{registry, sheet};
    // Laid out at the resolution of the screen the sheet was made for, so
    // that its sentence wraps on paper as it does there.
    return print(form->clientSizeTwips(), form->logicalDpiY(),
                 [form](QPainter &painter, const QRectF &target) {
                     forms::paintClientArea(*form, painter, target);
                 });
}

} // namespace

void printChordSheet(shell::Registry &registry, const Chord &chord, const QString &fingering)
{
    const platform::Services &services = registry.services();
    const platform::PageText text{
        QStringLiteral("The %1 chord").arg(chord.name()),
        QStringLiteral("The %1 chord diagram. %2").arg(chord.name(), fingering).trimmed()};
    const platform::PrintResult printed =
        withSheet(registry, chord,
                  [&](const QSizeF &size, int dotsPerInch, const platform::PagePainter &paint) {
                      return services.printer->print(text, size, dotsPerInch, paint);
                  });
    if (printed.outcome == platform::PrintResult::Printed)
        return;
    if (printed.outcome == platform::PrintResult::Failed) {
        services.prompter->inform(QStringLiteral("The %1 chord could not be printed. %2")
                                      .arg(chord.name(), printed.reason));
        return;
    }

    const QString folder = services.paths->toHost(chord.folder());
    const QString file = QDir(folder).filePath(chord.fileStem() + QLatin1String(".pdf"));
    if (!services.prompter->ask(QStringLiteral("There is no printer to print the %1 chord on. "
                                               "Save its sheet as a PDF file in %2 instead?")
                                    .arg(chord.name(), QDir::toNativeSeparators(folder)),
                                QLatin1String(PrintTitle)))
        return;
    platform::makeFolder(services.paths->toHost(QLatin1String(shell::ChordsFolder)));
    platform::makeFolder(folder);
    const platform::PrintResult saved =
        withSheet(registry, chord,
                  [&](const QSizeF &size, int dotsPerInch, const platform::PagePainter &paint) {
                      return services.printer->savePdf(file, text, size, dotsPerInch, paint);
                  });
    if (saved.outcome == platform::PrintResult::Printed)
        services.prompter->inform(QStringLiteral("The %1 chord's sheet was saved as %2.")
                                      .arg(chord.name(), QDir::toNativeSeparators(file)));
    else
        services.prompter->inform(QStringLiteral("The %1 chord's sheet could not be saved. %2")
                                      .arg(chord.name(), saved.reason));
}

} // namespace strumkin::lessons
