#include "KorvelsBuilding.h"

#include "FileBytes.h"
#include "KorvelsJson.h"
#include "ProgramVersion.h"
#include "SingleLine.h"

#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <cstring>

namespace Korvel {

namespace {

const QSet<QString> WallKeys{"name", "block", "checks", "inputs", "options"};

const QSet<QString> CheckNames{"vertical", "concentrated", "support"};

constexpr const char* CheckKeys[] = {"vertical", "concentrated", "support"};

CheckedBuilding Refused(const QString& why) {
    CheckedBuilding b;
    b.error = why;
    return b;
}

// A version 1 file's wall is named after the file, within the name rules.
QString NameOfFile(const QString& fileName) {
    QString name = ControlsAsBlanks(fileName);
    if (name.endsWith(QString(".") + CalculationSuffix, Qt::CaseInsensitive))
        name.chop(qsizetype(std::strlen(CalculationSuffix)) + 1);
    name = name.trimmed().left(MaxWallNameLength).trimmed();
    return name.isEmpty() ? QString("Sein 1") : name;
}

QString ReadChecks(const QJsonObject& wall, Calculation& c) {
    c.checks = {true, true, true};
    if (!wall.contains("checks")) return {};
    if (!wall.value("checks").isObject()) return Json::TypeError("checks", "objekt");
    const QJsonObject checks = wall.value("checks").toObject();
    if (QString why = Json::UnknownKey(checks, "checks.", CheckNames); !why.isEmpty()) return why;
    for (std::size_t i = 0; i < c.checks.size(); ++i) {
        const QJsonValue v = checks.value(CheckKeys[i]);
        if (v.isUndefined()) continue;
        if (!v.isBool())
            return Json::TypeError(QString("checks.") + CheckKeys[i], "true või false");
        c.checks[i] = v.toBool();
    }
    return {};
}

CheckedBuilding ReadVersion2(const QJsonObject& top, std::string_view sep) {
    if (QString why =
            Json::UnknownKey(top, "", {"format", "version", "program", "project", "walls"});
        !why.isEmpty())
        return Refused(why);
    CheckedBuilding result;
    Building& b = result.building;
    if (QString why = Json::ReadProject(top, b.project); !why.isEmpty()) return Refused(why);
    if (!top.contains("walls"))
        return Refused("kirje \"walls\" puudub: hoones peab olema vähemalt üks sein");
    if (!top.value("walls").isArray()) return Refused(Json::TypeError("walls", "seinte loend"));
    const QJsonArray walls = top.value("walls").toArray();
    if (walls.isEmpty())
        return Refused("kirje \"walls\" on tühi: hoones peab olema vähemalt üks sein");
    if (walls.size() > MaxBuildingWalls)
        return Refused(QString("hoones on %1 seina, programm loeb kuni %2 seina")
                           .arg(walls.size())
                           .arg(MaxBuildingWalls));
    b.walls.reserve(std::size_t(walls.size()));
    QHash<QString, int> names;
    names.reserve(walls.size());
    const Calculation start = Calculation::Start();
    for (qsizetype i = 0; i < walls.size(); ++i) {
        const QString number = QString("sein %1").arg(i + 1);
        if (!walls.at(i).isObject()) return Refused(number + ": kirje peab olema objekt");
        const QJsonObject o = walls.at(i).toObject();
        if (!o.value("name").isString())
            return Refused(number + ": kirje \"name\" peab olema seina nimi (tekst)");
        const QString name = o.value("name").toString();
        if (QString why = WallNameProblem(name); !why.isEmpty())
            return Refused(number + ": " + why);
        const QString where = QString("%1 (%2): ").arg(number, name);
        if (const auto it = names.constFind(name); it != names.cend())
            return Refused(where + QString("sama nimi on juba seinal %1").arg(it.value()));
        names.insert(name, int(i + 1));
        if (QString why = Json::UnknownKey(o, "", WallKeys); !why.isEmpty())
            return Refused(where + why);
        Calculation c = start;
        if (QString why = ReadChecks(o, c); !why.isEmpty()) return Refused(where + why);
        if (QString why = Json::ReadWallEntries(o, c, false); !why.isEmpty())
            return Refused(where + why);
        c.project = b.project;
        CheckedCalculation checked = CheckCalculation(c, sep);
        if (!checked.error.isEmpty()) return Refused(where + checked.error);
        b.walls.push_back({name, std::move(checked.calculation), checked.record});
    }
    return result;
}

} // namespace

CheckedCalculation Building::Checked(std::size_t wall) const {
    CheckedCalculation c;
    c.calculation = walls[wall].calculation;
    c.calculation.project = project;
    c.record = walls[wall].record;
    return c;
}

int Building::Find(const QString& name) const {
    for (std::size_t i = 0; i < walls.size(); ++i)
        if (walls[i].name == name) return int(i);
    return -1;
}

QString WallNameProblem(const QString& name) {
    if (name.isEmpty()) return "seina nimi on tühi";
    if (name.size() > MaxWallNameLength)
        return QString("seina nimi on pikem kui %1 märki").arg(MaxWallNameLength);
    if (HasControl(name)) return "seina nimi sisaldab juhtmärki (näiteks reavahetust)";
    if (name.front().isSpace() || name.back().isSpace())
        return "seina nimi algab või lõpeb tühikuga";
    return {};
}

QByteArray WriteBuilding(const Building& b) {
    QString out;
    out.reserve(qsizetype(b.walls.size()) * 1200 + 600);
    out += "{\n";
    out += "  \"format\": " + Json::Quoted(Json::FormatName) + ",\n";
    out += "  \"version\": 2,\n";
    out += "  \"program\": " + Json::Quoted(ProgramVersion()) + ",\n";
    out += Json::ProjectEntry(b.project, "  ") + ",\n";
    out += "  \"walls\": [\n";
    for (std::size_t i = 0; i < b.walls.size(); ++i) {
        const BuildingWall& w = b.walls[i];
        const Calculation& c = w.calculation;
        out += "    {\n";
        out += "      \"name\": " + Json::Quoted(w.name) + ",\n";
        out += "      \"block\": " + Json::Quoted(c.block) + ",\n";
        out += "      \"checks\": {\n";
        for (std::size_t k = 0; k < c.checks.size(); ++k)
            out += QString("        \"%1\": %2").arg(CheckKeys[k], c.checks[k] ? "true" : "false") +
                   (k + 1 < c.checks.size() ? ",\n" : "\n");
        out += "      },\n";
        out += Json::InputsEntry(c, "      ") + ",\n";
        out += Json::OptionsEntry(c, "      ") + "\n";
        out += i + 1 < b.walls.size() ? "    },\n" : "    }\n";
    }
    out += "  ]\n";
    out += "}\n";
    return out.toUtf8();
}

CheckedBuilding ReadBuilding(const QByteArray& bytes, std::string_view decimalSeparator,
                             const QString& fileName) {
    QJsonObject top;
    if (QString why =
            Json::ParseDocument(bytes, MaxBuildingFileSize,
                                "fail on suurem kui 16 MiB, see ei ole KORVEL arvutuse fail", top);
        !why.isEmpty())
        return Refused(why);
    int version = 0;
    if (QString why = Json::ReadVersion(top, version); !why.isEmpty()) return Refused(why);
    if (version == 2) return ReadVersion2(top, decimalSeparator);

    if (bytes.size() > MaxCalculationFileSize)
        return Refused("fail on suurem kui 1 MiB, see ei ole KORVEL arvutuse fail");
    CheckedCalculation c = Json::ReadVersion1(top, decimalSeparator);
    if (!c.error.isEmpty()) return Refused(c.error);
    CheckedBuilding result;
    result.version = 1;
    result.building.project = c.calculation.project;
    result.building.walls.push_back({NameOfFile(fileName), c.calculation, c.record});
    return result;
}

CheckedBuilding ReadBuildingFile(const QString& path, std::string_view decimalSeparator) {
    QByteArray bytes;
    if (QString why = ReadAtMost(path, MaxBuildingFileSize, bytes); !why.isEmpty())
        return Refused(why);
    return ReadBuilding(bytes, decimalSeparator, QFileInfo(path).fileName());
}

} // namespace Korvel
