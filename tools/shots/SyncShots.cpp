// The sync window as it opens the first time.
#include "Shots.h"

#include "platform/gui/Windows.h"
#include "sync/gui/SyncConflictDialog.h"
#include "sync/gui/SyncDialog.h"

namespace {

// The shots run where no secret store may run: none is asked.
class NoSecretStore : public tavrel::SecretStore {
public:
    std::optional<QString> read(const QString&) override { return std::nullopt; }
    bool write(const QString&, const QString&) override { return false; }
};

} // namespace

TAVREL_SHOT("SyncForm")
{
    auto* passwords = new tavrel::SyncPasswords(std::make_unique<NoSecretStore>());
    tavrel::startSync(s.p(), *passwords);
    QWidget* form = tavrel::loadedWindow(QStringLiteral("SyncForm"));
    QObject::connect(form, &QObject::destroyed, [passwords] { delete passwords; });
    return form;
}

TAVREL_SHOT("SyncConflictForm")
{
    tavrel::NARecord mine = tavrel::NARecord::blank();
    mine.Name = QStringLiteral("Castillo, Marta");
    mine.EMail = QStringLiteral("marta@castillo.example");
    mine.PhoneType1 = QStringLiteral("Home");
    mine.PhoneNum1 = QStringLiteral("0611 123456");
    tavrel::NARecord theirs = mine;
    theirs.EMail = QStringLiteral("m.castillo@work.example");
    theirs.PhoneNum1 = QStringLiteral("0611 654321");
    auto* form =
        new tavrel::SyncConflictDialog({3,
                                        {tavrel::SyncField::Phone1, tavrel::SyncField::EMail},
                                        mine.toBytes(),
                                        theirs.toBytes()});
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    return form;
}
