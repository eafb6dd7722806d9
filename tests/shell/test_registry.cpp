#include "forms/form.h"
#include "layout/engine.h"
#include "shell/registry.h"
#include "shell/windowclass.h"
#include "support/acting.h"
#include "support/doubles.h"

#include <QPointer>
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
        on(QStringLiteral("cmdGo"), forms::Event::Click, [this] { onClick(); });
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

const QString A = QStringLiteral("probeA");
const QString B = QStringLiteral("probeB");

} // namespace

class RegistryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;
    QStringList log;

    shell::Registry &registry() { return *rig->registry; }
    Probe &probe(const QString &name) { return dynamic_cast<Probe &>(*registry().instance(name)); }
    QVariant caption()
    {
        return test::property(probe(A).control(QStringLiteral("Label1")),
                              QStringLiteral("Caption"));
    }

private slots:
    void init()
    {
        log.clear();
        rig = std::make_unique<test::Rig>();
        for (const QString &name : {A, B}) {
            registry().registerClass(name, [this, name](shell::Registry &r) {
                return std::make_unique<Probe>(r, name, log);
            });
        }
    }
    void cleanup() { rig.reset(); }

    // Show loads (a Show asked for by the Load itself changes nothing), then
    // resizes, then makes visible; a second Show keeps the window as it is;
    // after Unload, the same instance builds it afresh from the design.
    void showLoadsOnceAndUnloadForgets()
    {
        registry().unload(A);
        QVERIFY(!registry().instance(QStringLiteral("frmNoSuch")));
        probe(A).onLoad = [this] { registry().show(A); };
        registry().show(A);
        const QStringList shown{A + " Load visible=0", A + " Resize visible=0"};
        QCOMPARE(log, shown);
        forms::Form &form = probe(A).form();
        QVERIFY(form.isVisible());
        QVERIFY(layout::processEngine().FindForm(form.layoutView()) >= 0);
        // Shown at its design size: the first Resize recorded it unchanged.
        QCOMPARE(form.control(QStringLiteral("cmdGo"))->geometry(), QRectF(120, 120, 1200, 372));
        shell::WindowClass *instance = registry().instance(A);
        probe(A)
            .control(QStringLiteral("Label1"))
            .set(QStringLiteral("Caption"), QStringLiteral("changed"));
        registry().show(A);
        QCOMPARE(caption(), QVariant(QStringLiteral("changed")));
        QCOMPARE(log, shown);
        registry().unload(A);
        QVERIFY(!registry().isLoaded(A));
        registry().show(A);
        QCOMPARE(caption(), QVariant(QStringLiteral("probe")));
        QCOMPARE(log, shown + shown);
        QCOMPARE(registry().instance(A), instance);
        QCOMPARE(registry().instanceCount(), 1u);
    }

    // A handler leaving its own window: the window counts as unloaded at
    // once but lives until the handler has returned, and the program ends
    // only then, if nothing else was shown.
    void replaceFromTheWindowsOwnHandler_data()
    {
        QTest::addColumn<QString>("next");
        QTest::addColumn<QStringList>("loaded");
        QTest::newRow("another window") << B << QStringList{B};
        QTest::newRow("a class the program lacks") << QStringLiteral("frmNoSuch") << QStringList{};
    }
    void replaceFromTheWindowsOwnHandler()
    {
        QFETCH(QString, next);
        QFETCH(QStringList, loaded);
        registry().show(A);
        const QPointer<forms::Form> left = &probe(A).form();
        bool aliveInHandler = false;
        probe(A).onClick = [&] {
            registry().replace(A, next);
            aliveInHandler = !left.isNull() && !registry().isLoaded(A);
        };
        if (loaded.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, "no window class frmNoSuch");
        test::press(probe(A).control(QStringLiteral("cmdGo")));
        QVERIFY(aliveInHandler);
        QCOMPARE(rig->ends, 0);
        rig->settle();
        QVERIFY(left.isNull());
        QCOMPARE(registry().loadedClasses(), loaded);
        QCOMPARE(rig->ends, loaded.isEmpty() ? 1 : 0);
    }

    // A print sheet: loaded without Resize and never shown unless asked;
    // its Unload, outside any handler, still ends a program with no window.
    void hiddenLoadShowsOnlyWhenAsked()
    {
        forms::Form *sheet = registry().loadHidden(A);
        QVERIFY(sheet && !sheet->isVisible());
        QCOMPARE(log, QStringList{A + " Load visible=0"});
        registry().show(A);
        QVERIFY(sheet->isVisible());
        registry().unload(A);
        rig->settle();
        QCOMPARE(rig->ends, 1);
    }
};

QTEST_MAIN(RegistryTest)
#include "test_registry.moc"
