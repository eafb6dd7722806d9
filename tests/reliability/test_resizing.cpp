#include "forms/form.h"
#include "shell/registry.h"
#include "shell/windowclass.h"
#include "support/allwindows.h"
#include "support/doubles.h"

#include <QRandomGenerator>
#include <QtTest>

#include <array>

using namespace strumkin;

namespace {

const char *const Windows[] = {"frmTimer", "frmstart", "frmintro",  "frmchords", "frmA",
                               "frmb",     "frmC",     "frmD",      "frmE",      "frmF",
                               "frmG",     "frmabout", "frmsecret", "frmfind"};

// Where a control is, as the layout engine reads it and as it is drawn.
struct Place {
    std::array<double, 8> units{};
    QRect pixels;

    bool operator==(const Place &) const = default;
};

double read(const forms::Control &c, const char *property)
{
    const auto value = c.property(property);
    return value && std::holds_alternative<double>(*value) ? std::get<double>(*value) : -1e9;
}

Place placeOf(const forms::Control &c)
{
    Place p;
    const char *const names[] = {"Left", "Top", "Width", "Height", "X1", "Y1", "X2", "Y2"};
    for (std::size_t i = 0; i < p.units.size(); ++i)
        p.units[i] = read(c, names[i]);
    if (c.widget() != nullptr)
        p.pixels = c.widget()->geometry();
    return p;
}

std::vector<Place> placesOf(const forms::Form &form)
{
    std::vector<Place> places;
    for (const forms::Control *c : form.allControls())
        places.push_back(placeOf(*c));
    return places;
}

} // namespace

// Windows resized the way the window system resizes them: a new size of the
// top-level widget in pixels, never a size in twips set by the program. Run
// at several logical resolutions and scale factors (see CMakeLists.txt).
class ResizingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rig> rig;

    forms::Form &open(const QString &name)
    {
        rig->registry->show(name);
        rig->settle();
        return rig->window(name).form();
    }
    void resize(forms::Form &form, const QSize &size)
    {
        form.resize(size);
        rig->settle();
    }
    // Names of the controls whose place differs, with both places.
    static QStringList moved(const forms::Form &form, const std::vector<Place> &before)
    {
        QStringList names;
        const std::vector<Place> after = placesOf(form);
        for (std::size_t i = 0; i < after.size(); ++i) {
            if (after[i] == before[i])
                continue;
            QString text = form.allControls()[i]->name() + QLatin1Char(':');
            for (std::size_t k = 0; k < 4; ++k)
                text += QStringLiteral(" %1>%2").arg(before[i].units[k]).arg(after[i].units[k]);
            names << text;
        }
        return names;
    }

private slots:
    void init() { rig = test::allWindowsRig(); }
    void cleanup() { rig.reset(); }

    void everyWindow_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : Windows)
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    // Back on the size it was first shown at, after any number of other sizes (none, one
    // pixel, beyond the screen, random ones: STRUMKIN_RESIZES of them, 12 unless set), a
    // window shows every control exactly where it first stood.
    void backOnTheFirstSizeEverythingIsWhereItWasShown_data() { everyWindow_data(); }
    void backOnTheFirstSizeEverythingIsWhereItWasShown()
    {
        QFETCH(QString, name);
        forms::Form &form = open(name);
        const QSize first = form.size();
        const QSizeF twips = form.clientSizeTwips();
        const std::vector<Place> shown = placesOf(form);
        const QSize screen = (rig->screen.sizeInTwips() * form.dpiX() / 1440).toSize();
        std::vector<QSize> sizes{{0, 0},
                                 {1, 1},
                                 {0, first.height()},
                                 {first.width(), 0},
                                 {1, screen.height() * 4},
                                 screen * 2,
                                 {screen.width() * 3, 1}};
        for (const QSizeF factor : {QSizeF(1.7, 1.3), QSizeF(0.6, 0.45), QSizeF(2.3, 2.6),
                                    QSizeF(1.0, 1.9), QSizeF(1.33, 1.0), QSizeF(0.01, 0.01)})
            sizes.emplace_back(qRound(first.width() * factor.width()),
                               qRound(first.height() * factor.height()));
        QRandomGenerator random(quint32(qHash(name)));
        const int count = qEnvironmentVariableIntValue("STRUMKIN_RESIZES");
        for (int i = 0; i < (count > 0 ? count : 12); ++i)
            sizes.emplace_back(int(random.bounded(2 * screen.width())),
                               int(random.bounded(2 * screen.height())));
        for (const QSize &size : sizes)
            resize(form, size);
        resize(form, first);
        QCOMPARE(form.size(), first);
        QCOMPARE(form.clientSizeTwips(), twips);
        const QStringList off = moved(form, shown);
        QVERIFY2(off.isEmpty(), qPrintable(off.join(QStringLiteral("; "))));
    }

    // Made wider only, a window moves and sizes its controls across only;
    // made taller only, down only.
    void oneAxisChangesOnlyThatAxis_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("wider");
        for (const char *name : Windows) {
            QTest::addRow("%s wider", name) << QString::fromLatin1(name) << true;
            QTest::addRow("%s taller", name) << QString::fromLatin1(name) << false;
        }
    }
    void oneAxisChangesOnlyThatAxis()
    {
        QFETCH(QString, name);
        QFETCH(bool, wider);
        forms::Form &form = open(name);
        const QSize first = form.size();
        const std::vector<Place> shown = placesOf(form);
        // Away and back first: the first showing is not the only size that
        // must keep the other axis.
        resize(form, first * 1.4);
        resize(form, first);
        resize(form, wider ? QSize(first.width() * 3 / 2, first.height())
                           : QSize(first.width(), first.height() * 3 / 2));
        const std::vector<Place> now = placesOf(form);
        QStringList moved;
        int changed = 0;
        for (std::size_t i = 0; i < now.size(); ++i) {
            const Place &a = shown[i];
            const Place &b = now[i];
            // Kept: Top, Height, Y1, Y2 when wider; Left, Width, X1, X2 when taller.
            const std::array<std::size_t, 4> kept = wider ? std::array<std::size_t, 4>{1, 3, 5, 7}
                                                          : std::array<std::size_t, 4>{0, 2, 4, 6};
            bool same = true;
            for (const std::size_t k : kept)
                same = same && a.units[k] == b.units[k];
            same = same &&
                   (wider ? a.pixels.y() == b.pixels.y() && a.pixels.height() == b.pixels.height()
                          : a.pixels.x() == b.pixels.x() && a.pixels.width() == b.pixels.width());
            if (!same)
                moved << form.allControls()[i]->name();
            changed += a == b ? 0 : 1;
        }
        QVERIFY2(moved.isEmpty(), qPrintable(moved.join(QStringLiteral(", "))));
        // The window did take the new size along the other axis.
        QVERIFY(changed > 0);
    }
};

QTEST_MAIN(ResizingTest)
#include "test_resizing.moc"
