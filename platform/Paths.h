#pragma once
#include <QString>

// The file-name part of a path ("/a/b/Работа.cpr" -> "Работа.cpr").
QString fileNameOf(const QString &path);
