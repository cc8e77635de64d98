// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings reader. The whole file is decoded once (UTF-8 or Windows-1252) and scanned in one
// pass: a section line selects the table that the following key lines fill, so reading stays
// linear in the size of the file whatever its shape (binary data, huge lines, huge section names).
// Values are stored ready to use (trimmed, unquoted, cut); the typed readers only convert them.
#include "core/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

const QString SETTINGS_FILE = QStringLiteral("kz_pont.INI");
const QString SECTION_MAC = QStringLiteral("adresses MAC");
const QString SECTION_PARAMS = QStringLiteral("parametres");
const MacKey MAC_KEYS[8] = {
    {"Machine1", 1, "00-C0-B0-69-16-25"},    {"Machine2", 2, "00-C0-B0-08-31-A4"},
    {"Machine3", 3, "00-10-2B-88-00-34"},    {"Machine4", 4, "00-00-48-24-E5-9A"},
    {"Machine5", 5, "00-AA-00-95-A0-5D"},    {"Machine6", 6, "00-F0-00-6A-11-74"},
    {"pont_gauche", 9, "00-35-8A-96-01-42"}, {"pont_droite", 10, "00-35-8A-96-01-43"},
};

namespace
{

// The longest text a value gives: what fits, with its terminator, in a 2048-character buffer.
constexpr int MAX_VALUE_LENGTH = 2047;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f';
}

// [begin, end) of `text` without its blanks at both ends.
void trim(const QString &text, int &begin, int &end)
{
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
}

QString value(const QString &line, int begin, int end)
{
    trim(line, begin, end);
    // One enclosing pair of matching quotes goes; blanks inside it stay.
    if (end - begin >= 2) {
        const QChar first = line.at(begin);
        if ((first == u'"' || first == u'\'') && line.at(end - 1) == first) {
            ++begin;
            --end;
        }
    }
    return line.mid(begin, qMin(end - begin, MAX_VALUE_LENGTH));
}

int hexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - '0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - 'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - 'A' + 10;
    return -1;
}

} // namespace

std::optional<int> parseSettingsInteger(const QString &text)
{
    int pos = 0;
    int base = 10;
    bool negative = false;
    if (text.startsWith(u'$')) {
        base = 16;
        pos = 1;
    } else if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        base = 16;
        pos = 2;
    } else if (text.startsWith(u'+') || text.startsWith(u'-')) {
        negative = text.at(0) == u'-';
        pos = 1;
    }
    if (pos == text.size())
        return std::nullopt;
    // Accumulated as a magnitude; one beyond INT_MAX is still allowed for INT_MIN.
    const qint64 limit = negative ? qint64(INT_MAX) + 1 : qint64(INT_MAX);
    qint64 magnitude = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = hexDigit(text.at(pos));
        if (digit < 0 || digit >= base)
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

QString decodeWindows1252(const QByteArray &bytes)
{
    // The code page is Latin-1 but for 0x80 to 0x9F; its five unassigned bytes there decode to
    // the control characters of the same code, as Windows does.
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        *out++ = QChar(code >= 0x80 && code < 0xA0 ? high[code - 0x80] : char16_t(code));
    }
    return text;
}

std::optional<Settings> Settings::open(const QString &path)
{
    // Only a regular file: a directory cannot be read, and a pipe or a device could block or
    // never end.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return fromBytes(file.readAll());
}

namespace
{

// As the file's byte-order mark says; without one, UTF-8 when the whole file is valid UTF-8, as
// Linux editors save it, and Windows-1252 otherwise: an accented Windows-1252 text is practically
// never valid UTF-8, and a text without accents reads the same either way.
QString decodeSettingsText(const QByteArray &bytes)
{
    const struct {
        const char *mark;
        QStringConverter::Encoding encoding;
    } marks[] = {{"\xEF\xBB\xBF", QStringConverter::Utf8},
                 {"\xFF\xFE", QStringConverter::Utf16LE},
                 {"\xFE\xFF", QStringConverter::Utf16BE}};
    for (const auto &m : marks) {
        if (bytes.startsWith(m.mark)) {
            QStringDecoder decoder(m.encoding);
            return decoder.decode(QByteArrayView(bytes).sliced(qstrlen(m.mark)));
        }
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? decodeWindows1252(bytes) : text;
}

} // namespace

Settings Settings::fromBytes(const QByteArray &bytes)
{
    Settings settings;
    const QString text = decodeSettingsText(bytes);
    // Key lines before any section line belong to no section anyone can ask for.
    QHash<QString, QString> *current = nullptr;
    const int size = text.size();
    int lineStart = 0;
    while (lineStart < size) {
        int lineEnd = lineStart;
        while (lineEnd < size && text.at(lineEnd) != u'\n' && text.at(lineEnd) != u'\r')
            ++lineEnd;
        int begin = lineStart;
        int end = lineEnd;
        trim(text, begin, end);
        lineStart = lineEnd + 1;
        if (begin == end)
            continue;
        // Searches stay within the line, so that reading stays linear.
        const QStringView line = QStringView(text).mid(begin, end - begin);
        if (line.front() == u'[') {
            const int close = begin + int(line.lastIndexOf(u']'));
            if (close > begin) {
                int nameBegin = begin + 1;
                int nameEnd = close;
                trim(text, nameBegin, nameEnd);
                current = &settings.sections[text.mid(nameBegin, nameEnd - nameBegin).toLower()];
                continue;
            }
        }
        if (!current)
            continue;
        const int equals = begin + int(line.indexOf(u'='));
        if (equals < begin)
            continue;
        int keyEnd = equals;
        int keyBegin = begin;
        trim(text, keyBegin, keyEnd);
        const QString key = text.mid(keyBegin, keyEnd - keyBegin).toLower();
        if (!current->contains(key))
            current->insert(key, value(text, equals + 1, end));
    }
    return settings;
}

const QString *Settings::find(const QString &section, const QString &key) const
{
    const auto s = sections.constFind(section.toLower());
    if (s == sections.constEnd())
        return nullptr;
    const auto k = s->constFind(key.toLower());
    return k == s->constEnd() ? nullptr : &*k;
}

QString Settings::readString(const QString &section, const QString &key,
                             const QString &defaultValue) const
{
    const QString *text = find(section, key);
    return text ? *text : defaultValue;
}

int Settings::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const QString *text = find(section, key);
    if (!text)
        return defaultValue;
    return parseSettingsInteger(*text).value_or(defaultValue);
}

bool Settings::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

QString findFileIgnoringCase(const QString &directory, const QString &name)
{
    const QDir dir(directory);
    QString found = name;
    if (!QFileInfo::exists(dir.filePath(name))) {
        const QStringList entries = dir.entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString &entry : entries) {
            if (entry.compare(name, Qt::CaseInsensitive) == 0) {
                found = entry;
                break;
            }
        }
    }
    return QDir::toNativeSeparators(dir.filePath(found));
}

void fillStationTable(QString (&table)[2][STATION_ROWS], const Settings &settings)
{
    table[0][0] = QString();
    table[1][0] = QCoreApplication::translate("Settings", "adresses MAC");
    for (int s = 1; s <= 6; ++s)
        table[0][s] = QCoreApplication::translate("Settings", "Machine %1").arg(s);
    table[0][DEST_BROADCAST] = QCoreApplication::translate("Settings", "Broadcast");
    table[1][DEST_BROADCAST] = QStringLiteral("FF-FF-FF-FF-FF-FF");
    table[0][DEST_MULTICAST] = QCoreApplication::translate("Settings", "M.cast NETBEUI");
    table[1][DEST_MULTICAST] = QStringLiteral("03-00-00-00-00-01");
    table[0][ROW_BRIDGE_LEFT] = QCoreApplication::translate("Settings", "Pont gauche");
    table[0][ROW_BRIDGE_RIGHT] = QCoreApplication::translate("Settings", "Pont droite");
    for (const MacKey &mac : MAC_KEYS)
        table[1][mac.row] = settings.readString(SECTION_MAC, QString::fromLatin1(mac.key),
                                                QString::fromLatin1(mac.defaultValue));
}
