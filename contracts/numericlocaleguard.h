#pragma once

#include <clocale>
#include <locale.h>

// Keeps the numeric locale of the calling thread at "C" while it lives, so
// that C libraries formatting numbers with printf (libxlsxwriter) write a
// decimal point whatever locale the user runs under. Only this thread is
// switched; the previous locale comes back in the destructor.
class NumericLocaleGuard
{
public:
    NumericLocaleGuard()
        : m_locale(newlocale(LC_NUMERIC_MASK, "C", duplocale(uselocale(static_cast<locale_t>(nullptr)))))
    {
        // The other categories (the character set among them) stay as they were.
        if (m_locale)
            m_previous = uselocale(m_locale);
    }
    ~NumericLocaleGuard()
    {
        if (!m_locale)
            return;
        uselocale(m_previous);
        freelocale(m_locale);
    }
    NumericLocaleGuard(const NumericLocaleGuard &) = delete;
    NumericLocaleGuard &operator=(const NumericLocaleGuard &) = delete;

private:
    locale_t m_locale;
    locale_t m_previous = nullptr;
};
