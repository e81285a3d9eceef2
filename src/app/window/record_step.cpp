#include "app/window/record_step.h"

namespace vendrix {

RecordStep::RecordStep(const QString &name, std::string before, std::string after,
                       StepEffect effect, Restore restore)
    : QUndoCommand(name)
    , m_before(std::move(before))
    , m_after(std::move(after))
    , m_effect(effect)
    , m_restore(std::move(restore))
{ }

void RecordStep::undo()
{
    m_restore(m_before, m_effect);
}

void RecordStep::redo()
{
    if (!m_pushed) {
        m_pushed = true;
        return;
    }
    m_restore(m_after, m_effect);
}

} // namespace vendrix
