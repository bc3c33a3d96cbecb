#include "store/NameListModel.h"

namespace tavrel {

NameListModel::NameListModel(QObject* parent) : QAbstractListModel(parent) {}

void NameListModel::fillFromSortedList(const Program& p,
                                       const std::function<std::optional<QString>(qint16)>& lineOf)
{
    QVector<Line> lines;
    lines.reserve(p.SortedCount);
    for (int k = 1; k <= p.SortedCount; ++k) {
        const qint16 id = p.sortedId(k);
        if (std::optional<QString> text = lineOf(id))
            lines.append({id, std::move(*text)});
    }
    setLines(std::move(lines));
}

void NameListModel::setLines(QVector<Line> lines)
{
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
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
    endInsertRows();
}

void NameListModel::removeLineAt(int row)
{
    if (row < 0 || row >= lines_.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    lines_.remove(row);
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
    setFilterCaseSensitivity(Qt::CaseInsensitive);
}

void NameListFilter::setFilterText(const QString& text)
{
    setFilterFixedString(text);
}

int NameListFilter::sourceRow(int row) const
{
    const QModelIndex source = mapToSource(index(row, 0));
    return source.isValid() ? source.row() : -1;
}

} // namespace tavrel
