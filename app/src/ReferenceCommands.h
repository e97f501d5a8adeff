// CReferenceCommands: File → Apply reference list… (a preview of every match, then one undo
// step) and File → Save for another model… (refused with the losses named unless the operator
// lets them go). The menu only adds the two actions.
#pragma once

#include <QObject>
#include <QString>

class QAction;

namespace chanforge::app {

class CMainFrame;

class CReferenceCommands : public QObject {
    Q_OBJECT
  public:
    explicit CReferenceCommands(CMainFrame& frame);

    QAction* ApplyAction() const { return apply_; }
    QAction* SaveForModelAction() const { return saveForModel_; }

    /// Asks for the reference file, then previews it.
    void ApplyReference();
    /// Reads the reference at path, shows the preview and, on Apply, applies it as one undo
    /// step. False when nothing was applied.
    bool ApplyReferenceFrom(const QString& path);
    /// Asks for the model and the file, then saves.
    void SaveForModel();
    /// Writes the database for the preset named model to path, asking before anything the
    /// model cannot hold is dropped. False when nothing was written.
    bool SaveForModelTo(const QString& model, const QString& path);

  private:
    /// The model a reference database is for; empty when the operator cancels.
    QString AskReferenceModel();

    CMainFrame& frame_;
    QAction* apply_ = nullptr;
    QAction* saveForModel_ = nullptr;
};

} // namespace chanforge::app
