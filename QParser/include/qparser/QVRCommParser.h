// The line protocol of the QVR receiver family, both directions.
#pragma once

#include "qparser/CommParser.h"

class CQVRCommParser : public CCommParser {
  public:
    using CCommParser::CCommParser;
    QPResult_Tag ParsingData4Download(const unsigned char* data, int length,
                                      int reserved = 0) override;
    QPResult_Tag ParsingData4Upload(const unsigned char* data, int length,
                                    int reserved = 0) override;
    /// 17 fields: 1-10 to slots 9-18, 11 to slot 4, 12-14 to slots 5-7, 15-17 to slots 1-3.
    int ParsingRequestVersion(char* text) override;

    /// The receiver's ready mark.
    static constexpr unsigned char kReadyMark[6] = {0xAA, '0', '0', '0', '0', 0x22};

  protected:
    std::vector<std::string_view> ReceiveEndWords() const override;

  private:
    int DownloadRule(QPResult_Tag& result);
    int UploadRule(QPResult_Tag& result);
    int UploadStatusRule(const Line& line);
};
