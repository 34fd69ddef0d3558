#include "platform/core/SettingsFile.h"

#include "platform/core/RecordFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QLockFile>
#include <QThread>

namespace SettingsFile {

namespace {

// How long a write waits for another writer to finish, looking again at
// these steps.
constexpr int kLockWaitMs = 5000;
constexpr int kLockStepMs = 10;

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

int HexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// The text a value holds: blanks before it and unquoted blanks after it go,
// quotes and backslash escapes are undone, an unquoted ';' starts a comment.
// Unlike QSettings, an unquoted comma does not make a list: a hand-written
// "Karachi, Pakistan" reads as that text.
QString UnescapedValue(const QString& s) {
    QString out;
    qsizetype i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    qsizetype keep = 0;  // what an escape or a quote produced is never trimmed
    bool inQuotes = false, quoted = false;
    while (i < s.size()) {
        const QChar c = s[i++];
        if (c == u';' && !inQuotes)
            break;
        if (c == u'"') {
            inQuotes = !inQuotes;
            quoted = true;
            if (!inQuotes)  // blanks after a closing quote are no part of the text
                while (i < s.size() && IsBlank(s[i]))
                    ++i;
            keep = out.size();
            continue;
        }
        if (c != u'\\') {
            out += c;
            continue;
        }
        if (i >= s.size())
            break;
        const QChar e = s[i++];
        static constexpr char16_t kSimple[][2] = {{u'a', u'\a'},  {u'b', u'\b'}, {u'f', u'\f'},
                                                  {u'n', u'\n'},  {u'r', u'\r'}, {u't', u'\t'},
                                                  {u'v', u'\v'},  {u'"', u'"'},  {u'?', u'?'},
                                                  {u'\'', u'\''}, {u'\\', u'\\'}};
        bool simple = false;
        for (const auto& [letter, code] : kSimple)
            if (e == letter) {
                out += QChar(code);
                simple = true;
            }
        const bool hex = e == u'x' && i < s.size() && HexValue(s[i]) >= 0;
        if (!simple && (hex || (e >= u'0' && e <= u'7'))) {
            // \x and hex digits, or octal digits, as long as they go on.
            const int base = hex ? 16 : 8;
            char32_t code = hex ? 0 : e.unicode() - u'0';
            while (i < s.size() && HexValue(s[i]) >= 0 && HexValue(s[i]) < base)
                code = (code * base + static_cast<char32_t>(HexValue(s[i++]))) & 0xFFFF;
            out += QChar(static_cast<char16_t>(code));
        }
        // Any other escaped character is dropped, as QSettings drops it.
        keep = out.size();
    }
    if (!quoted)
        while (out.size() > keep && IsBlank(out.back()))
            out.chop(1);
    if (out.startsWith(QLatin1String("@@")))
        return out.mid(1);
    if (out == QLatin1String("@Invalid()"))
        return {};
    return out;
}

// The value as QSettings writes a string: '@' doubled at the start, control
// characters, quotes and backslashes escaped, and the whole in quotes when it
// holds ';', ',' or '=' or begins or ends with a blank.
QByteArray EscapedValue(const QString& value) {
    const QString s = value.startsWith(u'@') ? u'@' + value : value;
    QByteArray out;
    bool needsQuotes = false;
    bool escapeHexDigit = false;  // after "\x.." a hex digit would join the number
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t u = s[i].unicode();
        if (u == u';' || u == u',' || u == u'=')
            needsQuotes = true;
        if (escapeHexDigit && HexValue(s[i]) >= 0) {
            out += "\\x" + QByteArray::number(u, 16);
            continue;
        }
        escapeHexDigit = false;
        switch (u) {
        case u'\0':
            out += "\\0";
            escapeHexDigit = true;
            break;
        case u'\a':
            out += "\\a";
            break;
        case u'\b':
            out += "\\b";
            break;
        case u'\f':
            out += "\\f";
            break;
        case u'\n':
            out += "\\n";
            break;
        case u'\r':
            out += "\\r";
            break;
        case u'\t':
            out += "\\t";
            break;
        case u'\v':
            out += "\\v";
            break;
        case u'"':
        case u'\\':
            out += '\\';
            out += static_cast<char>(u);
            break;
        default:
            if (u <= 0x1F) {
                out += "\\x" + QByteArray::number(u, 16);
                escapeHexDigit = true;
            } else if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
                out += s.mid(i, 2).toUtf8();
                ++i;
            } else {
                out += QString(s[i]).toUtf8();
            }
        }
    }
    if (needsQuotes || out.startsWith(' ') || out.endsWith(' '))
        return '"' + out + '"';
    return out;
}

// One line of the file, as far as the store cares.
struct Line {
    enum Kind { Other, Section, Value } kind = Other;
    QString name;   // the section's or the value's name
    QString value;  // the raw text after '=' (Value lines)
};

Line Parse(const QByteArray& bytes) {
    QString text = QString::fromUtf8(bytes);
    if (text.endsWith(u'\r'))
        text.chop(1);
    text = text.trimmed();
    Line line;
    if (text.isEmpty() || text.startsWith(u';') || text.startsWith(u'#'))
        return line;
    if (text.startsWith(u'[')) {
        const qsizetype end = text.indexOf(u']');
        line.kind = Line::Section;
        line.name = text.mid(1, end < 0 ? -1 : end - 1).trimmed();
        return line;
    }
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0)
        return line;
    line.kind = Line::Value;
    line.name = text.left(equals).trimmed();
    line.value = text.mid(equals + 1);
    return line;
}

// Values before any section header belong to the key itself, as do those
// under "[General]" in any letter case.
bool SameSection(const QString& inFile, const QString& wanted) {
    const auto isTop = [](const QString& s) {
        return s.isEmpty() || s.compare(QLatin1String(TopSection), Qt::CaseInsensitive) == 0;
    };
    return isTop(wanted) ? isTop(inFile) : inFile == wanted;
}

struct Contents {
    bool read = false;
    QList<QByteArray> lines;  // without their '\n'
};

Contents Load(const QString& path) {
    Contents c;
    if (!QFileInfo::exists(path)) {
        c.read = true;
        return c;
    }
    // Only a regular file is read: a FIFO or a device is an unreadable store.
    const std::optional<std::string> bytes = ReadWholeFile(QFile::encodeName(path).toStdString());
    if (!bytes)
        return c;
    c.read = true;
    QByteArray all = QByteArray::fromStdString(*bytes);
    if (all.endsWith('\n'))
        all.chop(1);
    if (!all.isEmpty())
        c.lines = all.split('\n');
    return c;
}

// Whether the lock file names no writer: its writer was killed right after
// making it, before it could write who it is (or it is being made just now).
bool NamesNobody(const QLockFile& lock) {
    qint64 pid = 0;
    QString host, application;
    return !lock.getLockInfo(&pid, &host, &application);
}

// Takes the store's lock, waiting for a live writer to finish. A lock file
// of a writer that is gone is taken over at once: QLockFile itself takes
// over one that names a process no longer running, and one that names
// nobody is taken over when it still names nobody a step later (a live
// writer names itself at once) and no one holds it.
bool TakeLock(QLockFile& lock) {
    bool namedNobody = false;
    for (int waited = 0;; waited += kLockStepMs) {
        if (lock.tryLock(0))
            return true;
        if (lock.error() != QLockFile::LockFailedError)
            return false;
        const bool namesNobody = NamesNobody(lock);
        if (namesNobody && namedNobody && lock.removeStaleLockFile()) {
            namedNobody = false;
            continue;
        }
        namedNobody = namesNobody;
        if (waited >= kLockWaitMs)
            return false;
        QThread::msleep(kLockStepMs);
    }
}

}  // namespace

Value Read(const QString& path, const QString& section, const QString& name) {
    const Contents c = Load(path);
    Value v;
    if (!c.read) {
        v.status = Status::Unreadable;
        return v;
    }
    QString current;
    for (const QByteArray& bytes : c.lines) {
        const Line line = Parse(bytes);
        if (line.kind == Line::Section)
            current = line.name;
        else if (line.kind == Line::Value && line.name == name && SameSection(current, section)) {
            // A value given twice reads as its last line, as QSettings reads it.
            v.status = Status::Found;
            v.text = UnescapedValue(line.value);
        }
    }
    return v;
}

bool Write(const QString& path, const QString& section, const QString& name, const QString& value) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QLockFile lock(path + QLatin1String(".lock"));
    if (!TakeLock(lock))
        return false;
    Contents c = Load(path);
    if (!c.read)
        return false;  // never replace a file that could not be read

    const QByteArray newLine = name.toUtf8() + '=' + EscapedValue(value);
    // The value's own line (its last one, the one that counts), or else the
    // line after the last value of the section's last stretch.
    qsizetype own = -1, after = -1;
    QString current;
    bool inSection = SameSection(current, section);
    for (qsizetype i = 0; i < c.lines.size(); ++i) {
        const Line line = Parse(c.lines[i]);
        if (line.kind == Line::Section) {
            current = line.name;
            inSection = SameSection(current, section);
            if (inSection)
                after = i + 1;
        } else if (line.kind == Line::Value && inSection) {
            after = i + 1;
            if (line.name == name)
                own = i;
        }
    }
    // New lines end as the file's first line does.
    const QByteArray cr = !c.lines.isEmpty() && c.lines.front().endsWith('\r') ? "\r" : "";
    if (own >= 0) {
        c.lines[own] = newLine + cr;
    } else if (after >= 0) {
        c.lines.insert(after, newLine + cr);
    } else {
        if (!c.lines.isEmpty() && !c.lines.back().trimmed().isEmpty())
            c.lines.append(cr);
        c.lines.append('[' + section.toUtf8() + ']' + cr);
        c.lines.append(newLine + cr);
    }
    const QByteArray bytes = c.lines.join('\n') + '\n';
    return WriteWholeFile(QFile::encodeName(path).toStdString(), bytes.toStdString());
}

}  // namespace SettingsFile
