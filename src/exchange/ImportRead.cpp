#include "exchange/Import.h"

#include "exchange/FileKind.h"
#include "exchange/VCard.h"
#include "exchange/VCardReader.h"
#include "platform/Errors.h"
#include "platform/Text.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace tavrel {

// --- reading ---

ImportSource readImportBytes(const QByteArray& raw, const QString& fileName)
{
    ImportSource s;
    s.fileName = fileName;
    if (raw.trimmed().isEmpty()) {
        s.error = QCoreApplication::translate("tavrel::Import", "The file is empty.");
        return s;
    }
    QString utf16;
    const QByteArray bytes = withUtf16Mark(raw, &utf16);
    const QString utf16Note =
        QCoreApplication::translate("tavrel::Import",
                                    "The file is UTF-16 (%1) without a byte-order mark.")
            .arg(utf16);
    if (looksLikeVCard(bytes)) {
        VCardRead read = readVCards(bytes);
        s.kind = QStringLiteral("vCard");
        s.entries = read.entries;
        s.problems = read.problems;
        if (!utf16.isEmpty())
            s.problems.prepend(utf16Note);
        if (s.entries.isEmpty())
            s.error = QCoreApplication::translate("tavrel::Import", "The file holds no card.");
        return s;
    }
    if (const QString why = notAContactFile(bytes); !why.isEmpty()) {
        s.error = QCoreApplication::translate("tavrel::Import",
                                              "This file is not a card file or a CSV file (%1).")
                      .arg(why);
        return s;
    }
    s.isCsv = true;
    s.table = readCsv(bytes);
    if (!utf16.isEmpty())
        s.table.problems.prepend(utf16Note);
    s.problems = s.table.problems;
    if (s.table.header.isEmpty() || s.table.rows.isEmpty()) {
        s.error = QCoreApplication::translate(
            "tavrel::Import", "The file is neither a vCard file nor a CSV file with a header "
                              "and at least one row.");
        return s;
    }
    const QString dialect = csvDialectName(s.table.header);
    s.kind = dialect.isEmpty() ? QStringLiteral("CSV") : QStringLiteral("CSV (%1)").arg(dialect);
    applyMapping(s, mappingByName(s.table.header));
    return s;
}

void applyMapping(ImportSource& s, const CsvMapping& mapping)
{
    s.mapping = mapping;
    s.needsMapping = !mappingFindsNames(mapping);
    s.entries = s.needsMapping ? QList<Entry>() : entriesFromCsv(s.table, mapping);
    s.problems = s.table.problems;
    if (!s.needsMapping)
        s.problems << columnsLeftOut(s.table, mapping);
}

ImportSource readImportFile(Program& p, const QString& path)
{
    QFile file(path);
    const QString name = QFileInfo(path).fileName();
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        ImportSource s;
        s.fileName = name;
        const int n = file.exists() ? (errno ? errnoToNumber(errno) : ErrNo::PathFileAccess)
                                    : ErrNo::FileNotFound;
        s.error =
            QCoreApplication::translate("tavrel::Import", "The file cannot be read (error%1).")
                .arg(numText(n));
        return s;
    }
    if (file.size() > kMaxImportBytes) {
        ImportSource s;
        s.fileName = name;
        s.error = QCoreApplication::translate("tavrel::Import",
                                              "The file is too large to import (more than 64 MB).");
        return s;
    }
    ImportSource s = readImportBytes(file.read(kMaxImportBytes + 1), name);
    if (s.isCsv && s.needsMapping) {
        const CsvMapping saved = savedMapping(p, s.table.header);
        if (!saved.isEmpty())
            applyMapping(s, saved);
    }
    return s;
}

// --- saved mappings ---

CsvMapping savedMapping(Program& p, const QStringList& header)
{
    if (!p.files.exists(kCsvMappingFile))
        return {};
    const QString signature = csvHeaderSignature(header);
    const QStringList lines = QString::fromUtf8(p.files.readAll(kCsvMappingFile)).split('\n');
    for (const QString& line : lines) {
        QStringList cells = line.split('\t');
        if (cells.size() == header.size() + 1 && cells.first() == signature) {
            cells.removeFirst();
            return cells;
        }
    }
    return {};
}

void saveMapping(Program& p, const QStringList& header, const CsvMapping& mapping)
{
    const QString signature = csvHeaderSignature(header);
    QStringList kept;
    if (p.files.exists(kCsvMappingFile))
        for (const QString& line : QString::fromUtf8(p.files.readAll(kCsvMappingFile)).split('\n'))
            if (!line.isEmpty() && !line.startsWith(signature + '\t'))
                kept << line;
    kept << signature + '\t' + mapping.join('\t');
    p.files.replaceFile(kCsvMappingFile, (kept.join('\n') + '\n').toUtf8());
}

} // namespace tavrel
