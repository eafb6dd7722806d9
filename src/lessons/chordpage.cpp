// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "lessons/chordpage.h"

#include "forms/control.h"
#include "lessons/catalogue.h"
#include "lessons/sheetprinting.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/saving.h"
#include "platform/services.h"
#include "shell/names.h"
#include "shell/registry.h"

#include <QDir>

#include <algorithm>

namespace strumkin::lessons {

using forms::Event;

namespace {

// Every page draws its major chord's diagram in Label2, its minor's in Label6.
QString diagramOf(const Chord &chord)
{
    return QLatin1String(chord.quality == Quality::Major ? "Label2" : "Label6");
}

char rootOf(const QString &className)
{
    return className.back().toUpper().toLatin1();
}

QString neighbour(const QString &className, int step)
{
    const auto begin = std::begin(shell::ChordPages);
    const auto end = std::end(shell::ChordPages);
    const auto at = std::find_if(
        begin, end, [&](const char *page) { return className == QLatin1String(page); });
    const auto index = (at - begin) + step;
    if (at == end || index < 0 || index >= end - begin)
        return {};
    return QLatin1String(begin[index]);
}

} // namespace

ChordPage::ChordPage(shell::Registry &registry, const QString &className)
    : WindowClass(registry, className), m_major(chord(rootOf(className), Quality::Major)),
      m_minor(chord(rootOf(className), Quality::Minor))
{
    on(QStringLiteral("Command1"), Event::Click, [this] {
        if (m_major.root == 'A') {
            services().prompter->inform(services().paths->forDisplay(
                QStringLiteral("The chords will be saved in the %1 directory")
                    .arg(QLatin1String(shell::ChordsFolder))));
        }
        save(m_major);
    });
    on(QStringLiteral("Command2"), Event::Click, [this] { save(m_minor); });
    on(QStringLiteral("cmdprint"), Event::Click, [this] { print(m_major); });
    on(QStringLiteral("Command3"), Event::Click, [this] { print(m_minor); });
    const auto goTo = [this](const QString &page) {
        return [this, page] { this->registry().replace(this->className(), page); };
    };
    on(QStringLiteral("Command4"), Event::Click, goTo(QLatin1String(shell::ChordMenuClass)));
    if (const QString next = neighbour(className, 1); !next.isEmpty())
        on(QStringLiteral("Command5"), Event::Click, goTo(next));
    if (const QString previous = neighbour(className, -1); !previous.isEmpty())
        on(QStringLiteral("Command6"), Event::Click, goTo(previous));
    playable(diagramOf(m_major), QLatin1Char('M'));
    playable(diagramOf(m_minor), QLatin1Char('N'));
    if (m_major.root == 'A') {
        on(QStringLiteral("Check1"), Event::Click,
           [this] { this->registry().show(QLatin1String(shell::FindClass)); });
    }
}

void ChordPage::load()
{
    // The chords folder first, so the page's own folder has its parent also
    // when the A page was never opened. Failures are for the saves to report.
    const platform::Paths &paths = *services().paths;
    platform::makeFolder(paths.toHost(QLatin1String(shell::ChordsFolder)));
    platform::makeFolder(paths.toHost(m_major.folder()));

    // The A page's check box is named by the hint beside it.
    if (m_major.root == 'A') {
        speak(QStringLiteral("Check1"), forms::spokenText(control(QStringLiteral("Label10"))
                                                              .get(QStringLiteral("Caption"))
                                                              .value_or(QString())
                                                              .toString()));
    }
    // Buttons that look alike say which chord they act on.
    for (const Chord *chord : {&m_major, &m_minor}) {
        const bool major = chord == &m_major;
        speak(QLatin1String(major ? "Command1" : "Command2"), {},
              QStringLiteral("Saves the %1 chord to %2")
                  .arg(chord->name(), paths.toHost(chord->saveFile())));
        speak(QLatin1String(major ? "cmdprint" : "Command3"), {},
              QStringLiteral("Prints the %1 chord").arg(chord->name()));
    }
    // The tooltips name the folder where the files really go.
    for (const char *button : {"Command1", "Command2"}) {
        forms::Control &c = control(QLatin1String(button));
        c.set(
            QStringLiteral("ToolTipText"),
            paths.forDisplay(c.get(QStringLiteral("ToolTipText")).value_or(QString()).toString()));
    }
}

void ChordPage::save(const Chord &chord)
{
    const platform::Paths &paths = *services().paths;
    const QString text =
        control(QLatin1String(chord.holder))
            .get(chord.holderIsTextBox ? QStringLiteral("Text") : QStringLiteral("Caption"))
            .value_or(QString())
            .toString();
    // The folders may have gone since the page was loaded.
    platform::makeFolder(paths.toHost(QLatin1String(shell::ChordsFolder)));
    platform::makeFolder(paths.toHost(chord.folder()));
    const QString file = paths.toHost(chord.saveFile());
    const platform::SaveResult result = platform::saveFile(file, text.toLatin1() + "\r\n");
    if (!result.saved) {
        services().prompter->inform(
            QStringLiteral("The %1 chord could not be saved to %2. %3")
                .arg(chord.name(), QDir::toNativeSeparators(file), result.reason));
    }
}

void ChordPage::print(const Chord &chord)
{
    if (!services().prompter->ask(chord.printQuestion(), QLatin1String(PrintTitle)))
        return;
    // The page's own diagram of the chord knows its finger row; the sheet's
    // has none.
    printChordSheet(registry(), chord, control(diagramOf(chord)).accessibleFacts().description);
}

} // namespace strumkin::lessons
