#include "support/platformprobe.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <windows.h>
#include <psapi.h>

long peakMemoryKilobytes()
{
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return long(counters.PeakWorkingSetSize / 1024);
}

// Windows' named pipes live in a namespace of their own, never in a folder.
bool makeNamedPipe(const QString &) { return false; }

bool linkFolder(const QString &target, const QString &link)
{
    if (!QDir().mkpath(link))
        return false;
    QDirIterator it(target, QDir::AllEntries | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString to = link + from.mid(target.size());
        const bool made = it.fileInfo().isDir()
                              ? QDir().mkpath(to)
                              : CreateHardLinkW(reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(to).utf16()),
                                                reinterpret_cast<const wchar_t *>(QDir::toNativeSeparators(from).utf16()),
                                                nullptr) || QFile::copy(from, to);
        if (!made)
            return false;
    }
    return true;
}

bool runsUnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }
