#pragma once
// One undoable change of the record: the saved fields before and after it, held
// as the project file's bytes of them. Putting them back through the file's own
// reader sets exactly the fields the file holds and leaves everything else (the
// results, the file's path, the windows' state) as it is.

#include "app/ui_services.h"

#include <QUndoCommand>

#include <functional>
#include <string>

namespace vendrix {

class RecordStep : public QUndoCommand
{
public:
    // Puts `savedFields` (bytes of a project file) back into the record.
    using Restore = std::function<void(const std::string &savedFields, StepEffect effect)>;

    // The change is already in the record: the first redo, from the stack's
    // push, does nothing.
    RecordStep(const QString &name, std::string before, std::string after, StepEffect effect,
               Restore restore);

    void undo() override;
    void redo() override;

private:
    std::string m_before;
    std::string m_after;
    StepEffect m_effect;
    Restore m_restore;
    bool m_pushed = false;
};

} // namespace vendrix
