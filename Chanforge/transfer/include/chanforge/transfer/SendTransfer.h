// Send to receiver: the behaviour of the send dialog.
#pragma once

#include "chanforge/transfer/Transfer.h"

#include <vector>

namespace chanforge::transfer {

struct SendRequest {
    TransferLine line;
    std::string file; ///< a channel file
};

class CSendTransfer : public CTransfer {
    Q_OBJECT
  public:
    static constexpr int kKnockMs = 500;
    static constexpr int kRepeatBlockMs = 500;

    explicit CSendTransfer(ParserFamily family, QObject* parent = nullptr);
    ~CSendTransfer() override;

    /// Connect: knocks until the receiver, switched off and on, answers.
    bool Start(const SendRequest& request);
    /// Closes without a word to the receiver.
    void Cancel() override;

  protected:
    void OnBytes(const unsigned char* bytes, int count) override;

  private:
    void Knock();
    void RepeatBlock();
    void ShowState();

    QTimer knockTimer_;
    QTimer repeatTimer_;
    std::vector<unsigned char> heldBlock_; ///< the last block, while it may need repeating
};

} // namespace chanforge::transfer
