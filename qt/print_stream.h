// The printed page on a real printer: the text stream drawn with QPainter on a QPrinter.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/print_stream.h"

class QBuffer;
class QPagedPaintDevice;
class QPainter;
class QPdfWriter;
class QPrinter;
class QWidget;

namespace belegix {

class QtPrintStream : public PrintStream {
  public:
    // `dialogParent` parents the save dialog offered when no printer is installed.
    explicit QtPrintStream(QWidget* dialogParent = nullptr);
    ~QtPrintStream() override;
    QtPrintStream(const QtPrintStream&) = delete;
    QtPrintStream& operator=(const QtPrintStream&) = delete;

    void SetDialogParent(QWidget* parent) { dialogParent_ = parent; }
    // Renders every document into this PDF file instead of a printer, without any dialog.
    // An empty name goes back to the default printer.
    void SetPdfFile(const QString& file) { pdfFile_ = file; }
    // Where no printer is installed, the save dialog proposes the file name this gives.
    void SetFileNameProposal(std::function<QString()> proposal) { proposal_ = std::move(proposal); }
    // Told, after a document reached the printer or its PDF file, where it went ("Gedruckt auf
    // „Drucker“", "Als PDF gespeichert: DATEI").
    void SetOnDone(std::function<void(const QString&)> onDone) { onDone_ = std::move(onDone); }

    std::optional<std::string> Open() override;
    void SetFontName(const std::string& family) override;
    void SetFontSize(int points) override;
    void SetFontStyle(bool bold, bool underline) override;
    void SetColour(Colour colour) override;
    void Write(const std::string& fragment) override;
    void NewLine() override;
    std::optional<std::string> Close() override;

    // Where each piece of text was drawn in the last document (device pixels, top of its line),
    // so that the layout can be checked without reading the output back.
    struct Placed {
        QString text;
        QPointF topLeft;
        double width = 0;
        int page = 0;
    };
    const std::vector<Placed>& Layout() const { return placed_; }
    // The printable width and height of a page in device pixels.
    double PageWidth() const { return pageWidth_; }
    double PageHeight() const { return pageHeight_; }

    // "Kurswahl_Name_Vorname.pdf" (StudentFileName).
    static QString ProposedFileName(const QString& name, const QString& firstName);

  private:
    struct Piece {
        QString text;
        QFont font;
        QColor colour;
        double x = 0;
    };

    QFont CurrentFont() const;
    void FlushLine();
    void Reset();

    QWidget* dialogParent_;
    QString pdfFile_;
    std::function<QString()> proposal_;
    std::function<void(const QString&)> onDone_;

    // A document goes to a printer, or into memory and from there whole into a PDF file, so
    // that a failed write is noticed and leaves no damaged file.
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QBuffer> pdfBytes_;
    std::unique_ptr<QPdfWriter> pdfWriter_;
    QPagedPaintDevice* device_ = nullptr;
    QString pdfTarget_;
    std::unique_ptr<QPainter> painter_;
    bool discard_ = false;  // the student declined to save the page

    PrintFont font_;

    double pageWidth_ = 0, pageHeight_ = 0;
    double x_ = 0, top_ = 0;
    int page_ = 0;
    std::vector<Piece> line_;
    std::vector<Placed> placed_;
};

}  // namespace belegix
