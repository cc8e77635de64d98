// SPDX-FileCopyrightText: 2026 the KZ Pont authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/guide.h"

#include "platform/desktop.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>

namespace guide
{

namespace
{

const QUrl GUIDE_PAGE(QStringLiteral("qrc:/docs/guide.md"));

// A heading's link name as Markdown editors write it: lower case, blanks turned to hyphens,
// punctuation dropped.
QString anchorOf(const QString &heading)
{
    QString anchor;
    for (const QChar c : heading.toLower()) {
        if (c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-'))
            anchor += c;
        else if (c.isSpace())
            anchor += QLatin1Char('-');
    }
    return anchor;
}

// Markdown pages shown with their headings set large and bold, reachable by "#name" links, and
// without the notes for the guide's editors.
class GuideBrowser : public QTextBrowser
{
public:
    explicit GuideBrowser(QWidget *owner) : QTextBrowser(owner)
    {
        setWindowFlag(Qt::Window);
        setObjectName(QStringLiteral("f_guide"));
        setAccessibleName(QCoreApplication::translate("Guide", "Guide de KZ Pont"));
        setOpenLinks(true);
        setOpenExternalLinks(false);
        // A scalable reading font: the program's own small bitmap face has neither sizes nor bold.
        QFont reading = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        reading.setPointSizeF(qMax<qreal>(10, reading.pointSizeF()));
        setFont(reading);
        const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
        resize(qMin(760, room.width() - 40), qMin(640, room.height() - 80));
        setSource(GUIDE_PAGE, QTextDocument::MarkdownResource);
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
            close();
            return;
        }
        QTextBrowser::keyPressEvent(event);
    }
    QVariant loadResource(int type, const QUrl &name) override
    {
        const QVariant data = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::MarkdownResource)
            return data;
        static const QRegularExpression comment(QStringLiteral("<!--.*?-->"),
                                                QRegularExpression::DotMatchesEverythingOption);
        return QString::fromUtf8(data.toByteArray()).remove(comment);
    }
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override
    {
        const bool markdown = name.path().endsWith(QLatin1String(".md"));
        QTextBrowser::doSetSource(name, markdown ? QTextDocument::MarkdownResource : type);
        nameHeadings();
        if (name.hasFragment())
            scrollToAnchor(name.fragment());
    }

private:
    void nameHeadings()
    {
        QString title;
        for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
            const int level = block.blockFormat().headingLevel();
            QTextCursor cursor(block);
            // Room between paragraphs and above headings, as a reader expects.
            QTextBlockFormat spacing;
            spacing.setBottomMargin(block.textList() ? 2 : 6);
            spacing.setTopMargin(level > 0 ? 10 : 0);
            cursor.mergeBlockFormat(spacing);
            if (level == 0)
                continue;
            if (title.isEmpty())
                title = block.text();
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            QTextCharFormat heading;
            heading.setFontWeight(QFont::Bold);
            heading.setProperty(QTextFormat::FontSizeAdjustment, qMax(1, 4 - level));
            heading.setAnchor(true);
            heading.setAnchorNames({anchorOf(block.text())});
            cursor.mergeCharFormat(heading);
        }
        setWindowTitle(title);
    }
};

QPointer<QWidget> guideOwner;
QPointer<GuideBrowser> browser; // made when first shown

class GuideKey : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool help = (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) ||
                          key->key() == Qt::Key_Help;
        if (!help)
            return false;
        if (!key->isAutoRepeat())
            show();
        return true;
    }
};

} // namespace

void installKey(QWidget *owner)
{
    qApp->installEventFilter(new GuideKey(owner));
    guideOwner = owner;
}

void show()
{
    if (!browser && guideOwner)
        browser = new GuideBrowser(guideOwner);
    if (!browser)
        return;
    // Reopened, the guide comes back where the reader left it in the guide, not on another page.
    if (!browser->isVisible() && browser->source().adjusted(QUrl::RemoveFragment) != GUIDE_PAGE)
        browser->setSource(GUIDE_PAGE);
    // Over a modal dialog or box, the guide can only be read if it is modal itself.
    QWidget *modal = QApplication::activeModalWidget();
    const bool overModal = modal && modal != browser;
    const Qt::WindowModality wanted = overModal ? Qt::ApplicationModal : Qt::NonModal;
    if (browser->windowModality() != wanted || !browser->isVisible()) {
        browser->hide();
        browser->setWindowModality(wanted);
        platform::keepAbove(browser, overModal);
    }
    browser->show();
    browser->raise();
    browser->activateWindow();
}

bool isGuide(const QWidget *window)
{
    return window && window == browser;
}

} // namespace guide
