#include "data/tools/PlaceCsv.h"

#include "platform/core/Exceptions.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <cmath>
#include <optional>
#include <ostream>

namespace {

constexpr const char* kHeader = "name,longitude,latitude,timezone";

}  // namespace

std::optional<std::vector<std::string>> SplitCsvFields(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::size_t i = 0;
    for (;;) {
        field.clear();
        if (i < line.size() && line[i] == '"') {
            ++i;
            for (;;) {
                if (i >= line.size())
                    return std::nullopt;  // no closing quote
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += line[i++];
            }
            if (i < line.size() && line[i] != ',')
                return std::nullopt;  // text after the closing quote
        } else {
            while (i < line.size() && line[i] != ',') {
                if (line[i] == '"')
                    return std::nullopt;  // a quote inside an unquoted field
                field += line[i++];
            }
        }
        fields.push_back(field);
        if (i >= line.size())
            return fields;
        ++i;  // the comma
    }
}

namespace {

// The number of a field within [low, high], or nothing.
std::optional<float> Number(const std::string& text, double low, double high) {
    try {
        const double value = StrToFloat(text);
        if (!std::isfinite(value) || value < low || value > high)
            return std::nullopt;
        return static_cast<float>(value);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

// The name as Windows-1252 bytes, or an explanation of why it cannot be one.
std::optional<AnsiString> Name(const std::string& utf8, std::string& why) {
    QStringDecoder decode(QStringDecoder::Utf8);
    const QString name = decode(QByteArray::fromStdString(utf8));
    if (decode.hasError()) {
        why = "the name is not UTF-8 text";
        return std::nullopt;
    }
    if (name.trimmed().isEmpty()) {
        why = "the name is empty";
        return std::nullopt;
    }
    if (name.trimmed() != name) {
        why = "the name has blanks around it, so it could never be found as the default place";
        return std::nullopt;
    }
    for (QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            why = "the name holds a control character";
            return std::nullopt;
        }
    if (!FitsCodePage(name)) {
        why = "the name holds a character that Windows-1252 lacks";
        return std::nullopt;
    }
    return FromQString(name);
}

std::string Where(const std::string& source, int line) {
    return source + ":" + std::to_string(line) + ": ";
}

}  // namespace

bool ParsePlacesCsv(const std::string& text, const std::string& source,
                    std::vector<TLocationRecord>& records, std::string& error) {
    records.clear();
    std::vector<TLocationRecord> parsed;
    bool headerSeen = false;
    std::size_t start = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;  // a UTF-8 mark
    for (int lineNumber = 1; start <= text.size(); ++lineNumber) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        if (!headerSeen) {
            if (line != kHeader) {
                error = Where(source, lineNumber) + "the first line must be \"" + kHeader + "\"";
                return false;
            }
            headerSeen = true;
            continue;
        }
        const auto fields = SplitCsvFields(line);
        if (!fields) {
            error = Where(source, lineNumber) + "broken quoting";
            return false;
        }
        if (fields->size() != 4) {
            error = Where(source, lineNumber) + "expected 4 fields, found " +
                    std::to_string(fields->size());
            return false;
        }
        std::string problem;
        const auto name = Name((*fields)[0], problem);
        const auto longitude = Number((*fields)[1], -180, 180);
        const auto latitude = Number((*fields)[2], -90, 90);
        const auto timeZone = Number((*fields)[3], -12, 14);
        // Without a name, Name() has put the reason in `problem`.
        if (name && !longitude)
            problem = "longitude \"" + (*fields)[1] + "\" is not a number from -180 to 180";
        else if (name && !latitude)
            problem = "latitude \"" + (*fields)[2] + "\" is not a number from -90 to 90";
        else if (name && !timeZone)
            problem = "time zone \"" + (*fields)[3] + "\" is not a number of hours from -12 to 14";
        if (!problem.empty()) {
            error = Where(source, lineNumber) + problem;
            return false;
        }
        TLocationRecord rec;
        SetLocationName(rec, *name);
        rec.longitude = *longitude;
        rec.latitude = *latitude;
        rec.timeZone = *timeZone;
        parsed.push_back(rec);
    }
    if (!headerSeen) {
        error = Where(source, 1) + "the first line must be \"" + kHeader + "\"";
        return false;
    }
    records = std::move(parsed);
    return true;
}

bool WriteLocationFile(const QString& path, const std::vector<TLocationRecord>& records,
                       std::string& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = "cannot write " + path.toStdString() + ": " + file.errorString().toStdString();
        return false;
    }
    for (const TLocationRecord& rec : records) {
        const LocationRecordBytes bytes = PackLocationRecord(rec);
        file.write(reinterpret_cast<const char*>(bytes.data()), LocationRecordSize);
    }
    // commit() fails when any write did, and then leaves the old file alone.
    if (!file.commit()) {
        error = "cannot write " + path.toStdString() + ": " + file.errorString().toStdString();
        return false;
    }
    return true;
}

int MakeLocationFile(const QString& csvPath, const QString& outPath, std::ostream& err) {
    QFile csv(csvPath);
    if (!csv.open(QIODevice::ReadOnly)) {
        err << "make_location_file: cannot read " << csvPath.toStdString() << ": "
            << csv.errorString().toStdString() << '\n';
        return 2;
    }
    const std::string text = csv.readAll().toStdString();
    std::vector<TLocationRecord> records;
    std::string error;
    if (!ParsePlacesCsv(text, csvPath.toStdString(), records, error)) {
        err << error << '\n';
        return 1;
    }
    if (!WriteLocationFile(outPath, records, error)) {
        err << "make_location_file: " << error << '\n';
        return 2;
    }
    return 0;
}
