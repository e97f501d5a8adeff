// What the transfer dialogs show; the controllers emit these texts so every front end shows the
// same ones.
#pragma once

namespace qpui::texts {

inline constexpr const char* kAlreadyOpen =
    "Already Serial Port opened or disconnected. Check STB status";
inline constexpr const char* kCannotInitialize = "Cannot open temporary file or initialize";
inline constexpr const char* kConnecting = "Connecting to Serial.....";
inline constexpr const char* kAccessCodeFailed = "Send fail write(script) command";
inline constexpr const char* kWriteFailed = "Send fail write command";
inline constexpr const char* kDataSendFail = "Data send fail!!...";
inline constexpr const char* kReceivedAll = "Received all data completely.";
inline constexpr const char* kCloseQuestion = "Would you like to close connected serial port ?";
inline constexpr const char* kDownloading = "Downloading (%.2f%%)......  ";
inline constexpr const char* kUploading = "Uploading (%.2f%%)......  ";
inline constexpr const char* kTurnOffAndOn = "Turn off STB and on...";
inline constexpr const char* kWaitingReboot = "Waiting reboot STB...";
inline constexpr const char* kUploadComplete = "Data upload complete. Wait a second...";
inline constexpr const char* kWritingData = "Data upload complete. Writing data...";
inline constexpr const char* kSentAll = "Sent and wrote all data completely.";
inline constexpr const char* kSendFailed = "Fail to send all data.";
inline constexpr const char* kComplete = "Complete";

/// The receiver's fixed host access code and the word that cancels its send.
inline constexpr const char* kHostAccessCode = "37604925\r\n";
inline constexpr const char* kCancelWord = "RESPONSE_DOWNLOAD_FAIL\r";

} // namespace qpui::texts
