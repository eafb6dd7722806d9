#include "layout/engine.h"

#include <QtTest>

#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <stdexcept>

using namespace strumkin::layout;

namespace {

using Int = std::int32_t;

QString text(const Value &value)
{
    if (const auto *b = std::get_if<bool>(&value))
        return *b ? "true" : "false";
    if (const auto *d = std::get_if<double>(&value))
        return QString::number(*d, 'g', 12);
    return QString::fromStdString(std::get<std::string>(value));
}

Value toValue(const QVariant &v)
{
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    if (v.typeId() == QMetaType::QString)
        return v.toString().toStdString();
    return v.toDouble();
}

// Properties live in a map; a missing entry is a property the kind lacks. Every move and set
// is logged, successful or not.
class FakeControl final : public Control {
public:
    std::map<std::string, Value, std::less<>> props;
    bool line = false;
    std::size_t moveLimit = 4; // a move with more arguments is refused; 0: no Move at all
    QStringList moves, sets;
    std::function<void()> onMove, onRead;

    std::optional<Value> property(std::string_view name) const override
    {
        if (onRead)
            onRead();
        const auto it = props.find(name);
        return it == props.end() ? std::nullopt : std::optional<Value>(it->second);
    }
    bool setProperty(std::string_view name, const Value &value) override
    {
        sets << QString::fromUtf8(name.data(), qsizetype(name.size())) + "=" + text(value);
        const auto it = props.find(name);
        if (it == props.end())
            return false;
        it->second = value;
        return true;
    }
    bool move(std::span<const Int> args) override
    {
        QStringList logged;
        for (Int a : args)
            logged << QString::number(a);
        moves << logged.join(',');
        if (onMove)
            onMove();
        if (args.size() > moveLimit)
            return false;
        static const char *const names[] = {"Left", "Top", "Width", "Height"};
        for (std::size_t i = 0; i < args.size(); ++i)
            props[names[i]] = double(args[i]);
        return true;
    }
    bool isLine() const override { return line; }

    QList<int> geometry() const
    {
        QList<int> out;
        for (const char *name : {"Left", "Top", "Width", "Height"})
            out << int(std::get<double>(props.find(name)->second));
        return out;
    }
};

class FakeWindow final : public Window {
public:
    std::string nm;
    double t = 1000, l = 500, h = 7000, w = 7000, sh, sw;
    bool vis = true, failControls = false;
    QList<bool> visibleWrites;
    std::vector<std::unique_ptr<FakeControl>> owned;

    explicit FakeWindow(std::string name, double scaleWidth = 6444, double scaleHeight = 6396)
        : nm(std::move(name)), sh(scaleHeight), sw(scaleWidth)
    {}
    std::string name() const override { return nm; }
    double top() const override { return t; }
    double left() const override { return l; }
    double height() const override { return h; }
    double width() const override { return w; }
    double scaleHeight() const override { return sh; }
    double scaleWidth() const override { return sw; }
    bool visible() const override { return vis; }
    void setVisible(bool v) override
    {
        visibleWrites << v;
        vis = v;
    }
    std::vector<Control *> controls() override
    {
        if (failControls)
            throw std::runtime_error("enumeration failed");
        std::vector<Control *> out;
        for (auto &c : owned)
            out.push_back(c.get());
        return out;
    }

    FakeControl &add(const QVariantMap &props, bool line = false)
    {
        auto &c = *owned.emplace_back(std::make_unique<FakeControl>());
        for (auto it = props.begin(); it != props.end(); ++it)
            c.props[it.key().toStdString()] = toValue(it.value());
        c.line = line;
        return c;
    }
    FakeControl &box(const QString &name, QList<double> g)
    {
        return add(
            {{"Name", name}, {"Left", g[0]}, {"Top", g[1]}, {"Width", g[2]}, {"Height", g[3]}});
    }
};

// The three move requests of one rescale.
QStringList requests(const QList<int> &g)
{
    const auto join = [&](int n) {
        QStringList parts;
        for (int i = 0; i < n; ++i)
            parts << QString::number(g[i]);
        return parts.join(',');
    };
    return {join(4), join(3), join(2)};
}

QString q(const std::string &s)
{
    return QString::fromStdString(s);
}

QList<int> fields(const LayoutRecord &r)
{
    return {r.Index, r.Top, r.Left, r.Height, r.Width};
}

} // namespace

class TestEngine : public QObject {
    Q_OBJECT

private slots:
    void findOnEmptyTables()
    {
        Engine e;
        FakeWindow w("frmA");
        const FakeControl &c = w.box("Label1", {0, 0, 10, 10});
        QCOMPARE(e.FindForm(w), -1);
        QCOMPARE(e.FindControl(c, "frmA"), -1);
    }

    void findFormIsCaseSensitive()
    {
        Engine e;
        FakeWindow w("frmA"), lower("frma"), longer("frmAb");
        e.AddForm(w);
        QCOMPARE(e.FindForm(lower), -1);
        QCOMPARE(e.FindForm(longer), -1);
        QCOMPARE(e.FindForm(w), 0);
    }

    void recording_data()
    {
        QTest::addColumn<QVariantMap>("props");
        QTest::addColumn<bool>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("expected"); // Index, Top, Left, Height, Width

        const auto row = [](const char *tag, const QVariantMap &props, bool line,
                            const QString &name, const QList<int> &expected) {
            QTest::newRow(tag) << props << line << name << expected;
        };
        const auto box = [](double l, double t, double w, double h) {
            return QVariantMap{
                {"Name", "Command1"}, {"Left", l}, {"Top", t}, {"Width", w}, {"Height", h}};
        };
        const auto line = [](double x1, double y1, double x2, double y2) {
            return QVariantMap{{"Name", "Line1"}, {"X1", x1},     {"Y1", y1},   {"X2", x2},
                               {"Y2", y2},        {"Left", 99.0}, {"Top", 99.0}};
        };
        row("left 0", box(0, 120, 1092, 372), false, "Command1", {0, 120, 0, 372, 1092});
        row("left -100", box(-100, 0, 10, 20), false, "Command1", {0, 0, 74900, 20, 10});
        row("left -74000", box(-74000, 0, 10, 20), false, "Command1", {0, 0, 1000, 20, 10});
        row("negative top and width kept", box(5, -500, -30, 20), false, "Command1",
            {0, -500, 5, 20, -30});
        row("halves to even", box(100.5, 101.5, -2.5, 0.5), false, "Command1",
            {0, 102, 100, 0, -2});
        row("near halves", box(100.49, 101.51, 2.5000001, 3.5), false, "Command1",
            {0, 102, 100, 4, 3});
        QVariantMap element = box(1, 2, 3, 4);
        element["Index"] = 3.0;
        row("array element", element, false, "Command1", {3, 2, 1, 4, 3});
        row("menu item", {{"Name", "achord"}}, false, "achord", {0, 0, 0, 0, 0});
        row("timer without size", {{"Name", "Timer1"}, {"Left", 120.0}, {"Top", 240.0}}, false,
            "Timer1", {0, 240, 120, 0, 0});
        row("line", line(0, 1440, 6480, 1440), true, "Line1", {0, 1440, 0, 1440, 6480});
        row("line off screen", line(-100, -30, -74000, -40), true, "Line1",
            {0, -30, 74900, -40, 1000});
        row("failed reads skipped one by one",
            {{"Name", "Text1"},
             {"Index", "two"},
             {"Top", "120"},
             {"Left", 3e9},
             {"Height", true},
             {"Width", 500.0}},
            false, "Text1", {0, 0, 0, 0, 500});
        row("beyond 32 bits after rounding", box(2147483647.5, 2147483646.5, 0, 0), false,
            "Command1", {0, 2147483646, 0, 0, 0});
        row("nothing readable", {{"Name", 7.0}, {"Left", qQNaN()}}, false, "", {0, 0, 0, 0, 0});
    }

    void recording()
    {
        QFETCH(QVariantMap, props);
        QFETCH(bool, line);
        QFETCH(QString, name);
        QFETCH(QList<int>, expected);
        Engine e;
        FakeWindow w("frmA");
        QCOMPARE(e.AddControl(w.add(props, line), "frmA"), 0);
        QCOMPARE(e.ControlCount, 1);
        QCOMPARE(int(e.ControlList.size()), 1);
        const LayoutRecord &r = e.ControlList[0];
        QCOMPARE(q(r.Name), name);
        QCOMPARE(q(r.FormName), "frmA");
        QCOMPARE(fields(r), expected);
        QCOMPARE(r.ScaleHeight, 0);
        QCOMPARE(r.ScaleWidth, 0);
    }

    void integralHeightSwitchedOff()
    {
        Engine e;
        FakeWindow w("frmfind");
        FakeControl &list = w.add({{"Name", "File1"}, {"IntegralHeight", true}});
        FakeControl &button = w.box("Command1", {0, 0, 10, 10});
        e.AddControl(list, "frmfind");
        e.AddControl(button, "frmfind");
        QCOMPARE(list.sets, QStringList{"IntegralHeight=false"});
        QCOMPARE(text(list.props.at("IntegralHeight")), "false");
        QCOMPARE(button.sets, QStringList{"IntegralHeight=false"}); // refused, still recorded
        QCOMPARE(e.ControlCount, 2);
        QCOMPARE(e.ControlList[1].Width, 10);
    }

    void addFormRecordsWindowThenControls()
    {
        Engine e;
        FakeWindow w("frmA", 6444.5, 6395.5);
        w.t = 1200.5;
        w.l = -300;
        FakeControl &first = w.box("Command1", {1, 2, 3, 4});
        FakeControl &known = w.box("Label1", {5, 6, 7, 8});
        e.AddControl(known, "frmA");
        bool windowKnown = true;
        first.onRead = [&] { windowKnown = windowKnown && e.FindForm(w) == 0 && e.FormCount == 1; };

        QCOMPARE(e.AddForm(w), 0);
        QVERIFY(windowKnown);
        QCOMPARE(e.FormCount, 1);
        const LayoutRecord &r = e.FormList.at(0);
        QCOMPARE(q(r.Name), "frmA");
        QVERIFY(r.FormName.empty());
        QCOMPARE(fields(r), (QList<int>{0, 1200, -300, 7000, 7000}));
        QCOMPARE(r.ScaleHeight, 6396);
        QCOMPARE(r.ScaleWidth, 6444);
        QCOMPARE(e.ControlCount, 2); // Label1 was known already
        QCOMPARE(q(e.ControlList.at(1).Name), "Command1");
        QCOMPARE(q(e.ControlList.at(1).FormName), "frmA");
    }

    void addFormFailureLeavesTablesAlone_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<double>("value");
        QTest::newRow("top") << 0 << 1e10;
        QTest::newRow("left") << 1 << -1e10;
        QTest::newRow("height") << 2 << qQNaN();
        QTest::newRow("width") << 3 << qInf();
        QTest::newRow("scale height") << 4 << 3e9;
        QTest::newRow("scale width, half to odd neighbour") << 5 << 2147483647.5;
    }

    void addFormFailureLeavesTablesAlone()
    {
        QFETCH(int, field);
        QFETCH(double, value);
        Engine e;
        FakeWindow w("frmA");
        FakeControl &c = w.box("Command1", {1, 2, 3, 4});
        double *const targets[] = {&w.t, &w.l, &w.h, &w.w, &w.sh, &w.sw};
        *targets[field] = value;
        QVERIFY_THROWS_EXCEPTION(std::exception, e.AddForm(w));
        QCOMPARE(e.FormCount, 0);
        QVERIFY(e.FormList.empty());
        QCOMPARE(e.ControlCount, 0);
        if (field != 0) {    // a Top beyond the limit skips the resize before any read
            e.ResizeForm(w); // absorbed per control
            QCOMPARE(e.FormCount, 0);
            QVERIFY(c.moves.isEmpty());
        }
    }

    void findControl_data()
    {
        QTest::addColumn<QStringList>("recorded"); // window/name[/index]
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("expected");
        const auto row = [](const char *tag, const QStringList &recorded, const char *query,
                            int expected) { QTest::newRow(tag) << recorded << query << expected; };
        const QStringList twoWindows{"frmA/Label1", "frmB/Label1"};
        const QStringList array{"frmA/Option1/0", "frmA/Option1/1", "frmA/Option1/2"};
        row("empty table", {}, "frmA/Label1", -1);
        row("Label1 of frmA", twoWindows, "frmA/Label1", 0);
        row("Label1 of frmB", twoWindows, "frmB/Label1", 1);
        row("Label1 of frmC", twoWindows, "frmC/Label1", -1);
        row("name case", {"frmA/Label1"}, "frmA/label1", -1);
        row("owner case", {"frmA/Label1"}, "frma/Label1", -1);
        row("whole name", {"frmA/Label10"}, "frmA/Label1", -1);
        row("no index matches any", {"frmA/Label1", "frmA/Option1/5"}, "frmA/Option1", 1);
        row("element by index", array, "frmA/Option1/2", 2);
        row("element not recorded", array, "frmA/Option1/7", -1);
        row("first match wins", {"frmA/Label1", "frmA/Label1"}, "frmA/Label1", 0);
    }

    void findControl()
    {
        QFETCH(QStringList, recorded);
        QFETCH(QString, query);
        QFETCH(int, expected);
        Engine e;
        FakeWindow w("any");
        const auto make = [&](const QString &entry) -> FakeControl & {
            const QStringList parts = entry.split('/');
            QVariantMap props{{"Name", parts[1]}};
            if (parts.size() > 2)
                props["Index"] = parts[2].toDouble();
            return w.add(props);
        };
        for (const QString &entry : recorded)
            e.AddControl(make(entry), entry.section('/', 0, 0).toStdString());
        QCOMPARE(e.FindControl(make(query), query.section('/', 0, 0).toStdString()), expected);
    }

    void reloadKeepsOneRecordEach()
    {
        Engine e;
        {
            FakeWindow first("frmA");
            first.box("Command1", {5280, 5880, 1092, 372});
            first.box("Label1", {10, 20, 30, 40});
            e.ResizeForm(first);
        }
        FakeWindow again("frmA");
        FakeControl &moved = again.box("Command1", {1, 1, 1, 1});
        again.box("Label1", {10, 20, 30, 40});
        e.ResizeForm(again);
        QCOMPARE(e.FormCount, 1);
        QCOMPARE(e.ControlCount, 2);
        QCOMPARE(moved.geometry(), (QList<int>{5280, 5880, 1092, 372}));
    }

    void windowWithoutControlsNeverRecorded()
    {
        Engine e;
        FakeWindow w("frmA");
        e.ResizeForm(w);
        e.ResizeForm(w);
        QCOMPARE(e.FormCount, 0);
        QCOMPARE(e.FindForm(w), -1);
    }

    void factors_data()
    {
        QTest::addColumn<QList<double>>("client"); // recorded w, h; current w, h
        QTest::addColumn<int>("fW");
        QTest::addColumn<int>("fH");
        const auto row = [](const char *tag, const QList<double> &client, int fW, int fH) {
            QTest::newRow(tag) << client << fW << fH;
        };
        row("recorded size", {6444, 6396, 6444, 6396}, 100, 100);
        row("worked example", {6444, 6396, 9666, 6396}, 150, 100);
        row("6500 truncates", {6444, 6396, 6500, 6396}, 100, 100);
        row("6509", {6444, 6396, 6509, 6396}, 101, 100);
        row("half", {6444, 6396, 3222, 3198}, 50, 50);
        row("taller", {6444, 6396, 6444, 12792}, 100, 200);
        row("zero width", {6444, 6396, 0, 6396}, 0, 100);
        row("percent halves to even", {1, 1, 1.125, 1.375}, 112, 138);
        row("32-bit percent", {1, 1, 21474836.47, 1}, 2147483647, 100);
    }

    void factors()
    {
        QFETCH(QList<double>, client);
        QFETCH(int, fW);
        QFETCH(int, fH);
        Engine e;
        FakeWindow w("frmA", client[0], client[1]);
        w.box("Command1", {0, 0, 10, 10});
        QCOMPARE(e.HeightFactor(w), 100); // records the window and its control
        QCOMPARE(e.FormCount, 1);
        QCOMPARE(e.ControlCount, 1);
        w.sw = client[2];
        w.sh = client[3];
        QCOMPARE(e.WidthFactor(w), fW);
        QCOMPARE(e.HeightFactor(w), fH);
        QCOMPARE(e.FormCount, 1);
    }

    void factorFailures_data()
    {
        QTest::addColumn<double>("recorded");
        QTest::addColumn<double>("current");
        QTest::newRow("empty recorded client") << 0.0 << 6444.0;
        QTest::newRow("percent beyond 32 bits") << 6444.0 << 3e7;
        QTest::newRow("quotient beyond 32 bits") << -1.0 << -21474836.48;
        QTest::newRow("not a number") << 6444.0 << qQNaN();
    }

    void factorFailures()
    {
        QFETCH(double, recorded);
        QFETCH(double, current);
        Engine e;
        FakeWindow w("frmA", recorded, recorded);
        w.box("Command1", {0, 0, 10, 10});
        QCOMPARE(e.AddForm(w), 0);
        w.sw = w.sh = current;
        QVERIFY_THROWS_EXCEPTION(std::exception, e.WidthFactor(w));
        QVERIFY_THROWS_EXCEPTION(std::exception, e.HeightFactor(w));
    }

    void rescale_data()
    {
        QTest::addColumn<QList<double>>("client");  // recorded w, h; current w, h
        QTest::addColumn<QList<double>>("control"); // geometry when recorded
        QTest::addColumn<QVariant>("currentLeft");  // invalid: Left cannot be read
        QTest::addColumn<QList<int>>("expected");

        const auto row = [](const char *tag, const QList<double> &client,
                            const QList<double> &control, const QVariant &left,
                            const QList<int> &expected) {
            QTest::newRow(tag) << client << control << left << expected;
        };
        const QList<double> same{6444, 6396, 6444, 6396}, button{5280, 5880, 1092, 372};
        row("recorded size", same, button, 5280.0, {5280, 5880, 1092, 372});
        row("worked example, wider only", {6444, 6396, 9666, 6396}, button, 5280.0,
            {7920, 5880, 1638, 372});
        row("half width", {6444, 6396, 3222, 6396}, button, 5280.0, {2640, 5880, 546, 372});
        row("6500 moves nothing", {6444, 6396, 6500, 6396}, button, 5280.0,
            {5280, 5880, 1092, 372});
        row("6509", {6444, 6396, 6509, 6396}, button, 5280.0, {5332, 5880, 1102, 372});
        row("zero width", {6444, 6396, 0, 6396}, button, 5280.0, {0, 5880, 0, 372});
        row("zero width off screen", {6444, 6396, 0, 6396}, button, -1.0, {-75000, 5880, 0, 372});
        row("left unreadable", same, button, QVariant(), {-69720, 5880, 1092, 372});
        row("left not a number", same, button, "x", {-69720, 5880, 1092, 372});
        row("left rounds to 0", same, button, -0.5, {5280, 5880, 1092, 372});
        row("width factor fails", {6444, 6396, 3e7, 6396}, button, 5280.0, {0, 5880, 0, 372});

        const QList<double> wider{100, 100, 150, 100};
        row("truncation toward zero", {100, 100, 150, 133}, {125, -720, 10, 10}, 125.0,
            {187, -957, 15, 13});
        row("off screen stays off", wider, {-74000, 1, 2, 3}, -74000.0, {-73500, 1, 3, 3});
        row("off screen back on", wider, {-74000, 1, 2, 3}, 0.0, {1500, 1, 3, 3});
        row("left -100 at 100", {100, 100, 100, 100}, {-100, 1, 2, 3}, -100.0, {-100, 1, 2, 3});
        row("left -100 at 150", wider, {-100, 1, 2, 3}, -100.0, {37350, 1, 3, 3});
        row("product beyond 32 bits", wider, {3e7, 3e7, 3e7, 3e7}, 3e7,
            {45000000, 30000000, 45000000, 30000000});
        row("result overflow absorbed", wider, {2e9, 100, 1000, 200}, 2e9, {0, 100, 1500, 200});
    }

    void rescale()
    {
        QFETCH(QList<double>, client);
        QFETCH(QList<double>, control);
        QFETCH(QVariant, currentLeft);
        QFETCH(QList<int>, expected);
        Engine e;
        FakeWindow w("frmA", client[0], client[1]);
        FakeControl &c = w.box("Command1", control);
        e.ResizeForm(w);
        c.moves.clear();
        if (currentLeft.isValid())
            c.props["Left"] = toValue(currentLeft);
        else
            c.props.erase("Left");
        w.sw = client[2];
        w.sh = client[3];
        e.ResizeForm(w);
        QCOMPARE(c.moves, requests(expected));
    }

    void lines_data()
    {
        QTest::addColumn<QList<double>>("recorded"); // X1, Y1, X2, Y2
        QTest::addColumn<QList<double>>("current");  // X1, X2 before the rescale
        QTest::addColumn<QList<double>>("client");   // current w, h of a 100 x 100 record
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *tag, const QList<double> &recorded,
                            const QList<double> &current, const QList<double> &client,
                            const QStringList &expected) {
            QTest::newRow(tag) << recorded << current << client << expected;
        };
        row("recorded size", {0, 1440, 6480, 1440}, {0, 6480}, {100, 100},
            {"X1=0", "Y1=1440", "X2=6480", "Y2=1440"});
        row("150 by 125", {0, 1440, 6480, 1440}, {0, 6480}, {150, 125},
            {"X1=0", "Y1=1800", "X2=9720", "Y2=1800"});
        row("start off screen", {-100, 10, 200, 20}, {-100, 200}, {100, 100},
            {"X1=-100", "Y1=10", "X2=200", "Y2=20"});
        row("end off screen", {100, 10, -74000, 20}, {100, -74000}, {150, 100},
            {"X1=150", "Y1=10", "X2=-73500", "Y2=20"});
        row("start back on screen", {-74000, 10, 0, 20}, {0, 0}, {150, 100},
            {"X1=1500", "Y1=10", "X2=0", "Y2=20"});
        row("overflowing end point skipped", {2e9, 10, 300, 20}, {2e9, 300}, {150, 100},
            {"Y1=10", "X2=450", "Y2=20"});
    }

    void lines()
    {
        QFETCH(QList<double>, recorded);
        QFETCH(QList<double>, current);
        QFETCH(QList<double>, client);
        QFETCH(QStringList, expected);
        Engine e;
        FakeWindow w("frmA", 100, 100);
        FakeControl &c = w.add({{"Name", "Line1"},
                                {"X1", recorded[0]},
                                {"Y1", recorded[1]},
                                {"X2", recorded[2]},
                                {"Y2", recorded[3]}},
                               true);
        e.ResizeForm(w);
        c.sets.clear();
        c.props["X1"] = current[0];
        c.props["X2"] = current[1];
        w.sw = client[0];
        w.sh = client[1];
        e.ResizeForm(w);
        QCOMPARE(c.sets, expected);
        QVERIFY(c.moves.isEmpty());
    }

    void minimizedTop_data()
    {
        QTest::addColumn<double>("top");
        QTest::addColumn<bool>("recordedFirst");
        QTest::addColumn<bool>("processed");
        QTest::newRow("first resize at 30000") << 30000.0 << false << false;
        QTest::newRow("first resize at 29999") << 29999.0 << false << true;
        QTest::newRow("minimized") << 45000.0 << false << false;
        QTest::newRow("recorded, then at 30000") << 30000.0 << true << false;
        QTest::newRow("recorded, then at 29999") << 29999.0 << true << true;
    }

    void minimizedTop()
    {
        QFETCH(double, top);
        QFETCH(bool, recordedFirst);
        QFETCH(bool, processed);
        Engine e;
        FakeWindow w("frmA");
        FakeControl &c = w.box("Command1", {5280, 5880, 1092, 372});
        if (recordedFirst) {
            e.ResizeForm(w);
            c.moves.clear();
            w.visibleWrites.clear();
        }
        w.t = top;
        w.sw = 9666;
        e.ResizeForm(w);
        QVERIFY(!e.Resizing);
        QCOMPARE(e.FormCount, recordedFirst || processed ? 1 : 0);
        QCOMPARE(int(c.moves.size()), processed ? 3 : 0);
        QCOMPARE(int(w.visibleWrites.size()), processed ? 1 : 0);
    }

    void zeroWidthThenRestore()
    {
        Engine e;
        FakeWindow w("frmA");
        FakeControl &c = w.box("Command1", {5280, 5880, 1092, 372});
        e.ResizeForm(w);
        w.sw = 0;
        e.ResizeForm(w);
        QCOMPARE(c.geometry(), (QList<int>{0, 5880, 0, 372}));
        w.sw = 9666;
        e.ResizeForm(w);
        QCOMPARE(c.geometry(), (QList<int>{7920, 5880, 1638, 372}));
    }

    void emptyRecordedClientCountsAsZero()
    {
        Engine e;
        FakeWindow w("frmA", 0, 6396);
        FakeControl &c = w.box("Command1", {5280, 5880, 1092, 372});
        e.ResizeForm(w);
        QCOMPARE(e.FormCount, 1);
        QCOMPARE(c.geometry(), (QList<int>{0, 5880, 0, 372}));
        w.sw = 6444;
        w.sh = 12792;
        e.ResizeForm(w);
        QCOMPARE(c.geometry(), (QList<int>{0, 11760, 0, 744}));
    }

    void nestedResizeDropped_data()
    {
        QTest::addColumn<bool>("sameWindow");
        QTest::newRow("same window") << true;
        QTest::newRow("other window") << false;
    }

    void nestedResizeDropped()
    {
        QFETCH(bool, sameWindow);
        Engine e;
        FakeWindow a("frmA"), b("frmB");
        FakeControl &first = a.box("Command1", {1, 2, 3, 4});
        FakeControl &second = a.box("Command2", {5, 6, 7, 8});
        FakeControl &other = b.box("Command1", {1, 2, 3, 4});
        FakeWindow &target = sameWindow ? a : b;
        int nested = 0;
        first.onMove = [&] {
            ++nested;
            e.ResizeForm(target);
        };
        e.ResizeForm(a);
        QCOMPARE(nested, 3);
        QCOMPARE(int(first.moves.size()), 3);
        QCOMPARE(int(second.moves.size()), 3);
        QVERIFY(other.moves.isEmpty());
        QCOMPARE(int(a.visibleWrites.size() + b.visibleWrites.size()), 1);
        QCOMPARE(e.FormCount, 1);
        QVERIFY(!e.Resizing);

        first.onMove = nullptr;
        e.ResizeForm(b); // a later request is served again
        QCOMPARE(e.FormCount, 2);
        QCOMPARE(int(other.moves.size()), 3);
    }

    void refusedMoves_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("accepts all") << 4 << QList<int>{7920, 7350, 1638, 465};
        QTest::newRow("refuses height") << 3 << QList<int>{7920, 7350, 1638, 372};
        QTest::newRow("refuses width and height") << 2 << QList<int>{7920, 7350, 1092, 372};
        QTest::newRow("no move") << 0 << QList<int>{5280, 5880, 1092, 372};
    }

    void refusedMoves()
    {
        QFETCH(int, limit);
        QFETCH(QList<int>, expected);
        Engine e;
        FakeWindow w("frmA");
        FakeControl &c = w.box("Command1", {5280, 5880, 1092, 372});
        c.moveLimit = std::size_t(limit);
        e.ResizeForm(w);
        w.sw = 9666;
        w.sh = 7995;
        e.ResizeForm(w);
        QCOMPARE(int(c.moves.size()), 6);
        QCOMPARE(c.geometry(), expected);
    }

    void menuItemsUntouched()
    {
        Engine e;
        FakeWindow w("frmchords");
        FakeControl &menu = w.add({{"Name", "achord"}});
        menu.moveLimit = 0;
        FakeControl &button = w.box("Command1", {5280, 5880, 1092, 372});
        e.ResizeForm(w);
        w.sw = 9666;
        e.ResizeForm(w);
        QCOMPARE(q(e.ControlList.at(0).Name), "achord");
        QCOMPARE(fields(e.ControlList.at(0)), (QList<int>{0, 0, 0, 0, 0}));
        QCOMPARE(int(menu.props.size()), 1);
        QCOMPARE(menu.sets, QStringList{"IntegralHeight=false"});
        QCOMPARE(button.geometry(), (QList<int>{7920, 5880, 1638, 372}));
    }

    void visibleRestored_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("hiddenByMove");
        QTest::newRow("shown, a move hides it") << true << true;
        QTest::newRow("shown, untouched") << true << false;
        QTest::newRow("hidden, same value written") << false << false;
    }

    void visibleRestored()
    {
        QFETCH(bool, shown);
        QFETCH(bool, hiddenByMove);
        Engine e;
        FakeWindow w("frmA");
        w.vis = shown;
        w.box("Command1", {1, 2, 3, 4}).onMove = [&] {
            if (hiddenByMove)
                w.vis = false;
        };
        e.ResizeForm(w);
        QCOMPARE(w.visibleWrites, QList<bool>{shown});
        QCOMPARE(w.vis, shown);
    }

    void flagClearedWhenWindowFails()
    {
        Engine e;
        FakeWindow w("frmA");
        w.box("Command1", {1, 2, 3, 4});
        w.failControls = true;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, e.ResizeForm(w));
        QVERIFY(!e.Resizing);
        w.failControls = false;
        e.ResizeForm(w);
        QCOMPARE(e.FormCount, 1);
    }

    void unrecordedControlLeftAlone()
    {
        Engine e;
        FakeWindow w("frmA");
        w.box("Command1", {1, 2, 3, 4});
        e.ResizeForm(w);
        FakeControl &late = w.box("Command2", {5280, 5880, 1092, 372});
        w.sw = 9666;
        e.ResizeForm(w);
        QVERIFY(late.moves.isEmpty());
        QCOMPARE(late.geometry(), (QList<int>{5280, 5880, 1092, 372}));
        QCOMPARE(e.ControlCount, 1);
    }

    void processEngineIsShared()
    {
        Engine &engine = processEngine();
        QCOMPARE(&processEngine(), &engine);
        FakeWindow w("frmProcessEngineTest");
        FakeControl &c = w.box("Command1", {5280, 5880, 1092, 372});
        const Int before = engine.FormCount;
        ResizeForm(w);
        QCOMPARE(engine.FormCount, before + 1);
        QVERIFY(engine.FindForm(w) >= 0);
        w.sw = 9666;
        ResizeForm(w);
        QCOMPARE(c.geometry(), (QList<int>{7920, 5880, 1638, 372}));
    }
};

QTEST_APPLESS_MAIN(TestEngine)
#include "test_engine.moc"
