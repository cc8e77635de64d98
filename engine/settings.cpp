#include "engine/settings.h"

#include <QDir>

const QString SETTINGS_FILE = QStringLiteral("kz_pont.INI");
const QString SECTION_MAC = QStringLiteral("adresses MAC");
const QString SECTION_PARAMS = QStringLiteral("parametres");
const MacKey MAC_KEYS[8] = {
    {"Machine1", 1, "00-C0-B0-69-16-25"},  {"Machine2", 2, "00-C0-B0-08-31-A4"},
    {"Machine3", 3, "00-10-2B-88-00-34"},  {"Machine4", 4, "00-00-48-24-E5-9A"},
    {"Machine5", 5, "00-AA-00-95-A0-5D"},  {"Machine6", 6, "00-F0-00-6A-11-74"},
    {"pont_gauche", 9, "00-35-8A-96-01-42"}, {"pont_droite", 10, "00-35-8A-96-01-43"},
};

// TODO(settings): the reader itself.
std::optional<Settings> Settings::open(const QString &) { return Settings(); }
Settings Settings::fromBytes(const QByteArray &) { return Settings(); }
QString Settings::readString(const QString &, const QString &, const QString &d) const { return d; }
int Settings::readInteger(const QString &, const QString &, int d) const { return d; }
bool Settings::readBool(const QString &, const QString &, bool d) const { return d; }
QString decodeWindows1252(const QByteArray &bytes) { return QString::fromLatin1(bytes); }
QString findFileIgnoringCase(const QString &directory, const QString &name)
{
    return QDir::toNativeSeparators(QDir(directory).filePath(name));
}
