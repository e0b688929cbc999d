#include "pacelightticker.h"

PacelightTicker::Tick PacelightTicker::tick()
{
    ++m_ticks;
    m_value += Step;
    // Past the end the bar wraps round to the start, keeping the overshoot.
    if (m_value > Maximum)
        m_value = Minimum + (m_value - Maximum);
    return {m_value, m_ticks > LastTick};
}
