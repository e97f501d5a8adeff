#include "stbsim/SimOptions.h"

#include "policy/Presets.h"

#include <charconv>
#include <functional>
#include <map>

namespace stbsim {

namespace {

bool ToInt(const std::string& text, int* value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
    return error == std::errc() && end == text.data() + text.size();
}

bool ApplyModel(const std::string& name, SimOptions& options) {
    const policy::ProductPreset* preset = policy::FindPreset(name);
    if (preset == nullptr)
        return false;
    options.family = preset->Kind().St7100Platform() ? Family::St : Family::Qvr;
    options.checksumSize = preset->checksumSize > 0 ? preset->checksumSize : 2;
    options.bigEndian = preset->byteOrder != 0;
    options.startBlock = preset->startBlock;
    options.model = name;
    return true;
}

} // namespace

std::string SimUsage() {
    return R"(usage: chanforge-stbsim [options]
A virtual receiver on a pseudo-terminal (its path is printed) or on --port DEVICE.
  --model NAME          receiver model A..E or default (family, checksum, byte order, start block)
  --family qvr|st       receiver family
  --checksum-size 1|2   checksum bytes after each block it sends
  --big-endian          byte order of the QVR send checksum
  --start-block N       start block it announces
  --serve FILE          channel file to send on a receive, announced whole
                        (default: a sample database of its model)
  --blocks N            the flash region it keeps, in 1024-byte blocks (default 384): the
                        database it serves is padded with erased bytes to it
  --noise               serve random bytes laced with protocol words instead of a database
  --store FILE          where to write an image it is sent
  --eol cr|crlf|lf      line end of its lines (default crlf)
  --offer prompt|knock  begin a receive by itself (QVR prompt, ST7100 knock)
  --offer-after-send    ... but only once it was sent an image (to read a send back)
  --port DEVICE         use a device instead of a pseudo-terminal
  --baud N              emulate this line rate
faults:
  --chunks N            split every write into random chunks of 1..N bytes
  --corrupt-block N     send (or take) block N with a wrong checksum once
  --silent-block N      fall silent before block N ...
  --silent-ms MS        ... for this long (default 3000)
  --garbage-every N     a garbage line after every N-th block
  --fail-send           end a send with RESPONSE_DOWNLOAD_FAIL
  --noise-flood         answer the first block request with endless noise
  --always-bad-checksum send every block with a wrong checksum
  --repeat-request N    on a send, ask for block N again and again
  --announce-blocks N   announce N blocks on a receive, whatever the image holds
  --store-corrupt-block N  write block N of an image it is sent with one byte inverted...
  --store-corrupt-offset N ...the byte at this offset in the block (default 512)
  --sessions N          end after N conversations
  --seed N              seed of the random chunking
  --verbose             log the conversation on standard error
)";
}

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& arguments,
                                          std::string* error) {
    SimOptions options;
    ApplyModel("default", options);
    using Setter = std::function<bool(const std::string&)>;
    const auto number = [](int* target, int minimum) {
        return Setter([target, minimum](const std::string& text) {
            return ToInt(text, target) && *target >= minimum;
        });
    };
    const auto text = [](std::string* target) {
        return Setter([target](const std::string& value) {
            *target = value;
            return true;
        });
    };
    int seed = 1;
    const std::map<std::string, Setter> valued = {
        {"--model", [&](const std::string& v) { return ApplyModel(v, options); }},
        {"--family",
         [&](const std::string& v) {
             options.family = v == "st" ? Family::St : Family::Qvr;
             return v == "st" || v == "qvr";
         }},
        {"--checksum-size",
         [&](const std::string& v) {
             return ToInt(v, &options.checksumSize) &&
                    (options.checksumSize == 1 || options.checksumSize == 2);
         }},
        {"--start-block", number(&options.startBlock, 0)},
        {"--serve", text(&options.serveFile)},
        {"--blocks", number(&options.flashBlocks, 0)},
        {"--store", text(&options.storeFile)},
        {"--eol",
         [&](const std::string& v) {
             static const std::map<std::string, std::string> ends = {
                 {"cr", "\r"}, {"crlf", "\r\n"}, {"lf", "\n"}};
             const auto found = ends.find(v);
             if (found != ends.end())
                 options.eol = found->second;
             return found != ends.end();
         }},
        {"--offer",
         [&](const std::string& v) {
             options.offer = v == "prompt" ? Offer::Prompt : Offer::Knock;
             return v == "prompt" || v == "knock";
         }},
        {"--port", text(&options.device)},
        {"--baud", number(&options.baud, 0)},
        {"--chunks", number(&options.chunkMax, 0)},
        {"--corrupt-block", number(&options.corruptBlock, 0)},
        {"--silent-block", number(&options.silentBlock, 0)},
        {"--silent-ms", number(&options.silentMs, 0)},
        {"--garbage-every", number(&options.garbageEvery, 0)},
        {"--repeat-request", number(&options.repeatRequest, 0)},
        {"--announce-blocks", number(&options.announceBlocks, 0)},
        {"--store-corrupt-block", number(&options.storeCorruptBlock, 0)},
        {"--store-corrupt-offset",
         [&](const std::string& v) {
             return ToInt(v, &options.storeCorruptOffset) && options.storeCorruptOffset >= 0 &&
                    options.storeCorruptOffset < 1024;
         }},
        {"--sessions", number(&options.sessions, 0)},
        {"--seed", number(&seed, 0)},
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (name == "--big-endian") {
            options.bigEndian = true;
        } else if (name == "--noise") {
            options.noiseImage = true;
        } else if (name == "--fail-send") {
            options.failSend = true;
        } else if (name == "--noise-flood") {
            options.noiseFlood = true;
        } else if (name == "--always-bad-checksum") {
            options.alwaysBadChecksum = true;
        } else if (name == "--offer-after-send") {
            options.offerAfterSend = true;
        } else if (name == "--verbose") {
            options.verbose = true;
        } else if (const auto setter = valued.find(name); setter != valued.end()) {
            if (i + 1 == arguments.size() || !setter->second(arguments[i + 1])) {
                *error = "bad or missing value for " + name;
                return std::nullopt;
            }
            ++i;
        } else {
            *error = "unknown option " + name;
            return std::nullopt;
        }
    }
    options.seed = static_cast<unsigned>(seed);
    return options;
}

} // namespace stbsim
