// Product policy: the receiver model's flash layout, transfer parameters and channel raster,
// read from the settings store on every use (never cached). A missing value is stored with its
// default on first read. Getters return ints; setters return 1 on success, 0 on failure.
// Block-info getters fill every pointer and return the result of the last store read.
#pragma once

#include <cstdint>

/// Product type bits.
enum ProductTypeBit : int {
    kProductSatellite = 1,
    kProductTerrestrial = 2,
    kProductCable = 4,
    kProductTwoTuner = 8,
    kProductFav8 = 16,
    kProductFav24 = 32,
    kProductFav32 = 64,
};

extern "C" {
int GetProductType();
int SetProductType(int value);
int GetProductList();
int SetProductList(int value);
int GetGridColumn();
int SetGridColumn(int value);
int GetFlashStartBlock();
int SetFlashStartBlock(int value);
int GetFlashBlockSize();
int SetFlashBlockSize(int value);
int GetFlashRequestBlock();
int SetFlashRequestBlock(int value);
int GetFlashOneSectorSize();
int SetFlashOneSectorSize(int value);
int GetFlashByteOrder();
int SetFlashByteOrder(int value);
int GetFlashMaxMuxCount();
int SetFlashMaxMuxCount(int value);
int GetFlashMailboxCount();
int SetFlashMailboxCount(int value);
int GetBufChecksumSize();
int SetBufChecksumSize(int value);
int GetBufMaxSize();
int SetBufMaxSize(int value);

int GetFlashMMIBlockInfo(std::uint32_t* start, std::uint32_t* count, std::uint32_t* chunk,
                         std::uint32_t* favorites);
int SetFlashMMIBlockInfo(int start, int count, int chunk, int favorites);
int GetFlashSatBlockInfo(std::uint32_t* start, std::uint32_t* count, std::uint32_t* chunk);
int SetFlashSatBlockInfo(int start, int count, int chunk);
int GetFlashBrdBlockInfo(std::uint32_t* start, std::uint32_t* count, std::uint32_t* chunk);
int SetFlashBrdBlockInfo(int start, int count, int chunk);
int GetFlashTPBlockInfo(std::uint32_t* start, std::uint32_t* count, std::uint32_t* chunk);
int SetFlashTPBlockInfo(int start, int count, int chunk);
int GetFlashCHBlockInfo(std::uint32_t* start, std::uint32_t* count, std::uint32_t* chunk,
                        std::uint32_t* nameLength);
int SetFlashCHBlockInfo(int start, int count, int chunk, int nameLength);
int GetFlashMuxBlockInfo(std::uint32_t* start, std::uint32_t* count, std::uint32_t* chunk);
int SetFlashMuxBlockInfo(int start, int count, int chunk);

/// Stores the first field of the last version line from a QVR receiver; null is ignored.
int SetProductVersion(const char* text);

/// Frequency in kHz of RF channel channelIndex (0-based) of the stored country raster;
/// offsetStep 1 = no offset, 0 / 2 = minus / plus one sixth (8 MHz) or one eighth of a MHz.
int GetMuxFrequency(std::uint8_t channelIndex, int offsetStep);
/// Writes the low byte of value as upper-case hexadecimal ("%X"); a null buffer is ignored.
void GetMuxName(int value, char* buffer);
}
