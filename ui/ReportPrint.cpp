#include "ReportPrint.h"

#include "AtomicWrite.h"
#include "Fonts.h"
#include "KorvelsBuildingReport.h"

#include <QBuffer>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <memory>
#include <vector>

namespace Korvel {

namespace {

constexpr double FooterGapMm = 5;
constexpr qreal BodyPointSize = 10;
constexpr qreal FooterPointSize = 8;
const QColor FooterInk(64, 64, 64); // on white paper

// Headings stand 16 blanks in; items 14 and their continuation lines 18.
bool IsHeading(const QString& line) {
    return line.size() > 16 && line.startsWith(QString(16, QChar(' '))) && line.at(16) != ' ';
}

// One printed row: a piece of a report line, or an empty line when length is 0.
struct Row {
    int line = -1;
    int start = 0;
    int length = 0;
    qreal x = 0;
    bool table = false; // a row of a table padded for a fixed-width face
};

// Lines between two empty lines; a heading holds on to the group after it.
struct Group {
    int gapBefore = 0; // empty lines before it
    std::vector<Row> rows;
    bool heading = false;
    bool newPage = false; // a wall's part of a building begins on a page of its own
};

// Tells the rows of a building's table: the lines after its heading, from the
// first that is not empty to the next empty one.
class TableRows {
public:
    bool Next(const QString& line) {
        const bool empty = line.trimmed().isEmpty();
        if (state_ == State::InTable && empty) state_ = State::None;
        if (state_ == State::Heading && !empty) state_ = State::InTable;
        const bool row = state_ == State::InTable;
        if (StartsBuildingTable(line)) state_ = State::Heading;
        return row;
    }

private:
    enum class State { None, Heading, InTable } state_ = State::None;
};

class PageLayout {
public:
    PageLayout(QPaintDevice& device, const QStringList& lines, const QFont& reportFont)
        : lines_(lines), font_(reportFont), footerFont_(reportFont) {
        // A document size: the longest lines of the report fit the line.
        font_.setPointSizeF(BodyPointSize);
        footerFont_.setPointSizeF(FooterPointSize);
        width_ = device.width();
        TableFont(device);
        const qreal mm = device.logicalDpiY() / 25.4;
        const QFontMetricsF body(font_, &device), footer(footerFont_, &device);
        lineHeight_ = body.lineSpacing();
        ascent_ = body.ascent();
        footerHeight_ = footer.height() + FooterGapMm * mm;
        rowsPerPage_ = std::max(1, int((device.height() - footerHeight_) / lineHeight_));
        Paginate(Groups(device));
    }

    const QFont& font() const { return font_; }
    const QFont& tableFont() const { return tableFont_; }
    const QFont& footerFont() const { return footerFont_; }
    qreal lineHeight() const { return lineHeight_; }
    qreal ascent() const { return ascent_; }
    qreal footerHeight() const { return footerHeight_; }
    const QList<QList<Row>>& pages() const { return pages_; }

private:
    // A building's table lines up only in a fixed-width face, small enough
    // for its widest row to fit the line.
    void TableFont(QPaintDevice& device) {
        tableFont_.setFamilies({"Liberation Mono", "DejaVu Sans Mono"});
        tableFont_.setStyleHint(QFont::TypeWriter);
        tableFont_.setFixedPitch(true);
        tableFont_.setPointSizeF(BodyPointSize);
        TableRows table;
        qreal widest = 0;
        for (const QString& line : lines_)
            if (table.Next(line))
                widest =
                    std::max(widest, QFontMetricsF(tableFont_, &device).horizontalAdvance(line));
        if (widest > width_)
            tableFont_.setPointSizeF(std::max(4.0, BodyPointSize * width_ / widest * 0.98));
    }

    // Each line broken into rows at word boundaries; a broken line goes on
    // four blanks further in than it began.
    std::vector<Group> Groups(QPaintDevice& device) const {
        std::vector<Group> groups;
        int gap = 0;
        TableRows tableRows;
        for (int i = 0; i < lines_.size(); ++i) {
            const QString& text = lines_.at(i);
            const bool table = tableRows.Next(text);
            if (text.trimmed().isEmpty()) {
                ++gap;
                continue;
            }
            const QFont& font = table ? tableFont_ : font_;
            const bool newPage = StartsWallPart(text);
            if (gap > 0 || groups.empty() || newPage) {
                groups.push_back(Group{gap, {}, false, newPage});
                gap = 0;
            }
            Group& g = groups.back();
            g.heading = IsHeading(text);
            qsizetype blanks = 0;
            while (blanks < text.size() && text.at(blanks) == ' ')
                ++blanks;
            const qreal indent = std::min(
                QFontMetricsF(font, &device).horizontalAdvance(QString(blanks + 4, QChar(' '))),
                width_ / 2);
            QTextLayout layout(text, font, &device);
            QTextOption option;
            option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            layout.setTextOption(option);
            layout.beginLayout();
            for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
                const qreal x = g.rows.empty() || g.rows.back().line != i ? 0 : indent;
                l.setLineWidth(width_ - x);
                g.rows.push_back(Row{i, l.textStart(), l.textLength(), x, table});
            }
            layout.endLayout();
        }
        return groups;
    }

    void Paginate(const std::vector<Group>& groups) {
        pages_.append(QList<Row>());
        auto place = [this](const Row& row) {
            if (pages_.back().size() == rowsPerPage_) pages_.append(QList<Row>());
            // Empty lines at the top of a page are left out.
            if (row.length == 0 && pages_.back().isEmpty()) return;
            pages_.back().append(row);
        };
        for (std::size_t i = 0; i < groups.size();) {
            // A run of headings goes with the group after them.
            std::size_t end = i;
            while (groups[end].heading && end + 1 < groups.size())
                ++end;
            int height = 0, keep = 0;
            for (std::size_t k = i; k <= end; ++k) {
                const int gap = k == i ? 0 : groups[k].gapBefore;
                height += gap + int(groups[k].rows.size());
                keep += gap + (k == end ? 1 : int(groups[k].rows.size()));
            }
            if (groups[i].newPage && !pages_.back().isEmpty()) pages_.append(QList<Row>());
            const QList<Row>& page = pages_.back();
            const int used = int(page.size());
            const int gap = page.isEmpty() ? 0 : groups[i].gapBefore;
            if (used > 0 && used + gap + height > rowsPerPage_) {
                // A group longer than a page starts where it is, provided
                // its headings and its first line still fit.
                if (height <= rowsPerPage_ || used + gap + keep > rowsPerPage_)
                    pages_.append(QList<Row>());
            }
            for (std::size_t k = i; k <= end; ++k) {
                for (int e = 0; e < groups[k].gapBefore; ++e)
                    place(Row{});
                for (const Row& row : groups[k].rows)
                    place(row);
            }
            i = end + 1;
        }
    }

    const QStringList& lines_;
    QFont font_;
    QFont tableFont_;
    QFont footerFont_;
    qreal width_ = 0;
    qreal lineHeight_ = 1;
    qreal ascent_ = 0;
    qreal footerHeight_ = 0;
    int rowsPerPage_ = 1;
    QList<QList<Row>> pages_;
};

// Paints the pages on device, which is set up already; false when the device
// refused the job or a page.
bool Paint(QPagedPaintDevice& device, const QStringList& lines, const QFont& font) {
    const PageLayout layout(device, lines, font);
    const QString title = ReportTitle(lines);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const qreal width = device.width(), height = device.height();
    const qsizetype count = layout.pages().size();
    for (qsizetype p = 0; p < count; ++p) {
        if (p > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        painter.setFont(layout.font());
        painter.setPen(Qt::black);
        qreal y = layout.ascent();
        for (const Row& row : layout.pages().at(p)) {
            if (row.length > 0) {
                painter.setFont(row.table ? layout.tableFont() : layout.font());
                painter.drawText(QPointF(row.x, y), lines.at(row.line).mid(row.start, row.length));
            }
            y += layout.lineHeight();
        }
        // The footer: a hairline, the title on the left, the page on the right.
        painter.setFont(layout.footerFont());
        const QFontMetricsF fm(layout.footerFont(), &device);
        const qreal rule =
            height - layout.footerHeight() + (layout.footerHeight() - fm.height()) / 2;
        painter.setPen(QPen(FooterInk, device.logicalDpiY() / 300.0));
        painter.drawLine(QPointF(0, rule), QPointF(width, rule));
        const QString page = QString("lk %1/%2").arg(p + 1).arg(count);
        const qreal pageWidth = fm.horizontalAdvance(page);
        const qreal baseline = height - fm.descent();
        painter.drawText(QPointF(width - pageWidth, baseline), page);
        const qreal room = width - pageWidth - fm.horizontalAdvance("    ");
        painter.drawText(QPointF(0, baseline), fm.elidedText(title, Qt::ElideRight, room));
    }
    return painter.end();
}

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Writes the finished file atomically: on any failure the file that was
// there before, reached through a link or not, stays as it was.
QString WriteFile(const QString& path, const QByteArray& data) {
    const QString reason = WriteAtomically(path, data);
    if (reason.isEmpty()) return {};
    return QString("Faili \"%1\" ei saanud kirjutada: %2. Midagi ei kirjutatud; aruanne jäi "
                   "printimata.")
        .arg(Shown(path), reason);
}

} // namespace

std::unique_ptr<QPrinter> NewReportPrinter() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

QFont ReportFont() {
    QFont font;
    font.setFamilies(LayoutFontFamilies());
    font.setPixelSize(15);
    return font;
}

QString ReportTitle(const QStringList& lines) {
    if (lines.size() < 2) return {};
    const QString& line = lines.at(1);
    const qsizetype first = line.indexOf('"'), last = line.lastIndexOf('"');
    return first >= 0 && last > first ? line.mid(first + 1, last - first - 1) : line.trimmed();
}

QString PrintReportLines(QPrinter& printer, const QStringList& lines, const QFont& font) {
    printer.setFullPage(false);
    printer.setPageMargins(
        QMarginsF(PrintMarginLeftMm, PrintMarginMm, PrintMarginMm, PrintMarginMm),
        QPageLayout::Millimeter);

    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString path = printer.outputFileName();
        if (path.isEmpty()) return "Faili nimi puudub. Aruanne jäi printimata.";
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter pdf(&buffer);
            pdf.setPageLayout(printer.pageLayout());
            pdf.setResolution(printer.resolution());
            pdf.setTitle(printer.docName());
            pdf.setCreator(printer.creator());
            if (!Paint(pdf, lines, font))
                return QString("Aruannet ei saanud faili \"%1\" jaoks koostada. Aruanne jäi "
                               "printimata.")
                    .arg(Shown(path));
        }
        buffer.close();
        return WriteFile(path, buffer.data());
    }

    if (!Paint(printer, lines, font) || printer.printerState() == QPrinter::Error)
        return QString("Printer \"%1\" ei võtnud aruannet vastu. Aruanne jäi printimata.")
            .arg(printer.printerName());
    return {};
}

} // namespace Korvel
