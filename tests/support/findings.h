#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace strumkin::test {

// What one fault case did to the program, in words, for the table of
// docs/reliability.md.
struct Finding {
    QString area;
    QString situation;
    QString outcome;
    bool held = false;
};

// Collects the findings of one test program and holds them against the kept
// table, where several programs keep their rows, each under areas of its own.
class Findings {
public:
    explicit Findings(QStringList areas) : m_areas(std::move(areas)) {}

    void add(Finding finding) { m_rows.push_back(std::move(finding)); }
    // A case that could not run here: the kept rows of its area stand.
    void skipped() { ++m_skipped; }

    // The kept page with this program's rows put in place of its old ones.
    [[nodiscard]] QString merged(const QString &kept) const;
    // What the kept page says otherwise than this run: rows it lacks, and,
    // when every case ran, rows of these areas that no case found.
    [[nodiscard]] QStringList disagreements(const QString &kept) const;

    [[nodiscard]] static QString row(const Finding &finding);

private:
    [[nodiscard]] bool ours(const QString &line) const;

    QStringList m_areas;
    std::vector<Finding> m_rows;
    int m_skipped = 0;
};

// Whether this run is the whole test program, not some of its functions chosen
// on the command line: only then is a kept row that no case found stale.
// For main(), before the tests run.
void setWholeRun(bool whole);

// Checks the findings against docs/reliability.md, or writes them into it
// when STRUMKIN_WRITE_RELIABILITY is set; this run's page goes to the
// artefacts folder either way. For a test program's cleanupTestCase().
void holdAgainstPage(const Findings &findings, const QString &page, const QString &artefacts);

// Records a finding when it goes out of scope, marked by whether the test
// function failed up to then: a failed check returns early, and the row
// still says so.
class FindingScope {
public:
    FindingScope(Findings &findings, QString area, QString situation);
    ~FindingScope();
    FindingScope(const FindingScope &) = delete;
    FindingScope &operator=(const FindingScope &) = delete;

    void saw(const QString &what) { m_seen << what; }

private:
    Findings &m_findings;
    QString m_area;
    QString m_situation;
    QStringList m_seen;
};

} // namespace strumkin::test
