#include "search/gui/MatchWindow.h"

#include "platform/Text.h"
#include "records/gui/RecordScreens.h"
#include "store/ContactAccess.h"
#include "store/Program.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace tavrel {

namespace {

constexpr int kGapBelowRecordScreen = 4; // pixels

} // namespace

MatchWindow::MatchWindow(Program& program, const NARecord& shown, int screenOnDisplay,
                         QWidget* parent)
    : QDialog(parent), p(program), shown_(shown), screenOnDisplay_(screenOnDisplay)
{
    // A match window closed with its close box answers as its first button.
    p.MatchAnswer = AnswerContinue;
}

QPushButton* MatchWindow::addButton(const QString& caption, const QString& toolTip)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QStringLiteral("Command3D1_%1").arg(answerButtons.size()));
    if (!toolTip.isEmpty())
        b->setToolTip(toolTip);
    answerButtons << b;
    return b;
}

QString MatchWindow::switchCaption() const
{
    return screenOnDisplay_ == 2 ? tr("&Screen 1") : tr("&Screen 2");
}

void MatchWindow::answerAndClose(int answer)
{
    p.MatchAnswer = answer;
    accept();
}

void MatchWindow::copyNameAndAddress()
{
    const FieldTexts originals = originalsOf(p, shown_.RecId, shown_);
    if (originals.empty()) {
        tavrel::copyNameAndAddress(p, shown_);
        return;
    }
    // The lines as the person spelled them; the others as the record holds them.
    QString text;
    const QString* lines[] = {&shown_.Name, &shown_.AddrLine1, &shown_.AddrLine2, &shown_.AddrLine3,
                              &shown_.AddrLine4};
    for (int f = 0; f < 5; ++f) {
        const auto original = originals.find(ContactField(f));
        text += original != originals.end()
                    ? padRight(original->second, qMax<int>(Width::Addr, original->second.size()))
                    : cp1252ToUnicode(fixedField(*lines[f], Width::Addr));
        text += QLatin1Char('\n');
    }
    p.clipboard.clear();
    p.clipboard.setText(text);
    p.ui.messageBox(QCoreApplication::translate("tavrel::RecordScreens",
                                                "Name And Address Copied To Windows Clipboard."),
                    kTitle, Ui::Buttons::Ok);
}

void MatchWindow::keyPressEvent(QKeyEvent* event)
{
    // A dialog would take Esc for its close box, and closing counts as the
    // first button: with saving on, that silently adds the record.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void MatchWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Centred across, and low enough to leave the record screen above it in view.
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const double twipsPerPixel = 1440.0 / screen->logicalDotsPerInchY();
    const int marginTwips = p.ScreenSizeFigure >= 140  ? 2000
                            : p.ScreenSizeFigure >= 90 ? 1000
                                                       : 500;
    const QRect area = screen->geometry();
    const QRect frame = frameGeometry();
    const int x = area.x() + (area.width() - frame.width()) / 2;
    int y = area.y() + area.height() - frame.height() - int(marginTwips / twipsPerPixel);
    // A record screen taller than the margin allows for would be partly
    // covered: then sit just under it, as far as the screen has room.
    if (const QWidget* record = recordScreen(p, recordScreenOnDisplay(p));
        record && record->isVisible()) {
        const int below = record->frameGeometry().bottom() + 1 + kGapBelowRecordScreen;
        if (y < below)
            y = qMin(below, area.bottom() + 1 - frame.height());
    }
    move(x, qMax(area.y(), y));
}

} // namespace tavrel
