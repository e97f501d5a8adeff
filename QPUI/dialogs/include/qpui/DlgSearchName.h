// CDlgSearchName: asks for one line of text (search, provider names, favourite group names).
#pragma once

#include <QDialog>

class QLineEdit;

namespace qpui {

class CDlgSearchName : public QDialog {
    Q_OBJECT
  public:
    explicit CDlgSearchName(QWidget* parent = nullptr);

    /// An empty title keeps the caption "Search...".
    void SetTitle(const QString& title) { title_ = title; }
    void SetText(const QString& text) { text_ = text; }
    QString Text() const { return text_; }

    void Prepare();
    int DoModal();
    void accept() override;

  private:
    QString title_;
    QString text_;
    QLineEdit* edit_ = nullptr;
};

} // namespace qpui
