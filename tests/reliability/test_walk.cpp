// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/form.h"
#include "forms/timer.h"
#include "shell/registry.h"
#include "shell/windowclass.h"
#include "support/acting.h"
#include "support/allwindows.h"
#include "support/doubles.h"

#include <QRandomGenerator>
#include <QtTest>

#include <set>

using namespace strumkin;

namespace {

// One thing a user can do: press a control, choose a menu row or a list
// entry, close a window by its title bar, or let a timer tick. Resizing is
// the resizing test's.
struct Action {
    enum Kind { Press, Pick, Close, Tick };
    Kind kind;
    QString window;
    QString control;
    int entry = 0;
    QString effects{}; // on the loaded windows, from the table below
};

// The action as a failure names it; without its entry, the row of the table it is.
QString describe(const Action &action, bool entry = true)
{
    static const char *const kinds[] = {"press", "pick", "close", "tick"};
    QString text = QStringLiteral("%1 %2.%3")
                       .arg(QLatin1String(kinds[action.kind]), action.window, action.control);
    return entry && action.kind == Action::Pick ? text + QStringLiteral(" #%1").arg(action.entry)
                                                : text;
}

const QStringList Pages{QStringLiteral("frmA"), QStringLiteral("frmb"), QStringLiteral("frmC"),
                        QStringLiteral("frmD"), QStringLiteral("frmE"), QStringLiteral("frmF"),
                        QStringLiteral("frmG")};

// Which windows are loaded after an action. An effect "-" unloads the action's window, "-X"
// and "+X" unload and load X, "*" unloads every window.
void change(std::set<QString> &loaded, const Action &a)
{
    if (a.kind == Action::Close)
        loaded.erase(a.window);
    if (a.kind == Action::Pick && a.entry > 0)
        loaded.insert(Pages[a.entry - 1]);
    for (const QString &effect : a.effects.split(',', Qt::SkipEmptyParts)) {
        if (effect == QLatin1String("*"))
            loaded.clear();
        else if (effect.startsWith('+'))
            loaded.insert(effect.mid(1));
        else
            loaded.erase(effect == QLatin1String("-") ? a.window : effect.mid(1));
    }
}

// Every control and menu row that leads somewhere or does something, by window, with its
// effect after a ">"; a list whose entries are picked is marked "pick:".
const std::map<QString, std::vector<Action>> &table()
{
    static const std::map<QString, std::vector<Action>> rows = [] {
        QString menu;
        for (int i = 0; i < 7; ++i)
            menu += QStringLiteral(" Option%1>-,+%2").arg(i + 1).arg(Pages[i]);
        for (int i = 0; i < 7; ++i)
            menu += QStringLiteral(" %1chord>-,+%2").arg(QChar('a' + i)).arg(Pages[i]);
        QStringList lines{
            "frmTimer cmdContinue>-,+frmstart cmdExit>- cmdsecret>-,+frmsecret",
            "frmstart Command1>-,+frmintro Command2>-,-frmintro,-frmsecret Command3>-,+frmchords",
            "frmintro cmdLearn>-,+frmchords nextpage>-,+frmchords goback>-,+frmstart "
            "exit>-,-frmstart,-frmTimer Label4",
            "frmchords" + menu +
                " exit>* cmdexit>* Command1>-,+frmsecret about>+frmabout "
                "Picture4>+frmabout readme needhelp",
            "frmsecret pick:cbochords Command1 Command2 Label4",
            "frmabout Command2>- Label4 Label5 Label6",
            "frmfind Command1>-"};
        // Only frmA has the check box; frmA has no Back, frmG no Next.
        for (int i = 0; i < 7; ++i)
            lines
                << Pages[i] +
                       " Command4>-,+frmchords cmdprint Command3 Command1 Command2 Label2 Label6" +
                       (i == 0 ? " Check1>+frmfind" : "") +
                       (i < 6 ? " Command5>-,+" + Pages[i + 1] : "") +
                       (i > 0 ? " Command6>-,+" + Pages[i - 1] : "");
        std::map<QString, std::vector<Action>> t;
        for (const QString &line : lines) {
            QStringList words = line.split(' ');
            const QString window = words.takeFirst();
            for (const QString &word : words) {
                const QString control = word.section('>', 0, 0);
                t[window].push_back({control.startsWith("pick:") ? Action::Pick : Action::Press,
                                     window, control.section(':', -1), 0, word.section('>', 1)});
            }
        }
        return t;
    }();
    return rows;
}

} // namespace

// A long random walk over the whole program against a model of which windows
// are loaded. One seed runs by default; STRUMKIN_WALK_SEEDS=N walks seeds 1 to N,
// and STRUMKIN_WALK_SEED replays one. A failure names its seed and the actions
// that led to it.
class WalkTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;
    QRandomGenerator random;
    QStringList recent;
    // Every window.control the walks of this run performed.
    std::set<QString> performed;

    // What a user could do now: only on windows that are shown, only on
    // controls that are visible and enabled.
    std::vector<Action> possible()
    {
        std::vector<Action> actions;
        for (const QString &name : rig->registry->loadedClasses()) {
            forms::Form &form = rig->window(name).form();
            if (!form.isVisible())
                continue;
            actions.push_back({Action::Close, name, {}});
            // Waiting is what a user mostly does at the welcome window.
            if (name == QLatin1String("frmTimer"))
                actions.insert(actions.end(), 3, {Action::Tick, name, {}});
            if (table().count(name) != 0) {
                for (const Action &action : table().at(name)) {
                    // A menu row has no widget of its own.
                    const forms::Control *c = form.control(action.control);
                    const QWidget *w = c != nullptr ? c->widget() : nullptr;
                    if (c != nullptr && (w == nullptr || (w->isVisibleTo(&form) && w->isEnabled())))
                        actions.push_back(action);
                }
            }
        }
        return actions;
    }

    void perform(const Action &a)
    {
        if (a.kind == Action::Close) {
            rig->window(a.window).form().close();
            return;
        }
        if (a.kind == Action::Tick) {
            rig->clock.advance(1 + int(random.bounded(6)));
            for (const char *name : {"Timer1", "Timer2"}) {
                auto &timer = rig->window(a.window).controlAs<forms::Timer>(QLatin1String(name));
                if (timer.running())
                    timer.tick();
                if (!rig->registry->isLoaded(a.window))
                    break;
            }
            return;
        }
        // Questions are answered at random; so is what the printer does.
        rig->prompter.answers = {random.bounded(2) == 0, random.bounded(2) == 0};
        rig->printer.outcome = static_cast<platform::PrintResult::Outcome>(random.bounded(3));
        forms::Control &c = rig->window(a.window).control(a.control);
        if (a.kind == Action::Pick)
            test::choose(c, a.entry);
        else
            test::press(c);
    }

    // The walk's invariants, after one action.
    QString broken(const std::set<QString> &model, int endsBefore)
    {
        // A print sheet loaded hidden counts as loaded: none stays.
        const QStringList loaded = rig->registry->loadedClasses();
        const QStringList expected(model.begin(), model.end());
        if (loaded != expected)
            return QStringLiteral("loaded %1, the model says %2")
                .arg(loaded.join(QLatin1Char(' ')), expected.join(QLatin1Char(' ')));
        for (const QString &name : loaded) {
            if (!rig->window(name).form().isVisible())
                return QStringLiteral("%1 is loaded but not shown").arg(name);
        }
        const int ends = rig->ends - endsBefore;
        if (ends != (loaded.isEmpty() ? 1 : 0))
            return QStringLiteral("the program ended %1 times with %2 windows loaded")
                .arg(ends)
                .arg(loaded.size());
        return {};
    }

    void walk(quint32 seed, int count)
    {
        random.seed(seed);
        rig->registry->start();
        rig->settle();
        std::set<QString> model{QStringLiteral("frmTimer")};
        for (int i = 0; i < count; ++i) {
            const std::vector<Action> actions = possible();
            QVERIFY2(!actions.empty(), "nothing to do while the program runs");
            // Half the time, something not done yet: the rare
            // corners (the introduction's menu, say) are reached too.
            std::vector<Action> fresh;
            for (const Action &a : actions) {
                if (performed.count(describe(a, false)) == 0)
                    fresh.push_back(a);
            }
            const std::vector<Action> &from =
                !fresh.empty() && random.bounded(2) == 0 ? fresh : actions;
            Action action = from[random.bounded(quint32(from.size()))];
            // Title-bar closes are everywhere; fewer of them walk deeper.
            if (action.kind == Action::Close && random.bounded(4) != 0)
                action = actions[random.bounded(quint32(actions.size()))];
            if (action.kind == Action::Pick)
                action.entry = int(random.bounded(8));
            recent.push_back(describe(action));
            if (recent.size() > 12)
                recent.pop_front();

            const int endsBefore = rig->ends;
            change(model, action);
            perform(action);
            rig->settle();
            performed.insert(describe(action, false));
            const QString fault = broken(model, endsBefore);
            QVERIFY2(fault.isEmpty(), qPrintable(QStringLiteral("seed %1, action %2: %3\nlast: %4")
                                                     .arg(seed)
                                                     .arg(i + 1)
                                                     .arg(fault, recent.join(u','))));
            if (model.empty()) {
                // The program ended; the user starts it again.
                rig->registry->start();
                rig->settle();
                model = {QStringLiteral("frmTimer")};
            }
        }
    }

private slots:
    void init()
    {
        rig = test::allWindowsRig();
        recent.clear();
    }
    void cleanup() { rig.reset(); }
    // The walks reach every row of the table: none is left to chance alone.
    void cleanupTestCase()
    {
        if (qEnvironmentVariableIsSet("STRUMKIN_WALK_SEED"))
            return;
        QStringList missed;
        for (const auto &[window, actions] : table()) {
            for (const Action &action : actions) {
                if (performed.count(describe(action, false)) == 0)
                    missed << describe(action);
            }
        }
        QVERIFY2(missed.isEmpty(), qPrintable(QStringLiteral("never performed: ") +
                                              missed.join(QStringLiteral(", "))));
    }

    void randomWalk_data()
    {
        QTest::addColumn<quint32>("seed");
        if (qEnvironmentVariableIsSet("STRUMKIN_WALK_SEED")) {
            QTest::newRow("replay") << quint32(qEnvironmentVariableIntValue("STRUMKIN_WALK_SEED"));
            return;
        }
        const int seeds = qMax(1, qEnvironmentVariableIntValue("STRUMKIN_WALK_SEEDS"));
        for (quint32 seed = 1; seed <= quint32(seeds); ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }
    void randomWalk()
    {
        QFETCH(quint32, seed);
        walk(seed, 5000);
    }
};

QTEST_MAIN(WalkTest)
#include "test_walk.moc"
