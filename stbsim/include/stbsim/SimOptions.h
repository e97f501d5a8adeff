// What the virtual receiver is and which faults it plays.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace stbsim {

enum class Family { Qvr, St };
/// How the receiver begins a receive by itself: the QVR prompt or the ST7100 knock.
enum class Offer { None, Prompt, Knock };

struct SimOptions {
    // The receiver.
    Family family = Family::St;
    int checksumSize = 1;   ///< bytes of checksum after each block it sends
    bool bigEndian = false; ///< byte order of the two checksum bytes the QVR send carries
    int startBlock = 7744;
    std::string model = "default"; ///< whose sample database it serves
    std::string serveFile;         ///< channel file whose image it sends instead
    bool noiseImage = false;       ///< serves random bytes laced with protocol words instead
    int flashBlocks = 384; ///< the flash region it keeps and announces; a database is padded to it
    std::string storeFile; ///< where it writes an image it is sent (channel-file form)
    std::string eol = "\r\n";    ///< how it ends its lines
    Offer offer = Offer::None;   ///< the command line's default is OpeningOf(family)
    bool offerAfterSend = false; ///< begins a receive (offer) only once it was sent an image
    // The line.
    std::string device; ///< empty: a pseudo-terminal of its own
    int baud = 0;       ///< emulated line rate in both directions; 0: as fast as it goes
    // Faults.
    int chunkMax = 0;               ///< split every write into random chunks of 1..chunkMax bytes
    int corruptBlock = -1;          ///< the checksum of this block is wrong once
    int silentBlock = -1;           ///< before this block it falls silent (deaf and mute)...
    int silentMs = 3000;            ///< ...this long
    int garbageEvery = 0;           ///< a garbage line after every n-th block
    bool failSend = false;          ///< ends a send with "RESPONSE_DOWNLOAD_FAIL"
    bool noiseFlood = false;        ///< answers the first block request with endless noise
    bool alwaysBadChecksum = false; ///< every block it sends has a wrong checksum
    int repeatRequest = -1;       ///< asks for this block again and again, however often it arrives
    int repeatBlock = -1;         ///< on a receive, sends this block a second time, unasked...
    int repeatDelayMs = 300;      ///< ...this long after the first
    int announceBlocks = -1;      ///< announces this many blocks instead of its image's count
    int storeCorruptBlock = -1;   ///< writes this block of an image it is sent with a damaged byte
    int storeCorruptOffset = 512; ///< ...at this offset in the block
    // Running.
    int sessions = 0; ///< conversations before it ends; 0: until interrupted
    unsigned seed = 1;
    bool verbose = false;
};

/// The opening a receiver of this family uses unless told otherwise: the one its model's
/// receive dialog expects.
Offer OpeningOf(Family family);

/// Parses the command line (without the program name); null after printing the problem.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& arguments,
                                          std::string* error);
std::string SimUsage();

} // namespace stbsim
