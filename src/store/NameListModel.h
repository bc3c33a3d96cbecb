#pragma once

#include "store/FindWords.h"
#include "store/SortedList.h"

#include <QAbstractListModel>
#include <QSortFilterProxyModel>
#include <functional>
#include <optional>

namespace tavrel {

// The lines of a list the user picks from: names in the sorted name list's
// order (QuickFind, the mailing-list name pickers) or plain lines such as
// mailing-list file names. Each line keeps the ID of its record (0 for a line
// that names no record).
class NameListModel : public QAbstractListModel {
public:
    enum Role { IdRole = Qt::UserRole + 1 };
    // A line may bring more fields for a find box to look in than its text.
    // A line that shows the person's own spelling brings the record's in
    // `stored`, so typing either finds it.
    struct Line {
        qint16 id = 0;
        QString text;
        QVector<FindField> fields = {};
        QString stored = {};
    };

    explicit NameListModel(QObject* parent = nullptr);

    // One line per ID of SortedIdList[1..SortedCount] in that order; `lineOf`
    // gives the line of an ID, or nothing to leave the ID out.
    void fillFromSortedList(const SortedList& list,
                            const std::function<std::optional<QString>(qint16)>& lineOf);
    // The same, each line with the fields `lineOf` gives it.
    void fillLinesFromSortedList(const SortedList& list,
                                 const std::function<std::optional<Line>(qint16)>& lineOf);
    void setLines(QVector<Line> lines);
    void setTexts(const QStringList& texts);
    void appendLine(const Line& line);
    void removeLineAt(int row);
    void clear() { setLines({}); }

    qint16 idAt(int row) const { return lines_.value(row).id; }
    QString textAt(int row) const { return lines_.value(row).text; }
    // True when line `row` holds every word, in its text or its fields.
    bool holdsAll(int row, const QVector<FindWord>& words) const;
    // Why line `row` matched `words`, when its text alone does not say (see whyMatched).
    QString whyMatchedAt(int row, const QVector<FindWord>& words) const;
    QStringList texts() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QVector<Line> lines_;
    // The lines folded once when they arrive, so each keystroke only compares.
    QVector<FindHaystack> haystacks_;
};

// What a list view shows of a NameListModel: every line, or, once a filter
// text is set, only the lines that hold each of its words, in any order and
// without regard to case or accents, in the model's order. A line that matched
// through a field it does not show says which, after a dash.
class NameListFilter : public QSortFilterProxyModel {
public:
    explicit NameListFilter(NameListModel* lines, QObject* parent = nullptr);

    void setFilterText(const QString& text);
    NameListModel* lines() const { return lines_; }
    // The source row of view row `row`, or -1.
    int sourceRow(int row) const;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    NameListModel* lines_;
    QString typed_;
    QVector<FindWord> words_;
};

} // namespace tavrel
