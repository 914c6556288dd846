// SPDX-FileCopyrightText: 2026 Tallimer Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <vector>

#include "cli/help_text.h"
#include "cli/total_command.h"
#include "fuzz_entries.h"
#include "fuzz_input.h"

// `tallimer --total` as a shell or a script calls it: the input is the argument list, split at
// NUL bytes. File names stay inside a folder of sample files, so an input never reads a device
// or a file of the machine.
namespace tallimer::fuzz {

namespace {

constexpr std::size_t kMaxArguments = 12;

void writeSample(const QDir& folder, const char* name, const QByteArray& bytes) {
    QFile file(folder.filePath(QString::fromLatin1(name)));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}

// The samples the arguments may name: a good file, a comma file, the failures, a long tape.
void enterSampleFolder() {
    static QTemporaryDir folder;
    static bool entered = false;
    if (entered) {
        return;
    }
    entered = true;
    const QDir dir(folder.path());
    const QByteArray header("Tallimer Calculator 6\r\n");
    writeSample(dir, "a.Clc", header + "+12.5\r\n-3\r\nx2\r\n/4\r\n");
    writeSample(dir, "c.Clc", header + "+1,5\r\n+2,25\r\n");
    writeSample(dir, "e.Clc", "");
    writeSample(dir, "h.Clc", header);
    writeSample(dir, "b.Clc", header + "+5\r\nabc\r\n");
    QByteArray longTape = header;
    for (int i = 0; i < 32769; ++i) {
        longTape.append("+1\r\n");
    }
    writeSample(dir, "l.Clc", longTape);
    QDir::setCurrent(folder.path());
}

}  // namespace

int totalArgumentsEntry(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    const RegionalSettings& settings = settingsFor(input.byte());
    const char* begin = reinterpret_cast<const char*>(input.rest());
    const char* end = begin + input.remaining();
    if (std::find(begin, end, '/') != end) {
        return -1;  // a path outside the sample folder: not kept in the corpus
    }
    enterSampleFolder();

    std::vector<QByteArray> raw;
    for (const char* at = begin; at < end && raw.size() < kMaxArguments;) {
        const char* stop = std::find(at, end, '\0');
        raw.emplace_back(at, stop - at);
        at = stop + 1;
    }
    std::vector<char*> argv{const_cast<char*>("tallimer")};
    QStringList arguments;
    for (QByteArray& argument : raw) {
        argv.push_back(argument.data());
        arguments.append(QFile::decodeName(argument));
    }
    argv.push_back(nullptr);
    const bool total = isTotalCommand(static_cast<int>(argv.size()) - 1, argv.data());

    QByteArray out;
    QByteArray err;
    const int code = runTotalCommand(arguments, settings, out, err);
    FUZZ_ASSERT(code == 0 || code == 1 || code == 2);
    if (code == 0) {
        FUZZ_ASSERT(err.isEmpty() && out.endsWith('\n'));
    } else {
        FUZZ_ASSERT(out.isEmpty() && err.startsWith("tallimer: "));
    }
    if (code == 2) {
        FUZZ_ASSERT(err.endsWith(totalUsage()));
    } else {
        // Only what the command line front recognises reaches the total command.
        FUZZ_ASSERT(total);
    }
    return 0;
}

}  // namespace tallimer::fuzz
