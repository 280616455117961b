// profiletext.cpp — profile files read, changed key by key and written whole.
#include "profiletext.h"

#include <cstdio>

#include "files.h"
#include "textcase.h"
#include "textlines.h"

namespace {

std::string trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The name inside "[name]", or false when the line is no section header.
bool sectionName(const std::string& line, std::string& name) {
    std::string t = trimmed(line);
    if (t.size() < 2 || t.front() != '[') return false;
    size_t close = t.find(']');
    if (close == std::string::npos) return false;
    name = trimmed(t.substr(1, close - 1));
    return true;
}

// Splits "key = value"; false for a line without "=" or with an empty key.
bool keyValue(const std::string& line, std::string& key, std::string& value) {
    size_t eq = line.find('=');
    if (eq == std::string::npos) return false;
    key = trimmed(line.substr(0, eq));
    value = trimmed(line.substr(eq + 1));
    return !key.empty();
}

// Where a section's lines are: [begin, end), begin the line after its header.
struct SectionSpan {
    bool found = false;
    size_t begin = 0, end = 0;
};

SectionSpan findSection(const std::vector<std::string>& lines, const std::string& section) {
    SectionSpan span;
    std::string name;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!sectionName(lines[i], name)) continue;
        if (span.found) {
            span.end = i;
            return span;
        }
        if (equalsIgnoringCase(name, section)) {
            span.found = true;
            span.begin = i + 1;
        }
    }
    span.end = lines.size();
    return span;
}

}  // namespace

ProfileText::ProfileText(const std::string& text) : lines_(splitLines(text)) {}

bool ProfileText::find(const std::string& section, const std::string& key,
                       std::string& value) const {
    SectionSpan span = findSection(lines_, section);
    if (!span.found) return false;
    std::string k, v;
    for (size_t i = span.begin; i < span.end; ++i) {
        if (keyValue(lines_[i], k, v) && equalsIgnoringCase(k, key)) {
            value = v;
            return true;
        }
    }
    return false;
}

void ProfileText::set(const std::string& section, const std::string& key,
                      const std::string& value) {
    const std::string line = key + "=" + value;
    SectionSpan span = findSection(lines_, section);
    if (!span.found) {
        if (!lines_.empty() && !trimmed(lines_.back()).empty()) lines_.push_back("");
        lines_.push_back("[" + section + "]");
        lines_.push_back(line);
        return;
    }
    std::string k, v;
    size_t insertAt = span.begin;  // after the section's last non-empty line
    for (size_t i = span.begin; i < span.end; ++i) {
        if (keyValue(lines_[i], k, v) && equalsIgnoringCase(k, key)) {
            lines_[i] = line;
            return;
        }
        if (!trimmed(lines_[i]).empty()) insertAt = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
}

std::string ProfileText::text() const {
    std::string text;
    for (const std::string& line : lines_) text += line + "\r\n";
    return text;
}

int profileInt(const std::string& value, int fallback) {
    if (value.empty()) return fallback;
    size_t i = value.find_first_not_of(" \t");
    if (i == std::string::npos) return 0;
    bool negative = value[i] == '-';
    if (value[i] == '-' || value[i] == '+') ++i;
    unsigned n = 0;  // a 32-bit value, wrapping as the platform's does
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i)
        n = n * 10 + static_cast<unsigned>(value[i] - '0');
    return static_cast<int>(negative ? 0u - n : n);
}

bool readProfileFile(const std::string& path, ProfileText& profile) {
    std::string text;
    if (!readWholeFile(path, text)) return false;
    profile = ProfileText(text);
    return true;
}

bool writeProfileFile(const std::string& path, const std::string& tmpPath,
                      const ProfileText& profile) {
    FILE* tmp = openFile(tmpPath, "wb");
    if (!tmp) return false;
    const std::string text = profile.text();
    if (std::fwrite(text.data(), 1, text.size(), tmp) != text.size()) {
        std::fclose(tmp);
        removeFile(tmpPath);
        return false;
    }
    return commitReplacement(tmp, tmpPath, path);
}
