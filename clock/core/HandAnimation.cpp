#include "clock/core/HandAnimation.h"

namespace {

constexpr int LaatsteUur = 11;
constexpr int LaatsteMinuut = 59;
constexpr int UrenOpWijzerplaat = 12;

int stepTowards(int position, int target, int last)
{
    if (position == target)
        return position;
    return position + 1 > last ? 0 : position + 1;
}

} // namespace

bool animationStep(HandAnimation &anim, int opgaveMin, int opgaveSec)
{
    if (anim.doelUur > LaatsteUur)
        anim.doelUur -= UrenOpWijzerplaat;
    anim.uur = stepTowards(anim.uur, anim.doelUur, LaatsteUur);
    anim.min = stepTowards(anim.min, opgaveMin, LaatsteMinuut);
    anim.sec = stepTowards(anim.sec, opgaveSec, LaatsteMinuut);
    return anim.uur == anim.doelUur && anim.min == opgaveMin && anim.sec == opgaveSec;
}
