#include "platform/gui/PrintSending.h"

#include "platform/gui/Named.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tavrel {

PrintSendingWindow::PrintSendingWindow()
{
    setObjectName(QStringLiteral("PrtSendForm"));
    setWindowTitle(QCoreApplication::translate("tavrel::PrintSending", "Printing"));
    setModal(true);
    messageLabel = named(
        new QLabel(QCoreApplication::translate("tavrel::PrintSending", "Sending to printer..."),
                   this),
        "Label1");
    messageLabel->setAlignment(Qt::AlignCenter);
    messageLabel->setMinimumWidth(300);
    cancelButton =
        named(new QPushButton(QCoreApplication::translate("tavrel::PrintSending", "Cancel"), this),
              "CancelButton");
    cancelButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancelButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(messageLabel);
    layout->addLayout(buttons);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

namespace {

QString slowText(int seconds)
{
    return QCoreApplication::translate("tavrel::PrintSending",
                                       "The Print System Has Not Taken The Document In %1 "
                                       "Seconds.\nClick Cancel To Stop Sending It.")
        .arg(seconds);
}

// The print run's progress window on screen, if any.
ShowsPrintSending* shownRunWindow()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows)
        if (auto* shows = dynamic_cast<ShowsPrintSending*>(w); shows && w->isVisible())
            return shows;
    return nullptr;
}

} // namespace

void PrintSendingWindow::showSlow(int seconds)
{
    messageLabel->setText(slowText(seconds));
    adjustSize();
}

namespace {

// The print command's error output as the person should read it: its own
// words without the command's name (or path) in front.
QString wordsOf(QProcess& process, const QString& command)
{
    const QString out = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    QStringList lines;
    for (QString line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        line = line.trimmed();
        const qsizetype colon = line.indexOf(QStringLiteral(": "));
        if (colon > 0 && line.left(colon).section(QLatin1Char('/'), -1) == command)
            line = line.mid(colon + 2);
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

PrintSendResult sendToPrintSystem(const QString& command, const QStringList& arguments,
                                  std::chrono::milliseconds patience)
{
    PrintSendResult result;
    QProcess process;
    process.setProgram(command);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    // Starting (or failing to) is a fork and an exec; the waiting comes after.
    if (!process.waitForStarted(10000)) {
        result.outcome = process.error() == QProcess::FailedToStart
                             ? PrintSendResult::Outcome::NoCommand
                             : PrintSendResult::Outcome::Refused;
        result.words =
            QCoreApplication::translate("tavrel::PrintSending", "The Print Command Did Not Start.");
        return result;
    }

    bool cancelled = false;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    const auto cancel = [&] {
        cancelled = true;
        loop.quit();
    };
    const QString sending =
        QCoreApplication::translate("tavrel::PrintSending", "Sending to printer...");
    ShowsPrintSending* runWindow = shownRunWindow();
    PrintSendingWindow window;
    if (runWindow)
        runWindow->showSending(sending, cancel);
    else
        QObject::connect(&window, &QDialog::rejected, &loop, cancel);
    QTimer slow;
    slow.setSingleShot(true);
    QObject::connect(&slow, &QTimer::timeout, &window, [&] {
        const int seconds = int((patience.count() + 999) / 1000);
        if (runWindow)
            runWindow->showSending(slowText(seconds), cancel);
        else
            window.showSlow(seconds);
        QApplication::beep();
    });
    if (!runWindow)
        window.show();
    slow.start(patience);
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    slow.stop();
    window.hide();
    if (runWindow)
        runWindow->sendingEnded();

    if (cancelled && process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
        result.outcome = PrintSendResult::Outcome::Cancelled;
        return result;
    }
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return result;
    result.outcome = PrintSendResult::Outcome::Refused;
    result.words = wordsOf(process, command);
    if (result.words.isEmpty())
        result.words =
            QCoreApplication::translate("tavrel::PrintSending",
                                        "The Print Command Ended With Error %1.")
                .arg(process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1);
    return result;
}

} // namespace tavrel
