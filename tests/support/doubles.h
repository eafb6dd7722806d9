#pragma once

#include "platform/clock.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/screen.h"
#include "platform/services.h"
#include "shell/registry.h"

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

// The doubles together, a temporary drive root, and a registry that counts
// the ends of the program instead of quitting.
class Rig {
public:
    Rig();

    ManualClock clock;
    FixedScreen screen;
    ScriptedPrompter prompter;
    QTemporaryDir drive;
    std::unique_ptr<platform::Paths> paths;
    std::unique_ptr<shell::Registry> registry;
    int ends = 0;

    // Runs the queued end-of-program check.
    void settle();
};

} // namespace strumkin::test
