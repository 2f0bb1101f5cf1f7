#include "modeller/platform/print_service.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

namespace platform {

bool paintImageOnPage(QPrinter& printer, const QImage& image) {
    if (image.isNull()) return false;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    const QRect target(page.x() + (page.width() - size.width()) / 2,
                       page.y() + (page.height() - size.height()) / 2, size.width(), size.height());
    painter.drawImage(target, image);
    return painter.end();
}

bool paintWidgetOnPage(QPrinter& printer, QWidget& widget, const QRegion& part) {
    // Texts changed just before printing are laid out first, so that none is cut short.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (widget.width() <= 0 || widget.height() <= 0) return false;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = painter.viewport();
    const double scale = std::min(static_cast<double>(page.width()) / widget.width(),
                                  static_cast<double>(page.height()) / widget.height());
    painter.translate(page.x() + (page.width() - widget.width() * scale) / 2,
                      page.y() + (page.height() - widget.height() * scale) / 2);
    // A window drawn straight onto a printer is drawn as one picture of pixels; recorded first as
    // drawing commands, its texts reach the page as text and its lines at the printer's resolution.
    QPicture commands;
    QPainter recorder(&commands);
    widget.render(&recorder, QPoint(), part, QWidget::DrawWindowBackground | QWidget::DrawChildren);
    recorder.end();
    // What is left out of the window shows its background, as the window shows it.
    painter.fillRect(QRectF(0.0, 0.0, widget.width() * scale, widget.height() * scale),
                     widget.palette().window());
    // Played back, the commands grow by the printer's resolution over the recording's own.
    painter.scale(scale * commands.logicalDpiX() / printer.logicalDpiX(),
                  scale * commands.logicalDpiY() / printer.logicalDpiY());
    painter.drawPicture(0, 0, commands);
    return painter.end();
}

namespace {

// Prints through the printer dialog: nothing when the user cancels it.
template <class Paint> bool printWithDialog(QWidget* parent, bool landscape, Paint paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    return paint(printer);
}

// Prints one page into a PDF file.
template <class Paint> bool printToPdf(const QString& file, bool landscape, int& pages, Paint paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!paint(printer)) return false;
    ++pages;
    return true;
}

} // namespace

bool PrintService::printWidget(QWidget& widget, bool landscape, const QRegion&) {
    return printImage(widget.grab().toImage(), landscape);
}

bool PrintService::printPages(const QString&, const std::function<bool(QPrinter&)>&) {
    return false;
}

bool DialogPrintService::printPages(const QString& title, const std::function<bool(QPrinter&)>& paint) {
    return printWithDialog(parent_, false, [&](QPrinter& p) {
        p.setDocName(title);
        return paint(p);
    });
}

bool PdfPrintService::printPages(const QString& title, const std::function<bool(QPrinter&)>& paint) {
    lastTitle = title;
    return printToPdf(file_, false, pagesPrinted, [&](QPrinter& p) {
        p.setDocName(title);
        return paint(p);
    });
}

bool DialogPrintService::printImage(const QImage& image, bool landscape) {
    return printWithDialog(parent_, landscape, [&](QPrinter& p) { return paintImageOnPage(p, image); });
}

bool DialogPrintService::printWidget(QWidget& widget, bool landscape, const QRegion& part) {
    return printWithDialog(parent_, landscape,
                           [&](QPrinter& p) { return paintWidgetOnPage(p, widget, part); });
}

bool PdfPrintService::printImage(const QImage& image, bool landscape) {
    return printToPdf(file_, landscape, pagesPrinted,
                      [&](QPrinter& p) { return paintImageOnPage(p, image); });
}

bool PdfPrintService::printWidget(QWidget& widget, bool landscape, const QRegion& part) {
    return printToPdf(file_, landscape, pagesPrinted,
                      [&](QPrinter& p) { return paintWidgetOnPage(p, widget, part); });
}

} // namespace platform
