#include "KorvelsCsv.h"

#include "FileBytes.h"
#include "KorvelsChecks.h"
#include "KorvelsInputs.h"
#include "KorvelsNumbers.h"
#include "SingleLine.h"

#include <QByteArrayView>
#include <QStringList>
#include <array>
#include <string>

namespace Korvel {

namespace {

struct Cell {
    std::string text;
    bool junk = false; // text after the closing quote
};

// Splits the text into records. Only the first maxCells cells of a record are
// kept, so a hostile row of millions of separators costs no memory.
class Records {
public:
    Records(std::string_view s, char sep) : s_(s), sep_(sep) {}
    bool AtEnd() const { return pos_ >= s_.size(); }
    int Number() const { return number_; }

    // False when a quoted cell runs to the end of the text. extraFilled:
    // a cell past maxCells holds text.
    bool Next(std::vector<Cell>& cells, std::size_t maxCells, std::size_t& count, bool& empty,
              bool& extraFilled) {
        ++number_;
        count = 0;
        empty = true;
        extraFilled = false;
        Cell scratch;
        for (;;) {
            Cell& c = count < maxCells
                          ? (count < cells.size() ? cells[count] : cells.emplace_back())
                          : scratch;
            c.text.clear();
            c.junk = false;
            SkipBlanks();
            if (pos_ < s_.size() && s_[pos_] == '"') {
                ++pos_;
                for (;;) {
                    const std::size_t q = s_.find('"', pos_);
                    if (q == std::string_view::npos) return false;
                    c.text.append(s_.substr(pos_, q - pos_));
                    pos_ = q + 1;
                    if (pos_ < s_.size() && s_[pos_] == '"') {
                        c.text += '"';
                        ++pos_;
                    } else {
                        break;
                    }
                }
                SkipBlanks();
                const std::size_t end = CellEnd();
                c.junk = end != pos_;
                pos_ = end;
            } else {
                const std::size_t end = CellEnd();
                std::size_t last = end;
                while (last > pos_ && (s_[last - 1] == ' ' || s_[last - 1] == '\t'))
                    --last;
                c.text.assign(s_.substr(pos_, last - pos_));
                pos_ = end;
            }
            if (!c.text.empty() || c.junk) {
                empty = false;
                if (count >= maxCells) extraFilled = true;
            }
            ++count;
            if (pos_ >= s_.size()) return true;
            const char ch = s_[pos_++];
            if (ch == sep_) continue;
            if (ch == '\r' && pos_ < s_.size() && s_[pos_] == '\n') ++pos_;
            return true;
        }
    }

private:
    void SkipBlanks() {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t'))
            ++pos_;
    }
    std::size_t CellEnd() const {
        std::size_t i = pos_;
        while (i < s_.size() && s_[i] != sep_ && s_[i] != '\n' && s_[i] != '\r')
            ++i;
        return i;
    }

    std::string_view s_;
    char sep_;
    std::size_t pos_ = 0;
    int number_ = 0;
};

// A ';' outside quotes in the first row.
char Separator(std::string_view s) {
    bool quoted = false;
    for (char c : s) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == ';') return ';';
        if (c == '\n' || c == '\r') break;
    }
    return ',';
}

// A cell's text for a message: quoted on one line, escapes as in a
// calculation file, a long text cut.
QString Shown(std::string_view utf8) {
    constexpr qsizetype Longest = 40;
    QString s = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    bool cut = false;
    if (s.size() > Longest) {
        s.truncate(s[Longest - 1].isHighSurrogate() ? Longest - 1 : Longest);
        cut = true;
    }
    QString out = "\"";
    for (QChar c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\t')
            out += "\\t";
        else if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
                 c == QChar::ParagraphSeparator)
            out += QString("\\u%1").arg(c.unicode(), 4, 16, QChar('0'));
        else
            out += c;
    }
    return out + (cut ? "…\"" : "\"");
}

enum class Kind { Block, Input, CheckBox1, CheckBox2, Position, Project, Name };
struct Column {
    Kind kind;
    int index = 0; // of the input or project field
    QString name;
};

// The column a header name stands for, or false.
bool FindColumn(std::string_view name, Column& column) {
    column.name = QString::fromUtf8(name.data(), qsizetype(name.size()));
    if (name == "block") return column.kind = Kind::Block, true;
    if (name == "CheckBox1") return column.kind = Kind::CheckBox1, true;
    if (name == "CheckBox2") return column.kind = Kind::CheckBox2, true;
    if (name == "position") return column.kind = Kind::Position, true;
    if (name == CsvNameColumn) return column.kind = Kind::Name, true;
    if (const InputField* f = FindInputField(name)) {
        column.kind = Kind::Input;
        column.index = int(f - InputFields().data());
        return true;
    }
    for (int i = 0; i < ProjectFieldCount; ++i)
        if (name == ProjectKeys[i]) {
            column.kind = Kind::Project;
            column.index = i;
            return true;
        }
    return false;
}

constexpr int KnownColumns = 1 + InputCount + 3 + ProjectFieldCount + 1;

// The header's columns, or why the file is refused. Empty names at the end
// (a header ending in a separator) are no columns.
QString ReadHeader(Records& records, std::vector<Column>& columns) {
    std::vector<Cell> cells;
    std::size_t count = 0;
    bool empty = false, extraFilled = false;
    if (!records.Next(cells, KnownColumns + 1, count, empty, extraFilled))
        return "päiserea jutumärkides nimi jääb faili lõpuni lõpetamata";
    if (empty) return "esimene rida peab olema päiserida veergude nimedega, see on tühi";
    std::size_t named = std::min(count, cells.size());
    if (!extraFilled)
        while (named > 0 && cells[named - 1].text.empty() && !cells[named - 1].junk)
            --named;
    // More names than columns exist: one of those kept is repeated or unknown.
    for (std::size_t i = 0; i < named; ++i) {
        const Cell& cell = cells[i];
        if (cell.junk)
            return QString("päiserea veerus %1 on pärast lõpetavat jutumärki muud teksti")
                .arg(i + 1);
        if (cell.text.empty()) return QString("päiserea veerul %1 ei ole nime").arg(i + 1);
        Column column;
        if (!FindColumn(cell.text, column))
            return QString("päiserea veerg %1 %2 on tundmatu (veergude nimed on arvutuse faili "
                           "nimed, suur- ja väiketäht eristatakse)")
                .arg(i + 1)
                .arg(Shown(cell.text));
        for (const Column& before : columns)
            if (before.name == column.name)
                return QString("veerg \"%1\" on päisereal mitu korda").arg(column.name);
        columns.push_back(std::move(column));
    }
    return {};
}

// Checks a number cell by its field's own definition, with the window's
// typing rule: the other separator is a decimal one too, unless it stands
// before exactly three digits as a possible thousands group. point gets the
// calculation file's form of it.
bool ReadNumber(const InputField& f, std::string_view text, char decimalMark, std::string& point) {
    point.assign(text);
    if (f.decimal) {
        if (HasThousandsGroup(point, decimalMark == ',' ? '.' : ',')) return false;
        for (char& c : point)
            if (c == ',') c = '.';
    }
    double value = 0;
    // A bound from the wall is taken on the widest wall, as a file's entry;
    // the other bounds do not depend on the wall.
    return IsFileNumber(point, f.decimal) && ParseNumberText(point, value) &&
           InRange(f, value, WidestWall());
}

// true/false, 1/0, and what an Estonian spreadsheet writes: TÕENE/VÄÄR.
bool ReadCheckBox(std::string_view text, bool& value) {
    const QString lower = QString::fromUtf8(text.data(), qsizetype(text.size())).toLower();
    if (lower == "true" || lower == "1" || lower == QString::fromUtf8("tõene"))
        return value = true, true;
    if (lower == "false" || lower == "0" || lower == QString::fromUtf8("väär"))
        return value = false, true;
    return false;
}

// The corner's inputs are used only with the corner on.
bool IsCornerField(std::string_view name) {
    return name == "qndEdit" || name == "tnkEdit" || name == "akaEdit";
}

// The checks a row applies: those with a cell given or their page's option
// on. In an applying check an empty load is 0; any other empty cell that the
// check uses, and an empty cell of the wall itself, is a problem.
void SetChecks(Calculation& c, const std::array<bool, InputCount>& given, bool blockGiven,
               bool positionGiven, QStringList& problems) {
    const auto fields = InputFields();
    c.checks = {false, false, false};
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (const int page = PageOfField(fields[i].name); given[i] && page >= 0)
            c.checks[std::size_t(page)] = true;
    if (c.checkBox2) c.checks[std::size_t(Page::Concentrated)] = true;
    if (c.checkBox1) c.checks[std::size_t(Page::Support)] = true;

    const auto empty = [&](const char* column) {
        problems << QString("veerg \"%1\": tühi lahter").arg(QLatin1String(column));
    };
    if (!blockGiven) empty("block");
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const InputField& f = fields[i];
        if (given[i]) continue;
        const int page = PageOfField(f.name);
        bool used = page < 0 || c.checks[std::size_t(page)];
        if (IsCornerField(f.name)) used = used && c.checkBox2;
        if (std::string_view(f.name) == "stEdit") used = used && c.checkBox1 && c.position == 3;
        if (!used) continue;
        if (IsLoadField(f.name))
            c.inputs[i] = "0";
        else
            empty(f.name);
    }
    if (c.checks[std::size_t(Page::Support)] && c.checkBox1 && !positionGiven) empty("position");
}

// Why the file is refused whole.
QString Refused(const QString& why) {
    return why;
}

} // namespace

QString ReadCsvRows(const QByteArray& bytes, std::string_view decimalSeparator,
                    const std::function<void(CsvWall&)>& take) {
    if (bytes.size() > MaxCsvFileSize)
        return Refused("fail on suurem kui 64 MiB, nii palju seinu ei loeta");
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF")) text = text.sliced(3);
    if (!text.isValidUtf8() || text.contains('\0'))
        return Refused("fail ei ole UTF-8 tekst (salvesta tabel kujul \"CSV UTF-8\")");
    if (text.isEmpty()) return Refused("fail on tühi, esimene rida peab olema päiserida");

    const std::string_view s(text.data(), std::size_t(text.size()));
    const char sep = Separator(s);
    const char decimalMark = sep == ';' ? ',' : '.';
    const char other = sep == ';' ? '.' : ',';
    const QString groupForm = sep == ';' ? " (punkt kolme numbri ees võib olla tuhandete eraldaja)"
                                         : " (koma kolme numbri ees võib olla tuhandete eraldaja)";
    Records records(s, sep);
    std::vector<Column> columns;
    if (QString why = ReadHeader(records, columns); !why.isEmpty()) return Refused(why);

    const Calculation start = Calculation::Start();
    const auto fields = InputFields();
    int walls = 0;
    std::vector<Cell> cells;
    std::string point;
    while (!records.AtEnd()) {
        std::size_t count = 0;
        bool empty = false, extraFilled = false;
        if (!records.Next(cells, columns.size(), count, empty, extraFilled))
            return Refused(QString("rea %1 jutumärkides lahter jääb faili lõpuni lõpetamata")
                               .arg(records.Number()));
        if (empty) continue;
        if (walls == MaxCsvWalls)
            return Refused(QString("failis on üle %1 seina, nii palju ei loeta").arg(MaxCsvWalls));
        ++walls;

        CsvWall wall;
        wall.line = records.Number();
        const QString row = "rida " + QString::number(wall.line);
        wall.name = row;
        QStringList problems;
        // A spreadsheet writes every cell of a row, an empty one as empty:
        // a shorter row has lost or merged cells.
        if (count < columns.size() || extraFilled)
            problems << QString("real on %1 lahtrit, päisereal %2 veergu")
                            .arg(count)
                            .arg(columns.size());

        Calculation c = start;
        std::array<bool, InputCount> given{};
        bool blockGiven = false, positionGiven = false;
        for (std::size_t i = 0; i < std::min(count, columns.size()); ++i) {
            const Column& column = columns[i];
            const std::string_view cell = cells[i].text;
            // Messages are made only for a bad cell: most rows have none.
            const auto where = [&] { return "veerg \"" + column.name + '"'; };
            if (cells[i].junk) {
                problems << where() + ": pärast lõpetavat jutumärki on muud teksti";
                continue;
            }
            if (cell.empty()) continue;
            const auto bad = [&] { return where() + ", väärtus " + Shown(cell) + ": "; };
            switch (column.kind) {
            case Kind::Input: {
                const InputField& f = fields[std::size_t(column.index)];
                given[std::size_t(column.index)] = true;
                if (!ReadNumber(f, cell, decimalMark, point)) {
                    const bool group = f.decimal && HasThousandsGroup(cell, other);
                    problems << bad() +
                                    QString::fromStdString(
                                        RangeMessage(f, WidestWall(), decimalSeparator)) +
                                    (group ? groupForm : QString());
                } else {
                    c.inputs[std::size_t(column.index)] =
                        QString::fromLatin1(point.data(), qsizetype(point.size()));
                }
                break;
            }
            case Kind::Block:
                blockGiven = true;
                c.block = QString::fromUtf8(cell.data(), qsizetype(cell.size()));
                if (FindBlock(cell) < 0) problems << bad() + "sellist KORVEL plokki ei ole";
                break;
            case Kind::CheckBox1:
            case Kind::CheckBox2:
                if (!ReadCheckBox(cell, column.kind == Kind::CheckBox1 ? c.checkBox1 : c.checkBox2))
                    problems << bad() + "märkeruut on true, false, 1, 0, TÕENE või VÄÄR";
                break;
            case Kind::Position:
                positionGiven = true;
                if (cell.size() == 1 && cell[0] >= '1' && cell[0] <= '3')
                    c.position = cell[0] - '0';
                else
                    problems << bad() + "tala asend peab olema 1, 2 või 3";
                break;
            case Kind::Project:
                c.project[std::size_t(column.index)] =
                    QString::fromUtf8(cell.data(), qsizetype(cell.size()));
                if (HasControl(c.project[std::size_t(column.index)]))
                    problems << where() + " sisaldab juhtmärki (näiteks reavahetust); projekti "
                                          "andmed on üherealised";
                break;
            case Kind::Name: {
                const QString name = QString::fromUtf8(cell.data(), qsizetype(cell.size()));
                if (HasControl(name))
                    problems << where() + " sisaldab juhtmärki (näiteks reavahetust); seina nimi "
                                          "on üherealine";
                else
                    wall.name = name;
                break;
            }
            }
        }
        SetChecks(c, given, blockGiven, positionGiven, problems);
        if (!problems.isEmpty()) {
            wall.error = row + ": " + problems.join("; ");
        } else {
            CheckedCalculation checked = CheckCalculation(c, decimalSeparator);
            if (!checked.error.isEmpty())
                wall.error = row + ": " + checked.error;
            else
                wall.checked = std::move(checked);
        }
        take(wall);
    }
    if (walls == 0)
        return Refused("päiserea all ei ole ühtegi seina, failis pole midagi kontrollida");
    return {};
}

namespace {
// The walls that read hands over, kept; none when the file is refused.
CsvTable Collect(const std::function<QString(const std::function<void(CsvWall&)>&)>& read) {
    CsvTable table;
    table.error = read([&](CsvWall& wall) { table.walls.push_back(std::move(wall)); });
    if (!table.error.isEmpty()) table.walls.clear();
    return table;
}
} // namespace

CsvTable ReadCsv(const QByteArray& bytes, std::string_view decimalSeparator) {
    return Collect([&](const auto& take) { return ReadCsvRows(bytes, decimalSeparator, take); });
}

QString ReadCsvFileRows(const QString& path, std::string_view decimalSeparator,
                        const std::function<void(CsvWall&)>& take) {
    QByteArray bytes;
    if (QString why = ReadAtMost(path, MaxCsvFileSize, bytes); !why.isEmpty()) return why;
    return ReadCsvRows(bytes, decimalSeparator, take);
}

CsvTable ReadCsvFile(const QString& path, std::string_view decimalSeparator) {
    return Collect([&](const auto& take) { return ReadCsvFileRows(path, decimalSeparator, take); });
}

} // namespace Korvel
