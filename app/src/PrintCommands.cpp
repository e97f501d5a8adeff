#include "PrintCommands.h"

#include "ChannelGrid.h"
#include "EditContext.h"
#include "FileDialogs.h"
#include "MainFrame.h"
#include "RightView.h"
#include "WaitCursor.h"
#include "chanforge/editing/FavoriteGroups.h"
#include "chanforge/editing/FilterText.h"
#include "chanforge/listprint/ListPages.h"
#include "policy/Presets.h"
#include "qpui/MessageBox.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace chanforge::app {

using listprint::ListFormat;

namespace {

QString FileFilter(ListFormat format) {
    switch (format) {
    case ListFormat::Pdf:
        return CPrintCommands::tr("PDF file (*.pdf)");
    case ListFormat::Csv:
        return CPrintCommands::tr("CSV file (*.csv)");
    case ListFormat::Html:
        return CPrintCommands::tr("HTML file (*.html)");
    }
    return {};
}

} // namespace

CPrintCommands::CPrintCommands(CMainFrame& frame) : QObject(&frame), frame_(frame) {
    const auto make = [&](const QString& text, const QString& tip, auto slot) {
        auto* action = new QAction(text, &frame);
        action->setStatusTip(tip);
        connect(action, &QAction::triggered, this, slot);
        frame.addAction(action); // the shortcut works wherever the focus is
        return action;
    };
    print_ = make(tr("&Print..."), tr("Print the channel list"), [this] { Print(); });
    print_->setShortcut(QKeySequence::Print);
    preview_ = make(tr("Print pre&view..."), tr("Show the printed channel list page by page"),
                    [this] { Preview(); });
    exportPdf_ = make(tr("&PDF..."), tr("Write the channel list as a PDF document"),
                      [this] { Export(ListFormat::Pdf); });
    exportCsv_ = make(tr("&CSV..."), tr("Write the channel list as CSV for spreadsheets"),
                      [this] { Export(ListFormat::Csv); });
    exportHtml_ = make(tr("&HTML..."), tr("Write the channel list as a web page"),
                       [this] { Export(ListFormat::Html); });
}

void CPrintCommands::AddTo(QMenu& file) {
    QMenu* list = file.addMenu(tr("E&xport"));
    list->setObjectName(QStringLiteral("exportMenu"));
    list->addAction(exportPdf_);
    list->addAction(exportCsv_);
    list->addAction(exportHtml_);
    file.addSeparator();
    file.addAction(preview_);
    file.addAction(print_);
}

std::optional<std::pair<listprint::ChannelList, ListChoice>> CPrintCommands::AskList(bool paged) {
    tabstore::CQoDB& db = frame_.Context().Store();
    const editing::Product product = frame_.Context().Product();
    const editing::ChannelFilter shown = frame_.Right().TV().Filter();
    const std::vector<editing::FavoriteGroupName> groups = editing::FavoriteGroups(db);
    QStringList names;
    for (const editing::FavoriteGroupName& group : groups)
        names << QString::fromLatin1(group.name.data(), static_cast<qsizetype>(group.name.size()));
    CListOptionsDialog dialog(LoadListChoice(),
                              QString::fromStdString(editing::FilterText(db, shown, product)),
                              names, paged, &frame_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const ListChoice choice = dialog.Choice();
    SaveListChoice(choice);
    editing::ChannelFilter filter = editing::ShowAll();
    if (choice.scope == ListScope::Shown)
        filter = shown;
    else if (choice.scope == ListScope::Favorite && choice.group < groups.size())
        filter = editing::ShowFavorite(groups[choice.group].index, {}, product);
    WaitCursor wait;
    return std::pair{listprint::BuildChannelList(
                         db, product, filter, choice.options,
                         listprint::HeadingForToday(
                             QString::fromStdString(frame_.Context().Document().GetModel().Title()),
                             frame_.FileName())),
                     choice};
}

void CPrintCommands::PaintOn(QPrinter& printer, const listprint::ChannelList& list,
                             int pageColumns) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        qpui::ShowStop(&frame_, tr("The printer cannot be used."));
        return;
    }
    WaitCursor wait;
    listprint::PaintChannelList(painter, printer, list, pageColumns);
}

void CPrintCommands::Print() {
    const auto asked = AskList(true);
    if (!asked)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(asked->first.title);
    printer.setPageLayout(listprint::ListPageLayout());
    QPrintDialog dialog(&printer, &frame_);
    dialog.setWindowTitle(tr("Print channel list"));
    if (dialog.exec() == QDialog::Accepted)
        PaintOn(printer, asked->first, asked->second.options.pageColumns);
}

void CPrintCommands::Preview() {
    const auto asked = AskList(true);
    if (!asked)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(asked->first.title);
    printer.setPageLayout(listprint::ListPageLayout());
    QPrintPreviewDialog dialog(&printer, &frame_);
    dialog.setObjectName(QStringLiteral("printPreview"));
    dialog.setWindowTitle(tr("Print preview"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* target) {
        PaintOn(*target, asked->first, asked->second.options.pageColumns);
    });
    dialog.exec();
}

void CPrintCommands::Export(ListFormat format) {
    const auto asked = AskList(format == ListFormat::Pdf);
    if (!asked)
        return;
    const QString path =
        AskSavePath(&frame_, tr("Export Channel List"), {FileFilter(format), tr("All Files(*.*)")});
    if (path.isEmpty())
        return;
    listprint::ListFileResult written;
    {
        WaitCursor wait;
        written =
            listprint::WriteChannelList(asked->first, format, asked->second.options.pageColumns,
                                        QFile::encodeName(path).toStdString());
    }
    if (!written.ok)
        qpui::ShowStop(&frame_, QCoreApplication::translate("ListPrint", written.message.c_str()) +
                                    QStringLiteral("\n") + QString::fromStdString(written.detail));
}

} // namespace chanforge::app
