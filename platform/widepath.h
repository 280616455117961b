// widepath.h — the file seam's Windows side for code that calls the wide
// Windows functions itself (the installer's copies and shortcut, icons,
// language.ini, playback): a path in UTF-16, and a system name back.
#pragma once

#include <string>

#include "filepath.h"

// The path as the wide file functions want it, from the code page of each
// of its pieces.
std::wstring widePath(const FilePath& path);

// A name the system gave, exactly: a UTF-8 piece, whatever the path code page.
FilePath pathOfWide(const std::wstring& name);

// A name the system gave as text of the path code page; false when that
// cannot hold one of its characters.
bool pathTextOfWide(const std::wstring& name, std::string& text);
