// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>

class QPainter;

namespace strumkin::platform {

// Paints one page's content at a rectangle of the painter's device, laid out
// at the page's own resolution; the painter's world transform takes it onto
// the paper.
using PagePainter = std::function<void(QPainter &, const QRectF &target)>;

// What a page is, for the document it is printed as: its title, and the words
// that stand in for its picture where the document has room for them.
struct PageText {
    QString title;
    QString description;
};

struct PrintResult {
    enum Outcome { Printed, NoPrinter, Failed };
    Outcome outcome = Failed;
    // Why not, in words for the user; empty when printed.
    QString reason;
};

// Sends pages to paper, or to a PDF file where there is no printer. A page
// has a size in twips and is laid out at a resolution in dots per inch (the
// screen's, for a window): the device runs at that resolution, so fonts and
// text wrap as they do there, and a uniform scale of the painter fills the
// paper's printable width or height with the page, centred, on one sheet.
class Printer {
public:
    virtual ~Printer() = default;
    // One page on the default printer; returns once the job is handed over.
    virtual PrintResult print(const PageText &text, const QSizeF &twips, int dotsPerInch,
                              const PagePainter &paint) = 0;
    // The same page as a PDF file, described in its metadata.
    virtual PrintResult savePdf(const QString &hostPath, const PageText &text, const QSizeF &twips,
                                int dotsPerInch, const PagePainter &paint) = 0;
};

// The system's default printer through the print server.
class SystemPrinter final : public Printer {
public:
    PrintResult print(const PageText &text, const QSizeF &twips, int dotsPerInch,
                      const PagePainter &paint) override;
    PrintResult savePdf(const QString &hostPath, const PageText &text, const QSizeF &twips,
                        int dotsPerInch, const PagePainter &paint) override;
};

} // namespace strumkin::platform
