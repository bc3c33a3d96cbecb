#pragma once

#include "store/Program.h"

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
    struct Line {
        qint16 id = 0;
        QString text;
    };

    explicit NameListModel(QObject* parent = nullptr);

    // One line per ID of SortedIdList[1..SortedCount] in that order; `lineOf`
    // gives the line of an ID, or nothing to leave the ID out.
    void fillFromSortedList(const Program& p,
                            const std::function<std::optional<QString>(qint16)>& lineOf);
    void setLines(QVector<Line> lines);
    void setTexts(const QStringList& texts);
    void appendLine(const Line& line);
    void removeLineAt(int row);
    void clear() { setLines({}); }

    qint16 idAt(int row) const { return lines_.value(row).id; }
    QString textAt(int row) const { return lines_.value(row).text; }
    // The text of line `row` as a filter compares it (see foldedForFilter).
    const QString& foldedAt(int row) const { return folded_.at(row); }
    QStringList texts() const;

    // Text without case or accents ("Émile" -> "emile"), so that a filter
    // typed either way finds it.
    static QString foldedForFilter(const QString& text);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    QVector<Line> lines_;
    // The lines folded once when they arrive, so each keystroke only compares.
    QVector<QString> folded_;
};

// What a list view shows of a NameListModel: every line, or, once a filter
// text is set, only the lines that contain it (without regard to case or
// accents), in the model's order.
class NameListFilter : public QSortFilterProxyModel {
public:
    explicit NameListFilter(NameListModel* lines, QObject* parent = nullptr);

    void setFilterText(const QString& text);
    NameListModel* lines() const { return lines_; }
    // The source row of view row `row`, or -1.
    int sourceRow(int row) const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    NameListModel* lines_;
    QString folded_;
};

} // namespace tavrel
