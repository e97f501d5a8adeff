// One suite for both parsers and both directions: every reply of a conversation, split at every
// byte position (0 and the end feed it whole) and fed a byte at a time, with each of the line ends
// receivers use, must get exactly the answer it gets whole: never a lost line, never a line
// answered twice.
#include "ParserFixture.h"

#include <algorithm>
#include <sstream>

namespace parsertest {
namespace {

struct Case {
    Family family;
    Direction direction;
    std::string eol;
};

std::string Describe(const Case& c);
void PrintTo(const Case& c, std::ostream* out) {
    *out << Describe(c);
}

std::string Describe(const Case& c) {
    std::ostringstream text;
    text << (c.family == Family::Qvr ? "QVR" : "ST7100") << ' '
         << (c.direction == Direction::Download ? "receive" : "send") << " eol=";
    for (char ch : c.eol)
        text << (ch == '\r' ? "CR" : "LF");
    return text.str();
}

class ProtocolContract : public ParserTest, public ::testing::WithParamInterface<Case> {
  protected:
    /// Replays the conversation, cutting each received reply into the pieces split() gives.
    /// Returns an empty string on success, else what went wrong.
    template <typename Split>
    std::string Replay(const Conversation& conversation, Split split, const std::string& name) {
        const Case& c = GetParam();
        auto parser = MakeParser(c.family);
        const std::string path = Path(name);
        if (c.direction == Direction::Upload)
            WriteFile(path, conversation.fileAfter);
        if (parser->Initialize(path, c.direction == Direction::Download) != 1)
            return "initialize";
        for (std::size_t i = 0; i < conversation.steps.size(); ++i) {
            const Step& step = conversation.steps[i];
            Bytes reply = step.quietLine ? Reply(parser->OnQuietLine()) : Bytes();
            for (const Bytes& piece : split(step.received))
                reply += Reply(Feed(*parser, c.direction, piece));
            if (reply != step.reply)
                return "step " + std::to_string(i) + " answered wrongly";
        }
        if (parser->GetParsingState() != conversation.finalState)
            return "final state " + std::to_string(parser->GetParsingState());
        if (c.direction == Direction::Download && ReadFile(path) != conversation.fileAfter)
            return "received file differs";
        return {};
    }
};

TEST_P(ProtocolContract, EveryReplySplitAtEveryPosition) {
    const Conversation conversation =
        MakeConversation(GetParam().family, GetParam().direction, GetParam().eol);
    // Line ends matter only to text: block-sized replies are cut everywhere once, with CR LF.
    std::size_t longest = 0;
    for (const Step& step : conversation.steps)
        if (GetParam().eol == "\r\n" || step.received.size() < 1000)
            longest = std::max(longest, step.received.size());
    for (std::size_t at = 0; at <= longest; ++at) {
        const std::string failure = Replay(
            conversation,
            [at](const Bytes& bytes) {
                const std::size_t cut = std::min(at, bytes.size());
                return std::vector<Bytes>{bytes.substr(0, cut), bytes.substr(cut)};
            },
            "split-" + std::to_string(at));
        ASSERT_EQ(failure, "") << Describe(GetParam()) << ", split at " << at;
    }
}

TEST_P(ProtocolContract, OneByteAtATime) {
    const Conversation conversation =
        MakeConversation(GetParam().family, GetParam().direction, GetParam().eol);
    const std::string failure = Replay(
        conversation,
        [](const Bytes& bytes) {
            std::vector<Bytes> pieces;
            for (char byte : bytes)
                pieces.emplace_back(1, byte);
            return pieces;
        },
        "bytewise");
    EXPECT_EQ(failure, "") << Describe(GetParam());
}

std::vector<Case> AllCases() {
    std::vector<Case> cases;
    for (Family family : {Family::Qvr, Family::St})
        for (Direction direction : {Direction::Download, Direction::Upload})
            for (const char* eol : {"\r", "\r\n", "\n"})
                cases.push_back({family, direction, eol});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, ProtocolContract, ::testing::ValuesIn(AllCases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             std::string name = Describe(info.param);
                             std::replace_if(
                                 name.begin(), name.end(),
                                 [](char ch) {
                                     return !std::isalnum(static_cast<unsigned char>(ch));
                                 },
                                 '_');
                             return name;
                         });

} // namespace
} // namespace parsertest
