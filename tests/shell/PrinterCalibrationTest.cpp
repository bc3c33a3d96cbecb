// The calibration window checks what is typed and keeps it per print queue.
#include "ShellFixture.h"

#include "platform/gui/RecordingPrinter.h"
#include "shell/PrinterCalibrationDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tavrel::test {

class PrinterCalibrationTest : public ShellTest {};

TEST_F(PrinterCalibrationTest, ChecksTheFiguresAndKeepsThemPerPrinter)
{
    openFile(2);
    env.ui.setAutoOk(true);
    const QString lab = QStringLiteral("Lab");
    PrinterCalibrationDialog d(env.p(), {QStringLiteral("Office"), lab}, lab);
    d.show();
    struct Case {
        bool inches;
        const char *x, *y, *sx, *sy;
        const char* refused; // part of the message; null when saved
        QLineEdit* PrinterCalibrationDialog::*focus;
        PrinterCalibration saved;
    } cases[] = {
        {false, "2.5", "-1,5", "", " ", nullptr, nullptr, {2.5, -1.5, 100, 100}},
        {true, "0.1", "-0.2", "101", "99.5", nullptr, nullptr, {2.54, -5.08, 101, 99.5}},
        {false, "0", "-10.5", "", "", "At Most 10 mm", &PrinterCalibrationDialog::offsetYEdit, {}},
        {true, "0.4", "0", "", "", "At Most 0.39 Inches", &PrinterCalibrationDialog::offsetXEdit, {}},
        {false, "1mm", "0", "", "", "\"1mm\" Is Not A Number",
         &PrinterCalibrationDialog::offsetXEdit, {}},
        {false, "0", "0", "97.9", "", "From 98 To 102 Percent",
         &PrinterCalibrationDialog::scaleXEdit, {}},
        {false, "0", "0", "100", "x", "From 98 To 102 Percent",
         &PrinterCalibrationDialog::scaleYEdit, {}},
    };
    PrinterCalibration kept;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.x) + " " + c.y + " " + c.sx + " " + c.sy);
        env.ui.messages.clear();
        click(c.inches ? d.inchesOption : d.millimetresOption);
        type(d.offsetXEdit, QLatin1String(c.x));
        type(d.offsetYEdit, QLatin1String(c.y));
        type(d.scaleXEdit, QLatin1String(c.sx));
        type(d.scaleYEdit, QLatin1String(c.sy));
        d.setResult(QDialog::Rejected);
        click(d.okButton);
        if (c.refused) {
            ASSERT_EQ(env.ui.messages.size(), 1u);
            EXPECT_TRUE(env.ui.last().text.contains(QLatin1String(c.refused)))
                << env.ui.last().text.toStdString();
            EXPECT_EQ(d.result(), QDialog::Rejected);
            EXPECT_EQ(d.focusWidget(), d.*c.focus);
        } else {
            EXPECT_TRUE(env.ui.messages.empty());
            EXPECT_EQ(d.result(), QDialog::Accepted);
            kept = c.saved;
        }
        const PrinterCalibration now = loadCalibration(*env.files, lab);
        EXPECT_NEAR(now.offsetXmm, kept.offsetXmm, 1e-9);
        EXPECT_NEAR(now.offsetYmm, kept.offsetYmm, 1e-9);
        EXPECT_EQ(now.scaleXPercent, kept.scaleXPercent);
        EXPECT_EQ(now.scaleYPercent, kept.scaleYPercent);
        d.show();
    }
    EXPECT_TRUE(loadCalibration(*env.files, QStringLiteral("Office")).isIdentity());

    // Each printer shows its own figures, in the units chosen.
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
}

} // namespace tavrel::test
