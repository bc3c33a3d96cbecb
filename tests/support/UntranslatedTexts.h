#pragma once

// Finds texts in the windows that do not go through tr(). While a
// MarkingTranslator is installed, every text asked of a translator comes back
// as "[[text]]"; a window built then shows those texts marked and any text
// written into it directly plain.

#include <QPair>
#include <QSet>
#include <QStringList>
#include <QTranslator>

class QWidget;

namespace tavrel::test {

class MarkingTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }

    // Every (context, text) the program asked for, for unknownToLupdate.
    mutable QSet<QPair<QString, QString>> asked;
};

// "context: text" for each text the program asked `marking` for that lupdate,
// run over the sources into `tsFile`, did not find under that context: a
// translation would never reach it (a tr() of a class lupdate cannot place, a
// context spelt differently). Qt's own texts (contexts named Q..., other than
// QObject) are not the program's.
QStringList unknownToLupdate(const MarkingTranslator& marking, const QString& tsFile);

// "control (class): text" for each text of `window` the user reads that holds a
// letter and no marked part: the window's title, and of each shown control its
// caption, label, group box title, tool tip, placeholder, combo box items,
// list headers and the texts of its menus' actions. What holds the
// user's data is left out: the contents of text boxes and lists, and the
// controls named in `dataControls` (labels and drop-downs that show records,
// file names or list names).
QStringList untranslatedTexts(QWidget* window, const QStringList& dataControls = {});

} // namespace tavrel::test
