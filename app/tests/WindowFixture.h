// What a window test starts from: a folder of its own, every message box recorded and answered,
// and a window opened on a sample database of a receiver model, as an operator opens a file.
#pragma once

#include "MainFrame.h"
#include "WindowDriver.h"

#include "SampleData.h"
#include "chanforge/document/Document.h"

#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace chanforge::app::test {

class WindowFixture : public QObject {
  protected:
    explicit WindowFixture(QMessageBox::StandardButton answer) : answer_(answer) {}

    QString Path(const QString& name) const { return dir_.filePath(name); }

    /// A fresh window on a sample database of preset with tv TV channels, written to a file
    /// and opened; gridColumn 1 shows the channel grids in detail. Null when that failed.
    std::unique_ptr<CMainFrame> OpenSample(const char* preset, int tv = 20, int gridColumn = 1) {
        const QString sample = Path(QStringLiteral("sample-%1.bin").arg(preset));
        if (!dir_.isValid() ||
            testkit::WriteSampleFile(preset, gridColumn, sample.toStdString(), tv) < 0)
            return nullptr;
        document_ = std::make_unique<document::Document>();
        auto frame = std::make_unique<CMainFrame>(*document_);
        frame->show();
        frame->activateWindow(); // shortcuts reach only the active window
        if (!QTest::qWaitForWindowActive(frame.get()) || !frame->OpenPath(sample))
            return nullptr;
        return frame;
    }

    QTemporaryDir dir_;
    std::unique_ptr<document::Document> document_; ///< the database of the last OpenSample
    QStringList messages_;
    QMessageBox::StandardButton answer_;

  private:
    MessageRecorder recorder_{messages_, answer_};
};

} // namespace chanforge::app::test
