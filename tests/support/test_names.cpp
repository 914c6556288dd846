// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "test_names.h"

#include <QList>
#include <QString>

#include <cstdio>

namespace tallimer::test_names {
namespace {

bool isAlnum(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9');
}

bool isNameCharacter(char32_t c) {
    return isAlnum(c) || c == U'_';
}

std::string spelled(char32_t c) {
    switch (c) {
        case U' ':
            return "space";
        case U'\t':
            return "tab";
        case U'\n':
            return "lf";
        case U'\r':
            return "cr";
        case U'-':
            return "minus";
        case U'+':
            return "plus";
        case U'.':
            return "dot";
        case U',':
            return "comma";
        case U'(':
            return "open";
        case U')':
            return "close";
        case U'=':
            return "eq";
        case U'/':
            return "slash";
        case U'$':
            return "dollar";
        case U'&':
            return "amp";
        case U'"':
            return "quote";
        default: {
            char code[16];
            std::snprintf(code, sizeof code, "u%04x", static_cast<unsigned>(c));
            return code;
        }
    }
}

}  // namespace

std::string fromDescription(std::string_view text) {
    std::string name;
    bool gap = false;
    for (const char c : text) {
        if (isAlnum(static_cast<unsigned char>(c))) {
            if (gap && !name.empty()) {
                name += '_';
            }
            name += c;
            gap = false;
        } else {
            gap = true;
        }
    }
    return name.empty() ? "empty" : name;
}

std::string fromInput(QStringView text) {
    std::string name;
    bool inWord = false;
    for (const char32_t c : text.toUcs4()) {
        if (isNameCharacter(c)) {
            if (!inWord && !name.empty()) {
                name += '_';
            }
            name += static_cast<char>(c);
            inWord = true;
        } else {
            if (!name.empty()) {
                name += '_';
            }
            name += spelled(c);
            inWord = false;
        }
    }
    return name.empty() ? "empty" : name;
}

std::string fromInput(std::string_view utf8) {
    return fromInput(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::string quoted(QStringView text) {
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'\t') {
            out += QStringLiteral("\\t");
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else if (c == u'\r') {
            out += QStringLiteral("\\r");
        } else {
            out += c;
        }
    }
    return (out + u'"').toStdString();
}

}  // namespace tallimer::test_names
