// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/form.h"
#include "layout/engine.h"
#include "lessons/lessonwindows.h"
#include "pages.h"
#include "shell/registry.h"
#include "shell/shellwindows.h"
#include "shell/windowclass.h"
#include "support/doubles.h"

#include <QtTest>

using namespace strumkin;

// What one resize of a window costs, for the welcome window and for the
// chord page with the most controls: the layout engine alone (every control
// looked up and moved to the geometry it already has), a change of size with
// the engine and the widgets' new geometry, and that followed by a repaint.
class ResizeBench : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;
    QString busiest;

    forms::Form *shown(const QString &className)
    {
        rig->registry->show(className);
        shell::WindowClass *window = rig->registry->instance(className);
        return window != nullptr && window->isLoaded() ? &window->form() : nullptr;
    }

    void windows()
    {
        QTest::addColumn<QString>("className");
        QTest::newRow("welcome") << QStringLiteral("frmTimer");
        QTest::newRow("busiest page") << busiest;
    }

    forms::Form *fetchForm()
    {
        QFETCH(QString, className);
        forms::Form *form = shown(className);
        if (form != nullptr && !QTest::qWaitForWindowExposed(form))
            return nullptr;
        return form;
    }

    // The widgets' pixel rectangles, to see that a resize really moved them.
    static std::vector<QRect> widgetRects(const forms::Form &form)
    {
        std::vector<QRect> rects;
        for (const forms::Control *control : form.allControls()) {
            if (control->widget() != nullptr)
                rects.push_back(control->widget()->geometry());
        }
        return rects;
    }

private slots:
    void initTestCase()
    {
        rig = std::make_unique<test::Rig>();
        QVERIFY(bench::useProgramFolder(*rig));
        shell::registerShellWindows(*rig->registry);
        lessons::registerLessonWindows(*rig->registry);
        const bench::BusiestPage page = bench::busiestChordPage(*rig->registry);
        QVERIFY(!page.className.isEmpty());
        busiest = page.className;
        qInfo("Busiest chord page: %s with %zu controls (%s)", qPrintable(busiest), page.controls,
              qPrintable(page.counts.join(QStringLiteral(", "))));
        rig->registry->start();
    }
    void cleanupTestCase() { rig.reset(); }

    void engineAlone_data() { windows(); }
    void engineAlone()
    {
        forms::Form *form = fetchForm();
        QVERIFY(form != nullptr);
        QBENCHMARK
        {
            layout::ResizeForm(form->layoutView());
        }
    }

    void resizeWithWidgets_data() { windows(); }
    void resizeWithWidgets()
    {
        forms::Form *form = fetchForm();
        QVERIFY(form != nullptr);
        const QSizeF design = form->clientSizeTwips();
        const std::vector<QRect> before = widgetRects(*form);
        form->setClientSizeTwips(design * 1.5);
        QVERIFY2(widgetRects(*form) != before, "a larger window did not move its controls");
        form->setClientSizeTwips(design);
        QVERIFY2(widgetRects(*form) == before, "the design size did not bring the controls back");
        bool large = false;
        QBENCHMARK
        {
            large = !large;
            form->setClientSizeTwips(large ? design * 1.5 : design);
        }
        form->setClientSizeTwips(design);
    }

    void resizeAndRepaint_data() { windows(); }
    void resizeAndRepaint()
    {
        forms::Form *form = fetchForm();
        QVERIFY(form != nullptr);
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
