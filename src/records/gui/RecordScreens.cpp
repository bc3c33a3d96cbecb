#include "records/gui/RecordScreens.h"

#include "exchange/Import.h"
#include "platform/Text.h"
#include "platform/gui/Windows.h"
#include "records/RecordFields.h"
#include "records/gui/AddressScreen.h"
#include "records/gui/DetailScreen.h"
#include "store/ContactAccess.h"
#include "store/Program.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>

namespace tavrel {

namespace {

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

void fillScreens(RecordSession& session, const Contact& stored)
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
        one->session().shown = contactInBuffer(p);
        one->fill(one->session().shown);
    }
}

void fillScreen2(Program& p)
{
    if (DetailScreen* two = loadedScreen2(p)) {
        two->session().shown = contactInBuffer(p);
        two->fill(two->session().shown);
    }
}

Contact screensContact(Program& p, int id)
{
    AddressScreen* one = loadedScreen1(p);
    DetailScreen* two = loadedScreen2(p);
    Contact c = decodeContact(p.CurRec);
    c.id = id;
    c.active = true;
    if (one) {
        c.text(ContactField::Name) = one->nameEdit->text();
        for (int i = 0; i < 4; ++i)
            c.text(addressLineField(i)) = one->addressLineEdits[i]->text();
        for (int i = 0; i < 5; ++i) {
            c.text(phoneTypeField(i)) = one->phoneTypeCombos[i]->currentText();
            c.text(phoneNumberField(i)) = one->phoneNumberEdits[i]->text();
        }
    }
    if (two) {
        c.text(ContactField::Comments) = two->commentsEdit->text();
        for (int i = 0; i < 2; ++i)
            c.text(sortKeyField(i)) = two->sortKeyEdits[i]->text();
        c.text(ContactField::EMail) = two->emailEdit->text();
        for (int i = 0; i < 4; ++i) {
            c.text(linkTextField(i)) = two->linkTextEdits[i]->text();
            c.linkIds[size_t(i)] = linkIdValue(boxText(two->linkIdEdits[i]));
        }
        c.backLinkId = linkIdValue(boxText(two->linkIdEdits[4]));
    }
    return c;
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

Contact contactOnDisplay(Program& p)
{
    if (AddressScreen* one = loadedScreen1(p))
        return one->session().shown;
    if (DetailScreen* two = loadedScreen2(p))
        return two->session().shown;
    return decodeContact(NARecord::blank());
}

NARecord recordOnDisplay(Program& p)
{
    if (!loadedScreen1(p) && !loadedScreen2(p))
        return NARecord::blank();
    return NARecord::fromBytes(encodeContact(contactOnDisplay(p)).record.toBytes());
}

void copyNameAndAddress(Program& p, const Contact& c)
{
    p.clipboard.clear();
    p.clipboard.setText(nameAndAddressText(c));
    p.ui.messageBox(QCoreApplication::translate("tavrel::RecordScreens",
                                                "Name And Address Copied To Windows Clipboard."),
                    kTitle, Ui::Buttons::Ok);
}

void copyNameAndAddress(Program& p, const NARecord& r)
{
    copyNameAndAddress(p, contactOf(p, r.RecId, r));
}

} // namespace tavrel
