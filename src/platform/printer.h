#pragma once

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <functional>

class QPainter;

namespace strumkin::platform {

// Paints one page's content at a rectangle of the painter's device.
using PagePainter = std::function<void(QPainter &, const QRectF &target)>;

struct PrintResult {
    enum Outcome { Printed, NoPrinter, Failed };
    Outcome outcome = Failed;
    // Why not, in words for the user; empty when printed.
    QString reason;
};

// Sends pages to paper, or to a PDF file where there is no printer. A page of
// a given size in twips is printed at that size on one sheet of paper,
// centred, and scaled down only if the paper is smaller.
class Printer {
public:
    virtual ~Printer() = default;
    // One page on the default printer; returns once the job is handed over.
    virtual PrintResult print(const QString &title, const QSizeF &twips,
                              const PagePainter &paint) = 0;
    // The same page as a PDF file.
    virtual PrintResult savePdf(const QString &hostPath, const QString &title, const QSizeF &twips,
                                const PagePainter &paint) = 0;
};

// The system's default printer through the print server.
class SystemPrinter final : public Printer {
public:
    PrintResult print(const QString &title, const QSizeF &twips, const PagePainter &paint) override;
    PrintResult savePdf(const QString &hostPath, const QString &title, const QSizeF &twips,
                        const PagePainter &paint) override;
};

} // namespace strumkin::platform
