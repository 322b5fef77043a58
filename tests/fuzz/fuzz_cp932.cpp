// CP932 conversion both ways, and the text helpers built on it. The bytes are
// read once as CP932 and once as UTF-8.
//
// Checked: text read from CP932 writes back to bytes that read as the same
// text; UTF-8 text that has a CP932 form reads back unchanged; the CP932
// length of a text is the length of its CP932 form; splitting into characters
// and lines loses nothing; a text read as UTF-8 or CP932 is the one or the
// other reading, and look-alikes once changed stay as they are.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Text.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    if (auto text = cp932ToUtf8(bytes)) {
        auto back = utf8ToCp932(*text);
        FUZZ_CHECK(back.has_value(), "text read from CP932 has no CP932 form");
        auto again = cp932ToUtf8(*back);
        FUZZ_CHECK(again && *again == *text, "CP932 written back reads as other text");
        FUZZ_CHECK(cp932Length(*text) == back->size(), "the CP932 length of a text read");
    }

    if (auto cp = utf8ToCp932(bytes)) {
        auto text = cp932ToUtf8(*cp);
        FUZZ_CHECK(text && *text == bytes, "UTF-8 text written as CP932 reads back changed");
        FUZZ_CHECK(cp932Length(bytes) == cp->size(), "the CP932 length of a text written");
    }

    bool utf8 = false;
    if (auto text = cp932OrUtf8ToUtf8(bytes, &utf8)) {
        std::string_view body = bytes;
        if (utf8 && body.starts_with("\xEF\xBB\xBF"))
            body.remove_prefix(3);
        FUZZ_CHECK(utf8 ? *text == toCp932Forms(body) : text == cp932ToUtf8(bytes),
                   "a file text is neither its UTF-8 nor its CP932 reading");
    }
    const std::string kept = toCp932Forms(bytes);
    FUZZ_CHECK(toCp932Forms(kept) == kept, "look-alikes changed twice");

    std::string joined;
    for (const auto& ch : utf8Chars(bytes))
        joined += ch;
    FUZZ_CHECK(joined == bytes, "splitting into characters lost bytes");
    std::size_t previous = 0;
    for (std::size_t n = 0; n <= 8; ++n) {
        const std::size_t prefix = utf8PrefixBytes(bytes, n);
        FUZZ_CHECK(prefix >= previous && prefix <= bytes.size(), "a character prefix");
        previous = prefix;
    }

    const auto lines = splitLines(bytes);
    FUZZ_CHECK(splitLines(joinLinesCrLf(lines)) == lines, "lines joined and split again");
    return 0;
}
