// Help → Guide (F1): the operator's guide, shipped with the program as HTML in the window's
// language, shown offline. F1 in a dialog opens the section that tells about it.
#pragma once

#include <QDialog>
#include <QObject>

class QApplication;
class QTextBrowser;

namespace chanforge::app {

/// index.html of the guide in the language in use, else the English one; empty when the guide
/// is not beside the program.
QString GuideFile();

/// The section (an anchor of the guide) about a window or dialog; empty for the guide's start.
QString GuideSectionFor(const QWidget* window);

class CGuideWindow : public QDialog {
    Q_OBJECT
  public:
    explicit CGuideWindow(QWidget* parent);
    /// Scrolls to a section; an empty anchor shows the start.
    void ShowSection(const QString& anchor);
    QTextBrowser& Browser() { return *browser_; }

  private:
    QTextBrowser* browser_ = nullptr;
};

/// Opens the guide at the section of `window`, as a window of its own that a modal dialog does
/// not block.
void OpenGuideFor(QWidget* window);

/// F1 anywhere in the program opens the guide for the active window.
class CGuideKey : public QObject {
    Q_OBJECT
  public:
    explicit CGuideKey(QApplication& app);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace chanforge::app
