// Writes the small seed corpora of the fuzz targets: fuzz_seeds <corpus dir>.

#include "store/NARecord.h"
#include "store/RecordAccess.h"

#include <QDir>
#include <QFile>
#include <cstdio>

using namespace tavrel;

namespace {

NARecord person(int id, const QString& name, const QString& key1, const QString& key2)
{
    NARecord r = NARecord::blank();
    r.RecStatus = kActive;
    r.RecId = qint16(id);
    r.Name = name;
    r.AddrLine1 = QStringLiteral("%1 Harbour Road").arg(id * 7);
    r.AddrLine2 = QStringLiteral("Kirkwall");
    r.PhoneType1 = QStringLiteral("Home");
    r.PhoneNum1 = QStringLiteral("555-01%1").arg(id, 2, 10, QLatin1Char('0'));
    r.EMail = QStringLiteral("p%1@example.org").arg(id);
    r.Comments = QStringLiteral("Met at the ferry; sends cards in December.");
    r.SortKey1 = key1;
    r.SortKey2 = key2;
    r.LinkId1 = qint16(id % 4 + 1);
    r.LinkText1 = QStringLiteral("Cousin");
    return r;
}

NARecord header(int lastRecNo)
{
    NARecord r = NARecord::blank();
    r.RecStatus = kActive;
    r.RecId = qint16(lastRecNo);
    r.Name = QStringLiteral("Corvane Mark - TVL For Windows");
    r.AddrLine1 = QStringLiteral("Header Record Written 01-02-2025");
    r.AddrLine2 = QStringLiteral("At 10:11:12 Hours");
    r.SortKey1 = QStringLiteral("2");
    r.SortKey2 = QStringLiteral("01-02-2025");
    r.PhoneType1 = QStringLiteral("0");
    r.PhoneType2 = QStringLiteral("0");
    r.PhoneType3 = QStringLiteral("1");
    return r;
}

// Header and records 2..: five people, ID 3 deleted, with sort keys that tie.
QByteArray naFile(int lastRecNo = 7)
{
    const QString names[] = {QStringLiteral("Ingrid Tulloch"),  QStringLiteral("Magnus Rendall"),
                             QStringLiteral("Sigrid Flett"),    QStringLiteral("Erlend Isbister"),
                             QStringLiteral("Ragna Linklater"), QStringLiteral("Thora Sinclair")};
    QByteArray out = header(lastRecNo).toBytes();
    for (int id = 1; id <= 6; ++id) {
        NARecord r = person(id, names[id - 1],
                            id % 2 ? QStringLiteral("ORKNEY") : QStringLiteral("SHETLAND"),
                            QStringLiteral("K%1").arg(7 - id));
        if (id == 3) {
            r.RecStatus = kDeleted;
            r.RecId = 0;
        }
        out += r.toBytes();
    }
    return out;
}

QByteArray listFile(const QByteArray& title, const QList<int>& members)
{
    QByteArray flags(1700, '0');
    for (int id : members)
        flags[id - 1] = '1';
    return title.leftJustified(40, ' ', true) + QByteArray(6, ' ') + flags + "\r\n";
}

QByteArray choices(std::initializer_list<int> options, std::initializer_list<int> answers, int n)
{
    QByteArray out(2 * n, '\0');
    int i = 0;
    for (int o : options)
        out[i++] = char(o);
    i = n;
    for (int a : answers)
        out[i++] = char(a);
    return out;
}

bool put(const QString& dir, const QString& target, const QString& name, const QByteArray& bytes)
{
    QDir().mkpath(dir + QLatin1Char('/') + target);
    QFile f(dir + QLatin1Char('/') + target + QLatin1Char('/') + name);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds <corpus dir>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QByteArray na = naFile();
    bool ok = true;

    ok &= put(dir, QStringLiteral("open_file"), QStringLiteral("good"), na);
    ok &= put(dir, QStringLiteral("open_file"), QStringLiteral("count-beyond-end"), naFile(40));
    ok &= put(dir, QStringLiteral("open_file"), QStringLiteral("count-negative"), naFile(-5));
    ok &= put(dir, QStringLiteral("open_file"), QStringLiteral("odd-length"),
              na.left(na.size() - 100));
    ok &=
        put(dir, QStringLiteral("open_file"), QStringLiteral("no-header"), na.mid(NARecord::Size));

    for (int code = 0; code < 5; ++code)
        ok &= put(dir, QStringLiteral("name_list"), QStringLiteral("sort-%1").arg(code),
                  choices({code, code & 1, code >> 1, 0x5a, 0x0f, 0x33, 0xf0, 0x81}, {}, 8) + na);

    ok &= put(dir, QStringLiteral("mail_list"), QStringLiteral("good"),
              listFile("Christmas Cards", {1, 2, 4, 6, 1700}));
    ok &= put(dir, QStringLiteral("mail_list"), QStringLiteral("short"),
              listFile("Choir", {2, 3}).left(60));
    ok &= put(dir, QStringLiteral("mail_list"), QStringLiteral("blank-title"),
              listFile(QByteArray(1, '\x15') + "hidden", {5}));

    ok &= put(dir, QStringLiteral("id_list"), QStringLiteral("ranges"), "3-7, 12 40");
    ok &= put(dir, QStringLiteral("id_list"), QStringLiteral("odd"), "5--9,,0 1701 99999 -4 6-");
    ok &= put(dir, QStringLiteral("id_list"), QStringLiteral("all"), "1-1700");

    const QByteArray rec = na.mid(2 * NARecord::Size, NARecord::Size);
    ok &= put(dir, QStringLiteral("field_test"), QStringLiteral("name"),
              QByteArray("\x01\x23") + rec + "tulloch");
    ok &= put(dir, QStringLiteral("field_test"), QStringLiteral("all"),
              QByteArray("\x80\x64") + rec + "555-01");
    ok &= put(dir, QStringLiteral("field_test"), QStringLiteral("keys"),
              QByteArray("\x30\x10") + rec + "orkney");

    // Report runs: kind, large print, sequence, title, label stock, card
    // stock, quantity, duplex, reprint, from, through, mailing list.
    for (int kind = 0; kind < 6; ++kind)
        ok &= put(dir, QStringLiteral("report_run"), QStringLiteral("kind-%1").arg(kind),
                  choices({kind, kind & 1, kind % 5, 1, kind % 3, kind & 1, 1, 0, 0, 0, 0, kind & 1,
                           1, 0x55, 0xaa, 0x0f, 0xf0},
                          {1, 1, 0, 0}, 16) +
                      na);
    ok &= put(dir, QStringLiteral("report_run"), QStringLiteral("duplex-reprint"),
              choices({0, 0, 2, 0, 0, 0, 1, 1, 1, 2, 4, 0}, {1, 1}, 16) + na);

    // Envelope runs: return option, mail option, size, landscape, sort, count, ...
    ok &= put(dir, QStringLiteral("envelope_run"), QStringLiteral("all-entries"),
              choices({2, 4, 0, 1, 0, 1, 0, 0, 0, 0, 1, 1, 1, 1, 1, 0, 0, 0}, {1}, 16) + na);
    ok &= put(dir, QStringLiteral("envelope_run"), QStringLiteral("list"),
              choices({1, 2, 5, 0, 4, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {0, 1}, 16) + na);
    ok &= put(dir, QStringLiteral("envelope_run"), QStringLiteral("keyboard"),
              choices({1, 1, 2, 1, 0, 1, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1}, {0}, 16) + na);

    if (!ok)
        std::fprintf(stderr, "fuzz_seeds: cannot write to %s\n", argv[1]);
    return ok ? 0 : 1;
}
