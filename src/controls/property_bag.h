// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>
#include <QVariant>

namespace tallimer {

// A control's saved design-time state: named entries kept in the order they were written.
// An entry equal to its default is not stored; reading a missing entry gives the default.
class PropertyBag {
public:
    struct Entry {
        QString name;
        QVariant value;
    };

    QVariant ReadProperty(const QString& name, const QVariant& defaultValue) const;
    void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue);

    // Typed reads: the default also stands in for an entry of the wrong kind or range, so a
    // damaged layout restores a usable control.
    QString readString(const QString& name, const QString& defaultValue) const;
    std::int32_t readInt(const QString& name, std::int32_t defaultValue) const;
    // Colours are unsigned 0x00BBGGRR values; a negative 32-bit number is taken bit for bit.
    std::uint32_t readColor(const QString& name, std::uint32_t defaultValue) const;
    bool readBool(const QString& name, bool defaultValue) const;
    float readFloat(const QString& name, float defaultValue) const;

    bool contains(const QString& name) const;
    const std::vector<Entry>& entries() const { return m_Entries; }
    void clear() { m_Entries.clear(); }

private:
    const Entry* find(const QString& name) const;
    // An integer entry within the bounds, or nothing.
    std::optional<qlonglong> readNumber(const QString& name, qlonglong lowest,
                                        qlonglong highest) const;

    std::vector<Entry> m_Entries;
};

}  // namespace tallimer
