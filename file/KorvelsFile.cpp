#include "KorvelsFile.h"

#include "FileBytes.h"
#include "KorvelsChecks.h"
#include "KorvelsInputs.h"
#include "KorvelsJson.h"
#include "KorvelsNumbers.h"
#include "ProgramVersion.h"
#include "SingleLine.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>
#include <QStringDecoder>
#include <charconv>
#include <cmath>
#include <vector>

namespace Korvel {

const std::array<const char*, ProjectFieldCount> ProjectKeys{
    "PealkiriEdit", "ObnimEdit",   "PrnrEdit",  "TellijaEdit",
    "ProjektEdit",  "KuupaevEdit", "MarkusEdit"};

namespace {

CheckedCalculation Refused(QString why) {
    CheckedCalculation r;
    r.error = std::move(why);
    return r;
}

} // namespace

Calculation Calculation::Start() {
    Calculation c;
    c.block = QString::fromUtf8(Catalogue()[StartBlock].name);
    const auto fields = InputFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        c.inputs[i] = QString::fromUtf8(fields[i].startText).replace(',', '.');
    return c;
}

bool Calculation::SameValues(const Calculation& other) const {
    if (block != other.block || checkBox1 != other.checkBox1 || checkBox2 != other.checkBox2 ||
        position != other.position || project != other.project || checks != other.checks)
        return false;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (inputs[i] == other.inputs[i]) continue;
        double a = 0, b = 0;
        if (!ParseNumberText(inputs[i].toStdString(), a) ||
            !ParseNumberText(other.inputs[i].toStdString(), b) || a != b)
            return false;
    }
    return true;
}

QByteArray WriteCalculation(const Calculation& c) {
    QString out;
    out += "{\n";
    out += "  \"format\": " + Json::Quoted(Json::FormatName) + ",\n";
    out += "  \"version\": 1,\n";
    out += "  \"program\": " + Json::Quoted(ProgramVersion()) + ",\n";
    out += "  \"block\": " + Json::Quoted(c.block) + ",\n";
    out += Json::InputsEntry(c, "  ") + ",\n";
    out += Json::OptionsEntry(c, "  ") + ",\n";
    out += Json::ProjectEntry(c.project, "  ") + "\n";
    out += "}\n";
    return out.toUtf8();
}

CheckedCalculation Json::ReadVersion1(const QJsonObject& top, std::string_view decimalSeparator) {
    if (QString why = Json::UnknownKey(
            top, "", {"format", "version", "program", "block", "inputs", "options", "project"});
        !why.isEmpty())
        return Refused(why);
    Calculation c = Calculation::Start();
    // A check applies when the file gives any of its inputs or turns on an
    // option of its page: nothing is checked on values nobody gave.
    c.checks = {false, false, false};
    if (QString why = Json::ReadWallEntries(top, c, true); !why.isEmpty()) return Refused(why);
    if (QString why = Json::ReadProject(top, c.project); !why.isEmpty()) return Refused(why);
    return CheckCalculation(c, decimalSeparator);
}

CheckedCalculation ReadCalculation(const QByteArray& bytes, std::string_view decimalSeparator) {
    QJsonObject top;
    if (QString why =
            Json::ParseDocument(bytes, MaxCalculationFileSize,
                                "fail on suurem kui 1 MiB, see ei ole KORVEL arvutuse fail", top);
        !why.isEmpty())
        return Refused(why);
    int version = 0;
    if (QString why = Json::ReadVersion(top, version); !why.isEmpty()) return Refused(why);
    if (version != 1)
        return Refused(QString("faili versioon %1 on hoone fail, loe see hoonena").arg(version));
    return Json::ReadVersion1(top, decimalSeparator);
}

CheckedCalculation CheckCalculation(const Calculation& c, std::string_view decimalSeparator) {
    CheckedCalculation result;
    result.calculation = c;
    TArvutused& r = result.record;
    const int block = FindBlock(c.block.toStdString());
    if (block < 0)
        return Refused(QString("kirje \"block\" väärtus %1: sellist KORVEL plokki ei ole")
                           .arg(Json::Quoted(c.block)));
    ApplyBlock(r, Catalogue()[static_cast<std::size_t>(block)]);

    // A bound computed from the wall is taken on the widest wall: the window
    // holds such a value when its wall changed after it was typed (the start
    // values do: 200 mm on a 150 mm wall), and the pages' fit tests judge it.
    const auto fields = InputFields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const InputField& f = fields[i];
        const TArvutused& wall = f.upperOf ? WidestWall() : r;
        const std::string text = c.inputs[i].toStdString();
        double value = 0;
        const bool ok = IsFileNumber(text, f.decimal) && ParseNumberText(text, value) &&
                        InRange(f, value, wall);
        if (!ok)
            return Refused(
                QString("kirje \"inputs.%1\" väärtus %2: %3")
                    .arg(f.name, Json::Quoted(c.inputs[i]),
                         QString::fromStdString(RangeMessage(f, wall, decimalSeparator))));
        r.*(f.field) = value / f.factor;
    }
    if (c.position < 1 || c.position > 3)
        return Refused(QString("kirje \"options.position\" väärtus %1: tala asend peab olema 1, 2 "
                               "või 3")
                           .arg(c.position));
    for (int i = 0; i < ProjectFieldCount; ++i)
        if (HasControl(c.project[i]))
            return Refused(QString("kirje \"project.%1\" sisaldab juhtmärki (näiteks "
                                   "reavahetust); projekti andmed on üherealised")
                               .arg(ProjectKeys[i]));
    return result;
}

CheckedCalculation ReadCalculationFile(const QString& path, std::string_view decimalSeparator) {
    QByteArray bytes;
    if (QString why = ReadAtMost(path, MaxCalculationFileSize, bytes); !why.isEmpty())
        return Refused(why);
    return ReadCalculation(bytes, decimalSeparator);
}

} // namespace Korvel
