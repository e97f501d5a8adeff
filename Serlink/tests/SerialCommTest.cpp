#include "serlink/SerialComm.h"
#include "serlink/PortNames.h"
#include "serlink/SerialEvent.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

namespace {

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "SerlinkTests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

/// The far end of a pseudo-terminal, standing in for a receiver.
class PtyPeer {
  public:
    PtyPeer() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0)
            slave_ = ptsname(master_);
    }
    ~PtyPeer() { CloseMaster(); }
    const std::string& SlavePath() const { return slave_; }
    void Send(const std::vector<unsigned char>& bytes) const {
        ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    std::vector<unsigned char> Receive(std::size_t wanted, int timeoutMs = 2000) const {
        std::vector<unsigned char> bytes;
        const QDeadlineTimer deadline(timeoutMs);
        while (bytes.size() < wanted && !deadline.hasExpired()) {
            pollfd fd{master_, POLLIN, 0};
            if (poll(&fd, 1, static_cast<int>(deadline.remainingTime())) <= 0)
                break;
            unsigned char chunk[256];
            const ssize_t n = read(master_, chunk, sizeof chunk);
            if (n <= 0)
                break;
            bytes.insert(bytes.end(), chunk, chunk + n);
        }
        return bytes;
    }
    void CloseMaster() {
        if (master_ >= 0)
            close(master_);
        master_ = -1;
    }

  private:
    int master_ = -1;
    std::string slave_;
};

/// Collects the notifications of a port on the test's thread.
class EventSink : public QObject {
  public:
    std::vector<std::pair<std::uint32_t, std::int64_t>> events;
    std::vector<bool> onOwnerThread;
    bool event(QEvent* e) override {
        if (e->type() != static_cast<QEvent::Type>(serlink::kDataArrivedEvent))
            return QObject::event(e);
        const auto* serial = static_cast<serlink::SerialEvent*>(e);
        events.emplace_back(serial->wParam, serial->lParam);
        onOwnerThread.push_back(QThread::currentThread() == thread());
        return true;
    }
    std::int64_t BytesAnnounced() const {
        std::int64_t total = 0;
        for (const auto& [wParam, lParam] : events)
            if (wParam == serlink::kBytesArrived)
                total += lParam;
        return total;
    }
};

bool WaitFor(const std::function<bool()>& done, int timeoutMs = 2000) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

class SerialCommTest : public ::testing::Test {
  protected:
    void SetUp() override {
        App();
        ASSERT_FALSE(peer.SlavePath().empty());
        port.SetParentWnd(&sink);
        ASSERT_EQ(port.OpenPort(peer.SlavePath(), 115200, 8, 0, 0), 1) << port.GetLastError();
    }
    void TearDown() override { port.ClosePort(); }

    PtyPeer peer;
    EventSink sink;
    CSerialComm port;
};

// Writes go out raw (no line-end translation, no flow control): the transfer tests send and
// receive noise byte for byte over a pseudo-terminal.
TEST_F(SerialCommTest, ControlBytesArriveIntactAndAnnouncedOnOwnerThread) {
    const std::vector<unsigned char> sent{0x00, 0x0D, 0x11, 0x13, 0x0A, 0x1F, 0xFF, 0x0D, 0x0A};
    peer.Send(sent);
    ASSERT_TRUE(WaitFor([&] { return sink.BytesAnnounced() == 9; }));
    for (bool onOwner : sink.onOwnerThread)
        EXPECT_TRUE(onOwner);
    EXPECT_EQ(port.GetReadDataSize(), 9u);
    std::vector<unsigned char> got(16, 0xEE);
    EXPECT_EQ(port.ReadSerialComm(got.data(), 16), 9u);
    got.resize(9);
    EXPECT_EQ(got, sent);
    EXPECT_EQ(port.GetReadDataSize(), 0u);
}

TEST_F(SerialCommTest, ReadsTakeAtMostWhatWasAskedAndWhatIsQueued) {
    peer.Send({'a', 'b', 'c'});
    ASSERT_TRUE(WaitFor([&] { return port.GetReadDataSize() == 3; }));
    unsigned char two[2];
    EXPECT_EQ(port.ReadSerialComm(two, 2), 2u);
    EXPECT_EQ(two[1], 'b');
    unsigned char ten[10];
    EXPECT_EQ(port.ReadSerialComm(ten, 10), 1u);
    EXPECT_EQ(ten[0], 'c');
    EXPECT_EQ(port.ReadSerialComm(ten, 0), 0u);
    EXPECT_EQ(port.ReadSerialComm(nullptr, 10), 0xFFFFFFFFu);
}

TEST_F(SerialCommTest, SecondOpenerIsRefused) {
    CSerialComm second;
    EXPECT_EQ(second.OpenPort(peer.SlavePath(), 115200, 8, 0, 0), 0);
    EXPECT_FALSE(second.GetLastError().empty());
    EXPECT_TRUE(port.IsConnected());
}

TEST_F(SerialCommTest, ClosedPortReadsAndWritesNothingClosesTwiceHarmlesslyAndOpensAgain) {
    port.ClosePort();
    port.ClosePort();
    EXPECT_FALSE(port.IsConnected());
    const unsigned char byte = 0x1F;
    EXPECT_EQ(port.WriteSerialComm(&byte, 1), 0u);
    unsigned char out[4];
    EXPECT_EQ(port.ReadSerialComm(out, 4), 0u);
    // Pseudo-terminals keep 8 data bits without parity, so only rate and stop bits change.
    ASSERT_EQ(port.OpenPort(peer.SlavePath(), 9600, 8, 2, 0), 1) << port.GetLastError();
    peer.Send({'x'});
    EXPECT_TRUE(WaitFor([&] { return port.GetReadDataSize() == 1; }));
}

TEST_F(SerialCommTest, VanishedPeerEndsWithOneLostNoticeNotABusyLoop) {
    peer.CloseMaster();
    ASSERT_TRUE(WaitFor([&] { return !port.IsConnected(); }));
    WaitFor([] { return false; }, 300); // give a spinning watch thread time to show itself
    int lost = 0;
    for (const auto& event : sink.events)
        lost += event.first == serlink::kPortLost;
    EXPECT_EQ(lost, 1);
    EXPECT_FALSE(port.GetLastError().empty());
    const unsigned char byte = 'x';
    EXPECT_EQ(port.WriteSerialComm(&byte, 1), 0u);
}

TEST(SerialCommOpen, MissingDeviceAndMeaninglessSettingsFailWithAReason) {
    App();
    PtyPeer peer;
    CSerialComm port;
    EXPECT_EQ(port.OpenPort("/dev/chanforge-no-such-port", 115200, 8, 0, 0), 0);
    EXPECT_FALSE(port.GetLastError().empty());
    EXPECT_EQ(port.OpenPort(peer.SlavePath(), 115200, 9, 0, 0), 0);
    EXPECT_EQ(port.OpenPort(peer.SlavePath(), 115200, 8, 3, 0), 0);
    EXPECT_EQ(port.OpenPort(peer.SlavePath(), 115200, 8, 0, 5), 0);
    EXPECT_FALSE(port.IsConnected());
}

TEST(SerialCommOpen, NoParentMeansNoNotificationButBytesStillQueue) {
    App();
    PtyPeer peer;
    CSerialComm port;
    ASSERT_EQ(port.OpenPort(peer.SlavePath(), 115200, 8, 0, 0), 1);
    peer.Send({'1', '2'});
    EXPECT_TRUE(WaitFor([&] { return port.GetReadDataSize() == 2; }));
    port.ClosePort();
}

} // namespace
