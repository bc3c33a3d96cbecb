#include "exchange/Export.h"

#include "exchange/VCard.h"
#include "maillists/MailListFile.h"
#include "platform/Errors.h"
#include "platform/OutputFile.h"
#include "platform/Text.h"
#include "store/ContactAccess.h"
#include "store/Program.h"
#include "store/RecordAccess.h"

#include <QUuid>

namespace tavrel {

Entry entryFromContact(const Contact& c, int id)
{
    const auto text = [&c](ContactField f) { return trimRight(c.text(f)); };
    Entry e;
    e.sourceId = id;
    e.name = text(ContactField::Name);
    e.address = {text(ContactField::AddrLine1), text(ContactField::AddrLine2),
                 text(ContactField::AddrLine3), text(ContactField::AddrLine4)};
    while (!e.address.isEmpty() && e.address.last().isEmpty())
        e.address.removeLast();
    for (int i = 0; i < 5; ++i) {
        const QString label = text(ContactField(int(ContactField::PhoneType1) + 2 * i));
        const QString number = text(ContactField(int(ContactField::PhoneNum1) + 2 * i));
        if (!label.isEmpty() || !number.isEmpty())
            e.phones << ExchangePhone{label, number, i + 1};
    }
    if (const QString mail = text(ContactField::EMail); !mail.isEmpty())
        e.emails << mail;
    e.comments = text(ContactField::Comments);
    e.sortKey1 = text(ContactField::SortKey1);
    e.sortKey2 = text(ContactField::SortKey2);
    for (int i = 0; i < 4; ++i)
        e.links[size_t(i)] = {c.linkIds[size_t(i)],
                              text(ContactField(int(ContactField::LinkText1) + i))};
    e.backLinkId = c.backLinkId;
    return e;
}

Entry entryFromRecord(const NARecord& r, int id)
{
    return entryFromContact(decodeContact(r), id);
}

QString recordUid(const Program& p, int id)
{
    static const QUuid ns(QStringLiteral("{6b1f3c52-8a4e-4d1b-9c0e-2f7a5d3e9b10}"));
    return QStringLiteral("urn:uuid:") +
           QUuid::createUuidV5(ns, trimRight(p.EstablishedDate) + '/' + QString::number(id))
               .toString(QUuid::WithoutBraces);
}

QList<Entry> exportEntries(Program& p, const QString& mailList)
{
    // Every list's title and members, read once; the table is put back afterwards.
    const QByteArray savedFlags = p.MailListFlags;
    struct List {
        QString title;
        QByteArray flags;
    };
    QList<List> lists;
    QByteArray only;
    for (const QString& file : listMailListFiles(p, kMailListPattern)) {
        const QString title = trimRight(loadMailList(p, file));
        lists.append({title, p.MailListFlags});
        if (!mailList.isEmpty() && file.compare(mailList, Qt::CaseInsensitive) == 0)
            only = p.MailListFlags;
    }
    p.MailListFlags = savedFlags;
    if (!mailList.isEmpty() && only.isEmpty())
        throw PlatformError(ErrNo::FileNotFound);

    QList<Entry> entries;
    if (p.LastRecNo < 2)
        return entries;
    readAscending(p, 2, p.LastRecNo, [&](int recNo) {
        const int id = recNo - 1;
        if (!isActive(p.CurRec, id) || (!only.isEmpty() && only.at(id - 1) != '1'))
            return true;
        // The person's own spelling goes out where the file holds a transliteration.
        Entry e = entryFromContact(contactOf(p, id, p.CurRec), id);
        for (const List& l : lists)
            if (l.flags.at(id - 1) == '1')
                e.lists << l.title;
        entries << e;
        return true;
    });
    return entries;
}

QByteArray exportBytes(Program& p, const ExportOptions& options, int* count)
{
    const QList<Entry> entries = exportEntries(p, options.mailList);
    if (count)
        *count = int(entries.size());
    auto uid = [&p](int id) { return recordUid(p, id); };
    switch (options.format) {
    case ExportFormat::VCard30:
        return writeVCards(entries, VCardVersion::V30, uid);
    case ExportFormat::VCard40:
        return writeVCards(entries, VCardVersion::V40, uid);
    case ExportFormat::CsvNative:
        return writeCsv(entries, CsvDialect::Native, options.encoding, options.delimiter,
                        options.forSpreadsheet);
    case ExportFormat::CsvOutlook:
        return writeCsv(entries, CsvDialect::Outlook, options.encoding, options.delimiter,
                        options.forSpreadsheet);
    }
    return {};
}

void writeExportFile(const QString& path, const QByteArray& bytes)
{
    writeOutputFile(path, bytes);
}

bool parseExportFormat(const QString& word, ExportFormat* format)
{
    const QString w = word.toLower();
    if (w == QLatin1String("vcard") || w == QLatin1String("vcard3") || w == QLatin1String("vcf"))
        *format = ExportFormat::VCard30;
    else if (w == QLatin1String("vcard4"))
        *format = ExportFormat::VCard40;
    else if (w == QLatin1String("csv"))
        *format = ExportFormat::CsvNative;
    else if (w == QLatin1String("outlook"))
        *format = ExportFormat::CsvOutlook;
    else
        return false;
    return true;
}

} // namespace tavrel
