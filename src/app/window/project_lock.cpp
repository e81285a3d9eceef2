#include "app/window/project_lock.h"

#include "graphics/qt_text.h"
#include "model/project_lock_file.h"

#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QPushButton>

namespace vendrix {

namespace {

// "vendrix, process 1234 on host"
QString holderText(const QLockFile &lock)
{
    qint64 pid = 0;
    QString host;
    QString program;
    if (!lock.getLockInfo(&pid, &host, &program))
        return QStringLiteral("a process that cannot be named");
    QString text = program.isEmpty() ? QStringLiteral("process %1").arg(pid)
                                     : QStringLiteral("%1, process %2").arg(program).arg(pid);
    return host.isEmpty() ? text : text + QStringLiteral(" on ") + host;
}

// Tries the lock of `projectPath` once, without waiting.
LockClaim tryLock(const QString &projectPath)
{
    LockClaim claim;
    claim.projectPath = projectPath;
    claim.file
        = std::make_unique<QLockFile>(pathToQString(projectLockPath(pathFromQString(projectPath))));
    // Stale only when its holder has ended, however old the lock is: a project
    // may stay open for days.
    claim.file->setStaleLockTime(0);
    if (claim.file->tryLock(0)) {
        claim.access = ProjectAccess::Locked;
        return claim;
    }
    if (claim.file->error() == QLockFile::LockFailedError)
        claim.holder = holderText(*claim.file);
    else
        claim.access = ProjectAccess::Unlockable;
    claim.file.reset();
    return claim;
}

// The claim on a project this Vendrix holds already: a second lock from the
// same process would be refused.
LockClaim lockAlreadyHeld(const QString &projectPath)
{
    LockClaim claim;
    claim.projectPath = projectPath;
    claim.access = ProjectAccess::Locked;
    return claim;
}

QString fileName(const QString &projectPath)
{
    return QFileInfo(projectPath).fileName();
}

} // namespace

LockClaim::LockClaim() = default;
LockClaim::LockClaim(LockClaim &&) noexcept = default;
LockClaim &LockClaim::operator=(LockClaim &&) noexcept = default;
LockClaim::~LockClaim() = default;

ProjectLock::ProjectLock(const UiServices &services, DialogRunner runDialog)
    : m_services(services)
    , m_runDialog(std::move(runDialog))
{ }

bool ProjectLock::holds(const QString &projectPath) const
{
    return m_held.file != nullptr && m_held.projectPath == projectPath;
}

LockClaim ProjectLock::claimForOpening(QWidget *parent, const QString &projectPath)
{
    if (holds(projectPath))
        return lockAlreadyHeld(projectPath);
    LockClaim claim = tryLock(projectPath);
    if (!claim.holder.isEmpty())
        claim.access = askHowToOpen(parent, claim);
    return claim;
}

LockClaim ProjectLock::claimForSaving(QWidget *parent, const QString &projectPath)
{
    if (holds(projectPath))
        return lockAlreadyHeld(projectPath);
    LockClaim claim = tryLock(projectPath);
    if (!claim.holder.isEmpty()) {
        showError(
            m_services, parent,
            QString::fromLatin1(kProjectHeldOnSaving).arg(fileName(projectPath), claim.holder));
    }
    return claim;
}

void ProjectLock::keep(LockClaim claim)
{
    // A claim without a file on a path this Vendrix locked: the lock stays, or
    // is taken again when it was given up on closing in between.
    if (claim.access == ProjectAccess::Locked && !claim.file) {
        if (holds(claim.projectPath))
            return;
        release();
        claim = tryLock(claim.projectPath);
        if (!claim.holder.isEmpty())
            claim.access = ProjectAccess::Anyway;
    }
    m_held = std::move(claim);
}

void ProjectLock::release()
{
    m_held = LockClaim();
}

ProjectAccess ProjectLock::askHowToOpen(QWidget *parent, const LockClaim &claim)
{
    QMessageBox box(
        QMessageBox::Warning, QStringLiteral("Vendrix"),
        QString::fromLatin1(kProjectHeldQuestion).arg(fileName(claim.projectPath), claim.holder),
        QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("projectHeldQuestion"));
    QPushButton *readOnly
        = box.addButton(QStringLiteral("Open &Read-Only"), QMessageBox::AcceptRole);
    readOnly->setObjectName(QStringLiteral("openReadOnly"));
    QPushButton *anyway
        = box.addButton(QStringLiteral("Open &Anyway"), QMessageBox::DestructiveRole);
    anyway->setObjectName(QStringLiteral("openAnyway"));
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(readOnly);
    box.setEscapeButton(QMessageBox::Cancel);
    m_runDialog(box);
    if (box.clickedButton() == readOnly)
        return ProjectAccess::ReadOnly;
    if (box.clickedButton() == anyway)
        return ProjectAccess::Anyway;
    return ProjectAccess::Cancelled;
}

} // namespace vendrix
