#pragma once

#include "platform/Help.h"

#include <QMap>
#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTextBrowser;

namespace tavrel {

// The program's help window.
//
// Help topics are HTML files compiled in as Qt resources under one folder
// (":/help" in the program):
//
//   contents.html  the contents page that Help > Contents (the finder) opens;
//                  it links to topics by file name ("add-single-record.html").
//   contexts.txt   the topic each help context number opens, one per line:
//                      25 add-single-record.html
//                  Blank lines and lines starting with '#' are skipped.
//   index.txt      optional extra index entries, one per line, topic first:
//                      add-single-record.html Adding a record
//   *.html         the topics. The <title> of each topic (contents.html aside)
//                  is an index entry too.
//
// Topics may link to each other and to images in the same folder. A context
// number that is not listed, or whose topic is missing, opens the contents page.
class HelpWindow : public QWidget, public Help {
public:
    explicit HelpWindow(const QString& root = QStringLiteral(":/help"), QWidget* parent = nullptr);

    void showFinder() override;
    void showContext(int contextNumber) override;
    void quit() override;

    // File name of the topic on display ("contents.html"); empty before any.
    QString currentTopic() const;
    // The index, sorted without regard to case: entry text and topic file.
    struct IndexEntry {
        QString text;
        QString topic;
    };
    const std::vector<IndexEntry>& indexEntries() const { return index_; }
    // The topic a context number opens ("contents.html" for an unknown one).
    QString topicForContext(int contextNumber) const;
    // Shows the index page.
    void showIndex();
    // Shows the search page: topics holding every word typed.
    void showSearch();
    // The titles of the topics that hold every word of `words` (any order,
    // without regard to case or accents), sorted.
    QStringList topicsContaining(const QString& words);

private:
    void loadContexts();
    void loadIndex();
    bool topicExists(const QString& topic) const;
    void openTopic(const QString& topic);
    void present();
    void followModalWindow();
    QWidget* buildSearchPage();
    void loadTopicTexts();
    void searchEdited(const QString& text);
    void displaySearchResult();
    void indexFilterEdited(const QString& text);
    void displayIndexEntry();
    void goBack();
    void updateBack();

    QString root_;
    QMap<int, QString> contexts_;
    std::vector<IndexEntry> index_;

    QPushButton* contentsButton_;
    QPushButton* indexButton_;
    QPushButton* backButton_;
    QStackedWidget* pages_;
    QTextBrowser* text_;
    QLineEdit* indexFilter_;
    QListWidget* indexList_;
    QPushButton* displayButton_;

    // Folded title and text of each titled topic, read on the first search.
    struct TopicText {
        QString title;
        QString topic;
        QString folded;
    };
    std::vector<TopicText> topicTexts_;
    std::vector<QString> searchTopics_; // the topic of each line in searchList_
    QPushButton* searchButton_;
    QLineEdit* searchBox_;
    QListWidget* searchList_;
    QLabel* searchNote_;
};

} // namespace tavrel
