// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the settings reader over arbitrary bytes, every kind of read on the keys the
// program uses and on names taken from the input.
#include "core/settings.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const Settings settings = Settings::fromBytes(bytes);
    for (const MacKey &mac : MAC_KEYS) {
        const QString text = settings.readString(SECTION_MAC, QString::fromLatin1(mac.key),
                                                 QString::fromLatin1(mac.defaultValue));
        if (text.size() > 2047)
            __builtin_trap();
    }
    for (const char *key : {"dest_diff_src", "ttl_max", "freq_multi", "questions", "hub_auto"}) {
        settings.readInteger(SECTION_PARAMS, QString::fromLatin1(key), 7);
        settings.readBool(SECTION_PARAMS, QString::fromLatin1(key), true);
        settings.readString(SECTION_PARAMS, QString::fromLatin1(key), QString());
    }
    // Names made of the input itself reach the lookup too.
    const QString text = decodeWindows1252(bytes.left(64));
    settings.readInteger(text, text, 0);
    return 0;
}
