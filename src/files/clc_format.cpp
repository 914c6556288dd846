#include "files/clc_format.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringView>

#include <algorithm>
#include <utility>

#include "platform/number_text.h"

namespace tallimer {

namespace {

// Far beyond any real calculation (32768 lines of long numbers are about a megabyte), small
// enough that a wrong file cannot exhaust memory.
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;

// Splits text into lines ended by CR LF, a lone CR or a lone LF; the last line may lack one.
class LineReader {
public:
    explicit LineReader(QStringView text) : m_text(text) {}

    bool next(QStringView& line) {
        const qsizetype size = m_text.size();
        if (m_pos >= size) {
            return false;
        }
        qsizetype end = m_pos;
        while (end < size && m_text[end] != u'\r' && m_text[end] != u'\n') {
            ++end;
        }
        line = m_text.sliced(m_pos, end - m_pos);
        m_pos = end;
        if (m_pos < size) {
            const bool cr = m_text[m_pos] == u'\r';
            ++m_pos;
            if (cr && m_pos < size && m_text[m_pos] == u'\n') {
                ++m_pos;
            }
        }
        return true;
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

// The value's text as shown in a message, cut short when long.
QString quoted(QStringView text) {
    constexpr qsizetype kShown = 40;
    if (text.size() > kShown) {
        return u'"' + text.first(kShown).toString() + QStringLiteral("...\"");
    }
    return u'"' + text.toString() + u'"';
}

bool fail(ClcError* error, int line, const QString& reason) {
    if (error != nullptr) {
        *error = ClcError{line, reason};
    }
    return false;
}

}  // namespace

QString ClcError::message() const {
    return line > 0 ? QStringLiteral("line %1: %2").arg(line).arg(reason) : reason;
}

bool readClc(const QByteArray& bytes, const RegionalSettings& settings, Tape& tape,
             ClcError* error) {
    const QString text = QString::fromLatin1(bytes);
    LineReader reader(text);
    QStringView line;
    if (!reader.next(line)) {
        return fail(error, 0, QStringLiteral("the file is empty: the header line is missing"));
    }

    Tape read;
    const auto expected = std::min<qsizetype>(bytes.count('\n') + 1, kMaxTapeLines);
    read.TapeNumbers.reserve(static_cast<std::size_t>(expected));
    read.TapeOps.reserve(static_cast<std::size_t>(expected));
    while (reader.next(line)) {
        const int fileLine = read.size() + 2;
        if (read.size() == kMaxTapeLines) {
            return fail(
                error, 0,
                QStringLiteral("the file holds more than %1 tape lines").arg(kMaxTapeLines));
        }
        const QChar op = line.isEmpty() ? QChar() : line.front();
        const QStringView valueText = line.isEmpty() ? line : line.sliced(1);
        Decimal value;
        switch (readLocale(valueText, settings, value)) {
            case ReadStatus::Ok:
                break;
            case ReadStatus::Overflow:
                return fail(error, fileLine,
                            quoted(valueText) + QStringLiteral(" is beyond the number range"));
            case ReadStatus::Invalid:
                return fail(error, fileLine,
                            line.isEmpty() ? QStringLiteral("the line is empty")
                            : valueText.isEmpty()
                                ? QStringLiteral("the line holds no value")
                                : quoted(valueText) + QStringLiteral(" is not a number"));
        }
        read.TapeOps.push_back(op);
        read.TapeNumbers.emplace_back(value);
    }
    if (read.size() == 0) {
        return fail(error, 0, QStringLiteral("the file holds the header line only"));
    }
    tape = std::move(read);
    return true;
}

QByteArray writeClc(const Tape& tape, const RegionalSettings& settings) {
    QByteArray out;
    out.reserve(32 + static_cast<qsizetype>(tape.size()) * 16);
    out.append(kClcHeader).append("\r\n");
    QString line;
    for (int i = 0; i < tape.size(); ++i) {
        // A line without an operator gets a blank in its place, or the value's first
        // character would be read back as the operator.
        const QChar op = tape.TapeOps[i];
        line = op.isNull() ? QChar(u' ') : op;
        line += tape.TapeNumbers[i].plainText(settings);
        out.append(line.toLatin1()).append("\r\n");
    }
    return out;
}

bool loadClc(const QString& path, const RegionalSettings& settings, Tape& tape, ClcError* error) {
    if (QFileInfo(path).isDir()) {
        return fail(error, 0, QStringLiteral("it is a folder, not a calculation file"));
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return fail(error, 0, file.errorString());
    }
    if (file.size() > kMaxFileBytes) {
        return fail(error, 0, QStringLiteral("the file is too large to be a calculation"));
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return fail(error, 0, file.errorString());
    }
    return readClc(bytes, settings, tape, error);
}

bool saveClc(const QString& path, const Tape& tape, const RegionalSettings& settings,
             ClcError* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(error, 0, file.errorString());
    }
    const QByteArray bytes = writeClc(tape, settings);
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(error, 0, reason);
    }
    if (!file.commit()) {
        return fail(error, 0, file.errorString());
    }
    return true;
}

int padForView(Tape& tape, int lastRow) {
    if (tape.size() < lastRow + 1) {
        tape.resize(lastRow + 1, u'+');
    }
    return tape.lastIndex() - lastRow;
}

}  // namespace tallimer
