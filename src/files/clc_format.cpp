#include "files/clc_format.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringView>
#include <QVarLengthArray>

#include <algorithm>
#include <utility>

#include "files/clc_number.h"
#include "platform/number_text.h"

namespace tallimer {

namespace {

// Far beyond any real calculation (32768 lines of long numbers are about a megabyte), small
// enough that a wrong file cannot exhaust memory.
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;

// Splits bytes into lines ended by CR LF, a lone CR or a lone LF; the last line may lack one.
class LineReader {
public:
    explicit LineReader(QByteArrayView bytes) : m_bytes(bytes) {}

    bool next(QByteArrayView& line) {
        const qsizetype size = m_bytes.size();
        if (m_pos >= size) {
            return false;
        }
        qsizetype end = m_pos;
        while (end < size && m_bytes[end] != '\r' && m_bytes[end] != '\n') {
            ++end;
        }
        line = m_bytes.sliced(m_pos, end - m_pos);
        m_pos = end;
        if (m_pos < size) {
            const bool cr = m_bytes[m_pos] == '\r';
            ++m_pos;
            if (cr && m_pos < size && m_bytes[m_pos] == '\n') {
                ++m_pos;
            }
        }
        return true;
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

// A line's value text as UTF-16 for the regional reading, without allocating per line.
class Widened {
public:
    explicit Widened(QByteArrayView latin1) : m_text(latin1.size()) {
        std::transform(latin1.begin(), latin1.end(), m_text.begin(),
                       [](char c) { return static_cast<char16_t>(static_cast<unsigned char>(c)); });
    }
    QStringView view() const { return {m_text.data(), m_text.size()}; }

private:
    QVarLengthArray<char16_t, 128> m_text;
};

// The value's text as shown in a message, cut short when long.
QString quoted(QByteArrayView text) {
    constexpr qsizetype kShown = 40;
    if (text.size() > kShown) {
        return u'"' + QString::fromLatin1(text.first(kShown)) + QStringLiteral("...\"");
    }
    return u'"' + QString::fromLatin1(text) + u'"';
}

// Single-byte text: a character beyond Latin-1 cannot be stored and becomes "?".
char latin1(QChar c) {
    return c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : '?';
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
    LineReader reader(bytes);
    QByteArrayView line;
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
        const QChar op = line.isEmpty() ? QChar() : QChar::fromLatin1(line.front());
        const QByteArrayView valueText = line.isEmpty() ? line : line.sliced(1);
        Decimal value;
        const ReadStatus status = readPlainNumber(valueText, settings.decimalSymbol, value)
                                      ? ReadStatus::Ok
                                      : readLocale(Widened(valueText).view(), settings, value);
        switch (status) {
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
    for (int i = 0; i < tape.size(); ++i) {
        // A line without an operator gets a blank in its place, or the value's first
        // character would be read back as the operator.
        const QChar op = tape.TapeOps[i];
        const QString value = tape.TapeNumbers[i].plainText(settings);
        const qsizetype at = out.size();
        out.resize(at + 1 + value.size() + 2);
        char* line = out.data() + at;
        *line++ = latin1(op.isNull() ? QChar(u' ') : op);
        for (const QChar c : value) {
            *line++ = latin1(c);
        }
        *line++ = '\r';
        *line = '\n';
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
