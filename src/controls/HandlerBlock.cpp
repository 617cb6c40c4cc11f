#include "controls/HandlerBlock.h"

void CHandlerBlock::AddControl(QWidget* control)
{
    if (control == nullptr)
        return;
    for (const auto& known : m_controls)
        if (known == control)
            return;
    m_controls.emplace_back(control);
    if (m_depth > 0)
        m_held.emplace_back(control, control->blockSignals(true));
}

void CHandlerBlock::Hold()
{
    if (m_depth++ > 0)
        return;
    m_held.clear();
    for (const auto& control : m_controls)
        if (control)
            m_held.emplace_back(control, control->blockSignals(true));
}

void CHandlerBlock::Release()
{
    if (--m_depth > 0)
        return;
    for (const auto& [control, wasBlocked] : m_held)
        if (control)
            control->blockSignals(wasBlocked);
    m_held.clear();
}
