// profiletext.h — a profile file ("[section]" headers, "key=value" lines)
// held in memory: look a key up, set one, and read or write the whole file.
//
// Names compare as the platform's profile functions compare them: ignoring
// case, without the blanks around them; values lose their surrounding blanks.
// Every other line (comments, other sections) is kept as it was.
#pragma once

#include <string>
#include <utility>
#include <vector>

using ProfileEntry = std::pair<std::string, std::string>;  // key, value

class ProfileText {
   public:
    ProfileText() = default;
    explicit ProfileText(const std::string& text);

    // The value of key in section; false when the key is absent.
    bool find(const std::string& section, const std::string& key, std::string& value) const;
    // Replaces the key's value, or adds the key at the end of its section,
    // or the section at the end of the text.
    void set(const std::string& section, const std::string& key, const std::string& value);
    // The text with CRLF line ends, as it goes to disk.
    std::string text() const;

   private:
    std::vector<std::string> lines_;
};

// A value read as a number, as the platform's profile functions read one:
// blanks, a sign, decimal digits ("12px" is 12, "abc" is 0); an empty value
// gives fallback.
int profileInt(const std::string& value, int fallback);

// Reads the whole file; false when it cannot be opened or read.
bool readProfileFile(const std::string& path, ProfileText& profile);

// Writes the file whole through tmpPath (same folder) and one atomic replace:
// a crash leaves the old file or the new one.
bool writeProfileFile(const std::string& path, const std::string& tmpPath,
                      const ProfileText& profile);
