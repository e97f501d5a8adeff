#include "stbsim/SimOptions.h"

#include "policy/Presets.h"

#include <charconv>
#include <climits>
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

/// Applies an option's value; false when the value is refused.
using Setter = std::function<bool(SimOptions&, const std::string&)>;

Setter Number(int SimOptions::*field, int minimum, int maximum = INT_MAX) {
    return [=](SimOptions& options, const std::string& text) {
        int value = 0;
        if (!ToInt(text, &value) || value < minimum || value > maximum)
            return false;
        options.*field = value;
        return true;
    };
}

Setter Text(std::string SimOptions::*field) {
    return [=](SimOptions& options, const std::string& text) {
        options.*field = text;
        return true;
    };
}

template <typename T> Setter OneOf(T SimOptions::*field, std::map<std::string, T> choices) {
    return [=](SimOptions& options, const std::string& text) {
        const auto found = choices.find(text);
        if (found != choices.end())
            options.*field = found->second;
        return found != choices.end();
    };
}

bool Seed(SimOptions& options, const std::string& text) {
    int seed = 0;
    if (!ToInt(text, &seed) || seed < 0)
        return false;
    options.seed = static_cast<unsigned>(seed);
    return true;
}

const std::map<std::string, Setter>& ValuedOptions() {
    using O = SimOptions;
    static const std::map<std::string, Setter> options = {
        {"--model", [](O& o, const std::string& v) { return ApplyModel(v, o); }},
        {"--family", OneOf(&O::family, {{"qvr", Family::Qvr}, {"st", Family::St}})},
        {"--checksum-size", Number(&O::checksumSize, 1, 2)},
        {"--start-block", Number(&O::startBlock, 0)},
        {"--serve", Text(&O::serveFile)},
        {"--blocks", Number(&O::flashBlocks, 0)},
        {"--store", Text(&O::storeFile)},
        {"--eol", OneOf<std::string>(&O::eol, {{"cr", "\r"}, {"crlf", "\r\n"}, {"lf", "\n"}})},
        {"--offer",
         OneOf(&O::offer,
               {{"prompt", Offer::Prompt}, {"knock", Offer::Knock}, {"none", Offer::None}})},
        {"--port", Text(&O::device)},
        {"--baud", Number(&O::baud, 0)},
        {"--chunks", Number(&O::chunkMax, 0)},
        {"--corrupt-block", Number(&O::corruptBlock, 0)},
        {"--silent-block", Number(&O::silentBlock, 0)},
        {"--silent-ms", Number(&O::silentMs, 0)},
        {"--garbage-every", Number(&O::garbageEvery, 0)},
        {"--repeat-request", Number(&O::repeatRequest, 0)},
        {"--repeat-block", Number(&O::repeatBlock, 0)},
        {"--repeat-delay-ms", Number(&O::repeatDelayMs, 0)},
        {"--announce-blocks", Number(&O::announceBlocks, 0)},
        {"--store-corrupt-block", Number(&O::storeCorruptBlock, 0)},
        {"--store-corrupt-offset", Number(&O::storeCorruptOffset, 0, 1023)},
        {"--sessions", Number(&O::sessions, 0)},
        {"--seed", Seed},
    };
    return options;
}

/// Sets the field of a flag option; false when name is none.
bool ApplyFlag(const std::string& name, SimOptions& options) {
    using O = SimOptions;
    static const std::map<std::string, bool SimOptions::*> flags = {
        {"--big-endian", &O::bigEndian},
        {"--noise", &O::noiseImage},
        {"--fail-send", &O::failSend},
        {"--noise-flood", &O::noiseFlood},
        {"--always-bad-checksum", &O::alwaysBadChecksum},
        {"--offer-after-send", &O::offerAfterSend},
        {"--verbose", &O::verbose},
    };
    const auto found = flags.find(name);
    if (found == flags.end())
        return false;
    options.*(found->second) = true;
    return true;
}

/// The models whose receive dialog expects this opening, in the order the presets list them.
std::string ModelsOpening(Offer offer) {
    std::string names;
    const auto add = [&](const policy::ProductPreset& preset) {
        if (OpeningOf(preset.Kind().St7100Platform() ? Family::St : Family::Qvr) != offer)
            return;
        names += (names.empty() ? "" : ", ") + std::string(preset.name);
    };
    for (const policy::ProductPreset& preset : policy::ConfigurablePresets())
        add(preset);
    add(policy::StartupPreset());
    return names;
}

} // namespace

Offer OpeningOf(Family family) {
    // The receive dialog of an ST7100 receiver waits for it to begin; the others send the host
    // access code and wait for nothing.
    return family == Family::St ? Offer::Prompt : Offer::None;
}

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
  --offer prompt|knock|none
                        how it begins a receive: by itself with the QVR prompt, by itself
                        with the ST7100 knock, or not at all (it waits for the host access
                        code). The default is the opening its model's receive dialog expects:
                        prompt for models )" +
           ModelsOpening(Offer::Prompt) + R"( (the dialog waits for the receiver),
                        none for models )" +
           ModelsOpening(Offer::None) + R"( (the dialog sends the access code).
                        With prompt or none a PC that sends the access code is served too
                        and a send's knocks are answered at any time: one run serves a
                        receive, a send and the read-back after it.
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
  --repeat-block N      on a receive, send block N a second time, unasked ...
  --repeat-delay-ms MS  ... this long after the first (default 300)
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
    bool offerGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        offerGiven = offerGiven || name == "--offer";
        if (ApplyFlag(name, options))
            continue;
        const auto setter = ValuedOptions().find(name);
        if (setter == ValuedOptions().end()) {
            *error = "unknown option " + name;
            return std::nullopt;
        }
        if (i + 1 == arguments.size() || !setter->second(options, arguments[i + 1])) {
            *error = "bad or missing value for " + name;
            return std::nullopt;
        }
        ++i;
    }
    if (!offerGiven)
        options.offer = OpeningOf(options.family);
    return options;
}

} // namespace stbsim
