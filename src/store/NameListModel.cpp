#include "store/NameListModel.h"

#include "platform/Text.h"

namespace tavrel {

NameListModel::NameListModel(QObject* parent) : QAbstractListModel(parent) {}

void NameListModel::fillFromSortedList(const SortedList& list,
                                       const std::function<std::optional<QString>(qint16)>& lineOf)
{
    fillLinesFromSortedList(list, [&lineOf](qint16 id) -> std::optional<Line> {
        if (std::optional<QString> text = lineOf(id))
            return Line{id, std::move(*text)};
        return std::nullopt;
    });
}

void NameListModel::fillLinesFromSortedList(
    const SortedList& list, const std::function<std::optional<Line>(qint16)>& lineOf)
{
    QVector<Line> lines;
    lines.reserve(list.SortedCount);
    for (int k = 1; k <= list.SortedCount; ++k) {
        const qint16 id = list.sortedId(k);
        if (std::optional<Line> line = lineOf(id)) {
            line->id = id;
            lines.append(std::move(*line));
        }
    }
    setLines(std::move(lines));
}

void NameListModel::setLines(QVector<Line> lines)
{
    beginResetModel();
    lines_ = std::move(lines);
    haystacks_.resize(lines_.size());
    for (qsizetype k = 0; k < lines_.size(); ++k)
        haystacks_[k] = findHaystack(lines_.at(k).text, lines_.at(k).fields, lines_.at(k).stored);
    endResetModel();
}

bool NameListModel::holdsAll(int row, const QVector<FindWord>& words) const
{
    return allWordsIn(words, haystacks_.at(row));
}

QString NameListModel::whyMatchedAt(int row, const QVector<FindWord>& words) const
{
    return whyMatched(words, haystacks_.at(row), lines_.at(row).fields);
}

void NameListModel::setTexts(const QStringList& texts)
{
    QVector<Line> lines;
    lines.reserve(texts.size());
    for (const QString& t : texts)
        lines.append({0, t});
    setLines(std::move(lines));
}

void NameListModel::appendLine(const Line& line)
{
    beginInsertRows(QModelIndex(), lines_.size(), lines_.size());
    lines_.append(line);
    haystacks_.append(findHaystack(line.text, line.fields, line.stored));
    endInsertRows();
}

void NameListModel::removeLineAt(int row)
{
    if (row < 0 || row >= lines_.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    lines_.remove(row);
    haystacks_.remove(row);
    endRemoveRows();
}

QStringList NameListModel::texts() const
{
    QStringList out;
    out.reserve(lines_.size());
    for (const Line& l : lines_)
        out << l.text;
    return out;
}

int NameListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(lines_.size());
}

QVariant NameListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= lines_.size())
        return QVariant();
    const Line& line = lines_.at(index.row());
    if (role == Qt::DisplayRole)
        return line.text;
    if (role == IdRole)
        return int(line.id);
    return QVariant();
}

NameListFilter::NameListFilter(NameListModel* lines, QObject* parent)
    : QSortFilterProxyModel(parent), lines_(lines)
{
    setSourceModel(lines);
}

void NameListFilter::setFilterText(const QString& text)
{
    if (text == typed_)
        return;
    typed_ = text;
    words_ = findWords(text);
    invalidateRowsFilter();
    // The lines left may now say another reason why they match.
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::DisplayRole});
}

bool NameListFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    return lines_->holdsAll(sourceRow, words_);
}

QVariant NameListFilter::data(const QModelIndex& index, int role) const
{
    QVariant value = QSortFilterProxyModel::data(index, role);
    if (role != Qt::DisplayRole || words_.isEmpty())
        return value;
    const QString why = lines_->whyMatchedAt(mapToSource(index).row(), words_);
    if (why.isEmpty())
        return value;
    return trimRight(value.toString()) + QStringLiteral(" \u2014 ") + why;
}

int NameListFilter::sourceRow(int row) const
{
    const QModelIndex source = mapToSource(index(row, 0));
    return source.isValid() ? source.row() : -1;
}

} // namespace tavrel
