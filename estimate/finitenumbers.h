#pragma once

#include "estimaterecords.h"

// Numbers read from files or typed that no float holds. A file may say
// "1e39"; kept as infinity it would show as "¥-nan" in every total and be
// written back as "inf", which reads as 0. Such values become 0 on reading,
// and a typed one is refused.
class FiniteNumbers
{
public:
    // Whether `value` can be held and written: finite, and for a rate (a
    // fraction written as a percentage) still finite when multiplied by 100.
    static bool holds(float value);
    static bool holdsRate(float rate);

    // Replace every number that does not hold by 0; each returns how many it replaced.
    static int clear(MtLine &line);
    static int clear(BrandData &brand);
    static int clear(AmountRule &rule);
    static int clear(ConstructItem &item);
    static int clear(RoomData &room);

    // The notice shown after reading a file in which `count` numbers were replaced.
    static QString notice(int count);

    // Why a number typed at `place` is refused: no float holds it, or an
    // amount or total it enters would leave the float range.
    static QString typedRefusal(const QString &place, const QString &typed);
    static QString totalRefusal(const QString &place, const QString &typed);

private:
    static int clearValue(float &value);
    static int clearRate(float &rate);
};
