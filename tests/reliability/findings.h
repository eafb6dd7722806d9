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

// Collects the findings of a run and holds them against the kept table.
class Findings {
public:
    void add(Finding finding) { m_rows.push_back(std::move(finding)); }
    [[nodiscard]] const std::vector<Finding> &rows() const { return m_rows; }

    // The whole page: a heading, how it is made, and one table row a finding.
    [[nodiscard]] QString page() const;
    // The lines of the kept page that the findings of this run contradict or
    // miss; empty when every finding stands in the page as it is.
    [[nodiscard]] QStringList disagreements(const QString &kept) const;

    [[nodiscard]] static QString row(const Finding &finding);

private:
    std::vector<Finding> m_rows;
};

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
