#include "recordbudget.h"

#include <algorithm>

namespace {

// Hand-written small files may be terse; records of this many characters
// cost little memory however they are spread.
constexpr qsizetype FreeCharacters = qsizetype(4) << 20;

} // namespace

bool RecordBudget::fits(qsizetype textSize, qsizetype spent)
{
    return spent <= std::max(textSize, FreeCharacters);
}

bool RecordBudget::fits(QStringView text, Weights weights)
{
    const qsizetype budget = std::max(text.size(), FreeCharacters);
    qsizetype spent = 0;
    for (const auto &[tag, weight] : weights) {
        spent += text.count(tag) * weight;
        if (spent > budget)
            return false;
    }
    return true;
}
