#include "KorvelsCsvWrite.h"

#include "KorvelsChecks.h"
#include "KorvelsCsv.h"
#include "KorvelsInputs.h"

#include <QStringList>

namespace Korvel {

namespace {

// Quoted where a spreadsheet would otherwise split or trim it.
QString Cell(const QString& text) {
    const bool quote = text.contains(';') || text.contains('"') || text.contains('\n') ||
                       text.contains('\r') ||
                       (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quote) return text;
    return '"' + QString(text).replace("\"", "\"\"") + '"';
}

} // namespace

QByteArray WriteCsv(const Building& b) {
    QStringList header{QString::fromLatin1(CsvNameColumn), "block"};
    for (const InputField& f : InputFields())
        header << QString::fromLatin1(f.name);
    header << "CheckBox1"
           << "CheckBox2"
           << "position";
    for (const char* key : ProjectKeys)
        header << QString::fromLatin1(key);

    QString out;
    out.reserve(qsizetype(b.walls.size() + 1) * 300);
    out += QChar(0xFEFF);
    out += header.join(';') + "\r\n";
    for (const BuildingWall& w : b.walls) {
        const Calculation& c = w.calculation;
        const auto applies = [&](Page p) { return c.checks[std::size_t(p)]; };
        QStringList row{Cell(w.name), Cell(c.block)};
        const auto fields = InputFields();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const int page = PageOfField(fields[i].name);
            const bool used = page < 0 || c.checks[std::size_t(page)];
            row << (used ? QString(c.inputs[i]).replace('.', ',') : QString());
        }
        const bool support = applies(Page::Support);
        row << (support ? (c.checkBox1 ? "1" : "0") : QString());
        row << (applies(Page::Concentrated) ? (c.checkBox2 ? "1" : "0") : QString());
        row << (support ? QString::number(c.position) : QString());
        for (const QString& text : b.project)
            row << Cell(text);
        out += row.join(';') + "\r\n";
    }
    return out.toUtf8();
}

} // namespace Korvel
