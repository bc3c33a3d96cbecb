// The calibration window checks what is typed and keeps it per print queue.
#include "ShellFixture.h"

#include "shell/PrinterCalibrationDialog.h"

#include <QComboBox>
#include <QRadioButton>

namespace tavrel::test {

using PrinterCalibrationTest = ShellTest;

TEST_F(PrinterCalibrationTest, ChecksTheFiguresAndKeepsThemPerPrinter)
{
    openFile(2);
    env.ui.setAutoOk(true);
    const QString lab = QStringLiteral("Lab");
    PrinterCalibrationDialog d(env.p(), {QStringLiteral("Office"), lab}, lab);
    d.show();
    EXPECT_TRUE(d.okButton->isDefault());
    QLineEdit* const edits[] = {d.offsetXEdit, d.offsetYEdit, d.scaleXEdit, d.scaleYEdit};
    struct Case {
        bool inches;
        const char* typed[4];
        const char* refused; // part of the message; null when saved
        int focus;           // the box refused
        PrinterCalibration saved;
    } cases[] = {
        {false, {"0", "0", "102", "98"}, nullptr, 0, {0, 0, 102, 98}},
        {false, {"2.5", "-1,5", "", " "}, nullptr, 0, {2.5, -1.5, 100, 100}},
        {true, {"0.1", "-0.2", "101", "99.5"}, nullptr, 0, {2.54, -5.08, 101, 99.5}},
        {false, {"0", "-10.5", "", ""}, "At Most 10 mm", 1, {}},
        {true, {"0.4", "0", "", ""}, "At Most 0.39 Inches", 0, {}},
        {false, {"1mm", "0", "", ""}, "\"1mm\" Is Not A Number", 0, {}},
        {false, {"0", "0", "97.9", ""}, "From 98 To 102 Percent", 2, {}},
        {false, {"0", "0", "100", "102.1"}, "From 98 To 102 Percent", 3, {}},
        {false, {"0", "0", "100", "x"}, "From 98 To 102 Percent", 3, {}},
    };
    PrinterCalibration kept;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed[0]) + " " + c.typed[1] + " " + c.typed[2] + " " +
                     c.typed[3]);
        env.ui.messages.clear();
        click(c.inches ? d.inchesOption : d.millimetresOption);
        for (int i = 0; i < 4; ++i)
            type(edits[i], QLatin1String(c.typed[i]));
        d.setResult(QDialog::Rejected);
        click(d.okButton);
        if (c.refused) {
            ASSERT_EQ(env.ui.messages.size(), 1u);
            EXPECT_TRUE(env.ui.last().text.contains(QLatin1String(c.refused)))
                << env.ui.last().text.toStdString();
            EXPECT_EQ(d.result(), QDialog::Rejected);
            EXPECT_EQ(d.focusWidget(), edits[c.focus]);
        } else {
            EXPECT_TRUE(env.ui.messages.empty());
            EXPECT_EQ(d.result(), QDialog::Accepted);
            kept = c.saved;
        }
        EXPECT_EQ(loadCalibration(*env.files, lab), kept);
        d.show();
    }

    // Each printer shows its own figures (Office none), in the units chosen.
    d.printerCombo->setCurrentIndex(0);
    EXPECT_EQ(d.offsetXEdit->text(), QStringLiteral("0"));
    d.printerCombo->setCurrentIndex(1);
    click(d.millimetresOption);
    EXPECT_EQ(d.offsetYEdit->text(), QStringLiteral("-5.08"));
    click(d.inchesOption);
    EXPECT_EQ(d.offsetYEdit->text(), QStringLiteral("-0.2"));

    // The sheet goes to the queue shown, as a document of its own.
    struct Sheet : RecordingPrinter {
        int* ended;
        explicit Sheet(int* e) : ended(e) {}
        ~Sheet() override { *ended = texts.empty() ? -1 : documents; }
    };
    QString opened;
    int ended = 0;
    d.openPrinter = [&](const QString& queue) {
        opened = queue;
        return std::unique_ptr<Printer>(new Sheet(&ended));
    };
    click(d.printSheetButton);
    EXPECT_EQ(opened, lab);
    EXPECT_EQ(ended, 1);

    // Without a printer there is nothing to calibrate: only OK and Cancel work.
    PrinterCalibrationDialog none(env.p(), {}, QString());
    const QWidget* off[] = {none.printerCombo, none.millimetresOption, none.inchesOption,
                            none.offsetXEdit,  none.offsetYEdit,       none.scaleXEdit,
                            none.scaleYEdit,   none.printSheetButton};
    for (const QWidget* w : off)
        EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
    EXPECT_TRUE(none.okButton->isEnabled());
}

} // namespace tavrel::test
