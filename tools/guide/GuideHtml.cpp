// chanforge-guide-html IN.md OUT.html: the operator's guide as one HTML page. A heading's
// "{#name}" becomes its anchor, the section F1 in a dialog scrolls to.
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>

namespace {

/// The Markdown without the heading ids, and the ids in the order of their headings.
QString TakeAnchors(const QString& markdown, QStringList& anchors) {
    static const QRegularExpression heading(QStringLiteral("^(#+ .*?)\\s*\\{#([a-z-]+)\\}\\s*$"),
                                            QRegularExpression::MultilineOption);
    QString out = markdown;
    for (const QRegularExpressionMatch& m : heading.globalMatch(markdown))
        anchors << m.captured(2);
    out.replace(heading, QStringLiteral("\\1"));
    return out;
}

void NameHeadings(QTextDocument& doc, const QStringList& anchors) {
    int next = 0;
    for (QTextBlock block = doc.begin(); block.isValid() && next < anchors.size();
         block = block.next()) {
        if (block.blockFormat().headingLevel() == 0)
            continue;
        QTextCursor cursor(block);
        cursor.select(QTextCursor::BlockUnderCursor);
        QTextCharFormat format;
        format.setAnchor(true);
        format.setAnchorNames({anchors[next++]});
        cursor.mergeCharFormat(format);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: chanforge-guide-html IN.md OUT.html\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    QStringList anchors;
    QTextDocument doc;
    doc.setMarkdown(TakeAnchors(QString::fromUtf8(in.readAll()), anchors));
    NameHeadings(doc, anchors);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        out.write(doc.toHtml().toUtf8()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
