// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings reader: a Windows initialisation file (sections in brackets, key=value lines) read
// once into memory. Section and key names match without regard to case; values lose surrounding
// blanks and one pair of enclosing quotes. Text values are cut to 2047 characters; integers are
// decimal with an optional sign or hexadecimal after "0x", "0X" or "$", within the signed 32-bit
// range; anything else gives the caller's default. Files are UTF-8 or UTF-16 when they start
// with a byte-order mark, UTF-8 when they are valid UTF-8, and Windows-1252 text otherwise.
#pragma once

#include "core/network.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

class Settings
{
public:
    // Reads the file; nothing when it cannot be opened for reading (absent, a directory...).
    static std::optional<Settings> open(const QString &path);
    static Settings fromBytes(const QByteArray &bytes);

    QString readString(const QString &section, const QString &key,
                       const QString &defaultValue) const;
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

private:
    // Lower-case section name -> lower-case key -> value, blanks and quotes removed, cut to
    // 2047 characters. The first occurrence of a key wins.
    QHash<QString, QHash<QString, QString>> sections;
    const QString *find(const QString &section, const QString &key) const;
};

// An integer value as the settings file writes it: decimal with an optional sign, or hexadecimal
// after "0x", "0X" or "$"; nothing for any other text or outside the signed 32-bit range.
std::optional<int> parseSettingsInteger(const QString &text);

// Decodes Windows-1252 text.
QString decodeWindows1252(const QByteArray &bytes);

// The path of `name` in `directory`, whatever the letter case of the file on disk; when no file
// matches, `directory` joined with `name` as given. Uses the platform's separator.
QString findFileIgnoringCase(const QString &directory, const QString &name);

// The settings file name, and the defaults that start-up and the MAC address window share.
extern const QString SETTINGS_FILE;  // "kz_pont.INI"
extern const QString SECTION_MAC;    // "adresses MAC"
extern const QString SECTION_PARAMS; // "parametres"
struct MacKey {
    const char *key;
    int row; // row of the station table
    const char *defaultValue;
};
extern const MacKey MAC_KEYS[8];

// The station table as start-up and the MAC address window show it: the fixed labels, the group
// addresses, and the MAC texts of section "adresses MAC" (defaults for absent keys).
void fillStationTable(QString (&table)[2][STATION_ROWS], const Settings &settings);
