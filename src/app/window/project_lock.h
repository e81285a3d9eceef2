#pragma once
// The lock a desktop Vendrix keeps beside the project it has open, so that a
// second Vendrix opening the same project learns who has it and may open it
// read-only or anyway. A lock left by a Vendrix that crashed is taken over
// without a word; where no lock can be made (a read-only folder) the project
// opens unlocked.

#include "app/dialogs/common/dialog_runner.h"
#include "app/ui_services.h"

#include <QString>

#include <memory>

class QLockFile;
class QWidget;

namespace vendrix {

inline constexpr const char *kProjectHeldQuestion
    = "%1 is open in another Vendrix (%2).\n\nOpen it read-only, or open it anyway? When both "
      "save it, the last one saved replaces the other's changes.";
inline constexpr const char *kProjectHeldOnSaving
    = "%1 is open in another Vendrix (%2). Save the project under another name.";
inline constexpr const char *kProjectNotLockedNote
    = "%1 is not locked: no lock file can be made in its folder, so another Vendrix opening it "
      "is not warned.";

// How the open project's file is held.
enum class ProjectAccess {
    Locked, // this Vendrix holds the lock
    Unlockable, // no lock can be made in its folder
    ReadOnly, // another Vendrix holds it; Save asks for a new name
    Anyway, // another Vendrix holds it; opened all the same
    Cancelled, // the user chose not to open it
};

// A lock asked for before a project is opened or saved under a name, kept by
// ProjectLock once that succeeded and dropped (released) otherwise.
struct LockClaim
{
    LockClaim();
    LockClaim(LockClaim &&) noexcept;
    LockClaim &operator=(LockClaim &&) noexcept;
    ~LockClaim();

    QString projectPath;
    std::unique_ptr<QLockFile> file; // null unless this claim took the lock
    ProjectAccess access = ProjectAccess::Cancelled;
    QString holder; // who holds it, when another Vendrix does
};

class ProjectLock
{
public:
    explicit ProjectLock(const UiServices &services, DialogRunner runDialog = execRunner());
    void setDialogRunner(DialogRunner runDialog) { m_runDialog = std::move(runDialog); }

    // Locks `projectPath` for opening; when another Vendrix holds it, asks
    // whether to open it read-only, open it anyway or cancel.
    LockClaim claimForOpening(QWidget *parent, const QString &projectPath);
    // Locks `projectPath` for saving there; when another Vendrix holds it, says
    // so and gives a cancelled claim.
    LockClaim claimForSaving(QWidget *parent, const QString &projectPath);
    // Holds `claim` in place of the lock held so far.
    void keep(LockClaim claim);
    void release();

    ProjectAccess access() const { return m_held.access; }
    bool readOnly() const { return m_held.access == ProjectAccess::ReadOnly; }

private:
    bool holds(const QString &projectPath) const;
    ProjectAccess askHowToOpen(QWidget *parent, const LockClaim &claim);

    UiServices m_services;
    DialogRunner m_runDialog;
    LockClaim m_held;
};

} // namespace vendrix
