#include "LossesDialog.h"

#include "PhraseText.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace chanforge::app {

namespace {

/// Each source is marked with QT_TRANSLATE_NOOP where it is written, for the catalogue.
QString Text(const char* source) {
    return QCoreApplication::translate("LossesDialog", source);
}

QString RecordLine(TableId table, const convert::LostRecord& r) {
    QString line;
    if (table == kChannelTable)
        line = (r.radio ? Text(QT_TRANSLATE_NOOP("LossesDialog", "Radio %1 \"%2\""))
                        : Text(QT_TRANSLATE_NOOP("LossesDialog", "TV %1 \"%2\"")))
                   .arg(r.number)
                   .arg(QString::fromStdString(r.name));
    else if (r.name.empty())
        line = Text(QT_TRANSLATE_NOOP("LossesDialog", "Record %1")).arg(r.row);
    else
        line = QStringLiteral("\"%1\"").arg(QString::fromStdString(r.name));
    if (!r.kept.empty())
        line = Text(QT_TRANSLATE_NOOP("LossesDialog", "%1, cut to \"%2\""))
                   .arg(line, QString::fromStdString(r.kept));
    return line;
}

QString LossLines(const std::vector<convert::Loss>& losses) {
    QStringList lines;
    for (const convert::Loss& loss : losses) {
        lines << QStringLiteral("\u2022 ") + Translated(loss.message);
        for (const convert::LostRecord& r : loss.records)
            lines << QStringLiteral("    ") + RecordLine(loss.table, r);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

bool AskToDropLosses(QWidget* parent, const QString& model,
                     const std::vector<convert::Loss>& losses) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("lossesDialog"));
    dialog.setWindowTitle(Text(QT_TRANSLATE_NOOP("LossesDialog", "Save for another model")));
    auto* layout = new QVBoxLayout(&dialog);
    auto* label =
        new QLabel(Text(QT_TRANSLATE_NOOP(
                            "LossesDialog",
                            "%1 cannot hold everything of this database. These are not written:"))
                       .arg(model));
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* list = new QPlainTextEdit(LossLines(losses));
    list->setObjectName(QStringLiteral("lossesList"));
    list->setReadOnly(true);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    list->setMinimumSize(560, 260);
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Save)
        ->setText(Text(QT_TRANSLATE_NOOP("LossesDialog", "&Save without them")));
    buttons->button(QDialogButtonBox::Cancel)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace chanforge::app
