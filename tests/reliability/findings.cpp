#include "findings.h"

#include <QTest>

namespace strumkin::test {

namespace {

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

QString Findings::page() const
{
    QString page = QStringLiteral(
        "# Reliability\n\n"
        "What the program does under bad input and faults. The table is written by the\n"
        "test program `test_reliability`, which drives the real windows through every\n"
        "case below; a run checks that each row still stands as written here.\n"
        "To write it anew: `STRUMKIN_WRITE_RELIABILITY=1 ctest --test-dir build -R "
        "test_reliability`.\n\n"
        "| Area | Case | What happened | Result |\n"
        "|---|---|---|---|\n");
    for (const Finding &finding : m_rows)
        page += row(finding) + QLatin1Char('\n');
    return page;
}

QStringList Findings::disagreements(const QString &kept) const
{
    const QStringList lines = kept.split(QLatin1Char('\n'));
    QStringList missing;
    for (const Finding &finding : m_rows) {
        const QString line = row(finding);
        if (!lines.contains(line))
            missing << line;
    }
    return missing;
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
