// Conversation states shared by the parsers and the transfer controllers; the values are part of
// the interface.
#pragma once

#include <cstdint>

enum ParsingState : std::uint8_t {
    kStateIdle = 0,
    kStatePromptSeen = 1,       ///< receive: host command sent
    kStateVersionRequested = 2, ///< receive: ready mark seen
    kStateStartBlockRequested = 3,
    kStateBlockCountRequested = 4, ///< receive; send: start block sent
    kStateBlocksArriving = 5,
    kStateLastBlockStored = 6,
    kStateReceiveFinished = 7,
    kStateReceiverConnected = 8,
    kStateVersionAnswered = 9,
    kStateAcknowledged = 10,
    kStateBlockCountSent = 11,
    kStateDownloadAsked = 12,
    kStateBlocksSending = 13,
    kStateAllDataSent = 14,
    kStateFlashWriting = 15,
    kStateSendSucceeded = 16,
    kStateSendFailed = 17,
};
