#include "records/gui/RecordScreens.h"

#include "exchange/Import.h"
#include "platform/Text.h"
#include "platform/gui/Windows.h"
#include "records/gui/AddressScreen.h"
#include "records/gui/DetailScreen.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

namespace tavrel {

namespace {

// The record as the file holds it: every field at its width, in the code page.
NARecord asStored(const NARecord& r)
{
    return NARecord::fromBytes(r.toBytes());
}

// Both screens, loading them (hidden) when they are not loaded yet.
std::pair<AddressScreen*, DetailScreen*> loadScreens(Program& p)
{
    AddressScreen* one = loadedScreen1(p);
    DetailScreen* two = loadedScreen2(p);
    if (one && two)
        return {one, two};
    if (one)
        unloadWindow(one);
    if (two)
        unloadWindow(two);
    auto session = std::make_shared<RecordSession>();
    one = new AddressScreen(p, session);
    two = new DetailScreen(p, session);
    session->one = one;
    session->two = two;
    loadHidden(one);
    loadHidden(two);
    one->applyMode();
    two->applyMode();
    one->place();
    two->place();
    return {one, two};
}

QString boxText(const QLineEdit* box)
{
    return box ? box->text() : QString();
}

} // namespace

void showRecordScreens(Program& p)
{
    auto [one, two] = loadScreens(p);
    one->applyMode();
    two->applyMode();
    if (!isAddMode(p.ScreenMode)) {
        fillScreen1(p);
        fillScreen2(p);
    }
    one->place();
    two->place();
    one->showInstead();
}

void fillScreens(RecordSession& session, const NARecord& stored)
{
    session.shown = stored;
    if (session.one)
        session.one->fill(session.shown);
    if (session.two) {
        if (session.two->isVisible())
            session.two->fill(session.shown);
        else
            session.screen2Behind = true;
    }
}

void fillScreen1(Program& p)
{
    if (AddressScreen* one = loadedScreen1(p)) {
        one->fill(p.CurRec);
        one->session().shown = asStored(p.CurRec);
    }
}

void fillScreen2(Program& p)
{
    if (DetailScreen* two = loadedScreen2(p)) {
        two->fill(p.CurRec);
        two->session().shown = asStored(p.CurRec);
    }
}

void assembleRecord(Program& p, int id)
{
    AddressScreen* one = loadedScreen1(p);
    DetailScreen* two = loadedScreen2(p);
    NARecord& r = p.CurRec;
    r.RecStatus = QStringLiteral("CRVN");
    r.RecId = qint16(id);
    if (one) {
        r.Name = one->nameEdit->text();
        r.AddrLine1 = one->addressLineEdits[0]->text();
        r.AddrLine2 = one->addressLineEdits[1]->text();
        r.AddrLine3 = one->addressLineEdits[2]->text();
        r.AddrLine4 = one->addressLineEdits[3]->text();
        for (int i = 0; i < 5; ++i) {
            r.phoneType(i + 1) = one->phoneTypeCombos[i]->currentText();
            r.phoneNum(i + 1) = one->phoneNumberEdits[i]->text();
        }
    }
    if (two) {
        r.Comments = two->commentsEdit->text();
        r.SortKey1 = two->sortKeyEdits[0]->text();
        r.SortKey2 = two->sortKeyEdits[1]->text();
        r.EMail = two->emailEdit->text();
        auto linkValue = [](const QString& t) -> qint16 {
            if (t.isEmpty())
                return 0;
            return qint16(qBound(-32768LL, leadingInteger(t), 32767LL));
        };
        for (int i = 0; i < 4; ++i) {
            r.linkText(i + 1) = two->linkTextEdits[i]->text();
            r.linkId(i + 1) = linkValue(boxText(two->linkIdEdits[i]));
        }
        r.BackLinkId = linkValue(boxText(two->linkIdEdits[4]));
    }
    // Cut and pad as the file will hold it, so the buffer is what gets stored.
    r = asStored(r);
}

void offerSortKeys(Program& p)
{
    AddressScreen* one = loadedScreen1(p);
    DetailScreen* two = loadedScreen2(p);
    if (!one || !two)
        return;
    QString keys[2];
    for (int i = 0; i < 2; ++i)
        keys[i] = two->sortKeyEdits[i]->text().trimmed().isEmpty() ? QString()
                                                                   : two->sortKeyEdits[i]->text();
    if (!keys[0].isEmpty() && !keys[1].isEmpty())
        return;
    // The keys an import would give the record, so typed records sort among imported ones.
    suggestSortKeys(one->nameEdit->text(), keys[0], keys[1]);
    for (int i = 0; i < 2; ++i) {
        if (two->sortKeyEdits[i]->text().trimmed().isEmpty() && !keys[i].isEmpty())
            two->sortKeyEdits[i]->setText(keys[i]);
    }
}

void clearRecordScreens(Program& p)
{
    if (AddressScreen* one = loadedScreen1(p))
        one->clear();
    if (DetailScreen* two = loadedScreen2(p))
        two->clear();
}

void showRecordScreen(Program& p, int screen)
{
    RecordScreen* s = nullptr;
    if (screen == 1)
        s = loadedScreen1(p);
    else if (screen == 2)
        s = loadedScreen2(p);
    if (s)
        s->showInstead();
}

int recordScreenOnDisplay(Program& p)
{
    if (AddressScreen* one = loadedScreen1(p); one && one->isVisible())
        return 1;
    if (DetailScreen* two = loadedScreen2(p); two && two->isVisible())
        return 2;
    return 0;
}

QWidget* recordScreen(Program& p, int screen)
{
    if (screen == 1)
        return loadedScreen1(p);
    if (screen == 2)
        return loadedScreen2(p);
    return nullptr;
}

bool recordScreensLoaded(Program& p)
{
    return loadedScreen1(p) || loadedScreen2(p);
}

void closeRecordScreens(Program& p)
{
    AddressScreen* one = loadedScreen1(p);
    DetailScreen* two = loadedScreen2(p);
    if (one)
        one->session().closing = true;
    if (two)
        two->session().closing = true;
    unloadWindow(one);
    unloadWindow(two);
}

NARecord recordOnDisplay(Program& p)
{
    if (AddressScreen* one = loadedScreen1(p))
        return one->session().shown;
    if (DetailScreen* two = loadedScreen2(p))
        return two->session().shown;
    return NARecord::blank();
}

QString nameAndAddressText(const NARecord& r)
{
    QString out;
    for (const QString* f : {&r.Name, &r.AddrLine1, &r.AddrLine2, &r.AddrLine3, &r.AddrLine4})
        out += cp1252ToUnicode(fixedField(*f, Width::Addr)) + QLatin1Char('\n');
    return out;
}

void copyNameAndAddress(Program& p, const NARecord& r)
{
    p.clipboard.clear();
    p.clipboard.setText(nameAndAddressText(r));
    p.ui.messageBox(QCoreApplication::translate("tavrel::RecordScreens",
                                                "Name And Address Copied To Windows Clipboard."),
                    kTitle, Ui::Buttons::Ok);
}

} // namespace tavrel
