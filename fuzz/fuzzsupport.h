// fuzzsupport.h — what the fuzz targets share: a scratch working folder, the
// English UI strings the core asks for, and a check that stops the run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Makes a fresh folder under the system's temporary folder the working
// folder, once per process (the parsers read files relative to it).
void enterScratchFolder();

// Writes bytes to a program path ("\" between the parts), making its folder.
void writeFile(const std::string& path, const std::string& bytes);

// Installs the English UI strings the core reads (file names, headers).
void useEnglishStrings();

// A broken promise of the code under test: a finding, reported by the
// fuzzer with its input.
[[noreturn]] void fail(const char* what);

inline std::string bytes(const uint8_t* data, size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

}  // namespace fuzz

#define FUZZ_CHECK(condition)                       \
    do {                                            \
        if (!(condition)) ::fuzz::fail(#condition); \
    } while (0)
