// textlines.h — reading the program's text files line by line.
//
// Settings files, install scripts and charset files are read in pieces of at
// most 99 characters (a longer line yields several pieces); one trailing line
// end ("\n" or "\r\n") is removed. Files are opened in binary mode so that
// both builds see the same bytes.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

constexpr size_t kLinePieceChars = 99;

// Reads the next piece into line. False at the end of the file or on a read
// error (tell them apart with ferror).
bool readLinePiece(FILE* file, std::string& line, size_t maxChars = kLinePieceChars);

// A line that is no item: empty, or a comment beginning with "#".
inline bool isCommentOrEmpty(const std::string& line) { return line.empty() || line[0] == '#'; }

// Follows the sections of a settings file line by line: a header line the
// caller accepts opens a section, whose items run up to the next empty or
// comment line. A header line met inside a section is one of its items.
class SectionItems {
   public:
    template <class IsHeader>
    bool isItem(const std::string& line, IsHeader isHeader) {
        if (isCommentOrEmpty(line)) {
            open_ = false;
            return false;
        }
        if (open_) return true;
        open_ = isHeader(line);
        return false;
    }
    // Ends the open section early (its first wanted item was found).
    void close() { open_ = false; }

   private:
    bool open_ = false;
};

// The lines of a text held in memory, each without its "\n" or "\r\n".
std::vector<std::string> splitLines(const std::string& text);

// The fields of an item separated by commas; runs of commas count as one
// separator, so no field is empty.
std::vector<std::string> splitAtCommas(const std::string& item);
