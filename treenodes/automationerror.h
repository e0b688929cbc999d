#pragma once

#include "treenodes/ramuletexport.h"

#include <stdexcept>

namespace Ramulet {

// The run-time error numbers a client of the library sees.
namespace ErrorNumber {
inline constexpr int InvalidArgument = 5;     // a key that the collection does not hold
inline constexpr int Overflow = 6;            // a count, level, index or key counter past 2 147 483 647
inline constexpr int SubscriptOutOfRange = 9; // a position outside 1 … Count
inline constexpr int ObjectNotSet = 91;       // a missing neighbour, parent or owner
} // namespace ErrorNumber

// Thrown by every failing operation; Number() is one of ErrorNumber.
class RAMULET_EXPORT AutomationError : public std::runtime_error
{
public:
    explicit AutomationError(int number);
    ~AutomationError() override;

    int Number() const noexcept { return m_number; }

private:
    int m_number;
};

} // namespace Ramulet
