#include "forms/form.h"
#include "layout/engine.h"
#include "shell/registry.h"
#include "shell/windowclass.h"
#include "support/doubles.h"

#include <QPushButton>
#include <QtTest>

using namespace strumkin;

namespace {

// A window class that logs its Load and Resize and runs what a test gives
// its button.
class Probe final : public shell::WindowClass {
public:
    Probe(shell::Registry &registry, const QString &name, QStringList &log)
        : WindowClass(registry, name), m_log(log)
    {
        on(QStringLiteral("cmdGo"), forms::Event::Click, [this] {
            if (onClick)
                onClick();
        });
    }
    std::function<void()> onClick;
    std::function<void()> onLoad;

private:
    void load() override
    {
        m_log << QStringLiteral("%1 Load visible=%2").arg(className()).arg(form().isVisible());
        if (onLoad)
            onLoad();
    }
    void resize() override
    {
        m_log << QStringLiteral("%1 Resize visible=%2").arg(className()).arg(form().isVisible());
        WindowClass::resize();
    }
    QStringList &m_log;
};

} // namespace

class RegistryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;
    QStringList log;

    Probe &probe(const char *name)
    {
        return *dynamic_cast<Probe *>(rig->registry->instance(QLatin1String(name)));
    }
    void click(const char *window)
    {
        auto *button = qobject_cast<QPushButton *>(rig->registry->instance(QLatin1String(window))
                                                       ->control(QStringLiteral("cmdGo"))
                                                       .widget());
        QVERIFY(button);
        button->click();
    }

private slots:
    void init()
    {
        log.clear();
        rig = std::make_unique<test::Rig>();
        for (const char *name : {"probeA", "probeB"}) {
            rig->registry->registerClass(QLatin1String(name), [this, name](shell::Registry &r) {
                return std::make_unique<Probe>(r, QLatin1String(name), log);
            });
        }
    }
    void cleanup() { rig.reset(); }

    void oneInstancePerClassCreatedOnFirstReference()
    {
        QCOMPARE(rig->registry->instanceCount(), 0u);
        shell::WindowClass *first = rig->registry->instance(QStringLiteral("probeA"));
        QVERIFY(first);
        QCOMPARE(rig->registry->instanceCount(), 1u);
        rig->registry->show(QStringLiteral("probeA"));
        rig->registry->unload(QStringLiteral("probeA"));
        rig->registry->show(QStringLiteral("probeA"));
        QCOMPARE(rig->registry->instance(QStringLiteral("probeA")), first);
        QCOMPARE(rig->registry->instanceCount(), 1u);
        QVERIFY(!rig->registry->instance(QStringLiteral("frmNoSuch")));
    }

    void showLoadsThenResizesThenMakesVisible()
    {
        rig->registry->show(QStringLiteral("probeA"));
        QCOMPARE(log, (QStringList{QStringLiteral("probeA Load visible=0"),
                                   QStringLiteral("probeA Resize visible=0")}));
        forms::Form &form = probe("probeA").form();
        QVERIFY(form.isVisible());
        QVERIFY(layout::processEngine().FindForm(form.layoutView()) >= 0);
        // Shown at its design size: the first Resize recorded it unchanged.
        QCOMPARE(form.control(QStringLiteral("cmdGo"))->geometry(), QRectF(120, 120, 1200, 372));
    }

    void showingAShownWindowKeepsItsState()
    {
        rig->registry->show(QStringLiteral("probeA"));
        probe("probeA")
            .control(QStringLiteral("Label1"))
            .set(QStringLiteral("Caption"), QStringLiteral("changed"));
        rig->registry->show(QStringLiteral("probeA"));
        QCOMPARE(log.count(QStringLiteral("probeA Load visible=0")), 1);
        QCOMPARE(probe("probeA").control(QStringLiteral("Label1")).get(QStringLiteral("Caption")),
                 QVariant(QStringLiteral("changed")));
    }

    void unloadedWindowIsBuiltAfreshFromItsDesign()
    {
        rig->registry->show(QStringLiteral("probeA"));
        probe("probeA")
            .control(QStringLiteral("Label1"))
            .set(QStringLiteral("Caption"), QStringLiteral("changed"));
        rig->registry->unload(QStringLiteral("probeA"));
        QVERIFY(!rig->registry->isLoaded(QStringLiteral("probeA")));
        rig->registry->show(QStringLiteral("probeA"));
        QCOMPARE(log.count(QStringLiteral("probeA Load visible=0")), 2);
        QCOMPARE(probe("probeA").control(QStringLiteral("Label1")).get(QStringLiteral("Caption")),
                 QVariant(QStringLiteral("probe")));
    }

    void unloadOfAWindowNotLoadedCreatesNothing()
    {
        rig->registry->unload(QStringLiteral("probeB"));
        QCOMPARE(rig->registry->instanceCount(), 0u);
        QVERIFY(log.isEmpty());
        QVERIFY(rig->registry->instance(QStringLiteral("probeB")));
        rig->registry->unload(QStringLiteral("probeB"));
        QVERIFY(!rig->registry->isLoaded(QStringLiteral("probeB")));
        QVERIFY(log.isEmpty());
    }

    void programEndsAfterTheHandlerThatUnloadsTheLastWindow()
    {
        rig->registry->show(QStringLiteral("probeA"));
        // A navigation step: for a moment no window is loaded.
        probe("probeA").onClick = [this] {
            rig->registry->unload(QStringLiteral("probeA"));
            QVERIFY(rig->registry->loadedClasses().isEmpty());
            rig->registry->show(QStringLiteral("probeB"));
        };
        click("probeA");
        rig->settle();
        QCOMPARE(rig->ends, 0);
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("probeB")});

        probe("probeB").onClick = [this] { rig->registry->unload(QStringLiteral("probeB")); };
        click("probeB");
        QCOMPARE(rig->ends, 0); // not within the handler
        rig->settle();
        QCOMPARE(rig->ends, 1);
    }

    void titleBarCloseUnloadsThatWindowOnly()
    {
        rig->registry->show(QStringLiteral("probeA"));
        rig->registry->show(QStringLiteral("probeB"));
        probe("probeA").form().close();
        rig->settle();
        QCOMPARE(rig->registry->loadedClasses(), QStringList{QStringLiteral("probeB")});
        QCOMPARE(rig->ends, 0);
        probe("probeB").form().close();
        rig->settle();
        QCOMPARE(rig->ends, 1);
    }

    void hiddenLoadIsNeverShown()
    {
        forms::Form *sheet = rig->registry->loadHidden(QStringLiteral("probeA"));
        QVERIFY(sheet);
        QVERIFY(!sheet->isVisible());
        QVERIFY(rig->registry->isLoaded(QStringLiteral("probeA")));
        QCOMPARE(log, QStringList{QStringLiteral("probeA Load visible=0")});
        rig->registry->unload(QStringLiteral("probeA"));
        rig->settle();
        QCOMPARE(rig->ends, 1);
    }

    void showAskedForByItsOwnLoadChangesNothing()
    {
        probe("probeA").onLoad = [this] { rig->registry->show(QStringLiteral("probeA")); };
        rig->registry->show(QStringLiteral("probeA"));
        QCOMPARE(log.count(QStringLiteral("probeA Load visible=0")), 1);
        QCOMPARE(log.count(QStringLiteral("probeA Resize visible=0")), 1);
        QVERIFY(probe("probeA").form().isVisible());
    }

    void unloadAllLeavesNothingLoaded()
    {
        rig->registry->show(QStringLiteral("probeA"));
        rig->registry->loadHidden(QStringLiteral("probeB"));
        rig->registry->unloadAll();
        QVERIFY(rig->registry->loadedClasses().isEmpty());
        rig->settle();
        QCOMPARE(rig->ends, 1);
    }
};

QTEST_MAIN(RegistryTest)
#include "test_registry.moc"
