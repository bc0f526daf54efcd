#pragma once
#include <QString>

// The folder the program keeps its files in, with a trailing separator:
// the executable's folder, unless a test pointed it elsewhere.
QString programFolder();

// Test-only: makes programFolder() return dir (empty restores the default).
void setProgramDirForTest(const QString &dir);

// The file-name part of a path ("/a/b/Работа.cpr" -> "Работа.cpr").
QString ExtractFileName(const QString &path);
