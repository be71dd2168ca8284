#pragma once

#include <clocale>
#include <string>

namespace testsupport {

// Switches the C library's numeric and time locale for one scope, so a test
// can prove that parsing and formatting do not depend on it.
class LocaleGuard
{
public:
    explicit LocaleGuard(const char* locale)
    {
        const char* current = std::setlocale(LC_ALL, nullptr);
        m_previous = current ? current : "C";
        m_active = std::setlocale(LC_ALL, locale) != nullptr;
    }
    ~LocaleGuard() { std::setlocale(LC_ALL, m_previous.c_str()); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

    // False when the machine lacks the locale; the test then says so.
    bool active() const { return m_active; }

private:
    std::string m_previous;
    bool m_active = false;
};

} // namespace testsupport
