// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "forms/form.h"
#include "shell/registry.h"
#include "shell/windowclass.h"
#include "support/allwindows.h"
#include "support/doubles.h"

#include <QtTest>

#include <array>

using namespace strumkin;

namespace {

const char *const Windows[] = {"frmTimer", "frmstart", "frmintro",  "frmchords", "frmA",
                               "frmb",     "frmC",     "frmD",      "frmE",      "frmF",
                               "frmG",     "frmabout", "frmsecret", "frmfind"};

// Where every control is along one axis, as the layout engine reads it and as
// it is drawn: Left, Width, X1, X2 and the pixels across, or their vertical
// twins.
std::vector<double> placesAlong(const forms::Form &form, Qt::Orientation axis)
{
    const bool across = axis == Qt::Horizontal;
    std::vector<double> places;
    for (const forms::Control *c : form.allControls()) {
        for (const char *name : across ? std::array{"Left", "Width", "X1", "X2"}
                                       : std::array{"Top", "Height", "Y1", "Y2"}) {
            const auto value = c->property(name);
            places.push_back(
                value && std::holds_alternative<double>(*value) ? std::get<double>(*value) : -1e9);
        }
        const QRect pixels = c->widget() != nullptr ? c->widget()->geometry() : QRect();
        places.push_back(across ? pixels.x() : pixels.y());
        places.push_back(across ? pixels.width() : pixels.height());
    }
    return places;
}

} // namespace

// Windows resized the way the window system resizes them: a new size of the
// top-level widget in pixels, never a size in twips set by the program. Run
// at several logical resolutions and scale factors (see CMakeLists.txt).
class ResizingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;

private slots:
    void init() { rig = test::allWindowsRig(); }
    void cleanup() { rig.reset(); }

    // Through sizes of nothing, one pixel, beyond the screen, one axis only and
    // odd factors, a window keeps every control where it was first shown along
    // an axis that has its first size again, and back on its first size shows
    // everything where it first stood.
    void placesFollowTheSizeAlongEachAxis_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : Windows)
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void placesFollowTheSizeAlongEachAxis()
    {
        QFETCH(QString, name);
        rig->registry->show(name);
        rig->settle();
        forms::Form &form = rig->window(name).form();
        const QSize first = form.size();
        const QSizeF twips = form.clientSizeTwips();
        const std::vector<double> shown[] = {placesAlong(form, Qt::Horizontal),
                                             placesAlong(form, Qt::Vertical)};
        const QSize screen = (rig->screen.sizeInTwips() * form.dpiX() / 1440).toSize();
        std::vector<QSize> sizes{{0, 0}, {1, 1}, {1, screen.height() * 4}, screen * 2, first};
        for (const QSizeF factor :
             {QSizeF(1.0, 0.0), QSizeF(1.5, 1.0), QSizeF(1.0, 1.9), QSizeF(1.7, 1.3),
              QSizeF(0.6, 0.45), QSizeF(0.01, 0.01), QSizeF(1.0, 1.0)})
            sizes.emplace_back(qRound(first.width() * factor.width()),
                               qRound(first.height() * factor.height()));
        bool moved = false; // not every size may leave the window as it was
        for (const QSize &size : sizes) {
            form.resize(size);
            rig->settle();
            for (const Qt::Orientation axis : {Qt::Horizontal, Qt::Vertical}) {
                const bool kept = axis == Qt::Horizontal ? size.width() == first.width()
                                                         : size.height() == first.height();
                const bool same = placesAlong(form, axis) == shown[axis == Qt::Vertical];
                QVERIFY2(same || !kept, qPrintable(QStringLiteral("%1 x %2 moved the %3 axis")
                                                       .arg(size.width())
                                                       .arg(size.height())
                                                       .arg(axis == Qt::Horizontal ? "X" : "Y")));
                moved = moved || !same;
            }
        }
        QVERIFY(moved);
        QCOMPARE(form.size(), first);
        QCOMPARE(form.clientSizeTwips(), twips);
    }
};

QTEST_MAIN(ResizingTest)
#include "test_resizing.moc"
