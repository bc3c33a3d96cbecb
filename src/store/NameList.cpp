#include "store/NameList.h"

#include "platform/Text.h"
#include "store/ContactAccess.h"
#include "store/Program.h"
#include "store/RecordAccess.h"

#include <QCoreApplication>
#include <utility>

namespace tavrel {

namespace {

// Appends the 16-character key field in upper case, one character at a time,
// so a key keeps its width ("ß" stays one character instead of becoming "SS").
void appendUpperKey(QString& key, const QString& field)
{
    for (int i = 0; i < Width::SortKey; ++i) {
        const QChar c = i < field.size() ? field.at(i) : QLatin1Char(' ');
        if (c.unicode() < 0x80)
            key.append(c >= QLatin1Char('a') && c <= QLatin1Char('z')
                           ? QChar(c.unicode() - 'a' + 'A')
                           : c);
        else
            key.append(c.toUpper());
    }
}

} // namespace

QString sortKey(const NARecord& r, int id, QChar code)
{
    QString key;
    key.reserve(2 * Width::SortKey);
    switch (code.unicode()) {
    case '0':
        appendUpperKey(key, r.SortKey1);
        break;
    case '1':
        appendUpperKey(key, r.SortKey2);
        break;
    case '2':
        appendUpperKey(key, r.SortKey1);
        appendUpperKey(key, r.SortKey2);
        break;
    case '3':
        appendUpperKey(key, r.SortKey2);
        appendUpperKey(key, r.SortKey1);
        break;
    default:
        return QString::number(id).rightJustified(3, QLatin1Char('0'));
    }
    return key;
}

void sortNameList(QVector<QString>& keys, QVector<qint16>& ids, int n)
{
    auto swap = [&](int a, int b) {
        std::swap(keys[a], keys[b]);
        std::swap(ids[a], ids[b]);
    };
    // Build a max-heap: a parent moves only when strictly smaller than its child.
    for (int p = 1; p <= n; ++p) {
        int c = p;
        while (c >= 2) {
            const int q = c / 2;
            if (keys[q] >= keys[c])
                break;
            swap(q, c);
            c = q;
        }
    }
    // Take the largest off the top; the right child wins only when strictly greater.
    for (int e = n; e >= 2; --e) {
        swap(1, e);
        int q = 1;
        int c = 2;
        while (c <= e - 1) {
            if (c < e - 1 && keys[c] < keys[c + 1])
                ++c;
            if (keys[q] >= keys[c])
                break;
            swap(q, c);
            q = c;
            c = 2 * c;
        }
    }
}

void buildNameList(Program& p, QChar code)
{
    p.ui.setWaitCursor(true);
    const int size = qMax(p.LastRecNo - 1, 0);
    QVector<QString> keys(size + 1);
    p.SortedIdList = QVector<qint16>(size + 1, 0);
    p.SortedCount = 0;
    readAscending(p, 2, size + 1, [&](int recNo) {
        const int id = recNo - 1;
        if (isActive(p.CurRec, id)) {
            ++p.SortedCount;
            keys[p.SortedCount] = sortKey(p.CurRec, id, code);
            p.SortedIdList[p.SortedCount] = qint16(id);
        }
        return true;
    });
    sortNameList(keys, p.SortedIdList, p.SortedCount);
    p.ui.setWaitCursor(false);
}

bool checkFileNotEmpty(Program& p)
{
    if (p.LastRecNo > 1)
        return true;
    p.ui.beep();
    p.ui.messageBox(QCoreApplication::translate("tavrel::NameList", "The N&A File Is Empty."),
                    kTitle, Ui::Buttons::Ok);
    return false;
}

QString shownName(const Program& p, int id, const NARecord& r)
{
    const FieldTexts originals = originalsOf(p, id, r);
    const auto name = originals.find(ContactField::Name);
    return name != originals.end() ? name->second.leftJustified(Width::Name) : r.Name;
}

QString pickerLine(int id, const QString& name)
{
    return QString::number(id).rightJustified(4, QLatin1Char(' ')) + QStringLiteral("  ") +
           padRight(name, Width::Name);
}

} // namespace tavrel
