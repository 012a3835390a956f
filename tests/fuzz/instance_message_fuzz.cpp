// What a peer may send the running copy over its socket. The input's first byte
// seeds how the rest is cut into pieces, as recv() might hand it over. The lines
// must not depend on the cutting; a message is taken only from a line that is
// exactly its name; no line passes the length limit and no peer gets more lines
// than allowed.
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "platform/single_instance.h"

namespace {

using norvane::PeerLines;

struct Heard {
    std::vector<PeerLines::Line> lines;
    bool ended = false;
};

// seed 0: everything at once; 1: one byte at a time; else pieces of 1 to 600
// bytes from a small linear congruential sequence.
Heard Feed(const char* data, std::size_t size, std::uint32_t seed) {
    Heard heard;
    PeerLines peer;
    std::size_t at = 0;
    while (at < size) {
        std::size_t piece = size;
        if (seed == 1) {
            piece = 1;
        } else if (seed != 0) {
            seed = seed * 1664525u + 1013904223u;
            piece = 1 + (seed >> 16) % 600;
        }
        const std::size_t n = piece < size - at ? piece : size - at;
        for (auto& line : peer.feed(data + at, n)) heard.lines.push_back(std::move(line));
        at += n;
    }
    heard.ended = peer.ended();
    return heard;
}

bool Same(const Heard& a, const Heard& b) {
    if (a.ended != b.ended || a.lines.size() != b.lines.size()) return false;
    for (std::size_t i = 0; i < a.lines.size(); ++i)
        if (a.lines[i].text != b.lines[i].text || a.lines[i].message != b.lines[i].message) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const auto* bytes = reinterpret_cast<const char*>(data) + 1;
    const std::size_t length = size - 1;

    const Heard whole = Feed(bytes, length, 0);
    const Heard bytewise = Feed(bytes, length, 1);
    const Heard cut = Feed(bytes, length, data[0] | 0x100u);
    FUZZ_CHECK(Same(whole, bytewise) && Same(whole, cut), "the lines depend on how the bytes were cut");

    FUZZ_CHECK(whole.lines.size() <= static_cast<std::size_t>(PeerLines::kMaxLines), "a peer got too many lines");
    for (const auto& line : whole.lines) {
        FUZZ_CHECK(line.text.size() <= PeerLines::kMaxLineLength, "a line passed the length limit");
        FUZZ_CHECK(!line.text.contains('\n'), "a line holds a line end");
        if (line.message) {
            const std::string_view name = norvane::AppMessageName(*line.message);
            FUZZ_CHECK(std::string_view(line.text.constData(), static_cast<std::size_t>(line.text.size())) == name,
                       "a message was taken from a line that is not its name");
        }
    }
    return 0;
}
