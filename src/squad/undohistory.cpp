#include "undohistory.h"

void UndoHistory::reset(const LineupState& state)
{
    m_now = state;
    m_undo.clear();
    m_redo.clear();
}

void UndoHistory::record(const LineupState& state)
{
    if (state == m_now)
        return;
    m_undo.append(m_now);
    if (m_undo.size() > kSteps)
        m_undo.removeFirst();
    m_redo.clear();
    m_now = state;
}

const LineupState& UndoHistory::undo()
{
    m_redo.append(m_now);
    m_now = m_undo.takeLast();
    return m_now;
}

const LineupState& UndoHistory::redo()
{
    m_undo.append(m_now);
    m_now = m_redo.takeLast();
    return m_now;
}
