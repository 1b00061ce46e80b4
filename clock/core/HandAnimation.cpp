#include "clock/core/HandAnimation.h"

#include "clock/core/TimeUnits.h"

namespace {

constexpr int LaatsteUur = Tijd::UrenOpWijzerplaat - 1;
constexpr int LaatsteMinuut = Tijd::MinutenPerUur - 1;

int stepTowards(int position, int target, int last)
{
    if (position == target)
        return position;
    return position + 1 > last ? 0 : position + 1;
}

} // namespace

bool animationStep(HandAnimation &anim, int opgaveMin, int opgaveSec)
{
    anim.doelUur = Tijd::wijzerUur(anim.doelUur);
    anim.uur = stepTowards(anim.uur, anim.doelUur, LaatsteUur);
    anim.min = stepTowards(anim.min, opgaveMin, LaatsteMinuut);
    anim.sec = stepTowards(anim.sec, opgaveSec, LaatsteMinuut);
    return anim.uur == anim.doelUur && anim.min == opgaveMin && anim.sec == opgaveSec;
}
