// Printing of a picture (the main window, a chart) or of a window as it is drawn on one page, behind
// an interface so that tests print to a PDF file.
#pragma once

#include <QRegion>
#include <QString>

#include <functional>

class QImage;
class QPrinter;
class QWidget;

namespace platform {

class PrintService {
  public:
    virtual ~PrintService() = default;
    // Prints the image scaled to fit the page, keeping its proportions.  False when the user
    // cancelled the printer dialog or nothing could be printed.
    virtual bool printImage(const QImage& image, bool landscape) = 0;
    // Prints the window as it draws itself, scaled to fit the page: its texts stay texts and its
    // lines stay sharp at the printer's resolution.  Only `part` of it is drawn (in its own
    // coordinates; empty for the whole window), so that its buttons can stay off the page.  False as
    // for printImage.  A service that can print pictures only prints the window's picture.
    virtual bool printWidget(QWidget& widget, bool landscape, const QRegion& part = QRegion());
    // Prints a document of as many pages as `paint` draws: it paints on the printer with a painter
    // of its own and starts each further page itself.  `title` names the print job.  False as for
    // printImage, or when `paint` fails.  A service that can print pictures only prints nothing.
    virtual bool printPages(const QString& title, const std::function<bool(QPrinter&)>& paint);
};

// Draws the image on the printer's page, as large as fits, centred.  False when the printer
// cannot be painted on.
bool paintImageOnPage(QPrinter& printer, const QImage& image);
// Draws the window on the printer's page in the same way.
bool paintWidgetOnPage(QPrinter& printer, QWidget& widget, const QRegion& part = QRegion());

// Shows the printer dialog first and prints when it is confirmed.
class DialogPrintService : public PrintService {
  public:
    explicit DialogPrintService(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    bool printImage(const QImage& image, bool landscape) override;
    bool printWidget(QWidget& widget, bool landscape, const QRegion& part = QRegion()) override;
    bool printPages(const QString& title, const std::function<bool(QPrinter&)>& paint) override;

  private:
    QWidget* parent_;
};

// Prints straight into a PDF file without a dialog.
class PdfPrintService : public PrintService {
  public:
    explicit PdfPrintService(QString file) : file_(std::move(file)) {}
    bool printImage(const QImage& image, bool landscape) override;
    bool printWidget(QWidget& widget, bool landscape, const QRegion& part = QRegion()) override;
    bool printPages(const QString& title, const std::function<bool(QPrinter&)>& paint) override;
    // The print jobs written (each into the one file), and the title of the last.
    int pagesPrinted = 0;
    QString lastTitle;

  private:
    QString file_;
};

} // namespace platform
