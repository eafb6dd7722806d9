// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/clock.h"
#include "platform/launcher.h"
#include "platform/paths.h"
#include "platform/player.h"
#include "platform/printer.h"
#include "platform/prompter.h"
#include "platform/screen.h"
#include "platform/services.h"
#include "shell/registry.h"
#include "shell/windowclass.h"

#include <QDateTime>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <memory>

namespace strumkin::test {

// A clock the test moves by hand.
class ManualClock final : public platform::Clock {
public:
    QDateTime present{QDate(2026, 12, 6), QTime(10, 0, 0)};
    QDateTime now() const override { return present; }
    QString timeOfDayText(const QDateTime &when) const override
    {
        return when.time().toString(QStringLiteral("HH:mm:ss"));
    }
    void advance(int seconds) { present = present.addSecs(seconds); }
};

class FixedScreen final : public platform::Screen {
public:
    QSizeF size{19200.0, 14400.0};
    QSizeF sizeInTwips() const override { return size; }
};

// Records every message and answers questions from a script (No when the
// script runs out).
class ScriptedPrompter final : public platform::Prompter {
public:
    struct Message {
        QString text;
        QString title;
        bool question;
    };
    std::vector<Message> shown;
    std::deque<bool> answers;

    void inform(const QString &text) override
    {
        shown.push_back({text, QString::fromLatin1(platform::ProgramTitle), false});
    }
    bool ask(const QString &text, const QString &title) override
    {
        shown.push_back({text, title, true});
        if (answers.empty())
            return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// A printer whose outcome the test sets; pages it prints go to PDF files in
// a folder of the test's, so that they can be read back.
class RecordingPrinter final : public platform::Printer {
public:
    platform::PrintResult::Outcome outcome = platform::PrintResult::Printed;
    QString folder;
    QStringList printed;             // the PDF file of every page printed
    QList<platform::PageText> texts; // what each page printed was said to be
    int pdfCalls = 0;
    // Called while a page is painted, as the printer's painter would be.
    std::function<void()> whilePainting;

    platform::PrintResult print(const platform::PageText &text, const QSizeF &twips,
                                int dotsPerInch, const platform::PagePainter &paint) override;
    platform::PrintResult savePdf(const QString &hostPath, const platform::PageText &text,
                                  const QSizeF &twips, int dotsPerInch,
                                  const platform::PagePainter &paint) override;
};

// Records every program start; the test ends a recorded start when it likes.
class RecordingLauncher final : public platform::Launcher {
public:
    struct Start {
        QString program;
        QStringList arguments;
        platform::LaunchEnded ended;
    };
    std::vector<Start> starts;

    bool start(const QString &program, const QStringList &arguments,
               platform::LaunchEnded ended) override
    {
        starts.push_back({program, arguments, std::move(ended)});
        return true;
    }
    // Ends the i-th start as its program would.
    void finish(std::size_t i, const platform::LaunchEnd &end) const
    {
        if (const platform::LaunchEnded &ended = starts.at(i).ended)
            ended(end);
    }
};

// Records what it is asked to play and whose sound to stop.
class RecordingPlayer final : public platform::Player {
public:
    struct Play {
        Shape shape;
        platform::PlayMode mode;
        const void *owner;
    };
    std::vector<Play> plays;
    std::vector<const void *> stops;

    void play(const Shape &shape, platform::PlayMode mode, const void *owner) override
    {
        plays.push_back({shape, mode, owner});
    }
    void stopFor(const void *owner) override { stops.push_back(owner); }
};

// Stands in for a window class a test does not exercise.
class StandIn final : public shell::WindowClass {
public:
    StandIn(shell::Registry &registry, const QString &className)
        : WindowClass(registry, className, QStringLiteral("standin"))
    {}
};

// The doubles together, a temporary drive root, and a registry that counts
// the ends of the program instead of quitting.
class Rig {
public:
    // The drive's root is a temporary folder of the rig's unless given; the
    // player is the recording one unless given.
    explicit Rig(const QString &driveRoot = {}, platform::Player *realPlayer = nullptr);

    ManualClock clock;
    FixedScreen screen;
    ScriptedPrompter prompter;
    RecordingPrinter printer;
    RecordingLauncher launcher;
    RecordingPlayer player;
    QTemporaryDir drive;
    QTemporaryDir paper;
    std::unique_ptr<platform::Paths> paths;
    std::unique_ptr<shell::Registry> registry;
    int ends = 0;

    // Registers stand-ins for window classes.
    void standIn(const QStringList &classNames);
    // Runs the queued end-of-program check.
    void settle();
    // The window of a class, loaded as the program would load it.
    shell::WindowClass &window(const QString &name) const;
    // A path on the drive, from its root.
    QString onDrive(const QString &relative) const;
    // Presses a control of a window as a user would (see test::press).
    void press(const QString &windowName, const QString &control);
};

} // namespace strumkin::test
