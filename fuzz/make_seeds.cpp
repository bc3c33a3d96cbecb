// Writes the small seed corpora of the fuzz targets: fuzz_seeds <corpus dir>.

#include "FuzzSupport.h"
#include "store/NARecord.h"

#include <QDir>
#include <QFile>
#include <cstdio>

using namespace tavrel;
using namespace tavrel::fuzz;

namespace {

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
    const QByteArray na = sampleNAFile();
    bool ok = true;

    ok &= put(dir, QStringLiteral("open_file"), QStringLiteral("good"), na);
    ok &= put(dir, QStringLiteral("open_file"), QStringLiteral("count-beyond-end"), sampleNAFile(40));
    ok &= put(dir, QStringLiteral("open_file"), QStringLiteral("count-negative"), sampleNAFile(-5));
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

    // Import files: cards of each version and the CSV shapes the reader knows.
    ok &= put(dir, QStringLiteral("import_file"), QStringLiteral("vcard30"),
              "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ingrid Tulloch\r\nN:Tulloch;Ingrid;;;\r\n"
              "ADR;TYPE=home:;;7 Harbour Road;Kirkwall;;KW15 1AA;UK\r\nitem1.TEL:555-0101\r\n"
              "item1.X-ABLabel:Boat\r\nNOTE:Ferry\\, December\\nCards\r\n"
              "CATEGORIES:Club\r\nEND:VCARD\r\n");
    ok &= put(dir, QStringLiteral("import_file"), QStringLiteral("vcard21"),
              "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:M=C3=\r\n"
              "=BCller;J=C3=BCrgen\r\nTEL;HOME;VOICE:+49 30 1234\r\nEND:VCARD\r\n");
    ok &= put(dir, QStringLiteral("import_file"), QStringLiteral("vcard40"),
              "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Sigrid Flett\r\n"
              "ADR;LABEL=\"1 Main St\\nStromness\":;;1 Main St;Stromness;;;\r\n"
              "TEL;VALUE=uri;TYPE=cell:tel:555-0102\r\nRELATED:urn:uuid:1\r\nEND:VCARD\r\n");
    ok &= put(dir, QStringLiteral("import_file"), QStringLiteral("csv-native"),
              "Name,Address 1,Phone 1 Type,Phone 1,E-mail,Comments,Mailing Lists\r\n"
              "\"Rendall, Magnus\",14 Harbour Road,Home,555-0102,m@example.org,\"two\r\nlines\","
              "Club\r\n");
    ok &= put(dir, QStringLiteral("import_file"), QStringLiteral("csv-semicolon-bom"),
              "\xEF\xBB\xBF" "First Name;Last Name;Home Street;Home City;E-mail Address\r\n"
              "Thora;Sinclair;3 Quay;Lerwick;t@example.org\r\n");
    ok &= put(dir, QStringLiteral("import_file"), QStringLiteral("csv-unknown-header"),
              "Nom,Courriel\r\nDupont,d@example.fr\r\n");

    if (!ok)
        std::fprintf(stderr, "fuzz_seeds: cannot write to %s\n", argv[1]);
    return ok ? 0 : 1;
}
