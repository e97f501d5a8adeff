// The command line's receive, send and ports: the same transfers as the dialogs, with a progress
// line on a terminal and Ctrl+C as Cancel. The command line only parses options and calls these.
#pragma once

#include "chanforge/transfer/Transfer.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

class QCoreApplication;

namespace policy {
struct ProductPreset;
}

namespace chanforge::transfer {

struct LineOptions {
    std::string port; ///< device path or platform port name
    std::optional<std::uint32_t> baud;
    std::optional<int> dataBits;
    std::optional<int> stopBits;
    std::optional<int> parity;
    int timeoutSeconds = 30; ///< no byte from the receiver this long fails the command; 0: none
    /// Transfer parameters of this model for this command only; the stored settings stay as
    /// they are. Null: the stored policy.
    const policy::ProductPreset* preset = nullptr;
};

struct ReceiveOptions {
    LineOptions line;
    std::string output;
    bool wait = false; ///< do not send the host access code: the receiver begins
};

/// Takes the received file (at output) once every block is in: empty when it is what was
/// wanted, else the refusal printed instead of the completion.
using ReceivedFileCheck = std::function<std::string(const std::string& output)>;

struct SendOptions {
    LineOptions line;
    std::string file; ///< a channel file, as the work file holds the database
};

/// The event loop needs an application object; the command line may not have made one. Null
/// when one exists.
std::unique_ptr<QCoreApplication> EnsureApplication();

/// The settings store's values with the command line's overrides; none after reporting a bad
/// one on standard error.
std::optional<TransferLine> LineFrom(const LineOptions& options);

/// Exit status: 0 done, 1 failed or cancelled (the reason on standard error), 2 bad settings.
/// Without a check every receive that completes is taken.
int RunReceive(const ReceiveOptions& options, const ReceivedFileCheck& check = {});
/// Sends with the conversation of the stored product list. Exit status as RunReceive.
int RunSend(const SendOptions& options);
/// Lists the machine's serial ports, one a line: name, device path, description.
int ListPorts(std::ostream& out);

} // namespace chanforge::transfer
