// Profile text (win.ini's section, the per-user settings file): keys found,
// values set and read back, numbers read as the profile functions read them.
#include "fuzzsupport.h"
#include "profiletext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = fuzz::bytes(data, size);
    ProfileText profile(text);
    std::string value;
    profile.find("Dictionary", "PracticeList", value);
    profileInt(value, 400);
    profileInt(text, 400);
    profile.set("Dictionary", "ListID", "401");
    FUZZ_CHECK(profile.find("Dictionary", "ListID", value) && value == "401");
    ProfileText again(profile.text());
    FUZZ_CHECK(again.find("Dictionary", "ListID", value) && value == "401");
    FUZZ_CHECK(again.text() == profile.text());
    return 0;
}
