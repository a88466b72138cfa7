#pragma once
// What tests ask of the operating system beyond Qt, one implementation file
// per platform (platformprobe_posix.cpp, platformprobe_windows.cpp).
#include <QString>

// The most memory the test program has held so far, in kilobytes.
long peakMemoryKilobytes();
// Makes a named pipe (FIFO) at path; false where folders cannot hold one.
bool makeNamedPipe(const QString &path);
// Makes the folder link show the files of the folder target: a symbolic link,
// or where links need rights a test lacks (Windows), a tree of hard links.
bool linkFolder(const QString &target, const QString &link);
// Whether this Windows program runs under Wine, where starting a program
// takes about a second.
bool runsUnderWine();
