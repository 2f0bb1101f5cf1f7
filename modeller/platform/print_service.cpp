#include "modeller/platform/print_service.h"

#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

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

bool DialogPrintService::printImage(const QImage& image, bool landscape) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialog(&printer, parent_);
    if (dialog.exec() != QDialog::Accepted) return false;
    return paintImageOnPage(printer, image);
}

bool PdfPrintService::printImage(const QImage& image, bool landscape) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file_);
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!paintImageOnPage(printer, image)) return false;
    ++pagesPrinted;
    return true;
}

} // namespace platform
