// filepath.h — a file path as 8-bit text, with the code page it was written in.
//
// The programs write paths as 8-bit text: folder names from the UI strings,
// file names from the settings file, the install script, language.cf. All of
// these are in one code page, the UI edition's: the path code page, told once
// at start-up. The file seam (files.h) turns every path into the system's own
// name from that code page (UTF-16 on Windows, UTF-8 on POSIX), so that one
// path names the same file on every system whatever the system's code page.
//
// A caller that builds a path from text of another code page (a
// pronunciation's file name is a word of its pair's language; a folder the
// system gave as UTF-16) adds that piece with its own code page.
#pragma once

#include <string>
#include <vector>

// The system's code page on Windows, the bytes as they are on POSIX: what
// the 8-bit file functions do. The path code page until one is told.
constexpr int kSystemCodePage = 0;
constexpr int kUtf8CodePage = 65001;

void setPathCodePage(int codePage);
int pathCodePage();

class FilePath {
   public:
    struct Piece {
        std::string text;
        int codePage;
    };

    FilePath() = default;
    // Text in the path code page, the form of nearly every path.
    FilePath(const std::string& text) { add(text, pathCodePage()); }
    FilePath(const char* text) { add(text, pathCodePage()); }
    // Text in the code page given.
    FilePath(const std::string& text, int codePage) { add(text, codePage); }

    FilePath& operator+=(const FilePath& more);
    bool empty() const { return pieces_.empty(); }
    // The last byte of the path ('\0' when empty), e.g. to see a trailing "\".
    char back() const { return empty() ? '\0' : pieces_.back().text.back(); }
    // The whole path as UTF-8: how messages and logs show it.
    std::string utf8() const;
    const std::vector<Piece>& pieces() const { return pieces_; }

   private:
    void add(const std::string& text, int codePage);
    std::vector<Piece> pieces_;  // never an empty piece; neighbours differ in code page
};

FilePath operator+(FilePath path, const FilePath& more);
bool operator==(const FilePath& a, const FilePath& b);  // the same name
inline bool operator!=(const FilePath& a, const FilePath& b) { return !(a == b); }

// A name the system gave (as UTF-8) as text of the path code page. False
// when the code page cannot hold one of its characters.
bool toPathText(const std::string& utf8, std::string& text);

// Text of a code page the tables do not know (kSystemCodePage above all) as
// UTF-8, and back (false when a character is lost): the platform's part.
std::string platformTextToUtf8(const std::string& text, int codePage);
bool platformUtf8ToText(const std::string& utf8, int codePage, std::string& text);
