// The JSON of calculation and building files: the document checked whole
// (size, UTF-8, JSON, format, duplicated keys), and the entries of one wall
// and of the project data, read and written the same way in every version.
#pragma once

#include "KorvelsFile.h"

#include <QByteArray>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <string_view>

namespace Korvel::Json {

inline constexpr const char* FormatName = "KORVELsein";

// The JSON form of a string, escapes included.
QString Quoted(const QString& s);
// The shortest decimal text of a JSON number, without an exponent.
QString NumberText(double v);
QString TypeError(const QString& key, const char* what);
// Every key of object must be one of known.
QString UnknownKey(const QJsonObject& object, const QString& prefix, const QSet<QString>& known);

// The document's top object, or why the bytes are no KORVEL file; tooBig is
// the message for more than maxSize bytes.
QString ParseDocument(const QByteArray& bytes, qint64 maxSize, const QString& tooBig,
                      QJsonObject& top);
// The version entry: 1 or 2, or why not.
QString ReadVersion(const QJsonObject& top, int& version);

// A version 1 document: one calculation, checked whole.
CheckedCalculation ReadVersion1(const QJsonObject& top, std::string_view decimalSeparator);

// "block", "inputs" and "options" of a wall into c (keys prefixed by prefix
// in messages). checksFromKeys: a check applies when an input of its page is
// given or its option is on.
QString ReadWallEntries(const QJsonObject& o, Calculation& c, bool checksFromKeys);
QString ReadProject(const QJsonObject& top, std::array<QString, ProjectFieldCount>& project);

// The entries as written: indent before each key, one key per line.
QString InputsEntry(const Calculation& c, const QString& indent);
QString OptionsEntry(const Calculation& c, const QString& indent);
QString ProjectEntry(const std::array<QString, ProjectFieldCount>& project, const QString& indent);

} // namespace Korvel::Json
