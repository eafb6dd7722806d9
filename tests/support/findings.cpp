#include "support/findings.h"

#include "support/files.h"

#include <QCoreApplication>

#include <QDir>
#include <QFile>
#include <QTest>

#include <algorithm>

namespace strumkin::test {

namespace {

bool g_wholeRun = true;

const char Heading[] =
    "# Reliability\n\n"
    "What the program does under bad input and faults. The table is written by the\n"
    "test programs `test_reliability` and `test_print_server`, which drive the real\n"
    "windows and a real print server through every case below; each run checks that\n"
    "every row still stands as written here. To write it anew:\n"
    "`STRUMKIN_WRITE_RELIABILITY=1 ctest --test-dir build -R "
    "'test_reliability|test_print_server'`.\n\n"
    "| Area | Case | What happened | Result |\n"
    "|---|---|---|---|\n";

QString cell(QString text)
{
    return text.replace(QLatin1Char('|'), QLatin1String("\\|"))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace

QString Findings::row(const Finding &finding)
{
    return QStringLiteral("| %1 | %2 | %3 | %4 |")
        .arg(cell(finding.area), cell(finding.situation), cell(finding.outcome),
             finding.held ? QStringLiteral("held") : QStringLiteral("**FAILED**"));
}

bool Findings::ours(const QString &line) const
{
    for (const QString &area : m_areas) {
        if (line.startsWith(QStringLiteral("| %1 | ").arg(area)))
            return true;
    }
    return false;
}

QString Findings::merged(const QString &kept) const
{
    QStringList lines = kept.contains(QLatin1String("\n|---|"))
                            ? kept.split(QLatin1Char('\n'))
                            : QString::fromLatin1(Heading).split(QLatin1Char('\n'));
    const bool everyCase = m_skipped == 0 && g_wholeRun;
    // The rows go where the old ones were, or at the end of the table. Rows
    // of cases that did not run stay as they are.
    qsizetype at = -1;
    for (qsizetype i = 0; i < lines.size();) {
        const bool found = std::any_of(m_rows.begin(), m_rows.end(), [&](const Finding &f) {
            return lines[i].startsWith(
                QStringLiteral("| %1 | %2 | ").arg(cell(f.area), cell(f.situation)));
        });
        if (ours(lines[i]) && (everyCase || found)) {
            if (at < 0)
                at = i;
            lines.removeAt(i);
        } else {
            ++i;
        }
    }
    if (at < 0) {
        at = lines.size();
        while (at > 0 && !lines[at - 1].startsWith(QLatin1Char('|')))
            --at;
    }
    for (const Finding &finding : m_rows)
        lines.insert(at++, row(finding));
    return lines.join(QLatin1Char('\n'));
}

QStringList Findings::disagreements(const QString &kept) const
{
    const QStringList lines = kept.split(QLatin1Char('\n'));
    QStringList found;
    QStringList wrong;
    for (const Finding &finding : m_rows) {
        found << row(finding);
        if (!lines.contains(found.back()))
            wrong << QStringLiteral("missing: ") + found.back();
    }
    if (m_skipped == 0 && g_wholeRun) {
        for (const QString &line : lines) {
            if (ours(line) && !found.contains(line))
                wrong << QStringLiteral("not found: ") + line;
        }
    }
    return wrong;
}

void setWholeRun(bool whole)
{
    g_wholeRun = whole;
}

void holdAgainstPage(const Findings &findings, const QString &page, const QString &artefacts)
{
    const QString kept = QString::fromUtf8(readWholeFile(page));
    const QString fresh = findings.merged(kept);
    const QString copy = QDir(artefacts).filePath(
        QStringLiteral("reliability-%1.md").arg(QCoreApplication::applicationName()));
    QDir().mkpath(artefacts);
    writeWholeFile(copy, fresh.toUtf8());
    if (qEnvironmentVariableIsSet("STRUMKIN_WRITE_RELIABILITY")) {
        QVERIFY(writeWholeFile(page, fresh.toUtf8()));
        return;
    }
    const QStringList wrong = findings.disagreements(kept);
    QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("docs/reliability.md disagrees with this "
                                                        "run (whose page is %1):\n%2")
                                             .arg(copy, wrong.join(QLatin1Char('\n')))));
}

FindingScope::FindingScope(Findings &findings, QString area, QString situation)
    : m_findings(findings), m_area(std::move(area)), m_situation(std::move(situation))
{}

FindingScope::~FindingScope()
{
    m_findings.add(
        {m_area, m_situation, m_seen.join(QStringLiteral("; ")), !QTest::currentTestFailed()});
}

} // namespace strumkin::test
