#include "TransferHarness.h"

#include "policy/Policy.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <fstream>
#include <iterator>

namespace e2e {

namespace {
QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "TransferTests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}
} // namespace

SimRun::SimRun(const stbsim::SimOptions& options) {
    std::string error;
    link_ = stbsim::SimLink::Open(options, &error);
    if (!link_)
        throw std::runtime_error(error);
    simulator_ = std::make_unique<stbsim::Simulator>(options, *link_);
    thread_ = std::thread([this] {
        simulator_->Serve(stop_);
        ended_ = true;
    });
}

SimRun::~SimRun() {
    Stop();
}

void SimRun::Stop() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
}

void SimRun::Finish(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!ended_ && !deadline.hasExpired())
        QThread::msleep(5);
    Stop();
}

void SimRun::Unplug() {
    Stop();
    link_.reset();
}

void TransferTest::SetUp() {
    App();
    ASSERT_TRUE(dir.isValid());
    sim.noiseImage = true; // small images of bytes the parsers must take as data
    sim.flashBlocks = 6;
    sim.device.clear();
    Use(false);
}

std::string TransferTest::Path(const std::string& name) const {
    return dir.filePath(QString::fromStdString(name)).toStdString();
}

void TransferTest::Use(bool st, bool bigEndian) {
    const int checksumSize = st ? 1 : 2;
    const int startBlock = st ? 7744 : 3520;
    SetProductList(st ? 7 : 3);
    SetBufChecksumSize(checksumSize);
    SetFlashByteOrder(bigEndian ? 1 : 0);
    SetFlashStartBlock(startBlock);
    SetBufMaxSize(1024);
    SetFlashBlockSize(1024);
    sim.family = st ? stbsim::Family::St : stbsim::Family::Qvr;
    sim.checksumSize = checksumSize;
    sim.bigEndian = bigEndian;
    sim.startBlock = startBlock;
    sendFamily =
        st ? chanforge::transfer::ParserFamily::St : chanforge::transfer::ParserFamily::Qvr;
}

chanforge::transfer::TransferLine TransferTest::Line(const std::string& port,
                                                     int idleTimeoutMs) const {
    chanforge::transfer::TransferLine line;
    line.port = port;
    line.idleTimeoutMs = idleTimeoutMs;
    line.settings.baud = baud;
    return line;
}

Outcome TransferTest::Run(chanforge::transfer::CTransfer& transfer,
                          const std::function<bool()>& start) {
    Outcome outcome;
    QEventLoop loop;
    QObject::connect(&transfer, &chanforge::transfer::CTransfer::finished, &loop,
                     [&](chanforge::transfer::CTransfer::Outcome result, const QString& message) {
                         outcome.result = result;
                         outcome.message = message;
                         loop.quit();
                     });
    QObject::connect(&transfer, &chanforge::transfer::CTransfer::statusChanged, &loop,
                     [&](const QString& status) { outcome.statuses << status; });
    QObject::connect(&transfer, &chanforge::transfer::CTransfer::progressChanged, &loop,
                     [&](int hundredths) { outcome.progress.push_back(hundredths); });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, [&] {
        ADD_FAILURE() << "transfer still running after a minute: "
                      << transfer.Status().toStdString();
        transfer.Cancel();
    });
    guard.start(60000);
    if (start() && !transfer.IsFinished())
        loop.exec();
    outcome.stats = transfer.Stats();
    return outcome;
}

Outcome TransferTest::Receive(const std::string& port, const std::string& target,
                              bool sendAccessCode, chanforge::transfer::ParserFamily family,
                              int idleTimeoutMs) {
    chanforge::transfer::CReceiveTransfer transfer(family);
    return Run(transfer, [&] {
        return transfer.Start({Line(port, idleTimeoutMs), target, sendAccessCode});
    });
}

Outcome TransferTest::Send(const std::string& port, const std::string& file) {
    chanforge::transfer::CSendTransfer transfer(sendFamily);
    return Run(transfer, [&] { return transfer.Start({Line(port), file}); });
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ChannelFile(const std::string& image) {
    return std::string("QP  \x50\0", 6) + std::string(80, '\0') + image;
}

} // namespace e2e
