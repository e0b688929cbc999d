#pragma once

#include <clocale>
#include <locale.h>

// C libraries format and parse numbers by the thread's locale: under a German
// desktop a width of 15.5 would reach a file as "15,5". While held, the calling
// thread uses the "C" numeric locale; the previous one comes back afterwards.
class NumericLocaleGuard
{
public:
    NumericLocaleGuard()
    {
        locale_t base = duplocale(LC_GLOBAL_LOCALE);
        m_c = base ? newlocale(LC_NUMERIC_MASK, "C", base) : locale_t(nullptr);
        if (!m_c) {
            if (base)
                freelocale(base);
            return;
        }
        m_previous = uselocale(m_c);
    }
    ~NumericLocaleGuard()
    {
        if (!m_c)
            return;
        uselocale(m_previous);
        freelocale(m_c);
    }
    NumericLocaleGuard(const NumericLocaleGuard &) = delete;
    NumericLocaleGuard &operator=(const NumericLocaleGuard &) = delete;

private:
    locale_t m_c = nullptr;
    locale_t m_previous = nullptr;
};
