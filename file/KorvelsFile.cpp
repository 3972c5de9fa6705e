#include "KorvelsFile.h"

#include "KorvelsChecks.h"
#include "KorvelsInputs.h"
#include "KorvelsNumbers.h"
#include "ProgramVersion.h"
#include "SingleLine.h"

#include <QFile>
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

constexpr const char* FormatName = "KORVELsein";

QString Quoted(const QString& s) {
    // The JSON form of a string, escapes included.
    const QByteArray a = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(a.mid(1, a.size() - 2));
}

// The shortest decimal text of a JSON number, without an exponent.
QString NumberText(double v) {
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    if (res.ec != std::errc()) return "?";
    return QString::fromLatin1(buf, res.ptr - buf);
}

// The first key that stands twice in one object, as "outer.inner", or empty.
// The text is known to be valid JSON.
QString DuplicateKey(const QByteArray& json) {
    struct Level {
        bool object;
        QString path;
        QSet<QString> keys;
    };
    std::vector<Level> stack;
    bool expectKey = false;
    QString lastKey;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '"') {
            qsizetype j = i + 1;
            while (j < json.size() && json[j] != '"')
                j += json[j] == '\\' ? 2 : 1;
            if (expectKey && !stack.empty() && stack.back().object) {
                const QByteArray raw = "[" + json.mid(i, j - i + 1) + "]";
                const QString key = QJsonDocument::fromJson(raw).array().at(0).toString();
                Level& level = stack.back();
                const QString path = level.path.isEmpty() ? key : level.path + "." + key;
                if (level.keys.contains(key)) return path;
                level.keys.insert(key);
                lastKey = path;
                expectKey = false;
            }
            i = j;
        } else if (c == '{' || c == '[') {
            const bool inObject = !stack.empty() && stack.back().object;
            stack.push_back({c == '{', inObject ? lastKey : QString(), {}});
            expectKey = c == '{';
        } else if (c == '}' || c == ']') {
            if (!stack.empty()) stack.pop_back();
        } else if (c == ',') {
            expectKey = !stack.empty() && stack.back().object;
        }
    }
    return {};
}

CheckedCalculation Refused(QString why) {
    CheckedCalculation r;
    r.error = std::move(why);
    return r;
}

QString TypeError(const QString& key, const char* what) {
    return QString("kirje \"%1\" peab olema %2").arg(key, QString::fromUtf8(what));
}

// Every key of object must be one of known.
QString UnknownKey(const QJsonObject& object, const QString& prefix, const QSet<QString>& known) {
    for (auto it = object.begin(); it != object.end(); ++it)
        if (!known.contains(it.key()))
            return QString("tundmatu kirje \"%1%2\"").arg(prefix, it.key());
    return {};
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
    out += "  \"format\": " + Quoted(FormatName) + ",\n";
    out += "  \"version\": 1,\n";
    out += "  \"program\": " + Quoted(ProgramVersion()) + ",\n";
    out += "  \"block\": " + Quoted(c.block) + ",\n";
    out += "  \"inputs\": {\n";
    const auto fields = InputFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        out += "    " + Quoted(fields[i].name) + ": " + Quoted(c.inputs[i]) +
               (i + 1 < fields.size() ? ",\n" : "\n");
    out += "  },\n";
    out += "  \"options\": {\n";
    out += QString("    \"CheckBox1\": %1,\n").arg(c.checkBox1 ? "true" : "false");
    out += QString("    \"CheckBox2\": %1,\n").arg(c.checkBox2 ? "true" : "false");
    out += QString("    \"position\": %1\n").arg(c.position);
    out += "  },\n";
    out += "  \"project\": {\n";
    for (int i = 0; i < ProjectFieldCount; ++i)
        out += "    " + Quoted(ProjectKeys[i]) + ": " + Quoted(c.project[i]) +
               (i + 1 < ProjectFieldCount ? ",\n" : "\n");
    out += "  }\n";
    out += "}\n";
    return out.toUtf8();
}

CheckedCalculation ReadCalculation(const QByteArray& bytes, std::string_view decimalSeparator) {
    if (bytes.size() > MaxCalculationFileSize)
        return Refused("fail on suurem kui 1 MiB, see ei ole KORVEL arvutuse fail");
    QByteArray text = bytes;
    if (text.startsWith("\xEF\xBB\xBF")) text.remove(0, 3);
    {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
        const QString decoded = utf8.decode(text);
        if (utf8.hasError() || text.contains('\0'))
            return Refused("fail ei ole UTF-8 tekst, see ei ole KORVEL arvutuse fail");
    }
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const QByteArray before = text.left(parseError.offset);
        const qsizetype line = before.count('\n') + 1;
        const qsizetype lineStart = before.lastIndexOf('\n') + 1;
        const qsizetype column = QString::fromUtf8(before.mid(lineStart)).size() + 1;
        return Refused(
            QString("fail ei ole korrektne JSON (rida %1, veerg %2)").arg(line).arg(column));
    }
    if (!doc.isObject() || doc.object().value("format") != QJsonValue(FormatName))
        return Refused("see ei ole KORVEL arvutuse fail (kirje \"format\" ei ole \"KORVELsein\")");
    if (const QString dup = DuplicateKey(text); !dup.isEmpty())
        return Refused(QString("kirje \"%1\" on failis mitu korda").arg(dup));

    const QJsonObject top = doc.object();
    if (QString why = UnknownKey(
            top, "", {"format", "version", "program", "block", "inputs", "options", "project"});
        !why.isEmpty())
        return Refused(why);
    const QJsonValue version = top.value("version");
    if (!version.isDouble()) return Refused(TypeError("version", "arv 1"));
    if (version.toDouble() != 1)
        return Refused(QString("faili versioon %1 ei ole toetatud, programm loeb versiooni 1")
                           .arg(NumberText(version.toDouble())));
    if (top.contains("program") && !top.value("program").isString())
        return Refused(TypeError("program", "tekst"));

    Calculation c = Calculation::Start();
    // A check applies when the file gives any of its inputs or turns on an
    // option of its page: nothing is checked on values nobody gave.
    c.checks = {false, false, false};
    if (top.contains("block")) {
        if (!top.value("block").isString()) return Refused(TypeError("block", "tekst"));
        c.block = top.value("block").toString();
    }
    if (top.contains("inputs")) {
        if (!top.value("inputs").isObject()) return Refused(TypeError("inputs", "objekt"));
        const QJsonObject inputs = top.value("inputs").toObject();
        const auto fields = InputFields();
        for (auto it = inputs.begin(); it != inputs.end(); ++it) {
            const InputField* f = FindInputField(it.key().toStdString());
            if (!f) return Refused(QString("tundmatu kirje \"inputs.%1\"").arg(it.key()));
            const auto index = static_cast<std::size_t>(f - fields.data());
            if (const int page = PageOfField(f->name); page >= 0)
                c.checks[static_cast<std::size_t>(page)] = true;
            if (it.value().isString())
                c.inputs[index] = it.value().toString();
            else if (it.value().isDouble())
                c.inputs[index] = NumberText(it.value().toDouble());
            else
                return Refused(TypeError("inputs." + it.key(), "arv või tekst"));
        }
    }
    if (top.contains("options")) {
        if (!top.value("options").isObject()) return Refused(TypeError("options", "objekt"));
        const QJsonObject options = top.value("options").toObject();
        if (QString why = UnknownKey(options, "options.", {"CheckBox1", "CheckBox2", "position"});
            !why.isEmpty())
            return Refused(why);
        for (const char* key : {"CheckBox1", "CheckBox2"}) {
            if (!options.contains(key)) continue;
            if (!options.value(key).isBool())
                return Refused(TypeError(QString("options.") + key, "true või false"));
            (key[8] == '1' ? c.checkBox1 : c.checkBox2) = options.value(key).toBool();
        }
        if (c.checkBox1) c.checks[static_cast<std::size_t>(Page::Support)] = true;
        if (c.checkBox2) c.checks[static_cast<std::size_t>(Page::Concentrated)] = true;
        if (options.contains("position")) {
            const QJsonValue p = options.value("position");
            if (!p.isDouble()) return Refused(TypeError("options.position", "arv 1, 2 või 3"));
            const double v = p.toDouble();
            if (v != 1 && v != 2 && v != 3)
                return Refused(QString("kirje \"options.position\" väärtus %1: tala asend peab "
                                       "olema 1, 2 või 3")
                                   .arg(NumberText(v)));
            c.position = static_cast<int>(v);
        }
    }
    if (top.contains("project")) {
        if (!top.value("project").isObject()) return Refused(TypeError("project", "objekt"));
        const QJsonObject project = top.value("project").toObject();
        for (auto it = project.begin(); it != project.end(); ++it) {
            int index = -1;
            for (int i = 0; i < ProjectFieldCount; ++i)
                if (it.key() == ProjectKeys[i]) index = i;
            if (index < 0) return Refused(QString("tundmatu kirje \"project.%1\"").arg(it.key()));
            if (!it.value().isString()) return Refused(TypeError("project." + it.key(), "tekst"));
            c.project[index] = it.value().toString();
        }
    }
    return CheckCalculation(c, decimalSeparator);
}

CheckedCalculation CheckCalculation(const Calculation& c, std::string_view decimalSeparator) {
    CheckedCalculation result;
    result.calculation = c;
    TArvutused& r = result.record;
    const int block = FindBlock(c.block.toStdString());
    if (block < 0)
        return Refused(QString("kirje \"block\" väärtus %1: sellist KORVEL plokki ei ole")
                           .arg(Quoted(c.block)));
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
                    .arg(f.name, Quoted(c.inputs[i]),
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Refused("faili ei saa lugeda: seda ei ole või selle lugemiseks puudub õigus");
    // A file that is too big is not read whole.
    const QByteArray bytes = file.read(MaxCalculationFileSize + 1);
    if (file.error() != QFileDevice::NoError) return Refused("faili lugemine katkes");
    return ReadCalculation(bytes, decimalSeparator);
}

} // namespace Korvel
