// The export and import windows, the import preview over a file that needs a
// look, and the window that maps unknown CSV columns.
#include "Shots.h"

#include "exchange/gui/ColumnMappingDialog.h"
#include "exchange/gui/ExchangeCommands.h"
#include "exchange/gui/ImportDialog.h"
#include "platform/gui/Windows.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

TAVREL_SHOT("ExportForm")
{
    s.writeMailLists();
    tavrel::startExport(s.p());
    return tavrel::loadedWindow(QStringLiteral("ExportForm"));
}

TAVREL_SHOT("ImportForm")
{
    QStringList lines;
    lines << "BEGIN:VCARD"
          << "VERSION:3.0"
          << "FN:Dunn, Peter"
          << "ADR:;;40 Harbour Road;;;;"
          << "END:VCARD";
    lines << "BEGIN:VCARD"
          << "VERSION:3.0"
          << "FN:Łucja Wiśniewska"
          << "TEL;TYPE=cell:601 555 01"
          << "END:VCARD";
    lines << "BEGIN:VCARD"
          << "VERSION:3.0"
          << "FN:Bartholomew Featherstonehaugh-Cholmondeley";
    for (int i = 1; i <= 7; ++i)
        lines << QStringLiteral("TEL:555-02%1").arg(i);
    lines << "EMAIL:bart@example.org"
          << "EMAIL:b.f@work.example"
          << "END:VCARD";
    lines << "BEGIN:VCARD"
          << "VERSION:3.0"
          << "FN:Nora Quist"
          << "ADR;TYPE=home:;;7 Elm St;Springfield;IL;62704;USA"
          << "END:VCARD";
    tavrel::test::writeBytes(
        s.env.dir() + QStringLiteral("/phone.vcf"),
        (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    tavrel::startImport(s.p());
    auto* form =
        static_cast<tavrel::ImportDialog*>(tavrel::loadedWindow(QStringLiteral("ImportForm")));
    form->fileEdit->setText(QStringLiteral("phone.vcf"));
    form->onReadClicked();
    form->entryList->setCurrentItem(form->entryList->topLevelItem(2));
    return form;
}

TAVREL_SHOT("ImportForm-empty")
{
    tavrel::startImport(s.p());
    return tavrel::loadedWindow(QStringLiteral("ImportForm"));
}

TAVREL_SHOT("CsvMapForm")
{
    tavrel::CsvTable table;
    table.header = {QStringLiteral("Vorname"),        QStringLiteral("Nachname"),
                    QStringLiteral("Straße"),         QStringLiteral("PLZ Ort"),
                    QStringLiteral("Telefon privat"), QStringLiteral("E-Mail-Adresse")};
    table.rows = {{QStringLiteral("Anna"), QStringLiteral("Schmidt"), QStringLiteral("Ringstr. 3"),
                   QStringLiteral("80331 München"), QStringLiteral("089 1234"),
                   QStringLiteral("anna@example.de")}};
    auto* form = new tavrel::ColumnMappingDialog(s.p(), table, tavrel::mappingByName(table.header));
    form->columnCombos[0]->setCurrentText(QStringLiteral("First Name"));
    form->columnCombos[1]->setCurrentText(QStringLiteral("Last Name"));
    return form;
}
