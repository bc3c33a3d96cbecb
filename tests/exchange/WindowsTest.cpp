#include "ExchangeFixture.h"
#include "exchange/gui/ColumnMappingDialog.h"
#include "exchange/gui/ExportDialog.h"
#include "maillists/MailListFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QRadioButton>

namespace tavrel::test {
namespace {

class ExchangeWindows : public ExchangeTest {
protected:
    void SetUp() override { env.ui.setAutoOk(true); }
    void TearDown() override { closeAllWindows(); }
};

TEST_F(ExchangeWindows, ExportWritesTheChosenFormatAndList)
{
    env.openFile(people(1, 3));
    clearMailListFlags(p());
    setMember(p(), 2, true);
    writeMailList(p(), "tvlmail.ab", "Team");
    startExport(p());
    auto* form = windowOf<ExportDialog>("ExportForm");
    EXPECT_FALSE(form->csvGroup->isEnabled());         // CSV options only for CSV
    EXPECT_TRUE(form->recordsOptions[0]->isChecked()); // the whole file unless a list is chosen
    click(form->exportButton);
    EXPECT_EQ(env.ui.messages.back().text, "Please Enter The Name Of The File To Export To.");
    click(form->formatOptions[2]);
    EXPECT_TRUE(form->csvGroup->isEnabled());
    form->separatorCombo->setCurrentIndex(1);
    click(form->keepAsTextCheck);
    EXPECT_TRUE(form->options().forSpreadsheet);
    click(form->recordsOptions[1]);
    type(form->fileEdit, "team.csv");
    click(form->exportButton);
    EXPECT_EQ(env.ui.messages.back().text, "1 Records Exported To team.csv.");
    const QByteArray csv = fileBytes(env.dir() + "/team.csv");
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBFName;Address 1;"));
    EXPECT_TRUE(csv.contains("\r\nPerson 2;"));
    EXPECT_FALSE(isLoaded(form));

    // An existing file is replaced only when the user says so.
    startExport(p());
    form = windowOf<ExportDialog>("ExportForm");
    type(form->fileEdit, "team.csv");
    env.ui.answer(Ui::Answer::No);
    click(form->exportButton);
    EXPECT_EQ(fileBytes(env.dir() + "/team.csv"), csv);
    EXPECT_TRUE(isLoaded(form));
    env.ui.answer(Ui::Answer::Yes);
    click(form->exportButton);
    EXPECT_EQ(env.ui.messages.back().text, "3 Records Exported To team.csv.");
}

TEST_F(ExchangeWindows, ImportPreviewChoicesAndConfirmation)
{
    const QByteArray before = env.openFile(people(1, 1));
    ImportDialog* form =
        openImport(crlf(QString("BEGIN:VCARD|FN:Person 1|END:VCARD|BEGIN:VCARD|FN:Łucja|END:VCARD|"
                                "BEGIN:VCARD|FN:Six Phones|TEL:1|TEL:2|TEL:3|TEL:4|TEL:5|TEL:6|"
                                "END:VCARD")
                            .split('|')));
    ASSERT_EQ(form->entryList->topLevelItemCount(), 3);
    EXPECT_EQ(form->summaryLabel->text(), "in.vcf (vCard): 3 Entries, 3 Need A Look, 2 To Import.");
    EXPECT_EQ(form->entryList->topLevelItem(0)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(form->entryList->topLevelItem(1)->text(1), "Characters replaced");
    form->entryList->setCurrentItem(form->entryList->topLevelItem(2));
    EXPECT_EQ(form->detailsEdit->toPlainText(), "Telephone 6 moved to Comments: “6”");
    click(form->overflowOptions[2]); // skip what does not fit
    EXPECT_EQ(form->entryList->topLevelItem(2)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(form->detailsEdit->toPlainText(), "Telephone 6 left out: “6”");
    form->entryList->topLevelItem(0)->setCheckState(0, Qt::Checked); // add the lookalike anyway

    env.ui.answer(Ui::Answer::No);
    click(form->importButton);
    EXPECT_EQ(env.ui.messages.back().text, "Import 2 Records Into The N&A File?");
    EXPECT_EQ(fileBytes(env.naPath()), before);
    env.ui.answer(Ui::Answer::Yes);
    click(form->importButton);
    EXPECT_EQ(env.ui.messages.back().text, "2 Records Imported, 1 Not Imported.\n\nThe Import Log "
                                           "Is tvlimport.log Beside The N&A File.");
    EXPECT_EQ(trimRight(stored(2).Name), "Person 1");
    EXPECT_EQ(trimRight(stored(3).Name), "Lucja");
    EXPECT_TRUE(QString::fromUtf8(fileBytes(env.dir() + "/" + kImportLogName))
                    .contains("Name: “Łucja” becomes “Lucja”"));
    EXPECT_FALSE(isLoaded(form));
}

TEST_F(ExchangeWindows, UnknownColumnsAreMappedAndTheMappingSaved)
{
    env.openFile({});
    const QByteArray csv = crlf({"Nom;Courriel", "Dupont;d@example.fr"});
    env.ui.onModal([](QDialog& d) {
        auto& map = static_cast<ColumnMappingDialog&>(d);
        EXPECT_EQ(map.columnCombos.size(), 2);
        click(map.okButton); // nothing mapped to a name yet: refused
        map.columnCombos[0]->setCurrentText("Name");
        map.columnCombos[1]->setCurrentText("E-mail");
        click(map.okButton);
    });
    ImportDialog* form = openImport(csv, "carnet.csv");
    EXPECT_EQ(env.ui.messages.back().text,
              "Please Choose A Column For Name, First Name, Last Name, "
              "Display Name Or Company.");
    ASSERT_EQ(form->plan().records.size(), 1);
    EXPECT_EQ(form->plan().records.at(0).entry.emails, QStringList{"d@example.fr"});
    // The next time the same columns come, the saved mapping is used at once.
    EXPECT_FALSE(readImportFile(p(), env.dir() + "/carnet.csv").needsMapping);
}

TEST_F(ExchangeWindows, BrowseChoosesTheFileAndEnterReadsTheOneTyped)
{
    env.openFile(people(1, 1));
    const QString chosen = env.dir() + "/people";
    const auto choose = [](const QString& path) {
        return [path](QDialog& d) {
            auto& dialog = static_cast<QFileDialog&>(d);
            EXPECT_EQ(dialog.objectName(), "FileDialog");
            // As a user would: the folder, then the name typed into the name box.
            dialog.setDirectory(QFileInfo(path).path());
            dialog.findChild<QLineEdit*>("fileNameEdit")->setText(QFileInfo(path).fileName());
            QMetaObject::invokeMethod(&dialog, "accept");
        };
    };
    startExport(p());
    auto* exportForm = windowOf<ExportDialog>("ExportForm");
    env.ui.onModal([](QDialog& d) { d.reject(); });
    click(exportForm->browseButton);
    EXPECT_TRUE(exportForm->fileEdit->text().isEmpty()); // cancelled: nothing chosen
    env.ui.onModal(choose(chosen));
    click(exportForm->browseButton);
    EXPECT_EQ(exportForm->fileEdit->text(),
              chosen + ".vcf"); // the format's suffix is added
    click(exportForm->exportButton);
    EXPECT_TRUE(fileBytes(chosen + ".vcf").startsWith("BEGIN:VCARD\r\n"));

    // Choosing a file to import reads it at once.
    startImport(p());
    auto* importForm = windowOf<ImportDialog>("ImportForm");
    env.ui.onModal(choose(chosen + ".vcf"));
    click(importForm->browseButton);
    EXPECT_EQ(importForm->fileEdit->text(), chosen + ".vcf");
    EXPECT_EQ(importForm->entryList->topLevelItemCount(), 1);
    // Enter in the file box reads the file typed there; it does not press Browse.
    writeBytes(env.dir() + "/empty.vcf", QByteArray());
    type(importForm->fileEdit, "empty.vcf");
    importForm->fileEdit->setFocus();
    pressKey(importForm, Qt::Key_Return);
    EXPECT_EQ(env.ui.messages.back().text, "empty.vcf: The file is empty.\nNothing Was Imported.");
    EXPECT_FALSE(importForm->importButton->isEnabled());
}

} // namespace
} // namespace tavrel::test
