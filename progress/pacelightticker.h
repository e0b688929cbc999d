#pragma once

// The progress strip's clock: every tick moves the bar one step, the bar starts
// over once it has filled, and the program gives up by itself after a minute so
// that it never outlives a main program that forgot it.
class PacelightTicker
{
public:
    static constexpr int IntervalMs = 300;
    static constexpr int Minimum = 0;
    static constexpr int Maximum = 100;
    static constexpr int Step = 10;
    static constexpr int LastTick = 200;  // the tick after this one asks to quit

    struct Tick {
        int value = 0;      // the bar's position after the tick
        bool quit = false;  // the program should end (the bar still shows this tick)
    };

    Tick tick();
    int ticks() const { return m_ticks; }
    int value() const { return m_value; }

private:
    int m_ticks = 0;
    int m_value = Minimum;
};
