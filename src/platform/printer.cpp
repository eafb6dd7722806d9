// SPDX-FileCopyrightText: 2026 The Strumkin team
// SPDX-License-Identifier: MIT
#include "platform/printer.h"

#include "platform/saving.h"
#include "platform/twips.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>

namespace strumkin::platform {

namespace {

// A PDF file is printed from a viewer onto paper that has margins of its
// own: this much stays clear on every side of the A4 page.
constexpr double PdfMarginMillimetres = 10.0;

PrintResult failed(QString reason)
{
    return {PrintResult::Failed, std::move(reason)};
}

// Paints the page laid out at the device's resolution and scaled uniformly so
// that it fills the printable rectangle (painter coordinates, in device
// pixels) one way and is centred the other.
void paintPage(QPainter &painter, const QSizeF &paper, int resolution, const QSizeF &twips,
               const PagePainter &paint)
{
    const QSizeF size = twips * (resolution / TwipsPerInch);
    const double scale = std::min(paper.width() / size.width(), paper.height() / size.height());
    const QPointF corner((paper.width() - size.width() * scale) / 2.0,
                         (paper.height() - size.height() * scale) / 2.0);
    // A world transform rather than a larger target, so that text is laid
    // out once, at the page's own size, and then only drawn larger: it wraps
    // where it wraps on screen.
    painter.setWorldTransform(QTransform::fromScale(scale, scale));
    const QRectF target(corner / scale, size);
    // What lies outside the page (a glyph box above its top edge) is cut
    // off, as on screen.
    painter.setClipRect(target);
    if (paint)
        paint(painter, target);
}

bool hasArea(const QSizeF &twips, int dotsPerInch)
{
    return twips.width() > 0.0 && twips.height() > 0.0 && dotsPerInch > 0;
}

// Whether the print server takes jobs for a queue. Qt does not say, and a
// job sent to a queue that rejects jobs is lost without an error. Unknown
// (the server's tools missing, say) counts as yes.
bool acceptsJobs(const QString &queue)
{
    QProcess lpstat;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    lpstat.setProcessEnvironment(environment);
    lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-a"), queue});
    if (!lpstat.waitForFinished(5000) || lpstat.exitStatus() != QProcess::NormalExit ||
        lpstat.exitCode() != 0) {
        lpstat.kill();
        return true;
    }
    return !lpstat.readAllStandardOutput().contains(" not accepting ");
}

// The document's XMP metadata: its title, maker and description, which PDF
// readers and screen readers show for a page that is a picture.
QByteArray xmpMetadata(const PageText &text)
{
    const auto alternative = [](const char *element, const QString &value) {
        return QStringLiteral("<dc:%1><rdf:Alt><rdf:li xml:lang=\"x-default\">%2</rdf:li>"
                              "</rdf:Alt></dc:%1>\n")
            .arg(QLatin1String(element), value.toHtmlEscaped());
    };
    return (QStringLiteral("<?xpacket begin=\"\xfeff\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
                           "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
                           "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
                           "<rdf:Description rdf:about=\"\" "
                           "xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n") +
            alternative("title", text.title) + alternative("description", text.description) +
            QStringLiteral("<dc:creator><rdf:Seq><rdf:li>Strumkin</rdf:li></rdf:Seq></dc:creator>\n"
                           "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n"
                           "<?xpacket end=\"w\"?>"))
        .toUtf8();
}

QString noArea()
{
    return QStringLiteral("The page to print has no size.");
}

} // namespace

PrintResult SystemPrinter::print(const PageText &text, const QSizeF &twips, int dotsPerInch,
                                 const PagePainter &paint)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return {PrintResult::NoPrinter,
                QStringLiteral("There is no printer set up on this computer.")};
    }
    if (!hasArea(twips, dotsPerInch))
        return failed(noArea());

    const QString name = info.description().isEmpty() ? info.printerName() : info.description();
    // A stopped queue would keep the page until someone starts it again.
    if (info.state() == QPrinter::Error || info.state() == QPrinter::Aborted) {
        return failed(QStringLiteral("The printer %1 is stopped, so nothing was printed. Start "
                                     "it again in the printer settings, then print once more.")
                          .arg(name));
    }
    if (!acceptsJobs(info.printerName())) {
        return failed(QStringLiteral("The printer %1 does not take any jobs at the moment, so "
                                     "nothing was printed.")
                          .arg(name));
    }
    QPrinter printer(info, QPrinter::HighResolution);
    // The print server's job carries the title only.
    printer.setDocName(text.title);
    printer.setCopyCount(1);
    // The job is vectors and text whatever the resolution; this one makes a
    // point of type as many pixels as on the page's own device.
    printer.setResolution(dotsPerInch);

    QPainter painter;
    if (!painter.begin(&printer)) {
        return failed(QStringLiteral("The printer %1 could not be started, so nothing was printed.")
                          .arg(name));
    }
    // Without full-page mode the painter's origin is the printable
    // rectangle's corner, and the device is that rectangle.
    paintPage(painter, QSizeF(printer.width(), printer.height()), printer.resolution(), twips,
              paint);
    // end() hands the job to the print server; it does not wait for paper.
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return failed(
            QStringLiteral("The printer %1 did not take the page, so nothing was printed.")
                .arg(name));
    }
    return {PrintResult::Printed, {}};
}

PrintResult SystemPrinter::savePdf(const QString &hostPath, const PageText &text,
                                   const QSizeF &twips, int dotsPerInch, const PagePainter &paint)
{
    if (!hasArea(twips, dotsPerInch))
        return failed(noArea());

    // Made in memory and then saved whole, so that a failed save leaves an
    // earlier file as it was and gives the same reasons as any other save.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(text.title);
        writer.setCreator(QStringLiteral("Strumkin"));
        writer.setDocumentXmpMetadata(xmpMetadata(text));
        writer.setResolution(dotsPerInch);
        // A4 with a printer's margins, the sheet filling what lies within
        // them: the file looks like the printed paper and prints whole from
        // any viewer.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(PdfMarginMillimetres, PdfMarginMillimetres,
                                                   PdfMarginMillimetres, PdfMarginMillimetres),
                                         QPageLayout::Millimeter));

        QPainter painter;
        if (!painter.begin(&writer))
            return failed(
                QStringLiteral("The PDF file could not be started, so it was not saved."));
        paintPage(painter, QSizeF(writer.width(), writer.height()), writer.resolution(), twips,
                  paint);
        if (!painter.end())
            return failed(
                QStringLiteral("The PDF file could not be finished, so it was not saved."));
    }

    const SaveResult saved = saveFile(hostPath, pdf.data());
    if (!saved.saved)
        return failed(saved.reason);
    return {PrintResult::Printed, {}};
}

} // namespace strumkin::platform
