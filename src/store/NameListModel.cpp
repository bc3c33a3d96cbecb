#include "store/NameListModel.h"

#include "platform/Text.h"

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
    folded_.resize(lines_.size());
    for (qsizetype k = 0; k < lines_.size(); ++k)
        folded_[k] = foldedForFilter(lines_.at(k).text);
    endResetModel();
}

QString NameListModel::foldedForFilter(const QString& text)
{
    // As the file holds it (Петров as Petrov), then decomposed: an accented
    // letter is its base letter and its marks.
    const QString decomposed = reduceToCp1252(text).normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed) {
        const QChar::Category kind = c.category();
        if (kind != QChar::Mark_NonSpacing && kind != QChar::Mark_SpacingCombining &&
            kind != QChar::Mark_Enclosing)
            out.append(c);
    }
    return out.toCaseFolded();
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
    folded_.append(foldedForFilter(line.text));
    endInsertRows();
}

void NameListModel::removeLineAt(int row)
{
    if (row < 0 || row >= lines_.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    lines_.remove(row);
    folded_.remove(row);
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
    QString folded = NameListModel::foldedForFilter(text);
    if (folded == folded_)
        return;
    folded_ = std::move(folded);
    invalidateRowsFilter();
}

bool NameListFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    return folded_.isEmpty() || lines_->foldedAt(sourceRow).contains(folded_);
}

int NameListFilter::sourceRow(int row) const
{
    const QModelIndex source = mapToSource(index(row, 0));
    return source.isValid() ? source.row() : -1;
}

} // namespace tavrel
