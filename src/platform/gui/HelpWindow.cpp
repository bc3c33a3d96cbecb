#include "platform/gui/HelpWindow.h"

#include "platform/Text.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace tavrel {

namespace {

const QString kContents = QStringLiteral("contents.html");

QString caption(const char* text)
{
    return QCoreApplication::translate("tavrel::HelpWindow", text);
}

QString readText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

// The lines of a small list file, without blank lines and '#' comments, each
// split into its first word and the rest.
std::vector<std::pair<QString, QString>> listLines(const QString& path)
{
    std::vector<std::pair<QString, QString>> out;
    const QStringList lines = readText(path).split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype gap = line.indexOf(QRegularExpression(QStringLiteral("\\s")));
        if (gap < 0)
            continue;
        out.emplace_back(line.left(gap), line.mid(gap + 1).trimmed());
    }
    return out;
}

} // namespace

HelpWindow::HelpWindow(const QString& root, QWidget* parent)
    : QWidget(parent, Qt::Window), root_(root)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QCoreApplication::translate("tavrel::HelpWindow", "Corvane MARK32 Help"));

    contentsButton_ =
        new QPushButton(QCoreApplication::translate("tavrel::HelpWindow", "&Contents"), this);
    contentsButton_->setObjectName(QStringLiteral("HelpContentsButton"));
    indexButton_ =
        new QPushButton(QCoreApplication::translate("tavrel::HelpWindow", "&Index"), this);
    indexButton_->setObjectName(QStringLiteral("HelpIndexButton"));
    searchButton_ =
        new QPushButton(caption(QT_TRANSLATE_NOOP("tavrel::HelpWindow", "&Search")), this);
    searchButton_->setObjectName(QStringLiteral("HelpSearchButton"));
    backButton_ = new QPushButton(QCoreApplication::translate("tavrel::HelpWindow", "&Back"), this);
    backButton_->setObjectName(QStringLiteral("HelpBackButton"));

    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("HelpText"));
    text_->setOpenExternalLinks(true);
    text_->setSearchPaths({root_});

    auto* indexPage = new QWidget(this);
    auto* prompt = new QLabel(
        QCoreApplication::translate("tavrel::HelpWindow",
                                    "&Type the first few letters of the word you are looking for:"),
        indexPage);
    indexFilter_ = new QLineEdit(indexPage);
    indexFilter_->setObjectName(QStringLiteral("HelpIndexFilter"));
    prompt->setBuddy(indexFilter_);
    indexList_ = new QListWidget(indexPage);
    indexList_->setObjectName(QStringLiteral("HelpIndexList"));
    displayButton_ =
        new QPushButton(QCoreApplication::translate("tavrel::HelpWindow", "&Display"), indexPage);
    displayButton_->setObjectName(QStringLiteral("HelpDisplayButton"));
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->addWidget(prompt);
    indexLayout->addWidget(indexFilter_);
    indexLayout->addWidget(indexList_, 1);
    auto* displayRow = new QHBoxLayout;
    displayRow->addStretch(1);
    displayRow->addWidget(displayButton_);
    indexLayout->addLayout(displayRow);

    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("HelpPages"));
    pages_->addWidget(text_);
    pages_->addWidget(indexPage);
    pages_->addWidget(buildSearchPage());

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contentsButton_);
    buttons->addWidget(indexButton_);
    buttons->addWidget(searchButton_);
    buttons->addWidget(backButton_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(pages_, 1);
    resize(640, 520);

    // Esc puts the help away, as in any viewer window.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    connect(contentsButton_, &QPushButton::clicked, this, &HelpWindow::showFinder);
    connect(indexButton_, &QPushButton::clicked, this, &HelpWindow::showIndex);
    connect(searchButton_, &QPushButton::clicked, this, &HelpWindow::showSearch);
    connect(backButton_, &QPushButton::clicked, this, &HelpWindow::goBack);
    connect(text_, &QTextBrowser::backwardAvailable, this, &HelpWindow::updateBack);
    connect(indexFilter_, &QLineEdit::textEdited, this, &HelpWindow::indexFilterEdited);
    connect(indexFilter_, &QLineEdit::returnPressed, this, &HelpWindow::displayIndexEntry);
    connect(indexList_, &QListWidget::itemActivated, this, &HelpWindow::displayIndexEntry);
    connect(displayButton_, &QPushButton::clicked, this, &HelpWindow::displayIndexEntry);

    loadContexts();
    loadIndex();
    updateBack();
}

QWidget* HelpWindow::buildSearchPage()
{
    auto* page = new QWidget(this);
    auto* prompt = new QLabel(
        caption(QT_TRANSLATE_NOOP("tavrel::HelpWindow",
                                  "&Type words to find the topics that contain them all:")),
        page);
    searchBox_ = new QLineEdit(page);
    searchBox_->setObjectName(QStringLiteral("HelpSearchBox"));
    prompt->setBuddy(searchBox_);
    searchList_ = new QListWidget(page);
    searchList_->setObjectName(QStringLiteral("HelpSearchList"));
    searchNote_ = new QLabel(page);
    searchNote_->setObjectName(QStringLiteral("HelpSearchNote"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(prompt);
    layout->addWidget(searchBox_);
    layout->addWidget(searchList_, 1);
    layout->addWidget(searchNote_);
    connect(searchBox_, &QLineEdit::textChanged, this, &HelpWindow::searchEdited);
    connect(searchBox_, &QLineEdit::returnPressed, this, &HelpWindow::displaySearchResult);
    connect(searchList_, &QListWidget::itemActivated, this, &HelpWindow::displaySearchResult);
    return page;
}

void HelpWindow::loadContexts()
{
    for (const auto& [number, topic] : listLines(root_ + QStringLiteral("/contexts.txt"))) {
        bool ok = false;
        const int n = number.toInt(&ok);
        if (ok && !topic.isEmpty())
            contexts_.insert(n, topic.section(QLatin1Char(' '), 0, 0));
    }
}

void HelpWindow::loadIndex()
{
    const QStringList topics =
        QDir(root_).entryList({QStringLiteral("*.html"), QStringLiteral("*.htm")}, QDir::Files);
    for (const QString& topic : topics) {
        if (topic == kContents)
            continue;
        QTextDocument doc;
        doc.setHtml(readText(root_ + QLatin1Char('/') + topic));
        const QString title = doc.metaInformation(QTextDocument::DocumentTitle).simplified();
        if (!title.isEmpty())
            index_.push_back({title, topic});
    }
    for (const auto& [topic, text] : listLines(root_ + QStringLiteral("/index.txt"))) {
        if (!text.isEmpty() && topicExists(topic))
            index_.push_back({text, topic});
    }
    std::stable_sort(index_.begin(), index_.end(), [](const IndexEntry& a, const IndexEntry& b) {
        return a.text.compare(b.text, Qt::CaseInsensitive) < 0;
    });
    index_.erase(std::unique(index_.begin(), index_.end(),
                             [](const IndexEntry& a, const IndexEntry& b) {
                                 return a.text == b.text && a.topic == b.topic;
                             }),
                 index_.end());
    for (const IndexEntry& e : index_)
        indexList_->addItem(e.text);
    if (indexList_->count() > 0)
        indexList_->setCurrentRow(0);
}

bool HelpWindow::topicExists(const QString& topic) const
{
    return !topic.isEmpty() && !topic.contains(QLatin1Char('/')) &&
           QFileInfo(root_ + QLatin1Char('/') + topic).isFile();
}

QString HelpWindow::topicForContext(int contextNumber) const
{
    const QString topic = contexts_.value(contextNumber);
    return topicExists(topic) ? topic : kContents;
}

QString HelpWindow::currentTopic() const
{
    return QFileInfo(text_->source().path()).fileName();
}

void HelpWindow::openTopic(const QString& topic)
{
    if (!topicExists(topic)) {
        // Only when the help folder itself is missing.
        text_->clear();
        text_->setPlainText(
            QCoreApplication::translate("tavrel::HelpWindow", "The help topics cannot be found."));
        pages_->setCurrentWidget(text_);
        updateBack();
        present();
        return;
    }
    const QString path = root_ + QLatin1Char('/') + topic;
    const QUrl url = path.startsWith(QLatin1String(":/")) ? QUrl(QStringLiteral("qrc") + path)
                                                          : QUrl::fromLocalFile(path);
    if (text_->source() != url)
        text_->setSource(url);
    pages_->setCurrentWidget(text_);
    updateBack();
    present();
}

void HelpWindow::present()
{
    followModalWindow();
    show();
    raise();
    activateWindow();
}

// A modal window (the print preview) blocks every window but its own. Help
// asked for while one is open becomes one of its windows, so it takes keys
// and clicks at once; afterwards it stands on its own again.
void HelpWindow::followModalWindow()
{
    QWidget* modal = QApplication::activeModalWidget();
    QWindow* owner = modal && modal != this ? modal->window()->windowHandle() : nullptr;
    if (!windowHandle())
        create();
    if (windowHandle() && windowHandle()->transientParent() != owner)
        windowHandle()->setTransientParent(owner);
}

void HelpWindow::showFinder()
{
    openTopic(kContents);
}

void HelpWindow::showContext(int contextNumber)
{
    openTopic(topicForContext(contextNumber));
}

void HelpWindow::showIndex()
{
    pages_->setCurrentIndex(1);
    updateBack();
    present();
    indexFilter_->setFocus();
}

void HelpWindow::showSearch()
{
    pages_->setCurrentIndex(2);
    updateBack();
    present();
    searchBox_->setFocus();
    searchBox_->selectAll();
}

void HelpWindow::loadTopicTexts()
{
    if (!topicTexts_.empty())
        return;
    for (const IndexEntry& e : index_) {
        // Each titled topic once, under its own title.
        if (std::any_of(topicTexts_.begin(), topicTexts_.end(),
                        [&](const TopicText& t) { return t.topic == e.topic; }))
            continue;
        QTextDocument doc;
        doc.setHtml(readText(root_ + QLatin1Char('/') + e.topic));
        const QString title = doc.metaInformation(QTextDocument::DocumentTitle).simplified();
        if (title != e.text)
            continue;
        topicTexts_.push_back(
            {title, e.topic, foldForMatch(title + QLatin1Char('\n') + doc.toPlainText())});
    }
}

QStringList HelpWindow::topicsContaining(const QString& words)
{
    loadTopicTexts();
    searchTopics_.clear();
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList wanted = foldForMatch(words).split(blanks, Qt::SkipEmptyParts);
    QStringList titles;
    if (wanted.isEmpty())
        return titles;
    for (const TopicText& t : topicTexts_) {
        if (std::all_of(wanted.begin(), wanted.end(),
                        [&](const QString& w) { return t.folded.contains(w); })) {
            titles << t.title;
            searchTopics_.push_back(t.topic);
        }
    }
    return titles;
}

void HelpWindow::searchEdited(const QString& text)
{
    searchList_->clear();
    searchList_->addItems(topicsContaining(text));
    if (searchList_->count() > 0)
        searchList_->setCurrentRow(0);
    searchNote_->setText(text.trimmed().isEmpty() || searchList_->count() > 0
                             ? QString()
                             : caption(QT_TRANSLATE_NOOP("tavrel::HelpWindow",
                                                         "No topic contains all of these words.")));
}

void HelpWindow::displaySearchResult()
{
    const int row = searchList_->currentRow();
    if (row >= 0 && row < int(searchTopics_.size()))
        openTopic(searchTopics_[size_t(row)]);
}

void HelpWindow::quit()
{
    close();
}

void HelpWindow::indexFilterEdited(const QString& text)
{
    // Like a paper index: jump to the first entry that starts with what was typed.
    const QString typed = text.trimmed();
    for (int i = 0; i < int(index_.size()); ++i) {
        if (index_[size_t(i)].text.startsWith(typed, Qt::CaseInsensitive)) {
            indexList_->setCurrentRow(i);
            indexList_->scrollToItem(indexList_->item(i), QAbstractItemView::PositionAtTop);
            return;
        }
    }
}

void HelpWindow::displayIndexEntry()
{
    const int row = indexList_->currentRow();
    if (row < 0 || row >= int(index_.size()))
        return;
    openTopic(index_[size_t(row)].topic);
}

void HelpWindow::goBack()
{
    if (pages_->currentIndex() != 0) {
        pages_->setCurrentWidget(text_);
        if (text_->source().isEmpty())
            openTopic(kContents);
    } else {
        text_->backward();
    }
    updateBack();
}

void HelpWindow::updateBack()
{
    backButton_->setEnabled(pages_->currentIndex() != 0 || text_->isBackwardAvailable());
}

} // namespace tavrel
