// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/total_command.h"

#include <QFile>
#include <QString>

#include <cstdio>
#include <cstring>
#include <optional>

#include "cli/help_text.h"
#include "engine/tape.h"
#include "engine/total.h"
#include "files/clc_format.h"
#include "platform/number_text.h"

namespace tallimer {

namespace {

struct TotalOptions {
    QString file;
    int decPlaces = kVariablePlaces;
    int totalMode = kTotalNumbers;
};

std::optional<int> parseDecimals(const QString& text) {
    if (text == u"variable" || text == u"25") {
        return kVariablePlaces;
    }
    if (text.size() == 1 && text[0] >= u'0' && text[0] <= u'6') {
        return text[0].unicode() - u'0';
    }
    return std::nullopt;
}

std::optional<int> parseFunction(const QString& text) {
    static const char* const kNames[] = {"numbers", "average", "mean", "mode"};
    for (int i = 0; i < 4; ++i) {
        if (text == QLatin1StringView(kNames[i])) {
            return i;
        }
    }
    return std::nullopt;
}

// Parses the options; on failure `problem` says what is wrong.
std::optional<TotalOptions> parseOptions(const QStringList& arguments, QString& problem) {
    TotalOptions options;
    bool haveFile = false;
    bool haveDecimals = false;
    bool haveFunction = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString name = arguments[i];
        QString value;
        bool inlineValue = false;
        if (const qsizetype eq = name.indexOf(u'='); name.startsWith(u"--") && eq > 0) {
            value = name.mid(eq + 1);
            name.truncate(eq);
            inlineValue = true;
        }
        bool* seen = name == u"--total"      ? &haveFile
                     : name == u"--decimals" ? &haveDecimals
                     : name == u"--function" ? &haveFunction
                                             : nullptr;
        if (seen == nullptr) {
            problem = QStringLiteral("unknown argument '%1'").arg(arguments[i]);
            return std::nullopt;
        }
        if (*seen) {
            problem = QStringLiteral("%1 is given twice").arg(name);
            return std::nullopt;
        }
        *seen = true;
        if (!inlineValue) {
            if (i + 1 >= arguments.size()) {
                problem = QStringLiteral("%1 needs a value").arg(name);
                return std::nullopt;
            }
            value = arguments[++i];
        }
        if (name == u"--total") {
            if (value.isEmpty()) {
                problem = QStringLiteral("--total needs a file name");
                return std::nullopt;
            }
            options.file = value;
        } else if (name == u"--decimals") {
            const std::optional<int> places = parseDecimals(value);
            if (!places) {
                problem =
                    QStringLiteral("--decimals takes 0 to 6 or variable, not '%1'").arg(value);
                return std::nullopt;
            }
            options.decPlaces = *places;
        } else {
            const std::optional<int> mode = parseFunction(value);
            if (!mode) {
                problem =
                    QStringLiteral("--function takes numbers, average, mean or mode, not '%1'")
                        .arg(value);
                return std::nullopt;
            }
            options.totalMode = *mode;
        }
    }
    if (!haveFile) {
        problem = QStringLiteral("--total FILE is missing");
        return std::nullopt;
    }
    return options;
}

bool isOption(const char* argument, const char* name) {
    const std::size_t length = std::strlen(name);
    return std::strncmp(argument, name, length) == 0 &&
           (argument[length] == '\0' || argument[length] == '=');
}

}  // namespace

bool isTotalCommand(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (isOption(argv[i], "--total") || isOption(argv[i], "--decimals") ||
            isOption(argv[i], "--function")) {
            return true;
        }
    }
    return false;
}

int runTotalCommand(const QStringList& arguments, const RegionalSettings& settings, QByteArray& out,
                    QByteArray& err) {
    QString problem;
    const std::optional<TotalOptions> options = parseOptions(arguments, problem);
    if (!options) {
        err.append("tallimer: ").append(problem.toLocal8Bit()).append("\n").append(totalUsage());
        return 2;
    }
    Tape tape;
    ClcError error;
    if (!loadClc(options->file, settings, tape, &error)) {
        err.append("tallimer: ")
            .append(QFile::encodeName(options->file))
            .append(": ")
            .append(error.message().toLocal8Bit())
            .append("\n");
        return 1;
    }
    // The window pads a short tape with blank "+" lines; they change no total, so none here.
    const QString total = MailCalc(tape, options->totalMode, options->decPlaces, settings, {});
    out.append(total.toLocal8Bit()).append("\n");
    return 0;
}

int runTotalCommand(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QFile::decodeName(argv[i]));
    }
    QByteArray out;
    QByteArray err;
    const int code = runTotalCommand(arguments, RegionalSettings::system(), out, err);
    std::fwrite(out.constData(), 1, static_cast<std::size_t>(out.size()), stdout);
    std::fwrite(err.constData(), 1, static_cast<std::size_t>(err.size()), stderr);
    std::fflush(stdout);
    return code;
}

}  // namespace tallimer
