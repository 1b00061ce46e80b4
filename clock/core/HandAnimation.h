#pragma once
// The hands turn towards a task's time one tick at a time: each hand only
// moves forward, a whole hour, minute or second per step, and stands still
// once it has arrived while the others go on.

struct HandAnimation
{
    int uur = 0;
    int min = 0;
    int sec = 0;
    int doelUur = 0; // 0..23 when started; folded to 0..11 by the first step
};

// One step; true when all three hands stand at their targets. A target out of
// range is never reached, so the animation then never ends.
bool animationStep(HandAnimation &anim, int opgaveMin, int opgaveSec);
