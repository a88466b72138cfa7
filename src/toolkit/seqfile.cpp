#include "toolkit/seqfile.h"
#include "wmf/wmf.h"

#include <QFile>
#include <QFileInfo>
#include <utility>
#include <limits>

namespace {
using Kind = SeqFileError::Kind;

// Each thread has its channel: a save running away from the screens never
// finds it taken by a screen reading the catalogue meanwhile.
thread_local bool channelInUse = false;

// File channel 1: taken on open, given back on close or when its holder dies.
class ChannelClaim {
public:
    ChannelClaim()
    {
        if (std::exchange(channelInUse, true))
            throw SeqFileError(Kind::ChannelBusy, QStringLiteral("file channel 1 is already open"));
    }
    ~ChannelClaim() { release(); }
    ChannelClaim(const ChannelClaim &) = delete;
    ChannelClaim &operator=(const ChannelClaim &) = delete;
    void release()
    {
        if (held_) {
            held_ = false;
            channelInUse = false;
        }
    }

private:
    bool held_ = true;
};

constexpr int windows1252 = 1252;

bool isAscii(const QByteArray &bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

constexpr int endOfInput = -1;
} // namespace

SeqFileError::SeqFileError(Kind kind, const QString &detail, FileProblem problem)
    : std::runtime_error(detail.toStdString()), kind_(kind), problem_(problem)
{
}

// ---------------------------------------------------------------- encoding

QByteArray encodeWindows1252(const QString &text)
{
    if (!wmf::hasCodePage(windows1252))
        throw SeqFileError(Kind::NotStorable, QStringLiteral("no Windows-1252 converter"));
    // Judged by the round trip too: a lone surrogate could vanish, and any
    // look-alike substitution would show up the same way.
    const std::optional<QByteArray> bytes = wmf::encodeCodePage(windows1252, text);
    if (!bytes || bytes->size() != text.size() || decodeWindows1252(*bytes) != text)
        throw SeqFileError(Kind::NotStorable, QStringLiteral("text outside Windows-1252: ") + text);
    return *bytes;
}

QString decodeWindows1252(const QByteArray &bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    return wmf::decodeCodePage(windows1252, bytes);
}

bool fitsWindows1252(const QString &text)
{
    return charactersOutsideWindows1252(text).isEmpty();
}

QString charactersOutsideWindows1252(const QString &text)
{
    QString outside;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype width = (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2 : 1;
        const QString character = text.mid(i, width);
        i += width;
        if (character.size() == 1 && character[0].unicode() < 0x80)
            continue;
        const std::optional<QByteArray> byte = wmf::encodeCodePage(windows1252, character);
        const bool fits = byte && byte->size() == 1 && decodeWindows1252(*byte) == character;
        if (!fits && !outside.contains(character))
            outside += character;
    }
    return outside;
}

// ------------------------------------------------------------------ reader

struct SeqFileReader::Impl {
    ChannelClaim claim;
    std::unique_ptr<QFile> file; // null when the bytes came from memory
    QByteArray buffer;
    qsizetype pos = 0;
    qsizetype taken = 0; // bytes of the current field, its line end included
    bool closed = false;

    int peek()
    {
        if (pos < buffer.size())
            return static_cast<unsigned char>(buffer.constData()[pos]);
        if (!file)
            return endOfInput;
        buffer = file->read(64 * 1024);
        pos = 0;
        if (buffer.isEmpty()) {
            // The end of the file, or a read error, which a reader meets the
            // same way: the next field is not there.
            file.reset();
            return endOfInput;
        }
        return static_cast<unsigned char>(buffer.constData()[pos]);
    }
    void advance()
    {
        if (++taken > maxFieldBytes + 2)
            throw SeqFileError(Kind::TooLong, QStringLiteral("a field longer than %1 bytes").arg(maxFieldBytes));
        ++pos;
    }
    void startField()
    {
        if (closed || peek() == endOfInput)
            throw SeqFileError(Kind::PastEnd, QStringLiteral("input past end of file"));
        taken = 0;
    }

    void consumeFieldEnd()
    {
        const int c = peek();
        if (c == ',' || c == '\n') {
            advance();
        } else if (c == '\r') {
            advance();
            if (peek() == '\n')
                advance();
        }
    }

    // Appends bytes to field up to (not including) a stop byte or the end.
    void takeUntil(QByteArray *field, bool stopAtComma, bool stopAtQuote)
    {
        for (;;) {
            const int c = peek();
            if (c == endOfInput || c == '\r' || c == '\n' || (stopAtComma && c == ',') || (stopAtQuote && c == '"'))
                return;
            if (field)
                field->append(static_cast<char>(c));
            advance();
        }
    }
};

SeqFileReader::SeqFileReader(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

SeqFileReader::SeqFileReader(const QString &absolutePath) : impl_(std::make_unique<Impl>())
{
    impl_->file = std::make_unique<QFile>(absolutePath);
    if (!QFileInfo(absolutePath).isFile())
        throw SeqFileError(Kind::CannotOpen, absolutePath + QStringLiteral(": not a regular file"));
    if (!impl_->file->open(QIODevice::ReadOnly))
        throw SeqFileError(Kind::CannotOpen, absolutePath + QStringLiteral(": ") + impl_->file->errorString());
}

SeqFileReader SeqFileReader::fromBytes(const QByteArray &bytes)
{
    auto impl = std::make_unique<Impl>();
    impl->buffer = bytes;
    return SeqFileReader(std::move(impl));
}

SeqFileReader::SeqFileReader(SeqFileReader &&) noexcept = default;
SeqFileReader &SeqFileReader::operator=(SeqFileReader &&) noexcept = default;
SeqFileReader::~SeqFileReader() = default;

bool SeqFileReader::atEnd() const
{
    return !impl_ || impl_->closed || impl_->peek() == endOfInput;
}

QString SeqFileReader::readField()
{
    if (!impl_)
        throw SeqFileError(Kind::PastEnd, QStringLiteral("input past end of file"));
    impl_->startField();
    while (impl_->peek() == ' ')
        impl_->advance();
    QByteArray field;
    if (impl_->peek() == '"') {
        impl_->advance();
        impl_->takeUntil(&field, false, true);
        if (impl_->peek() == '"') {
            impl_->advance();
            impl_->takeUntil(nullptr, true, false); // what follows the closing quote
        }
    } else {
        impl_->takeUntil(&field, true, false);
    }
    impl_->consumeFieldEnd();
    return decodeWindows1252(field);
}

QByteArray SeqFileReader::readLineBytes()
{
    if (!impl_)
        throw SeqFileError(Kind::PastEnd, QStringLiteral("input past end of file"));
    impl_->startField();
    QByteArray line;
    for (int c = impl_->peek(); c != endOfInput && c != '\r' && c != '\n'; c = impl_->peek()) {
        line.append(static_cast<char>(c));
        impl_->advance();
    }
    impl_->consumeFieldEnd();
    return line;
}

int SeqFileReader::readNumber()
{
    const QString field = readField();
    qsizetype begin = 0;
    qsizetype end = field.size();
    while (begin < end && field[begin] == ' ')
        ++begin;
    while (end > begin && field[end - 1] == ' ')
        --end;
    bool negative = false;
    if (begin < end && (field[begin] == '-' || field[begin] == '+')) {
        negative = field[begin] == '-';
        ++begin;
    }
    if (begin == end)
        throw SeqFileError(Kind::NotANumber, QStringLiteral("not a number: ") + field);
    long long value = 0;
    for (qsizetype i = begin; i < end; ++i) {
        const char16_t c = field[i].unicode();
        if (c < '0' || c > '9')
            throw SeqFileError(Kind::NotANumber, QStringLiteral("not a number: ") + field);
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<int>::max())
            throw SeqFileError(Kind::NotANumber, QStringLiteral("number out of range: ") + field);
    }
    return static_cast<int>(negative ? -value : value);
}

void SeqFileReader::close()
{
    if (!impl_)
        return;
    impl_->closed = true;
    impl_->file.reset();
    impl_->buffer.clear();
    impl_->claim.release();
}

// ------------------------------------------------------------------ writer

// The files are small (a catalogue of 1000 titles is some 30 KB), so the
// whole text is kept and written at once.
struct SeqFileWriter::Impl {
    ChannelClaim claim;
    QString path;
    QByteArray text;
    bool closed = false;

    void put(const QByteArray &bytes)
    {
        if (closed)
            throw SeqFileError(Kind::WriteFailed, QStringLiteral("file channel 1 is closed"));
        text += bytes;
    }
};

SeqFileWriter::SeqFileWriter(const QString &absolutePath) : impl_(std::make_unique<Impl>())
{
    impl_->path = absolutePath;
    if (absolutePath.isEmpty() || !QFileInfo(QFileInfo(absolutePath).path()).isDir())
        throw SeqFileError(Kind::CannotOpen, absolutePath + QStringLiteral(": no such folder"), FileProblem::Missing);
}

SeqFileWriter::SeqFileWriter(SeqFileWriter &&) noexcept = default;
SeqFileWriter &SeqFileWriter::operator=(SeqFileWriter &&) noexcept = default;
SeqFileWriter::~SeqFileWriter() = default;

void SeqFileWriter::writeLine(const QString &text)
{
    if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')))
        throw SeqFileError(Kind::NotStorable, QStringLiteral("a line break inside a field"));
    impl_->put(encodeWindows1252(text) + "\r\n");
}

void SeqFileWriter::writeLineBytes(const QByteArray &bytes)
{
    if (bytes.contains('\r') || bytes.contains('\n'))
        throw SeqFileError(Kind::NotStorable, QStringLiteral("a line break inside a field"));
    impl_->put(bytes + "\r\n");
}

void SeqFileWriter::writeNumber(int number)
{
    // The sign place holds a space for numbers that are not negative.
    const QByteArray digits = QByteArray::number(number);
    impl_->put((number < 0 ? digits : ' ' + digits) + " \r\n");
}

void SeqFileWriter::close()
{
    if (!impl_ || impl_->closed)
        return;
    impl_->closed = true;
    QString detail;
    const FileProblem problem = replaceFileContents(impl_->path, impl_->text, &detail);
    impl_->claim.release();
    if (problem != FileProblem::None)
        throw SeqFileError(Kind::WriteFailed, impl_->path + QStringLiteral(": ") + detail, problem);
}
