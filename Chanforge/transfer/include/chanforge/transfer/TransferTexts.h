// What the transfer dialogs show; the controllers emit these texts so every front end shows the
// same ones.
#pragma once

#include "utils/Translatable.h"

#include <QCoreApplication>
#include <QString>

namespace chanforge::transfer::texts {

/// A text as the operator reads it: translated where a catalogue is loaded.
inline QString Shown(const char* text) {
    return QCoreApplication::translate("Transfer", text);
}

inline constexpr const char* kAlreadyOpen =
    CF_TR_NOOP("Transfer", "Already Serial Port opened or disconnected. Check STB status");
inline constexpr const char* kCannotInitialize =
    CF_TR_NOOP("Transfer", "Cannot open temporary file or initialize");
inline constexpr const char* kConnecting = CF_TR_NOOP("Transfer", "Connecting to Serial.....");
inline constexpr const char* kAccessCodeFailed =
    CF_TR_NOOP("Transfer", "Send fail write(script) command");
inline constexpr const char* kWriteFailed = CF_TR_NOOP("Transfer", "Send fail write command");
inline constexpr const char* kDataSendFail = CF_TR_NOOP("Transfer", "Data send fail!!...");
inline constexpr const char* kReceivedAll = CF_TR_NOOP("Transfer", "Received all data completely.");
inline constexpr const char* kCloseQuestion =
    CF_TR_NOOP("Transfer", "Would you like to close connected serial port ?");
inline constexpr const char* kDownloading = CF_TR_NOOP("Transfer", "Downloading (%.2f%%)......  ");
inline constexpr const char* kUploading = CF_TR_NOOP("Transfer", "Uploading (%.2f%%)......  ");
inline constexpr const char* kTurnOffAndOn = CF_TR_NOOP("Transfer", "Turn off STB and on...");
inline constexpr const char* kWaitingReboot = CF_TR_NOOP("Transfer", "Waiting reboot STB...");
inline constexpr const char* kUploadComplete =
    CF_TR_NOOP("Transfer", "Data upload complete. Wait a second...");
inline constexpr const char* kWritingData =
    CF_TR_NOOP("Transfer", "Data upload complete. Writing data...");
inline constexpr const char* kSentAll =
    CF_TR_NOOP("Transfer", "Sent and wrote all data completely.");
inline constexpr const char* kSendFailed = CF_TR_NOOP("Transfer", "Fail to send all data.");
inline constexpr const char* kComplete = CF_TR_NOOP("Transfer", "Complete");
inline constexpr const char* kLostAfterBlock =
    CF_TR_NOOP("Transfer", "The connection to the receiver was lost after block %1 of %2.");
inline constexpr const char* kLostBeforeBlocks =
    CF_TR_NOOP("Transfer", "The connection to the receiver was lost before the first block.");

/// The receiver's fixed host access code and the word that cancels its send.
inline constexpr const char* kHostAccessCode = "37604925\r\n";
inline constexpr const char* kCancelWord = "RESPONSE_DOWNLOAD_FAIL\r";

} // namespace chanforge::transfer::texts
