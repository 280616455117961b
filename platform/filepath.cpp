// filepath.cpp — paths of 8-bit pieces and their UTF-8 form.
#include "filepath.h"

#include "codepage.h"

namespace {
int currentPathCodePage = kSystemCodePage;

std::string pieceUtf8(const FilePath::Piece& piece) {
    if (piece.codePage == kUtf8CodePage) return piece.text;
    // The same tables on every platform: a name converts to the same file
    // name whether the native tool or a Windows program makes it.
    if (isKnownCodePage(piece.codePage)) return codePageToUtf8(piece.text, piece.codePage);
    return platformTextToUtf8(piece.text, piece.codePage);
}
}  // namespace

void setPathCodePage(int codePage) { currentPathCodePage = codePage; }
int pathCodePage() { return currentPathCodePage; }

void FilePath::add(const std::string& text, int codePage) {
    if (text.empty()) return;
    if (!pieces_.empty() && pieces_.back().codePage == codePage)
        pieces_.back().text += text;
    else
        pieces_.push_back({text, codePage});
}

FilePath& FilePath::operator+=(const FilePath& more) {
    for (const Piece& piece : more.pieces_) add(piece.text, piece.codePage);
    return *this;
}

std::string FilePath::utf8() const {
    std::string out;
    for (const Piece& piece : pieces_) out += pieceUtf8(piece);
    return out;
}

FilePath operator+(FilePath path, const FilePath& more) { return path += more; }

bool operator==(const FilePath& a, const FilePath& b) { return a.utf8() == b.utf8(); }

bool toPathText(const std::string& utf8, std::string& text) {
    const int codePage = pathCodePage();
    if (codePage == kUtf8CodePage) {
        text = utf8;
        return true;
    }
    if (isKnownCodePage(codePage))
        return utf8ToCodePage(utf8, codePage, text).status == ConversionStatus::Ok;
    return platformUtf8ToText(utf8, codePage, text);
}
