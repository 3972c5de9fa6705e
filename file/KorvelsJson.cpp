#include "KorvelsJson.h"

#include "KorvelsChecks.h"
#include "KorvelsInputs.h"

#include <QByteArrayView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <charconv>
#include <vector>

namespace Korvel::Json {

const QSet<QString> OptionKeys{"CheckBox1", "CheckBox2", "position"};

QString Quoted(const QString& s) {
    const QByteArray a = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(a.mid(1, a.size() - 2));
}

QString NumberText(double v) {
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    if (res.ec != std::errc()) return "?";
    return QString::fromLatin1(buf, res.ptr - buf);
}

namespace {

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
                // Only a key with an escape needs the JSON parser to be read.
                const QByteArrayView inner(json.constData() + i + 1, j - i - 1);
                const QString key =
                    inner.contains('\\')
                        ? QJsonDocument::fromJson("[" + json.mid(i, j - i + 1) + "]")
                              .array()
                              .at(0)
                              .toString()
                        : QString::fromUtf8(inner);
                Level& level = stack.back();
                if (level.keys.contains(key))
                    return level.path.isEmpty() ? key : level.path + "." + key;
                level.keys.insert(key);
                lastKey = key;
                expectKey = false;
            }
            i = j;
        } else if (c == '{' || c == '[') {
            const bool inObject = !stack.empty() && stack.back().object;
            QString path;
            if (inObject)
                path = stack.back().path.isEmpty() ? lastKey : stack.back().path + "." + lastKey;
            stack.push_back({c == '{', path, {}});
            expectKey = c == '{';
        } else if (c == '}' || c == ']') {
            if (!stack.empty()) stack.pop_back();
        } else if (c == ',') {
            expectKey = !stack.empty() && stack.back().object;
        }
    }
    return {};
}

} // namespace

QString TypeError(const QString& key, const char* what) {
    return QString("kirje \"%1\" peab olema %2").arg(key, QString::fromUtf8(what));
}

QString UnknownKey(const QJsonObject& object, const QString& prefix, const QSet<QString>& known) {
    for (auto it = object.begin(); it != object.end(); ++it)
        if (!known.contains(it.key()))
            return QString("tundmatu kirje \"%1%2\"").arg(prefix, it.key());
    return {};
}

QString ParseDocument(const QByteArray& bytes, qint64 maxSize, const QString& tooBig,
                      QJsonObject& top) {
    if (bytes.size() > maxSize) return tooBig;
    QByteArray text = bytes;
    if (text.startsWith("\xEF\xBB\xBF")) text.remove(0, 3);
    if (!QByteArrayView(text).isValidUtf8() || text.contains('\0'))
        return "fail ei ole UTF-8 tekst, see ei ole KORVEL arvutuse fail";
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const QByteArray before = text.left(parseError.offset);
        const qsizetype line = before.count('\n') + 1;
        const qsizetype lineStart = before.lastIndexOf('\n') + 1;
        const qsizetype column = QString::fromUtf8(before.mid(lineStart)).size() + 1;
        return QString("fail ei ole korrektne JSON (rida %1, veerg %2)").arg(line).arg(column);
    }
    if (!doc.isObject() || doc.object().value("format") != QJsonValue(FormatName))
        return "see ei ole KORVEL arvutuse fail (kirje \"format\" ei ole \"KORVELsein\")";
    if (const QString dup = DuplicateKey(text); !dup.isEmpty())
        return QString("kirje \"%1\" on failis mitu korda").arg(dup);
    top = doc.object();
    return {};
}

QString ReadVersion(const QJsonObject& top, int& version) {
    const QJsonValue v = top.value("version");
    if (!v.isDouble()) return TypeError("version", "arv 1 või 2");
    if (v.toDouble() != 1 && v.toDouble() != 2)
        return QString("faili versioon %1 ei ole toetatud, programm loeb versioone 1 ja 2")
            .arg(NumberText(v.toDouble()));
    version = static_cast<int>(v.toDouble());
    if (top.contains("program") && !top.value("program").isString())
        return TypeError("program", "tekst");
    return {};
}

QString ReadWallEntries(const QJsonObject& top, Calculation& c, bool checksFromKeys) {
    if (top.contains("block")) {
        if (!top.value("block").isString()) return TypeError("block", "tekst");
        c.block = top.value("block").toString();
    }
    if (top.contains("inputs")) {
        if (!top.value("inputs").isObject()) return TypeError("inputs", "objekt");
        const QJsonObject inputs = top.value("inputs").toObject();
        const auto fields = InputFields();
        for (auto it = inputs.begin(); it != inputs.end(); ++it) {
            const InputField* f = FindInputField(it.key().toStdString());
            if (!f) return QString("tundmatu kirje \"inputs.%1\"").arg(it.key());
            const auto index = static_cast<std::size_t>(f - fields.data());
            if (const int page = PageOfField(f->name); checksFromKeys && page >= 0)
                c.checks[static_cast<std::size_t>(page)] = true;
            if (it.value().isString())
                c.inputs[index] = it.value().toString();
            else if (it.value().isDouble())
                c.inputs[index] = NumberText(it.value().toDouble());
            else
                return TypeError("inputs." + it.key(), "arv või tekst");
        }
    }
    if (top.contains("options")) {
        if (!top.value("options").isObject()) return TypeError("options", "objekt");
        const QJsonObject options = top.value("options").toObject();
        if (QString why = UnknownKey(options, "options.", OptionKeys); !why.isEmpty()) return why;
        for (const char* key : {"CheckBox1", "CheckBox2"}) {
            if (!options.contains(key)) continue;
            if (!options.value(key).isBool())
                return TypeError(QString("options.") + key, "true või false");
            (key[8] == '1' ? c.checkBox1 : c.checkBox2) = options.value(key).toBool();
        }
        if (checksFromKeys && c.checkBox1) c.checks[static_cast<std::size_t>(Page::Support)] = true;
        if (checksFromKeys && c.checkBox2)
            c.checks[static_cast<std::size_t>(Page::Concentrated)] = true;
        if (options.contains("position")) {
            const QJsonValue p = options.value("position");
            if (!p.isDouble()) return TypeError("options.position", "arv 1, 2 või 3");
            const double v = p.toDouble();
            if (v != 1 && v != 2 && v != 3)
                return QString("kirje \"options.position\" väärtus %1: tala asend peab olema 1, "
                               "2 või 3")
                    .arg(NumberText(v));
            c.position = static_cast<int>(v);
        }
    }
    return {};
}

QString ReadProject(const QJsonObject& top, std::array<QString, ProjectFieldCount>& out) {
    if (!top.contains("project")) return {};
    if (!top.value("project").isObject()) return TypeError("project", "objekt");
    const QJsonObject project = top.value("project").toObject();
    for (auto it = project.begin(); it != project.end(); ++it) {
        int index = -1;
        for (int i = 0; i < ProjectFieldCount; ++i)
            if (it.key() == ProjectKeys[static_cast<std::size_t>(i)]) index = i;
        if (index < 0) return QString("tundmatu kirje \"project.%1\"").arg(it.key());
        if (!it.value().isString()) return TypeError("project." + it.key(), "tekst");
        out[static_cast<std::size_t>(index)] = it.value().toString();
    }
    return {};
}

QString InputsEntry(const Calculation& c, const QString& indent) {
    QString out = indent + "\"inputs\": {\n";
    const auto fields = InputFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        out += indent + "  " + Quoted(fields[i].name) + ": " + Quoted(c.inputs[i]) +
               (i + 1 < fields.size() ? ",\n" : "\n");
    return out + indent + "}";
}

QString OptionsEntry(const Calculation& c, const QString& indent) {
    QString out = indent + "\"options\": {\n";
    out += indent + QString("  \"CheckBox1\": %1,\n").arg(c.checkBox1 ? "true" : "false");
    out += indent + QString("  \"CheckBox2\": %1,\n").arg(c.checkBox2 ? "true" : "false");
    out += indent + QString("  \"position\": %1\n").arg(c.position);
    return out + indent + "}";
}

QString ProjectEntry(const std::array<QString, ProjectFieldCount>& project, const QString& indent) {
    QString out = indent + "\"project\": {\n";
    for (std::size_t i = 0; i < project.size(); ++i)
        out += indent + "  " + Quoted(ProjectKeys[i]) + ": " + Quoted(project[i]) +
               (i + 1 < project.size() ? ",\n" : "\n");
    return out + indent + "}";
}

} // namespace Korvel::Json
