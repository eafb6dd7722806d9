#include "forms/form.h"
#include "layout/engine.h"
#include "shell/registry.h"
#include "shell/shellwindows.h"
#include "shell/windowclass.h"
#include "support/doubles.h"

#include <QtTest>

using namespace strumkin;

// What one resize of a window costs: the layout engine alone (every control
// looked up and moved to the geometry it already has), a change of size with
// the engine and the widgets' new geometry, and that followed by a repaint.
class ResizeBench : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;
    forms::Form *form = nullptr;

private slots:
    void initTestCase()
    {
        rig = std::make_unique<test::Rig>();
        shell::registerShellWindows(*rig->registry);
        rig->registry->start();
        form = &rig->registry->instance(QStringLiteral("frmTimer"))->form();
        QVERIFY(QTest::qWaitForWindowExposed(form));
    }
    void cleanupTestCase() { rig.reset(); }

    void engineAlone()
    {
        QBENCHMARK
        {
            layout::ResizeForm(form->layoutView());
        }
    }

    void resizeWithWidgets()
    {
        const QSizeF design = form->clientSizeTwips();
        bool large = false;
        QBENCHMARK
        {
            large = !large;
            form->setClientSizeTwips(large ? design * 1.5 : design);
        }
        form->setClientSizeTwips(design);
    }

    void resizeAndRepaint()
    {
        const QSizeF design = form->clientSizeTwips();
        bool large = false;
        QBENCHMARK
        {
            large = !large;
            form->setClientSizeTwips(large ? design * 1.5 : design);
            form->repaint();
        }
        form->setClientSizeTwips(design);
    }
};

QTEST_MAIN(ResizeBench)
#include "bench_resize.moc"
