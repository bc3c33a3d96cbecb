// Contacts and the record bytes they make, and the file of original spellings
// kept beside the N&A file.
#include "store/Contact.h"
#include "platform/Files.h"
#include "store/OriginalSpellings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace tavrel;

namespace {

Contact person(const QString& name)
{
    Contact c;
    c.id = 7;
    c.text(ContactField::Name) = name;
    c.text(ContactField::AddrLine1) = QStringLiteral("12 Main Street");
    c.text(ContactField::LinkText2) = QStringLiteral("Ольга");
    c.linkIds = {0, 9, 0, 0};
    c.backLinkId = 3;
    c.spares = {1, -2, 3};
    return c;
}

mode_t modeOf(const QString& path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

} // namespace

// The record holds what the code page can; the person's own spelling of each
// other field comes back only with the originals kept for it, every field in
// its place, the numbers as they were.
TEST(Contact, ARecordKeepsTheTransliterationAndTheOriginalsGiveTheSpellingBack)
{
    const Contact c = person(QStringLiteral("Иван Петров"));
    const EncodedContact e = encodeContact(c);
    EXPECT_EQ(e.record.Name, QStringLiteral("Ivan Petrov"));
    EXPECT_EQ(e.record.LinkText2, QStringLiteral("Olga"));
    EXPECT_EQ(e.record.RecStatus, QStringLiteral("CRVN"));
    EXPECT_EQ(e.originals, (FieldTexts{{ContactField::Name, QStringLiteral("Иван Петров")},
                                       {ContactField::LinkText2, QStringLiteral("Ольга")}}));
    EXPECT_TRUE(e.cut.empty());

    const NARecord read = NARecord::fromBytes(e.record.toBytes());
    const Contact plain = decodeContact(read);
    EXPECT_EQ(plain.text(ContactField::Name), QStringLiteral("Ivan Petrov")) << "no blanks after";
    EXPECT_EQ(plain.text(ContactField::AddrLine1), QStringLiteral("12 Main Street"));
    const Contact back = decodeContact(read, e.originals);
    EXPECT_EQ(back.texts, c.texts);
    EXPECT_EQ(std::tuple(back.id, back.active, back.linkIds, back.backLinkId, back.spares),
              std::tuple(c.id, c.active, c.linkIds, c.backLinkId, c.spares));

    Contact deleted = c;
    deleted.active = false;
    EXPECT_EQ(encodeContact(deleted).record.RecStatus, QStringLiteral("DELR"));
    EXPECT_FALSE(decodeContact(encodeContact(deleted).record).active);
}

// Widths count characters of what is stored: a transliteration longer than
// its field is cut and said to be, a text of exactly the width is not.
TEST(Contact, WhatIsCutIsCountedInStoredCharacters)
{
    Contact c;
    c.text(ContactField::PhoneType1) = QStringLiteral("Щука"); // "Shchuka": 7 > 6
    c.text(ContactField::EMail) = QString(35, u'e');
    c.text(ContactField::Comments) = QString(101, u'c');
    const EncodedContact e = encodeContact(c);
    EXPECT_EQ(e.record.PhoneType1, QStringLiteral("Shchuk"));
    EXPECT_EQ(e.cut, (std::vector{ContactField::PhoneType1, ContactField::Comments}));
    EXPECT_EQ(e.record.EMail.size(), 35);
    EXPECT_EQ(contactFieldWidth(ContactField::LinkText4), 20);
    EXPECT_STREQ(contactFieldName(ContactField::LinkText4), "LinkText4");
    EXPECT_STREQ(contactFieldName(ContactField::SortKey2), "SortKey2");
}

// Kept, saved and read again; an entry counts only while its record has the
// bytes it was kept for, and goes when its record was changed elsewhere.
TEST(OriginalSpellings, AnEntryHoldsOnlyWhileItsRecordIsUnchanged)
{
    QTemporaryDir dir;
    Files files(dir.path());
    QFile na(dir.filePath(QStringLiteral("n&a.mrk")));
    ASSERT_TRUE(na.open(QIODevice::WriteOnly));
    na.close();
    na.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);

    const EncodedContact ivan = encodeContact(person(QStringLiteral("Иван Петров")));
    const EncodedContact greek = encodeContact(person(QStringLiteral("Γιώργος = 100% a b")));
    const QByteArray ivanBytes = ivan.record.toBytes(), greekBytes = greek.record.toBytes();
    OriginalSpellings kept;
    kept.keep(7, ivanBytes, ivan.originals);
    kept.keep(8, greekBytes, greek.originals);
    kept.keep(9, greekBytes, {}); // nothing to keep: no entry
    EXPECT_TRUE(kept.changed());
    kept.save(files, na.fileName());
    EXPECT_FALSE(kept.changed());
    EXPECT_EQ(modeOf(files.path(kOriginalSpellingsName)), 0640u) << "as the N&A file";

    OriginalSpellings read;
    ASSERT_EQ(read.load(files), OriginalSpellings::Loaded::Read);
    EXPECT_EQ(read.size(), 2);
    EXPECT_EQ(read.originalsFor(7, ivanBytes), ivan.originals);
    EXPECT_EQ(read.originalsFor(8, greekBytes), greek.originals);
    EXPECT_TRUE(read.originalsFor(8, ivanBytes).empty()) << "other bytes: the record's own";
    EXPECT_TRUE(read.originalsFor(9, greekBytes).empty());

    read.move(8, 3);
    EXPECT_EQ(read.originalsFor(3, greekBytes), greek.originals);
    QByteArray changedElsewhere = ivanBytes;
    changedElsewhere[10] = 'X';
    read.dropStale([&](int id) { return id == 7 ? changedElsewhere : greekBytes; });
    EXPECT_EQ(read.size(), 1);
    read.save(files, na.fileName());
    OriginalSpellings again;
    again.load(files);
    EXPECT_EQ(again.serialized(), read.serialized());

    again.forget(3);
    again.save(files, na.fileName());
    EXPECT_FALSE(files.exists(kOriginalSpellingsName)) << "nothing kept: no file";
    EXPECT_EQ(again.load(files), OriginalSpellings::Loaded::Missing);
}

// Whatever lies under the name, a load ends with entries that can be trusted
// or with none, and says which.
TEST(OriginalSpellings, ADamagedFileIsReadAsNoneAndSaysSo)
{
    const QByteArray digest(40, 'a');
    const QByteArray good = "TVLSPELL 1\n7 " + digest + " Name=%D0%98\n";
    OriginalSpellings s;
    ASSERT_TRUE(s.parse(good));
    EXPECT_EQ(s.size(), 1);
    for (const QByteArray& bad : QList<QByteArray>{
             QByteArray(), QByteArray("TVLSPELL 2\n"), good.chopped(1),
             good + "7 " + digest + " Name=x\n", "TVLSPELL 1\n0 " + digest + " Name=x\n",
             QByteArray("TVLSPELL 1\n7 abc Name=x\n"), "TVLSPELL 1\n7 " + digest + " Nickname=x\n",
             "TVLSPELL 1\n7 " + digest + " Name\n", "TVLSPELL 1\n7 " + digest + " Name=a Name=b\n",
             "TVLSPELL 1\n7 " + digest + "\n", QByteArray("TVLSPELL 1\n\n"),
             QByteArray(100, '\0')}) {
        EXPECT_FALSE(s.parse(bad)) << bad.toStdString();
        EXPECT_EQ(s.size(), 0);
    }
    EXPECT_TRUE(s.parse("TVLSPELL 1\n"));

    QTemporaryDir dir;
    Files files(dir.path());
    files.replaceFile(kOriginalSpellingsName, "TVLSPELL 1\nnonsense\n");
    EXPECT_EQ(s.load(files), OriginalSpellings::Loaded::Damaged);
    EXPECT_EQ(s.size(), 0);
}
