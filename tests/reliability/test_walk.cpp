#include "forms/form.h"
#include "forms/menuitem.h"
#include "forms/timer.h"
#include "lessons/catalogue.h"
#include "shell/registry.h"
#include "shell/windowclass.h"
#include "support/allwindows.h"
#include "support/doubles.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

#include <set>

using namespace strumkin;

namespace {

// One thing a user can do: press a control, choose a menu row or a list
// entry, close a window by its title bar, resize it, or let a timer tick.
struct Action {
    enum Kind { Press, Menu, Pick, Close, Resize, Tick };
    Kind kind;
    QString window;
    QString control;
    int entry = 0;
};

QString describe(const Action &action)
{
    static const char *const kinds[] = {"press", "menu", "pick", "close", "resize", "tick"};
    QString text = QStringLiteral("%1 %2").arg(QLatin1String(kinds[action.kind]), action.window);
    if (!action.control.isEmpty())
        text += QLatin1Char('.') + action.control;
    if (action.kind == Action::Pick)
        text += QStringLiteral(" #%1").arg(action.entry);
    return text;
}

const QStringList Pages{QStringLiteral("frmA"), QStringLiteral("frmb"), QStringLiteral("frmC"),
                        QStringLiteral("frmD"), QStringLiteral("frmE"), QStringLiteral("frmF"),
                        QStringLiteral("frmG")};

// Which windows are loaded, as the navigation table says they change.
class Model {
public:
    std::set<QString> loaded{QStringLiteral("frmTimer")};

    void apply(const Action &a)
    {
        const QString &w = a.window;
        const QString &c = a.control;
        if (a.kind == Action::Close) {
            loaded.erase(w);
            return;
        }
        if (a.kind == Action::Resize || a.kind == Action::Tick)
            return;
        if (w == QLatin1String("frmTimer")) {
            step(c == QLatin1String("cmdContinue") ? "frmstart"
                 : c == QLatin1String("cmdsecret") ? "frmsecret"
                                                   : nullptr);
        } else if (w == QLatin1String("frmstart")) {
            if (c == QLatin1String("Command2"))
                unload({"frmstart", "frmintro", "frmsecret"});
            else
                step(c == QLatin1String("Command1") ? "frmintro" : "frmchords");
        } else if (w == QLatin1String("frmintro")) {
            if (c == QLatin1String("exit"))
                unload({"frmintro", "frmstart", "frmTimer"});
            else
                step(c == QLatin1String("goback") ? "frmstart" : "frmchords");
        } else if (w == QLatin1String("frmchords")) {
            menuAction(c);
        } else if (Pages.contains(w)) {
            pageAction(w, c);
        } else if (w == QLatin1String("frmsecret")) {
            if (a.kind == Action::Pick && a.entry > 0)
                loaded.insert(Pages[a.entry - 1]);
        } else if (w == QLatin1String("frmabout")) {
            if (c == QLatin1String("Command2"))
                loaded.erase(w);
        } else if (w == QLatin1String("frmfind")) {
            loaded.erase(w);
        }
        m_current.clear();
    }
    void setCurrent(const QString &window) { m_current = window; }

private:
    void step(const char *target)
    {
        loaded.erase(m_current);
        if (target != nullptr)
            loaded.insert(QLatin1String(target));
    }
    void unload(std::initializer_list<const char *> windows)
    {
        for (const char *w : windows)
            loaded.erase(QLatin1String(w));
    }
    void menuAction(const QString &c)
    {
        static const char *const letters[] = {"achord", "bchord", "cchord", "dchord",
                                              "echord", "fchord", "gchord"};
        for (int i = 0; i < 7; ++i) {
            if (c == QStringLiteral("Option%1").arg(i + 1) || c == QLatin1String(letters[i])) {
                step(nullptr);
                loaded.insert(Pages[i]);
                return;
            }
        }
        if (c == QLatin1String("exit") || c == QLatin1String("cmdexit"))
            loaded.clear();
        else if (c == QLatin1String("Command1"))
            step("frmsecret");
        else if (c == QLatin1String("about") || c == QLatin1String("Picture4"))
            loaded.insert(QStringLiteral("frmabout"));
    }
    void pageAction(const QString &w, const QString &c)
    {
        const auto at = Pages.indexOf(w);
        if (c == QLatin1String("Command4"))
            step("frmchords");
        else if (c == QLatin1String("Command5"))
            step(qPrintable(Pages[at + 1]));
        else if (c == QLatin1String("Command6"))
            step(qPrintable(Pages[at - 1]));
        else if (c == QLatin1String("Check1"))
            loaded.insert(QStringLiteral("frmfind"));
    }

    QString m_current;
};

struct Controls {
    const char *window;
    std::vector<std::pair<Action::Kind, const char *>> actions;
};

// Every control and menu row that leads somewhere or does something, by window.
const std::vector<Controls> &table()
{
    using A = Action;
    static const std::vector<Controls> rows = [] {
        std::vector<Controls> t{
            {"frmTimer",
             {{A::Press, "cmdContinue"}, {A::Press, "cmdExit"}, {A::Press, "cmdsecret"}}},
            {"frmstart", {{A::Press, "Command1"}, {A::Press, "Command2"}, {A::Press, "Command3"}}},
            {"frmintro",
             {{A::Press, "cmdLearn"},
              {A::Menu, "nextpage"},
              {A::Menu, "goback"},
              {A::Menu, "exit"}}},
            {"frmchords", {{A::Press, "Option1"},  {A::Press, "Option2"},  {A::Press, "Option3"},
                           {A::Press, "Option4"},  {A::Press, "Option5"},  {A::Press, "Option6"},
                           {A::Press, "Option7"},  {A::Menu, "achord"},    {A::Menu, "bchord"},
                           {A::Menu, "cchord"},    {A::Menu, "dchord"},    {A::Menu, "echord"},
                           {A::Menu, "fchord"},    {A::Menu, "gchord"},    {A::Menu, "exit"},
                           {A::Press, "cmdexit"},  {A::Press, "Command1"}, {A::Menu, "about"},
                           {A::Press, "Picture4"}, {A::Menu, "readme"},    {A::Menu, "needhelp"}}},
            {"frmsecret",
             {{A::Pick, "cbochords"},
              {A::Press, "Command1"},
              {A::Press, "Command2"},
              {A::Press, "Label4"}}},
            {"frmabout",
             {{A::Press, "Command2"},
              {A::Press, "Label4"},
              {A::Press, "Label5"},
              {A::Press, "Label6"}}},
            {"frmfind", {{A::Press, "Command1"}}},
        };
        for (const char *page : {"frmA", "frmb", "frmC", "frmD", "frmE", "frmF", "frmG"}) {
            t.push_back({page,
                         {{A::Press, "Command4"},
                          {A::Press, "Command5"},
                          {A::Press, "Command6"},
                          {A::Press, "Check1"},
                          {A::Press, "cmdprint"},
                          {A::Press, "Command3"},
                          {A::Press, "Command1"},
                          {A::Press, "Command2"}}});
        }
        return t;
    }();
    return rows;
}

} // namespace

// A long random walk over the whole program against a model of which windows
// are loaded. One seed runs by default; STRUMKIN_WALK_SEEDS=N walks seeds 1 to N,
// and STRUMKIN_WALK_SEED and STRUMKIN_WALK_ACTIONS replay or lengthen a walk. A
// failure names its seed and the actions that led to it.
class WalkTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;
    QRandomGenerator random;
    std::map<QString, const shell::WindowClass *> instances;
    QStringList recent;
    // Every window.control the walks of this run performed.
    std::set<QString> performed;

    shell::WindowClass &window(const QString &name) { return *rig->registry->instance(name); }
    static QString key(const Action &a)
    {
        return QStringLiteral("%1 %2.%3").arg(int(a.kind)).arg(a.window, a.control);
    }

    // What a user could do now: only on windows that are shown, only on
    // controls that are visible, enabled and not scaled down to nothing.
    std::vector<Action> possible()
    {
        std::vector<Action> actions;
        for (const QString &name : rig->registry->loadedClasses()) {
            forms::Form &form = window(name).form();
            if (!form.isVisible())
                continue;
            actions.push_back({Action::Close, name, {}});
            actions.push_back({Action::Resize, name, {}});
            // Waiting is what a user mostly does at the welcome window.
            if (name == QLatin1String("frmTimer"))
                actions.insert(actions.end(), 3, {Action::Tick, name, {}});
            for (const Controls &row : table()) {
                if (name != QLatin1String(row.window))
                    continue;
                for (const auto &[kind, control] : row.actions) {
                    const forms::Control *c = form.control(QLatin1String(control));
                    if (c == nullptr)
                        continue;
                    if (kind != Action::Menu &&
                        (c->widget() == nullptr || !c->widget()->isVisibleTo(&form) ||
                         !c->widget()->isEnabled() || c->widget()->width() <= 0 ||
                         c->widget()->height() <= 0))
                        continue;
                    actions.push_back({kind, name, QLatin1String(control)});
                }
            }
        }
        return actions;
    }

    void perform(const Action &a)
    {
        if (a.kind == Action::Close) {
            window(a.window).form().close();
            return;
        }
        if (a.kind == Action::Tick) {
            rig->clock.advance(1 + int(random.bounded(6)));
            for (const char *name : {"Timer1", "Timer2"}) {
                auto &timer = window(a.window).controlAs<forms::Timer>(QLatin1String(name));
                if (timer.running())
                    timer.tick();
                if (!rig->registry->isLoaded(a.window))
                    break;
            }
            return;
        }
        if (a.kind == Action::Resize) {
            forms::Form &form = window(a.window).form();
            // As the window system resizes: whole pixels of the whole window.
            form.resize(random.bounded(8) == 0
                            ? QSize(0, 0)
                            : QSize(int(random.bounded(1400)), int(random.bounded(1000))));
            return;
        }
        // Questions are answered at random; so is what the printer does.
        rig->prompter.answers = {random.bounded(2) == 0, random.bounded(2) == 0};
        rig->printer.outcome = static_cast<platform::PrintResult::Outcome>(random.bounded(3));
        forms::Control &c = window(a.window).control(a.control);
        if (a.kind == Action::Menu) {
            dynamic_cast<forms::MenuItem &>(c).action()->trigger();
        } else if (a.kind == Action::Pick) {
            auto *combo = qobject_cast<QComboBox *>(c.widget());
            combo->setCurrentIndex(a.entry);
            emit combo->activated(a.entry);
        } else if (auto *button = qobject_cast<QAbstractButton *>(c.widget())) {
            button->click();
        } else {
            QTest::mouseClick(c.widget(), Qt::LeftButton);
        }
    }

    // The walk's invariants, after one action.
    QString broken(const Model &model, int endsBefore)
    {
        const QStringList loaded = rig->registry->loadedClasses();
        const QStringList expected(model.loaded.begin(), model.loaded.end());
        if (loaded != expected)
            return QStringLiteral("loaded %1, the model says %2")
                .arg(loaded.join(QLatin1Char(' ')), expected.join(QLatin1Char(' ')));
        for (const lessons::Chord &chord : lessons::chords()) {
            if (rig->registry->isLoaded(QLatin1String(chord.sheet)))
                return QStringLiteral("the sheet %1 stayed loaded").arg(QLatin1String(chord.sheet));
        }
        for (const QString &name : loaded) {
            if (!window(name).form().isVisible())
                return QStringLiteral("%1 is loaded but not shown").arg(name);
        }
        const int ends = rig->ends - endsBefore;
        if (ends != (loaded.isEmpty() ? 1 : 0))
            return QStringLiteral("the program ended %1 times with %2 windows loaded")
                .arg(ends)
                .arg(loaded.size());
        // One instance per class for the whole walk.
        for (const QString &name : loaded) {
            const auto [at, fresh] = instances.emplace(name, &window(name));
            if (!fresh && at->second != &window(name))
                return QStringLiteral("a second instance of %1").arg(name);
        }
        return {};
    }

    void walk(quint32 seed, int count)
    {
        random.seed(seed);
        std::set<QString> tried;
        rig->registry->start();
        rig->settle();
        Model model;
        int runs = 1;
        for (int i = 0; i < count; ++i) {
            const std::vector<Action> actions = possible();
            QVERIFY2(!actions.empty(), "nothing to do while the program runs");
            // Half the time, something this walk has not done yet: the rare
            // corners (the introduction's menu, say) are reached too.
            std::vector<Action> fresh;
            for (const Action &a : actions) {
                if (tried.count(key(a)) == 0)
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
            model.setCurrent(action.window);
            model.apply(action);
            perform(action);
            rig->settle();
            tried.insert(key(action));
            performed.insert(key(action));
            if (const QString fault = broken(model, endsBefore); !fault.isEmpty()) {
                QFAIL(qPrintable(
                    QStringLiteral("seed %1, action %2 of run %3: %4\nlast actions:\n  %5\n"
                                   "replay: STRUMKIN_WALK_SEED=%1 STRUMKIN_WALK_ACTIONS=%6")
                        .arg(seed)
                        .arg(i + 1)
                        .arg(runs)
                        .arg(fault, recent.join(QStringLiteral("\n  ")))
                        .arg(count)));
            }
            if (model.loaded.empty()) {
                // The program ended; the user starts it again.
                rig->registry->start();
                rig->settle();
                model = Model();
                ++runs;
            }
            if (rig->prompter.shown.size() > 64)
                rig->prompter.shown.clear();
        }
        qInfo("seed %u: %d actions over %d runs of the program", seed, count, runs);
    }

private slots:
    void init()
    {
        rig = std::make_unique<test::Rig>();
        test::registerAllWindows(*rig->registry);
        instances.clear();
        recent.clear();
    }
    void cleanup() { rig.reset(); }
    // The walks reach every row of the table: none is left to chance alone.
    void cleanupTestCase()
    {
        if (qEnvironmentVariableIsSet("STRUMKIN_WALK_SEED"))
            return;
        QStringList missed;
        for (const Controls &row : table()) {
            for (const auto &[kind, control] : row.actions) {
                const QString name =
                    QLatin1String(row.window) + QLatin1Char('.') + QLatin1String(control);
                const QString done = key({kind, QLatin1String(row.window), QLatin1String(control)});

                // frmA has no Back, frmG no next, only frmA the check box.
                const bool absent = (name == QLatin1String("frmA.Command6")) ||
                                    (name == QLatin1String("frmG.Command5")) ||
                                    (name.endsWith(QLatin1String(".Check1")) &&
                                     name != QLatin1String("frmA.Check1"));
                if (!absent && performed.count(done) == 0)
                    missed << name;
            }
        }
        QVERIFY2(missed.isEmpty(),
                 qPrintable(QStringLiteral("never performed: ") + missed.join(QLatin1Char(' '))));
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
        const int count = qEnvironmentVariableIsSet("STRUMKIN_WALK_ACTIONS")
                              ? qEnvironmentVariableIntValue("STRUMKIN_WALK_ACTIONS")
                              : 5000;
        QElapsedTimer timer;
        timer.start();
        walk(seed, count);
        qInfo("%lld ms", timer.elapsed());
    }
};

QTEST_MAIN(WalkTest)
#include "test_walk.moc"
