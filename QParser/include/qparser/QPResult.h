// What one parser step asks its caller to send.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

inline constexpr int kQPMaxCommands = 5;
inline constexpr int kQPMaxCommandLength = 260;

enum QPResultCode : int {
    kQPFailure = 0,         ///< stop the transfer (the transfer file could not be written)
    kQPNothing = 1,         ///< nothing to send
    kQPCommands = 2,        ///< send the commands
    kQPDataAndCommands = 3, ///< send the data, then the commands
};

struct QPResult_Tag {
    int resultCode = kQPNothing;
    unsigned char commands[kQPMaxCommands][kQPMaxCommandLength] = {};
    int commandLengths[kQPMaxCommands] = {}; ///< 0: skip that command
    std::vector<unsigned char> data;         ///< code 3: one block read from the transfer file
    int nextBlock = 0;                       ///< receive side: the block number just requested

    /// Appends a command and raises the code to at least 2; false when there is no room.
    bool AddCommand(const void* bytes, int length);
    bool AddCommand(std::string_view text) {
        return AddCommand(text.data(), static_cast<int>(text.size()));
    }
    int CommandCount() const;
};
