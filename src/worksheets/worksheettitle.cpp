#include "worksheets/worksheettitle.h"

#include "toolkit/atomicfile.h"
#include "toolkit/seqfile.h"

namespace {
const QString forbiddenCharacters = QStringLiteral("\\/:*?\"<>|");

// The part of a file name Windows checks against its device names: up to the
// first dot, without trailing spaces ("con.txt" and "Con .doc" are devices).
QString deviceNamePart(const QString &title)
{
    QString base = title.section(QLatin1Char('.'), 0, 0);
    while (base.endsWith(QLatin1Char(' ')))
        base.chop(1);
    return base;
}

bool isReservedDeviceName(const QString &name)
{
    static const QStringList plain = {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                      QStringLiteral("NUL"), QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
    for (const QString &reserved : plain)
        if (name.compare(reserved, Qt::CaseInsensitive) == 0)
            return true;
    if (name.size() != 4)
        return false;
    const QString stem = name.left(3);
    if (stem.compare(QLatin1String("COM"), Qt::CaseInsensitive) != 0
        && stem.compare(QLatin1String("LPT"), Qt::CaseInsensitive) != 0)
        return false;
    // Windows reserves 0 to 9 and the superscript digits, which Windows-1252 holds.
    const QChar digit = name[3];
    return (digit >= QLatin1Char('0') && digit <= QLatin1Char('9')) || digit == QChar(0x00B9)
        || digit == QChar(0x00B2) || digit == QChar(0x00B3);
}

// Files the program itself keeps in the "multiple" folder.
QString programFileNamed(const QString &title)
{
    static const QStringList names = {QStringLiteral("Greek Fighters"), QStringLiteral("Greek Writing"),
                                      QStringLiteral("track")};
    for (const QString &name : names)
        if (title.compare(name, Qt::CaseInsensitive) == 0)
            return name;
    return {};
}

// The listed title that differs from title only in letter case, if any.
QString lookAlikeOf(const QStringList &listed, const QString &title)
{
    for (const QString &other : listed)
        if (other != title && other.compare(title, Qt::CaseInsensitive) == 0)
            return other;
    return {};
}

// The rules that look at the title's characters alone.
TitleProblem characterProblem(const QString &title)
{
    for (QChar c : title)
        if (forbiddenCharacters.contains(c))
            return TitleProblem::ForbiddenCharacter;
    for (QChar c : title)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Control)
            return TitleProblem::ControlCharacter;
    if (!fitsWindows1252(title))
        return TitleProblem::OutsideCodePage;
    if (title.startsWith(QLatin1Char(' ')) || title.endsWith(QLatin1Char(' ')))
        return TitleProblem::OuterSpace;
    if (title.endsWith(QLatin1Char('.')))
        return TitleProblem::TrailingFullStop;
    if (isReservedDeviceName(deviceNamePart(title)))
        return TitleProblem::ReservedDeviceName;
    if (!programFileNamed(title).isEmpty())
        return TitleProblem::ProgramFileName;
    return TitleProblem::None;
}
} // namespace

TitleCheck checkWorksheetTitle(const QString &title, const QString &folder, const QStringList &listed)
{
    if (title.contains(QLatin1Char(',')) && !listed.contains(title))
        return {TitleProblem::Comma, {}};
    if (const TitleProblem problem = characterProblem(title); problem != TitleProblem::None)
        return {problem, {}};
    if (!fitsWindowsPathLimit(folder + QLatin1Char('/') + title + QStringLiteral(".txt")))
        return {TitleProblem::PathTooLong, {}};
    if (const QString other = lookAlikeOf(listed, title); !other.isEmpty())
        return {TitleProblem::LookAlikeListed, other};
    return {};
}

bool titleStaysInFolder(const QString &title)
{
    for (const char16_t c : {u'/', u'\\', u':', u'\0'})
        if (title.contains(QChar(c)))
            return false;
    return true;
}

QString worksheetTitleMessage(const TitleCheck &check, const QString &title, const QString &folder)
{
    const QString choose = QStringLiteral(" Please choose another title.");
    switch (check.problem) {
    case TitleProblem::None:
        return {};
    case TitleProblem::Comma:
        return QStringLiteral("A worksheet title cannot contain a comma. Please change the title.");
    case TitleProblem::ForbiddenCharacter:
        return QStringLiteral("A worksheet title cannot contain any of these characters: \\ / : * ? \" < > |");
    case TitleProblem::ControlCharacter:
        return QStringLiteral("A worksheet title cannot contain a tab or other invisible characters. "
                              "Please retype the title.");
    case TitleProblem::OutsideCodePage:
        return QStringLiteral("The title holds characters that a worksheet cannot keep: ")
            + charactersOutsideWindows1252(title) + QStringLiteral(". Please type something else in their place.");
    case TitleProblem::OuterSpace:
        return QStringLiteral("A worksheet title cannot begin or end with a space.");
    case TitleProblem::TrailingFullStop:
        return QStringLiteral("A worksheet title cannot end with a full stop.");
    case TitleProblem::ReservedDeviceName:
        return QStringLiteral("Windows keeps the name \"") + deviceNamePart(title)
            + QStringLiteral("\" for itself, so a worksheet cannot be called that.") + choose;
    case TitleProblem::ProgramFileName:
        return QStringLiteral("\"") + programFileNamed(title)
            + QStringLiteral("\" is the name of one of Velmora's own files, so a worksheet cannot be called that.")
            + choose;
    case TitleProblem::PathTooLong:
        return QStringLiteral("The name of the worksheet folder ") + folder
            + QStringLiteral(" is so long that, with this title, a Windows PC could not open the worksheet. "
                             "Please choose a shorter title.");
    case TitleProblem::LookAlikeListed:
        return QStringLiteral("There is already a worksheet called \"") + check.listedTitle
            + QStringLiteral("\". A title that differs from it only in capital letters would replace it, so please "
                             "choose another title, or open \"")
            + check.listedTitle + QStringLiteral("\" from the Worksheet Catalogue to change it.");
    }
    return {};
}
