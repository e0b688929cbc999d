#include "automationerror.h"

namespace Ramulet {

namespace {

const char *errorText(int number)
{
    switch (number) {
    case ErrorNumber::InvalidArgument:
        return "Invalid procedure call or argument";
    case ErrorNumber::Overflow:
        return "Overflow";
    case ErrorNumber::SubscriptOutOfRange:
        return "Subscript out of range";
    case ErrorNumber::ObjectNotSet:
        return "Object variable or With block variable not set";
    default:
        return "Application-defined or object-defined error";
    }
}

} // namespace

AutomationError::AutomationError(int number) : std::runtime_error(errorText(number)), m_number(number)
{
}

// Defined here so that the type information lives in, and is exported from, the library.
AutomationError::~AutomationError() = default;

} // namespace Ramulet
