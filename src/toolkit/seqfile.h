#pragma once
// Sequential text files as classroom programs write them: comma-separated
// fields read one at a time, lines written one at a time, every line ending
// CR LF, one byte per character in Windows-1252 so a file written here is
// byte-identical to one written on a Windows PC.
//
// Each thread has one file channel: at most one sequential file is open at a
// time on it.
// Readers and writers hold the channel while they live and give it back when
// they are closed or destroyed, also when an error unwinds past them.
#include "toolkit/atomicfile.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <stdexcept>

class SeqFileError : public std::runtime_error {
public:
    enum class Kind {
        CannotOpen,   // missing, unreadable, or cannot be created
        ChannelBusy,  // another sequential file is still open
        PastEnd,      // a field was read after the last one
        NotANumber,   // a number field held something else
        NotStorable,  // text with a line break or outside Windows-1252
        WriteFailed,  // the new file could not be written or put in place
        TooLong,      // a field or line longer than any these files hold
    };
    SeqFileError(Kind kind, const QString &detail, FileProblem problem = FileProblem::None);
    Kind kind() const { return kind_; }
    // For CannotOpen and WriteFailed: why, as the system told it.
    FileProblem problem() const { return problem_; }

private:
    Kind kind_;
    FileProblem problem_;
};

// Reads fields in order:
// - leading spaces are skipped;
// - a field that starts with a double quote runs to the next double quote
//   (or the line end when none follows); the rest of its line up to a comma
//   or the line end is dropped;
// - any other field runs to the next comma or line end;
// - the comma or line end (CR LF, LF or CR) that ends a field is consumed;
// - an empty line, or a line of spaces, reads as an empty field;
// - trailing spaces of a field are kept, as the writer wrote them;
// - reading when nothing at all is left throws PastEnd;
// - a field may take at most maxFieldBytes bytes of the file (spaces,
//   quotes and what follows a closing quote included): a longer one throws
//   TooLong, so a huge or endless file fails after a few kilobytes.
class SeqFileReader {
public:
    static constexpr qsizetype maxFieldBytes = 4096;

    // Opens a regular file for input (never a pipe or a device, whose reads
    // could wait for ever); throws CannotOpen or ChannelBusy.
    explicit SeqFileReader(const QString &absolutePath);
    // Reads bytes already in memory, for parsers fed by a fuzzer or a test.
    static SeqFileReader fromBytes(const QByteArray &bytes);
    SeqFileReader(SeqFileReader &&) noexcept;
    SeqFileReader &operator=(SeqFileReader &&) noexcept;
    ~SeqFileReader();

    QString readField();
    // A field taken as a whole number; spaces around the digits are skipped.
    // Anything else (empty, letters, out of range) throws NotANumber.
    int readNumber();
    // The rest of the current line exactly as stored, without its line end
    // (which is consumed); the same limit and end-of-file rule as a field.
    QByteArray readLineBytes();
    bool atEnd() const;
    // Gives the channel back; reading afterwards throws PastEnd.
    void close();

private:
    struct Impl;
    explicit SeqFileReader(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

// Writes a new file safely: the lines are kept until close(), which puts
// the whole file in place of the old one at once (see atomicfile.h). A
// writer destroyed without close(), or a close() that fails, leaves the
// previous file exactly as it was.
class SeqFileWriter {
public:
    // Throws CannotOpen (a missing folder) or ChannelBusy.
    explicit SeqFileWriter(const QString &absolutePath);
    SeqFileWriter(SeqFileWriter &&) noexcept;
    SeqFileWriter &operator=(SeqFileWriter &&) noexcept;
    ~SeqFileWriter();

    // The text exactly as it is, then CR LF. Throws NotStorable for text with
    // a line break or a character Windows-1252 cannot hold: nothing is ever
    // replaced silently.
    void writeLine(const QString &text);
    // Bytes kept exactly as read (a line of an older file), then CR LF.
    // Throws NotStorable for a line break inside them.
    void writeLineBytes(const QByteArray &bytes);
    // The number with a sign place and a trailing space: " 3 " then CR LF.
    void writeNumber(int number);
    // Commits the new file; throws WriteFailed, saying why, and keeps the
    // old file on failure.
    void close();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Whether every character of text has a Windows-1252 byte.
bool fitsWindows1252(const QString &text);
// The characters of text that Windows-1252 cannot hold, each once, in order.
QString charactersOutsideWindows1252(const QString &text);
// The Windows-1252 bytes of text; throws NotStorable if a character has none.
QByteArray encodeWindows1252(const QString &text);
QString decodeWindows1252(const QByteArray &bytes);
