// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls/property_bag.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tallimer {

const PropertyBag::Entry* PropertyBag::find(const QString& name) const {
    const auto it = std::find_if(m_Entries.begin(), m_Entries.end(),
                                 [&](const Entry& entry) { return entry.name == name; });
    return it == m_Entries.end() ? nullptr : &*it;
}

bool PropertyBag::contains(const QString& name) const {
    return find(name) != nullptr;
}

QVariant PropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const {
    const Entry* entry = find(name);
    return entry != nullptr ? entry->value : defaultValue;
}

void PropertyBag::WriteProperty(const QString& name, const QVariant& value,
                                const QVariant& defaultValue) {
    const auto it = std::find_if(m_Entries.begin(), m_Entries.end(),
                                 [&](const Entry& entry) { return entry.name == name; });
    if (value == defaultValue) {
        if (it != m_Entries.end()) {
            m_Entries.erase(it);
        }
        return;
    }
    if (it != m_Entries.end()) {
        it->value = value;
    } else {
        m_Entries.push_back({name, value});
    }
}

QString PropertyBag::readString(const QString& name, const QString& defaultValue) const {
    const Entry* entry = find(name);
    if (entry == nullptr || !entry->value.canConvert<QString>()) {
        return defaultValue;
    }
    return entry->value.toString();
}

std::optional<qlonglong> PropertyBag::readNumber(const QString& name, qlonglong lowest,
                                                 qlonglong highest) const {
    const Entry* entry = find(name);
    if (entry == nullptr) {
        return std::nullopt;
    }
    bool ok = false;
    const qlonglong value = entry->value.toLongLong(&ok);
    if (!ok || value < lowest || value > highest) {
        return std::nullopt;
    }
    return value;
}

std::int32_t PropertyBag::readInt(const QString& name, std::int32_t defaultValue) const {
    const auto value = readNumber(name, std::numeric_limits<std::int32_t>::min(),
                                  std::numeric_limits<std::int32_t>::max());
    return value ? static_cast<std::int32_t>(*value) : defaultValue;
}

std::uint32_t PropertyBag::readColor(const QString& name, std::uint32_t defaultValue) const {
    const auto value = readNumber(name, std::numeric_limits<std::int32_t>::min(),
                                  std::numeric_limits<std::uint32_t>::max());
    return value ? static_cast<std::uint32_t>(*value) : defaultValue;
}

bool PropertyBag::readBool(const QString& name, bool defaultValue) const {
    const Entry* entry = find(name);
    if (entry == nullptr || !entry->value.canConvert<bool>()) {
        return defaultValue;
    }
    return entry->value.toBool();
}

float PropertyBag::readFloat(const QString& name, float defaultValue) const {
    const Entry* entry = find(name);
    if (entry == nullptr) {
        return defaultValue;
    }
    bool ok = false;
    const float value = entry->value.toFloat(&ok);
    return ok && std::isfinite(value) ? value : defaultValue;
}

}  // namespace tallimer
