#!/usr/bin/env python3
"""The program in a real window, driven as a child would and checked by what it shows.

    e2e.py PATH_TO_TIKARA

Under a private X server without a window manager, the pointer and the keyboard act on
the places the layout gives, and every step is judged from screenshots of the window and,
at the end, from the program's exit code. The steps build on each other, so the first
failure ends the run.
"""
import os
import sys
import time

import face
from face import is_dark
from xsession import BLACK, BLUE, PATIENCE, WHITE, YELLOW, StepFailed, XSession, wait_until

# Places in client coordinates, from the window's layout.
GROUP = (17 + 224, 7)  # the check boxes' group inside the settings group
CHECKS = {"VraagtekenAan": (63, 63, 101, 17), "SecondenAan": (30, 17, 134, 17),
          "WijzerCorrectie": (19, 40, 145, 17)}
DIGITAAL_ANALOOG = (24 + 68, 481 + 20)
ANALOOG_DIGITAAL = (245 + 68, 481 + 20)
KEUZE_OK = (406 + 104 + 36, 135 + 329 + 12)
VRAAGTEKEN = (406 + 74 + 16, 135 + 113 + 12)
AD_OK = (406 + 31 + 59, 135 + 250 + 12)
AD_STOP = (406 + 31 + 59, 135 + 330 + 12)
HOUR_FIELD = (406 + 2 + 75 + 12, 135 + 155 + 22 + 10)  # the hour field alone, hours-only notation
HULPJES = (17 + 560 + 72, 7 + 54 + 12)
TIMER_FIELD = (17 + 130 + 29, 7 + 64 + 8)
START = (472 + 31, 105 + 12)
STOP_PICTURE = (26 + 28, 104 + 12)
LABEL6 = (602 + 35, 133 + 82, 105, 37)
LABEL8 = (602 + 35, 133 + 245, 105, 37)
SCORE_BACKGROUND = (0xBF, 0xCD, 0xDB)
# Overlay ink: "24 uur = 0 uur" above the 12.
OVERLAY_LABEL = (170, 99, 66, 13)

# Pixels that tell the panels apart.
CHOICE_TITLE = (415, 150)      # "Kies Instellingen" strip of the choice panel
EXERCISE_MEMO = (420, 200)     # below the text of the exercise panel's black memo
STARTER = (30, 485)            # light blue face of "Start Oefening Digitaal -> analoog"
STARTER_FACE = (0xA6, 0xCA, 0xF0)
TIMER_FIELD_PIXEL = (198, 75)  # right of the timer field's text: white while the field shows
START_PIXEL = (476, 108)       # the START button's face over the window's grey
COUNTDOWN = (316, 108)         # the countdown's black window
RESULT = (100, 200)            # inside the result panel, black
GREY = (0xB4, 0xB4, 0xB4)
PARKING = (596, 300)           # between the exercise panel and the score panel

# A pointer move can be lost; a step that expects one tries again when nothing came of it
# after this long.
TRY_AGAIN_AFTER = 5.0


def fail(message):
    raise StepFailed(message)


class Tikara:
    def __init__(self, session):
        self.s = session

    def park(self):
        """Rests the pointer on the window's bare background between two panels: no tooltip
        then covers what is read next, and the keyboard stays with the window."""
        self.s.move(*PARKING)

    def tap(self, place):
        self.s.click(*place)
        self.park()

    def pixel(self, place):
        return self.s.shot().pixel(*place)

    def wait_pixel(self, what, place, colour, timeout=PATIENCE):
        wait_until(what, lambda: self.pixel(place) == colour, timeout)

    def check_box_ticked(self, name, shot):
        x, y, w, h = CHECKS[name]
        left, top = GROUP[0] + x + w - 11, GROUP[1] + y + 4
        return sum(is_dark(shot.pixel(left + dx, top + dy)) for dx in range(8) for dy in range(8)) >= 5

    def set_check(self, name, ticked):
        x, y, w, h = CHECKS[name]
        if self.check_box_ticked(name, self.s.shot()) != ticked:
            self.tap((GROUP[0] + x + w - 7, GROUP[1] + y + h // 2))
        wait_until(f"{name} {'ticked' if ticked else 'unticked'}",
                   lambda: self.check_box_ticked(name, self.s.shot()) == ticked)

    def open_choice(self, starter):
        self.tap(starter)
        self.wait_pixel("the choice panel", CHOICE_TITLE, (0xAB, 0xAB, 0xAB))

    def wait_running(self):
        self.wait_pixel("the exercise panel", EXERCISE_MEMO, BLACK)

    def stop_exercise(self):
        self.tap(AD_STOP)
        self.wait_pixel("the starters after Stop Oefening", STARTER, STARTER_FACE)

    def settled(self, what, read, timeout=PATIENCE):
        """A reading of the face that stays the same over three shots, a quarter second apart."""
        history = []

        def steady():
            history.append(read(self.s.shot()))
            time.sleep(0.25)
            return history[-1][0] is not None and history[-3:] == [history[-1]] * 3

        try:
            wait_until(what, steady, timeout, interval=0)
        except StepFailed as e:
            fail(f"{e}; last reading: {history[-1][1] if history else 'none'}")
        return history[-1][0]

    def glyph(self, shot, label, ink):
        """The label's ink as a set of pixels, by how far each lies from the background towards the ink colour."""
        x, y, w, h = label
        direction = [i - b for i, b in zip(ink, SCORE_BACKGROUND)]
        norm = sum(d * d for d in direction)
        mask = set()
        for dy in range(h):
            for dx in range(w):
                rgb = shot.pixel(x + dx, y + dy)
                share = sum((c - b) * d for c, b, d in zip(rgb, SCORE_BACKGROUND, direction)) / norm
                if share >= 0.5:
                    mask.add((dx, dy))
        return frozenset(mask)

    def score(self):
        shot = self.s.shot()
        return self.glyph(shot, LABEL6, YELLOW), self.glyph(shot, LABEL8, BLUE)

    def wait_score(self, what, points, maximum):
        wait_until(what, lambda: self.score() == (points, maximum))

    # The hands are set as a child does: press a knob, point at a mark, click it. A lost
    # pointer move puts the hand down where it stood, so the whole setting is tried again.
    def set_hand(self, name, knob_distance, mark, placed):
        for attempt in range(3):
            centre = face.knob_centre(self.s.shot(), knob_distance)
            if centre is None:
                fail(f"no {name} knob at distance {knob_distance} from the centre")
            self.tap(centre)
            self.s.move(*mark)
            self.tap(mark)
            try:
                return wait_until(f"the {name} hand put down at the mark clicked", lambda: placed(self.s.shot()),
                                  TRY_AGAIN_AFTER)
            except StepFailed:
                if attempt == 2:
                    raise


def minute_tip_at(shot, position, test=is_dark):
    """The minute hand's end beyond its knob, where no other hand or knob reaches."""
    tip = range(face.MINUTE_KNOB + face.KNOB_RADIUS + 2, face.RADIUS - 51)
    return face.ray_cover(shot, position, test, tip, spread=1) == 1.0


def hour_hand_at(shot, hour):
    return face.ray_cover(shot, 5 * hour, is_dark) >= 0.9


def knob_near(shot, distance, position):
    centre = face.knob_centre(shot, distance)
    expected = face.point(position, distance)
    return centre is not None and abs(centre[0] - expected[0]) <= 2 and abs(centre[1] - expected[1]) <= 2


def step_digital_to_analog(app, refs):
    s = app.s
    app.set_check("VraagtekenAan", True)
    app.set_check("SecondenAan", False)
    app.set_check("WijzerCorrectie", False)
    refs["zero"] = app.score()
    if refs["zero"][0] != refs["zero"][1] or not refs["zero"][0]:
        fail("the score panel does not read the same '0' in both labels at the start")
    app.open_choice(DIGITAAL_ANALOOG)
    app.tap(KEUZE_OK)
    app.wait_running()
    s.press(*VRAAGTEKEN)
    try:
        hour = app.settled("the task's time on the hands while '?' is held", face.hour_on_face)
    finally:
        s.release()
    app.park()
    wait_until("the learner's knobs back after '?' is released",
               lambda: face.knob_centre(s.shot(), face.HOUR_KNOB) and face.knob_centre(s.shot(), face.MINUTE_KNOB))
    app.set_hand("hour", face.HOUR_KNOB, face.numeral_point(hour),
                 lambda shot: hour_hand_at(shot, hour) and knob_near(shot, face.HOUR_KNOB, 5 * hour))
    app.set_hand("minute", face.MINUTE_KNOB, face.numeral_point(0),
                 lambda shot: minute_tip_at(shot, 0) and knob_near(shot, face.MINUTE_KNOB, 0))
    shown = face.hour_on_face(s.shot())
    if shown[0] != hour:
        fail(f"the hands do not read {hour} o'clock after setting them: {shown[1]}")
    app.tap(AD_OK)
    wait_until("the score to change after OK", lambda: app.score() != refs["zero"])
    points, maximum = app.score()
    if points != maximum:
        fail("after OK the points do not read the same as the maximum (1 OP 1 expected)")
    if width(points) >= width(refs["zero"][0]):
        fail("the score's glyph is not the narrow '1'")
    refs["one"] = (points, maximum)
    return f"hour {hour} set, 1 OP 1"


def width(mask):
    xs = [x for x, _ in mask]
    return max(xs) - min(xs) + 1


def step_analog_to_digital(app, refs):
    s = app.s
    app.stop_exercise()
    if app.score() != refs["one"]:
        fail("Stop Oefening did not leave the points standing at 1 OP 1")
    app.open_choice(ANALOOG_DIGITAAL)
    s.key("Return")
    app.wait_running()
    app.park()
    app.wait_score("the score reset to 0 OP 0 by the start", *refs["zero"])
    hour = app.settled("the hands to stop at the task's time", face.hour_on_face)
    answer = str(hour or 12)
    s.type(answer)
    s.key("Return")
    s.key("Return")
    app.wait_score("the score to read 1 OP 1 after the answer and two Enters", *refs["one"])
    # The next answers come from another program: from the clipboard with Ctrl+V, and from
    # the primary selection with the middle button. Each is longer than the field, which
    # keeps what fits, as it would of typing: "0799" gives "07".
    pasted = []
    for selection, paste in (("clipboard", lambda: s.key("ctrl+v")), ("primary", lambda: s.click_middle(*HOUR_FIELD))):
        before = app.score()
        hour = app.settled("the hands to stop at the next task's time", face.hour_on_face)
        text = f"{hour or 12:02d}99"
        s.own_selection(selection, text)
        paste()
        app.park()
        s.key("Return")
        s.key("Return")
        wait_until(f"the score to change after pasting {text}", lambda: app.score() != before)
        points, maximum = app.score()
        if points != maximum:
            fail(f"{text} pasted from the {selection} did not answer hour {hour or 12}")
        pasted.append(f"{text} from the {selection}")
    return f"typed {answer}, 1 OP 1; then {' and '.join(pasted)}"


def step_overlay_click_through(app, refs):
    s = app.s
    app.stop_exercise()
    app.open_choice(DIGITAAL_ANALOOG)
    app.tap(KEUZE_OK)
    app.wait_running()
    # The hand is picked up before the overlay shows: where it stands now is the real
    # time's minute, and the overlay's ink could cover any place on the face.
    shot = s.shot()
    now = [m for m in range(60) if minute_tip_at(shot, m)]
    if len(now) != 1:
        fail(f"the minute hand is not found on the face (tips at {now})")
    centre = face.knob_centre(shot, face.MINUTE_KNOB)
    if centre is None:
        fail("no minute knob")
    app.tap(centre)
    wait_until("the minute hand to turn yellow when its knob is pressed",
               lambda: minute_tip_at(s.shot(), now[0], lambda rgb: rgb == YELLOW))

    app.tap(HULPJES)
    main = s.window
    overlay = wait_until("the overlay window", lambda: [w for w in s.windows() if w != main])[0]
    geometry = dict(line.split("=", 1) for line in s.run("xdotool", "getwindowgeometry", "--shell", overlay).split())
    left, top = int(geometry["X"]) - s.origin[0], int(geometry["Y"]) - s.origin[1]
    if (left, top) != (-3, 98):
        fail(f"the overlay stands at client ({left}, {top}), not at (-3, 98)")
    right, bottom = left + int(geometry["WIDTH"]), top + int(geometry["HEIGHT"])
    wait_until("the overlay's ink", lambda: ink(s.shot(), OVERLAY_LABEL) > 20)

    target, mark = pick_see_through_mark(app, main, now[0])
    if not (left <= mark[0] < right and top <= mark[1] < bottom):
        fail(f"mark {target} lies outside the overlay")
    def follows():
        return minute_tip_at(s.shot(), target, lambda rgb: rgb == YELLOW)

    try:
        wait_until(f"the minute hand to follow the pointer to mark {target}", follows, TRY_AGAIN_AFTER)
    except StepFailed:
        # A move can be lost; a second one inside the same mark points the hand again.
        s.move(mark[0], mark[1] + 2)
        wait_until(f"the minute hand to follow the pointer to mark {target}", follows)
    app.tap(mark)
    wait_until(f"the minute hand put down at mark {target}",
               lambda: minute_tip_at(s.shot(), target) and knob_near(s.shot(), face.MINUTE_KNOB, target))
    if minute_tip_at(s.shot(), now[0]):
        fail(f"the minute hand still shows at {now[0]}")
    app.tap(HULPJES)
    wait_until("the overlay to hide", lambda: s.windows() == [main])
    wait_until("the overlay's ink to go", lambda: ink(s.shot(), OVERLAY_LABEL) == 0)
    return f"minute hand moved from {now[0]} to mark {target} through the overlay"


def ink(shot, rect):
    x, y, w, h = rect
    return sum(shot.pixel(x + dx, y + dy) == BLUE for dx in range(w) for dy in range(h))


def pick_see_through_mark(app, main, minute_now):
    """Rests the pointer on a dot mark away from the minute hand, with the main window, not
    the overlay, beneath it; the overlay's ink lies clear of these marks' hand tips."""
    # Only marks whose hand tip lies clear of where a tooltip at the pointer would open.
    for target in (38, 22, 8):
        if min((target - minute_now) % 60, (minute_now - target) % 60) < 4:
            continue
        x, y, w, h = face.dot_box(target)
        mark = (x + w // 2, y + h // 2)
        app.s.move(*mark)
        if wait_under(app, main):
            return target, mark
    fail("no dot mark is reached through the overlay")


def wait_under(app, main):
    try:
        return wait_until("the main window under the pointer", lambda: app.s.window_under_pointer() == main,
                          TRY_AGAIN_AFTER)
    except StepFailed:
        return False


def step_timed_exercise(app, refs):
    s = app.s
    app.stop_exercise()
    if app.pixel(TIMER_FIELD_PIXEL) == WHITE:
        fail("the timer field shows after Stop Oefening")
    app.open_choice(DIGITAAL_ANALOOG)
    app.wait_pixel("the timer field", TIMER_FIELD_PIXEL, WHITE)
    if app.pixel(START_PIXEL) != GREY:
        fail("START shows before a time is entered")
    app.tap(TIMER_FIELD)
    s.type("1")
    s.key("Tab")
    wait_until("the START button after one minute is entered", lambda: app.pixel(START_PIXEL) != GREY)
    app.tap(KEUZE_OK)
    app.wait_running()
    # The countdown ends at a moment on the computer's clock, so it is timed on that clock too:
    # a time service that steps the clock, or a paused virtual machine, moves it away from the
    # steady clock. Read before the tap, no result may show within the minute.
    started = time.time()
    app.tap(START)
    app.wait_pixel("the countdown", COUNTDOWN, BLACK)
    if app.pixel(RESULT) == BLACK:
        fail("the result panel shows as soon as the countdown starts")
    app.wait_pixel("the result panel after the minute", RESULT, BLACK, timeout=60 + PATIENCE)
    took = time.time() - started
    if took < 60:
        fail(f"the result panel showed after {took:.1f} s on the computer's clock, before the minute was over")
    return f"result panel after {took:.0f} s"


def step_stop_picture(app, refs):
    app.tap(STOP_PICTURE)
    code = app.s.exit_code(PATIENCE)
    if code is None:
        fail(f"the program still runs {PATIENCE:g} s after the STOP picture was clicked")
    if code != 0:
        fail(f"the program ended with exit code {code}")
    return "exit code 0"


FAILURE_PICTURE = "e2e_failure.png"

STEPS = [
    ("digital to analog: the hands set to the task's hour score 1 OP 1", step_digital_to_analog),
    ("analog to digital with the keyboard, then by pasting, scores every answer", step_analog_to_digital),
    ("a minute mark set through the overlay's see-through part", step_overlay_click_through),
    ("a one-minute timed exercise ends in the result panel", step_timed_exercise),
    ("the STOP picture ends the program with exit code 0", step_stop_picture),
]


def main():
    if len(sys.argv) != 2:
        print("usage: e2e.py PATH_TO_TIKARA", file=sys.stderr)
        return 2
    passed = failed = 0
    begin = time.monotonic()
    session = None
    try:
        session = XSession()
        session.start(sys.argv[1])
        if session.size != (799, 620):
            raise StepFailed(f"the window's client area is {session.size}, not 799 x 620")
        app = Tikara(session)
        # A window mapped but not yet painted shows the server's black: nothing may be read
        # from it before its first picture.
        app.wait_pixel("the window's first picture", STARTER, STARTER_FACE)
        refs = {}
        for name, run in STEPS:
            t = time.monotonic()
            try:
                note = run(app, refs)
            except Exception as e:  # a fault of the test itself fails the step just as clearly
                print(f"FAIL: {name}: {e if isinstance(e, StepFailed) else repr(e)}")
                session.save_screen(FAILURE_PICTURE)
                print(f"the screen at the failure: {os.path.abspath(FAILURE_PICTURE)}")
                failed += 1
                break
            passed += 1
            print(f"ok {passed} - {name} ({note}; {time.monotonic() - t:.1f} s)")
    except StepFailed as e:
        print(f"FAIL: start-up: {e}")
        failed += 1
    finally:
        if session:
            session.close()
    print(f"run time {time.monotonic() - begin:.0f} s")
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
