// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "layout/engine.h"

#include <QtTest>

#include <functional>
#include <memory>
#include <stdexcept>

using namespace strumkin::layout;

namespace {

QVariant toVariant(const Value &v)
{
    if (const auto *s = std::get_if<std::string>(&v))
        return QString::fromStdString(*s);
    return std::holds_alternative<bool>(v) ? QVariant(std::get<bool>(v)) : std::get<double>(v);
}

// Properties from "Key=value ...", where 'text' is a text, true a flag and the rest numbers;
// leading bare numbers are Left, Top, Width and Height. Named Command1 unless said otherwise.
QVariantMap parse(const QString &text)
{
    static const QStringList box{"Left", "Top", "Width", "Height"};
    QVariantMap props{{"Name", "Command1"}};
    qsizetype next = 0;
    for (const QString &token : text.split(' ', Qt::SkipEmptyParts)) {
        const QString value = token.section('=', -1);
        props[token.contains('=') ? token.section('=', 0, 0) : box.value(next++)] =
            value.startsWith('\'') ? QVariant(value.mid(1).chopped(1))
            : value == "true"      ? QVariant(true)
                                   : QVariant(value.toDouble());
    }
    return props;
}

// A missing property is one the kind lacks; a move with more arguments than Move is refused.
// Every move and set is logged, successful or not.
class FakeControl final : public Control {
public:
    QVariantMap props;
    QStringList moves, sets;
    std::function<void()> onMove, onRead;

    explicit FakeControl(const QString &text) : props(parse(text)) {}
    std::optional<Value> property(std::string_view name) const override
    {
        if (onRead)
            onRead();
        const QVariant v = props.value(QString::fromLatin1(name.data(), qsizetype(name.size())));
        if (v.typeId() == QMetaType::Bool)
            return v.toBool();
        if (v.typeId() == QMetaType::QString)
            return v.toString().toStdString();
        return v.isValid() ? std::optional<Value>(v.toDouble()) : std::nullopt;
    }
    bool setProperty(std::string_view name, const Value &value) override
    {
        const QString key = QString::fromLatin1(name.data(), qsizetype(name.size()));
        sets << key + "=" + toVariant(value).toString();
        if (props.contains(key))
            props[key] = toVariant(value);
        return props.contains(key);
    }
    bool move(std::span<const std::int32_t> args) override
    {
        QStringList logged;
        for (auto a : args)
            logged << QString::number(a);
        moves << logged.join(',');
        if (onMove)
            onMove();
        const bool taken = qsizetype(args.size()) <= props.value("Move", 4).toInt();
        for (std::size_t i = 0; taken && i < args.size(); ++i)
            props[QStringList{"Left", "Top", "Width", "Height"}[qsizetype(i)]] = double(args[i]);
        return taken;
    }
    bool isLine() const override { return props.contains("X1"); }
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
    void setVisible(bool v) override { visibleWrites << (vis = v); }
    std::vector<Control *> controls() override
    {
        if (failControls)
            throw std::runtime_error("enumeration failed");
        std::vector<Control *> out;
        for (auto &c : owned)
            out.push_back(c.get());
        return out;
    }
    FakeControl &add(const QString &text)
    {
        return *owned.emplace_back(std::make_unique<FakeControl>(text));
    }
};

// The three move requests of one rescale to "left top width height".
QStringList requests(const QString &geometry)
{
    const QStringList all = geometry.split(' ');
    return {all.join(','), all.mid(0, 3).join(','), all.mid(0, 2).join(',')};
}

// Name, FormName, Index, Top, Left, Height, Width, ScaleHeight, ScaleWidth.
QString fields(const LayoutRecord &r)
{
    QStringList out{QString::fromStdString(r.Name), QString::fromStdString(r.FormName)};
    for (int v : {r.Index, r.Top, r.Left, r.Height, r.Width, r.ScaleHeight, r.ScaleWidth})
        out << QString::number(v);
    return out.join(' ');
}

const QString Button = "5280 5880 1092 372";

} // namespace

class TestEngine : public QObject {
    Q_OBJECT

private slots:
    void addFormRecordsWindowThenControls()
    {
        Engine e;
        FakeWindow w("frmA", 6444.5, 6395.5);
        w.t = 1200.5;
        w.l = -300;
        FakeControl &first = w.add("1 2 3 4");
        e.AddControl(w.add("5 6 7 8 Name='Label1'"), "frmA");
        bool windowKnown = true;
        first.onRead = [&] { windowKnown = windowKnown && e.FindForm(w) == 0 && e.FormCount == 1; };

        QCOMPARE(e.AddForm(w), 0);
        QVERIFY(windowKnown);
        QCOMPARE(e.FindForm(FakeWindow("frma")), -1); // names are case-sensitive
        QCOMPARE(e.FindForm(FakeWindow("frmAb")), -1);
        // Asked of every kind; most refuse, and the record is made all the same.
        QCOMPARE(first.sets, QStringList{"IntegralHeight=false"});
        QCOMPARE(e.FormCount, 1);
        QCOMPARE(fields(e.FormList.at(0)), "frmA  0 1200 -300 7000 7000 6396 6444");
        QCOMPARE(e.ControlCount, 2); // Label1 was known already
        QCOMPARE(fields(e.ControlList.at(1)), "Command1 frmA 0 2 1 4 3 0 0");
    }

    void addFormFailureLeavesTablesAlone_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<double>("value");
        QTest::newRow("top") << 0 << 1e10;
        QTest::newRow("scale height") << 4 << 3e9;
        QTest::newRow("scale width, half to odd neighbour") << 5 << 2147483647.5;
    }
    void addFormFailureLeavesTablesAlone()
    {
        QFETCH(int, field);
        QFETCH(double, value);
        Engine e;
        FakeWindow w("frmA");
        FakeControl &c = w.add("1 2 3 4");
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
        const QStringList twoWindows{"frmA/Label1", "frmB/Label1"};
        const QStringList array{"frmA/Option1/0", "frmA/Option1/1", "frmA/Option1/2"};
        QTest::newRow("empty table") << QStringList() << "frmA/Label1" << -1;
        QTest::newRow("Label1 of frmB") << twoWindows << "frmB/Label1" << 1;
        QTest::newRow("name case") << QStringList{"frmA/Label1"} << "frmA/label1" << -1;
        QTest::newRow("whole name") << QStringList{"frmA/Label10"} << "frmA/Label1" << -1;
        QTest::newRow("no index matches any")
            << QStringList{"frmA/Label1", "frmA/Option1/5"} << "frmA/Option1" << 1;
        QTest::newRow("element by index") << array << "frmA/Option1/2" << 2;
        QTest::newRow("element not recorded") << array << "frmA/Option1/7" << -1;
        QTest::newRow("first match wins")
            << QStringList{"frmA/Label1", "frmA/Label1"} << "frmA/Label1" << 0;
    }
    void findControl()
    {
        QFETCH(QStringList, recorded);
        QFETCH(QString, query);
        QFETCH(int, expected);
        Engine e;
        std::vector<std::unique_ptr<FakeControl>> made;
        const auto make = [&](const QString &entry) -> FakeControl & {
            const QStringList parts = entry.split('/');
            return *made.emplace_back(std::make_unique<FakeControl>(
                "Name='" + parts[1] + "'" + (parts.size() > 2 ? " Index=" + parts[2] : "")));
        };
        for (const QString &entry : recorded)
            e.AddControl(make(entry), entry.section('/', 0, 0).toStdString());
        QCOMPARE(e.FindControl(make(query), query.section('/', 0, 0).toStdString()), expected);
    }

    void rescale_data()
    {
        QTest::addColumn<QList<double>>("client"); // recorded w, h; then each resize's w, h
        QTest::addColumn<QString>("control");      // when recorded
        QTest::addColumn<QString>("now");          // changed before the last resize
        QTest::addColumn<QString>("expected");     // its requests, or what it sets of a line
        const auto row = [](const char *tag, const QList<double> &client, const QString &control,
                            const char *now, const char *expected) {
            QTest::newRow(tag) << client << control << now << expected;
        };
        const QList<double> same{6444, 6396, 6444, 6396}, wider{100, 100, 150, 100};
        // At the recorded size, a control is asked to stand where it was recorded.
        row("recorded size", same, Button, "", "5280 5880 1092 372");
        row("negative top and width kept", same, "5 -500 -30 20", "", "5 -500 -30 20");
        row("halves to even", same, "100.5 101.5 -2.5 0.5", "", "100 102 -2 0");
        row("near halves", same, "100.49 101.51 2.5000001 3.5", "", "100 102 3 4");
        row("beyond 32 bits after rounding", same, "2147483647.5 2147483646.5 0 0", "",
            "-75000 2147483646 0 0");
        row("failed reads skipped one by one", same,
            "Index='two' Top='120' Left=3e9 Height=true Width=500", "", "-75000 0 500 0");
        row("timer", same, "120 240", "", "120 240 0 0");
        row("worked example", {6444, 6396, 9666, 6396}, Button, "", "7920 5880 1638 372");
        row("6509", {6444, 6396, 6509, 6396}, Button, "", "5332 5880 1102 372");
        row("taller", {6444, 6396, 6444, 12792}, Button, "", "5280 11760 1092 744");
        row("zero width", {6444, 6396, 0, 6396}, Button, "", "0 5880 0 372");
        row("zero width off screen", {6444, 6396, 0, 6396}, Button, "Left=-1", "-75000 5880 0 372");
        row("zero width, then restored", {6444, 6396, 0, 6396, 9666, 6396}, Button, "",
            "7920 5880 1638 372");
        row("left not a number", same, Button, "Left='x'", "-69720 5880 1092 372");
        row("left rounds to 0", same, Button, "Left=-0.5", "5280 5880 1092 372");
        row("truncation toward zero", {100, 100, 150, 133}, "125 -720 10 10", "", "187 -957 15 13");
        row("off screen stays off", wider, "-74000 1 2 3", "", "-73500 1 3 3");
        row("off screen back on", wider, "-74000 1 2 3", "Left=0", "1500 1 3 3");
        row("left -100 at 150", wider, "-100 1 2 3", "", "37350 1 3 3");
        row("product beyond 32 bits", wider, "3e7 3e7 3e7 3e7", "",
            "45000000 30000000 45000000 30000000");
        row("result overflow absorbed", wider, "2e9 100 1000 200", "", "0 100 1500 200");
        row("percent halves to even", {1, 1, 1.125, 1.375}, "100 100 100 100", "",
            "112 138 112 138");
        row("32-bit percent", {1, 1, 21474836.47, 1}, "100 7 0 0", "", "2147483647 7 0 0");
        // A factor that cannot be computed counts as 0.
        row("empty recorded client", {0, 6396, 6444, 12792}, Button, "", "0 11760 0 744");
        row("percent beyond 32 bits", {6444, 6396, 3e7, 6396}, Button, "", "0 5880 0 372");
        row("not a number", {6444, 6396, qQNaN(), 6396}, Button, "", "0 5880 0 372");
        // Every request is made whether or not the one before it was refused.
        row("height refused", {6444, 6396, 9666, 7995}, Button + " Move=3", "",
            "7920 7350 1638 465");
        row("menu item", {6444, 6396, 9666, 7995}, "Move=0", "", "-75000 0 0 0");
        // A control added after its window was recorded is left where its window put it.
        row("not recorded", {6444, 6396, 9666, 6396}, Button, "Name='Command2'", "");
        // A line's end points are set instead; each one that cannot be computed is skipped.
        const QList<double> line{100, 100, 150, 125};
        row("line", line, "X1=0 Y1=1440 X2=6480 Y2=1440", "", "X1=0 Y1=1800 X2=9720 Y2=1800");
        row("line start back on screen", wider, "X1=-74000 Y1=10 X2=0 Y2=20", "X1=0",
            "X1=1500 Y1=10 X2=0 Y2=20");
        row("line end point overflows", wider, "X1=2e9 Y1=10 X2=300 Y2=20", "",
            "Y1=10 X2=450 Y2=20");
    }
    void rescale()
    {
        QFETCH(QList<double>, client);
        QFETCH(QString, control);
        QFETCH(QString, now);
        QFETCH(QString, expected);
        Engine e;
        FakeWindow w("frmA", client[0], client[1]);
        FakeControl &c = w.add(control);
        e.ResizeForm(w);
        for (qsizetype i = 2; i < client.size(); i += 2) {
            if (i + 2 == client.size()) {
                c.moves.clear();
                c.sets.clear();
                c.props.insert(parse(now));
            }
            w.sw = client[i];
            w.sh = client[i + 1];
            e.ResizeForm(w);
        }
        QCOMPARE(c.moves + c.sets, expected.contains('=') || expected.isEmpty()
                                       ? expected.split(' ', Qt::SkipEmptyParts)
                                       : requests(expected));
        QCOMPARE(e.FormCount, 1);
    }

    // The window's Top decides whether anything is done; a window without controls is never
    // asked for a factor, so never recorded. Its Visible state is written back as it was read.
    // A resize asked for while one is handled, of any window, is dropped; one asked for after
    // a failed one is served.
    void oneResize_data()
    {
        QTest::addColumn<double>("top");
        QTest::addColumn<bool>("recordedFirst");
        QTest::addColumn<QString>("control"); // what the window's control does when moved
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("expected"); // windows recorded, moves, Visible written
        const auto row = [](const char *tag, double top, bool recordedFirst, const char *control,
                            bool shown, const char *expected) {
            QTest::newRow(tag) << top << recordedFirst << control << shown << expected;
        };
        row("first at 30000", 30000, false, "", true, "0 0 ");
        row("first at 29999", 29999, false, "", true, "1 3 true");
        row("recorded, at 30000", 30000, true, "", true, "1 0 ");
        row("recorded, at 29999", 29999, true, "", true, "1 3 true");
        row("no controls", 1000, false, "none", true, "0 0 true");
        row("a move hides it", 1000, false, "hides", true, "1 3 true");
        row("hidden", 1000, false, "", false, "1 3 false");
        row("resizes its window", 1000, false, "resizes frmA", true, "1 3 true");
        row("resizes another window", 1000, false, "resizes frmB", true, "1 3 true");
        row("after the controls could not be listed", 1000, false, "fails", true, "1 3 true");
    }
    void oneResize()
    {
        QFETCH(double, top);
        QFETCH(bool, recordedFirst);
        QFETCH(QString, control);
        QFETCH(bool, shown);
        QFETCH(QString, expected);
        Engine e;
        FakeWindow w("frmA"), other("frmB");
        other.add(Button);
        FakeControl none("");
        FakeControl &c = control == "none" ? none : w.add(Button);
        if (recordedFirst)
            e.ResizeForm(w);
        c.moves.clear();
        w.visibleWrites.clear();
        w.t = top;
        w.sw = 9666;
        w.vis = shown;
        c.onMove = [&] {
            w.vis = w.vis && control != "hides";
            if (control.startsWith("resizes"))
                e.ResizeForm(control.endsWith(w.nm.c_str()) ? w : other);
        };
        if (control == "fails") {
            w.failControls = true;
            QVERIFY_THROWS_EXCEPTION(std::runtime_error, e.ResizeForm(w));
            w.failControls = false;
        }
        e.ResizeForm(w);
        QVERIFY(!e.Resizing);
        QStringList writes;
        for (bool v : w.visibleWrites)
            writes << QVariant(v).toString();
        QCOMPARE(
            QStringLiteral("%1 %2 %3").arg(e.FormCount).arg(c.moves.size()).arg(writes.join(',')),
            expected);
        QCOMPARE(e.FindForm(w), e.FormCount - 1);
        QCOMPARE(w.vis, shown);
    }
};

QTEST_APPLESS_MAIN(TestEngine)
#include "test_engine.moc"
