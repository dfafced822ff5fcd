#include "qt/print_stream.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextBoundaryFinder>
#include <algorithm>

#include "qt/colours_and_fonts.h"
#include "qt/file_dialogs.h"
#include "qt/student_file.h"

namespace belegix {

namespace {

// Small margins: the school's name at the end of its long run of blanks must still fit
// on the line of an A4 page.
constexpr double kSideMarginMm = 6;
constexpr double kTopBottomMarginMm = 8;

// Control characters (a tab, a line break typed into a field) take the place of one blank
// on paper; everything else is drawn as written.
QString Printable(const std::string& fragment) {
    QString text = QString::fromUtf8(fragment);
    for (QChar& ch : text)
        if (ch.category() == QChar::Other_Control) ch = QLatin1Char(' ');
    return text;
}

// The positions in `text` after each whole character (grapheme), in order.
std::vector<qsizetype> CharacterEnds(const QString& text) {
    std::vector<qsizetype> ends;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype pos = finder.toNextBoundary(); pos > 0; pos = finder.toNextBoundary())
        ends.push_back(pos);
    return ends;
}

std::string CannotWrite(const QString& file) {
    return QStringLiteral("Die Datei „%1“ kann nicht geschrieben werden.").arg(file).toStdString();
}

}  // namespace

QtPrintStream::QtPrintStream(QWidget* dialogParent) : dialogParent_(dialogParent) {}

QtPrintStream::~QtPrintStream() {
    if (painter_ && painter_->isActive()) painter_->end();
}

QString QtPrintStream::ProposedFileName(const QString& name, const QString& firstName) {
    return StudentFileName(name, firstName, QStringLiteral(".pdf"));
}

QFont QtPrintStream::CurrentFont() const {
    const QString family = QString::fromStdString(font_.family);
    QFont font(InstalledFamily(family));
    if (FixedPitch(family)) {
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    } else {
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPointSize(font_.points);
    font.setBold(font_.bold);
    font.setUnderline(font_.underline);
    font.setKerning(false);
    return font;
}

void QtPrintStream::Reset() {
    painter_.reset();
    device_ = nullptr;
    printer_.reset();
    pdfWriter_.reset();
    pdfBytes_.reset();
    pdfTarget_.clear();
    discard_ = false;
    font_ = {};
    x_ = top_ = 0;
    page_ = 0;
    line_.clear();
}

std::optional<std::string> QtPrintStream::Open() {
    if (painter_ && painter_->isActive()) painter_->end();
    Reset();
    placed_.clear();

    QString pdf = pdfFile_;
    if (pdf.isEmpty() && QPrinterInfo::defaultPrinter().isNull()) {
        // No printer installed: offer to keep the page as a PDF file instead.
        const QString proposal = proposal_ ? proposal_() : QStringLiteral("Kurswahl.pdf");
        const std::optional<QString> chosen = AskSaveName(
            dialogParent_, QStringLiteral("Kein Drucker installiert – Plan als PDF speichern"),
            proposal, QStringLiteral("PDF-Dokumente (*.pdf)"), QStringLiteral(".pdf"));
        if (!chosen) {
            // Declined: the page goes nowhere, and that is no error.
            discard_ = true;
            return std::nullopt;
        }
        pdf = *chosen;
    }
    const QMarginsF margins(kSideMarginMm, kTopBottomMarginMm, kSideMarginMm, kTopBottomMarginMm);
    if (!pdf.isEmpty()) {
        if (!CanWriteFile(pdf)) {
            Reset();
            return CannotWrite(pdf);
        }
        pdfTarget_ = pdf;
        pdfBytes_ = std::make_unique<QBuffer>();
        pdfBytes_->open(QIODevice::WriteOnly);
        pdfWriter_ = std::make_unique<QPdfWriter>(pdfBytes_.get());
        pdfWriter_->setTitle(QStringLiteral("Kurswahlen"));
        pdfWriter_->setPageSize(QPageSize(QPageSize::A4));
        pdfWriter_->setPageOrientation(QPageLayout::Portrait);
        pdfWriter_->setPageMargins(margins, QPageLayout::Millimeter);
        device_ = pdfWriter_.get();
    } else {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setDocName(QStringLiteral("Kurswahlen"));
        printer_->setPageOrientation(QPageLayout::Portrait);
        printer_->setPageMargins(margins, QPageLayout::Millimeter);
        device_ = printer_.get();
    }

    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(device_)) {
        const std::string error =
            pdf.isEmpty() ? QStringLiteral("Der Drucker „%1“ kann nicht benutzt werden.")
                                .arg(printer_->printerName())
                                .toStdString()
                          : CannotWrite(pdf);
        Reset();
        return error;
    }
    const QRectF area = device_->pageLayout().paintRectPixels(device_->logicalDpiX());
    pageWidth_ = area.width();
    pageHeight_ = area.height();
    return std::nullopt;
}

void QtPrintStream::SetFontName(const std::string& family) {
    font_.family = family;
}

void QtPrintStream::SetFontSize(int points) {
    font_.points = std::max(1, points);
}

void QtPrintStream::SetFontStyle(bool bold, bool underline) {
    font_.bold = bold;
    font_.underline = underline;
}

void QtPrintStream::SetColour(Colour colour) {
    font_.colour = colour;
}

void QtPrintStream::Write(const std::string& fragment) {
    if (!painter_) return;
    const QFont font = CurrentFont();
    const QColor colour = ToQColor(font_.colour);
    const QFontMetricsF metrics(font, device_);
    QString rest = Printable(fragment);
    while (!rest.isEmpty()) {
        const double room = pageWidth_ - x_;
        // Only a piece a little wider than the room is measured, so that a very long text is
        // cut line by line in time proportional to its length.
        qsizetype probe =
            16 + 2 * static_cast<qsizetype>(std::max(0.0, room) /
                                            std::max(1.0, metrics.averageCharWidth()));
        while (probe < rest.size() && metrics.horizontalAdvance(rest.left(probe)) <= room)
            probe *= 2;
        if (probe >= rest.size()) {
            const double width = metrics.horizontalAdvance(rest);
            if (width <= room) {
                line_.push_back({rest, font, colour, x_});
                x_ += width;
                return;
            }
        }
        // Cut after the last whole character that still fits, continue on the next line. The
        // piece is wider than the room, so its end (which may split a character) never fits.
        const QString piece = rest.left(probe);
        const std::vector<qsizetype> ends = CharacterEnds(piece);
        const auto fits = std::partition_point(ends.begin(), ends.end(), [&](qsizetype end) {
            return metrics.horizontalAdvance(piece.left(end)) <= room;
        });
        qsizetype cut = fits == ends.begin() ? 0 : *(fits - 1);
        if (cut == 0) {
            if (!line_.empty()) {
                FlushLine();
                continue;
            }
            cut = CharacterEnds(rest).front();  // one character wider than the page: drawn anyway
        }
        const QString head = rest.left(cut);
        line_.push_back({head, font, colour, x_});
        x_ += metrics.horizontalAdvance(head);
        FlushLine();
        rest = rest.mid(cut);
    }
}

void QtPrintStream::NewLine() {
    if (!painter_) return;
    FlushLine();
}

void QtPrintStream::FlushLine() {
    // The line is as high as its tallest piece; its pieces share one baseline.
    double height = 0, ascent = 0;
    if (line_.empty()) {
        const QFontMetricsF metrics(CurrentFont(), device_);
        height = metrics.height();
    }
    for (const Piece& piece : line_) {
        const QFontMetricsF metrics(piece.font, device_);
        height = std::max(height, metrics.height());
        ascent = std::max(ascent, metrics.ascent());
    }
    if (top_ > 0 && top_ + height > pageHeight_) {
        device_->newPage();
        ++page_;
        top_ = 0;
    }
    for (const Piece& piece : line_) {
        painter_->setFont(piece.font);
        painter_->setPen(piece.colour);
        painter_->drawText(QPointF(piece.x, top_ + ascent), piece.text);
        const QFontMetricsF metrics(piece.font, device_);
        placed_.push_back(
            {piece.text, QPointF(piece.x, top_), metrics.horizontalAdvance(piece.text), page_});
    }
    top_ += height;
    x_ = 0;
    line_.clear();
}

std::optional<std::string> QtPrintStream::Close() {
    if (discard_) {
        Reset();
        return std::nullopt;
    }
    if (!painter_) return std::nullopt;
    if (!line_.empty()) FlushLine();
    const bool ended = painter_->end();
    std::optional<std::string> error;
    if (pdfWriter_) {
        // The whole document is in memory; it reaches the file whole or not at all.
        if (!ended || !WriteWholeFile(pdfTarget_, pdfBytes_->data()))
            error = CannotWrite(pdfTarget_);
    } else if (!ended || printer_->printerState() == QPrinter::Error) {
        error = QStringLiteral(
                    "Der Drucker „%1“ meldet einen Fehler; der Plan wurde nicht "
                    "gedruckt.")
                    .arg(printer_->printerName())
                    .toStdString();
    }
    QString done;
    if (!error && pdfWriter_)
        done = QStringLiteral("Als PDF gespeichert: %1").arg(pdfTarget_);
    else if (!error && printer_)
        done = QStringLiteral("Gedruckt auf „%1“").arg(printer_->printerName());
    Reset();
    if (!done.isEmpty() && onDone_) onDone_(done);
    return error;
}

}  // namespace belegix
