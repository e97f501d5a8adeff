// The protocol of the receivers built on the ST7100 platform, both directions.
#pragma once

#include "qparser/CommParser.h"

#include <string>

class CSTCommParser : public CCommParser {
  public:
    using CCommParser::CCommParser;
    static constexpr int kConvHeaderRoom = 64; ///< info block bytes 16..79

    QPResult_Tag ParsingData4Download(const unsigned char* data, int length,
                                      int reserved = 0) override;
    QPResult_Tag ParsingData4Upload(const unsigned char* data, int length,
                                    int reserved = 0) override;
    /// 12 fields to slots 1-12.
    int ParsingRequestVersion(char* text) override;

    /// Builds the conversion header ("RIXA", version texts, start block, "DATNNRRR"...) into
    /// destination, cut to kConvHeaderRoom bytes; returns the bytes written, 0 without destination.
    int MakeFileConvHeader(unsigned char* destination) const;

    /// The flash information block the PC plays on a receive (64 bytes).
    static std::string FlashInfoBlock();

  protected:
    bool IsLineNoise(unsigned char byte) const override;
    std::vector<std::string_view> ReceiveEndWords() const override;

  private:
    int DownloadRule(QPResult_Tag& result);
    int DownloadNumberRule(QPResult_Tag& result);
    int UploadRule(QPResult_Tag& result);
    int UploadBlockRule(std::string_view line, QPResult_Tag& result);
    int FlashInfoRule(QPResult_Tag& result);
    /// A number in the width the start block chooses: 4 digits up to 10000, else 5.
    std::string WidthNumber(int value) const;
};
