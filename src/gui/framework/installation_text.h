#pragma once
// The core keeps text as the installation's 8-bit bytes (Windows-1252); windows show QString.
// Every caption, message and value crosses with these two, and file names with the two below,
// which follow the file system's own encoding instead.

#include <QString>
#include <string>

QString fromInstallationText(const std::string& text);
// Characters the code page cannot hold become '?'.
std::string toInstallationText(const QString& text);

// A name that is not valid UTF-8 (copied from a Windows share) shows as Windows-1252; the bytes
// on disk stay as they are.
QString fromFileName(const std::string& path);
std::string toFileName(const QString& path);
