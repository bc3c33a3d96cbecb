#include "store/UndoFiles.h"

#include "platform/Errors.h"
#include "store/Program.h"
#include "store/UndoStore.h"

#include <QFileInfo>

namespace tavrel {

namespace {

const QString kListPrefix = QStringLiteral("tvlmail.");

QString identifierOf(const QString& fileName)
{
    return fileName.mid(kListPrefix.size());
}

} // namespace

bool isUndoListFileName(const QString& name)
{
    return name.size() > kListPrefix.size() && name.startsWith(kListPrefix, Qt::CaseInsensitive) &&
           Files::isPlainName(name);
}

std::optional<QByteArray> currentListFile(const Files& files, const QString& name)
{
    const QFileInfo info(files.path(name));
    if (!info.exists() && !info.isSymLink())
        return std::nullopt;
    // A link or a folder under a list's name is nothing a step can give back whole.
    if (info.isSymLink() || !info.isFile())
        throw PlatformError(ErrNo::PathFileAccess, name);
    if (info.size() > kMaxUndoFileBytes)
        throw PlatformError(ErrNo::PathFileAccess, name);
    return files.readAll(name);
}

ListUndoScope::ListUndoScope(Program& p, UndoKind kind, const QString& fileName) : p_(p)
{
    step_.kind = kind;
    step_.list = identifierOf(fileName);
    QStringList names = p.files.spellings(fileName);
    if (!names.contains(fileName))
        names.prepend(fileName);
    try {
        for (const QString& name : names) {
            UndoFile f;
            f.name = name;
            const std::optional<QByteArray> now = currentListFile(p.files, name);
            f.existedBefore = now.has_value();
            f.before = now.value_or(QByteArray());
            step_.files.append(f);
        }
    } catch (const PlatformError&) {
        usable_ = false;
    }
}

void ListUndoScope::commit()
{
    if (!usable_)
        return;
    bool changed = false;
    try {
        for (UndoFile& f : step_.files) {
            const std::optional<QByteArray> now = currentListFile(p_.files, f.name);
            f.existsAfter = now.has_value();
            f.after = now.value_or(QByteArray());
            changed = changed || f.existsAfter != f.existedBefore || f.after != f.before;
        }
    } catch (const PlatformError&) {
        // What the command left cannot be kept: the step is done, but cannot be undone.
        return;
    }
    usable_ = false;
    if (!changed)
        return;
    p_.Undo.add(step_);
    saveUndoHistory(p_);
}

const UndoFile* changedListFile(const Files& files, const UndoStep& step, bool undo)
{
    for (const UndoFile& f : step.files) {
        const bool shouldExist = undo ? f.existsAfter : f.existedBefore;
        const QByteArray& expected = undo ? f.after : f.before;
        std::optional<QByteArray> now;
        try {
            now = currentListFile(files, f.name);
        } catch (const PlatformError& e) {
            // A link, a folder or a huge file is a change; a failing disk is not.
            if (e.number() != ErrNo::PathFileAccess)
                throw;
            return &f;
        }
        if (now.has_value() != shouldExist || (now && *now != expected))
            return &f;
    }
    return nullptr;
}

void writeListFiles(const Files& files, const UndoStep& step, bool undo)
{
    // Files that come back first, so a failure part way removes nothing.
    for (const UndoFile& f : step.files) {
        if (undo ? f.existedBefore : f.existsAfter)
            files.replaceFile(f.name, undo ? f.before : f.after, kMailListTempName);
    }
    for (const UndoFile& f : step.files) {
        if (!(undo ? f.existedBefore : f.existsAfter) && files.exists(f.name))
            files.remove(f.name);
    }
}

} // namespace tavrel
