"""The main window as it looks and behaves right after start."""
import os

from harness import case, check, fail, skip, wait_until, CaseFailure

CAPTION = "Sorelka 2.0 for XP"
TWIPS_PER_INCH = 1440
TOLERANCE_PX = 1

# Control ids: 1000 + the control's place in the program's control table.
(ACTIVAT_CHECK, FRAME2, STATUS, FRAME4, FRAME1, STATUS_ICON0, STATUS_ICON1, STATUS_ICON2,
 LABEL3, FOOTER, HEADER, PLUS_WORD, LABEL2_1, DEFAULT, SAKASA, AA, LIMIT, WAIT, LABEL4,
 EVERY_WORD, SEND, MESSAGE, SEND_NOW, LABEL7, SKEL_RESET, SKEL_OPTION1, SKEL_OPTION0, SLIDER,
 LABEL1, LABEL2_0) = range(1000, 1030)

WINDOW = 0  # parent id of top-level controls

# What the window holds after load: name, id, parent, kind, text, (left, top, width, height)
# in twips relative to the parent's client area, checked value (None: not a button).
# Frame1, Frame4 and Frame2 are placed at load: the three share the left edge 10, Frame1 and
# Frame4 span the client width (6060), and Frame4 ends where Frame1 does (4980).
CONTROLS = [
    ("ActivatCheck", ACTIVAT_CHECK, WINDOW, "checkpush", "常に手前に表示", (3795, 390, 2010, 285), None),
    ("Frame2", FRAME2, WINDOW, "frame", "送信オプション", (10, 660, 6015, 2010), None),
    ("Status", STATUS, WINDOW, "statusbar", "", (0, 4950, 6060, 315), None),
    ("Frame4", FRAME4, WINDOW, "frame", "", (10, 2700, 6060, 2280), None),
    ("Frame1", FRAME1, WINDOW, "frame", "ウィンドウの透明化", (10, 3420, 6060, 1560), None),
    ("StatusIcon(0)", STATUS_ICON0, WINDOW, "image", "", (300, 0, 240, 240), None),
    ("StatusIcon(1)", STATUS_ICON1, WINDOW, "image", "", (0, 0, 240, 240), None),
    ("StatusIcon(2)", STATUS_ICON2, WINDOW, "image", "", (555, 0, 240, 240), None),
    ("Label3", LABEL3, WINDOW, "label_centred",
     "Windows 2000,XP + InternetExplorer でしか動かないのれす。。。", (570, 105, 4980, 225), None),
    ("Footer", FOOTER, FRAME2, "checkbox", "送信する文字の最後に付加", (465, 450, 2400, 225), 0),
    ("Header", HEADER, FRAME2, "checkbox", "送信する文字の先頭に付加", (465, 225, 2250, 225), 0),
    ("PlusWord", PLUS_WORD, FRAME2, "text_centred", "(^。^)", (3405, 495, 1530, 270), None),
    ("Label2(1)", LABEL2_1, FRAME2, "label_centred", "付加する文字列", (3390, 300, 1260, 195), None),
    ("Default", DEFAULT, FRAME2, "option", "一行逆さ文字を送信", (675, 1605, 1920, 255), 1),
    ("SAKASA", SAKASA, FRAME2, "option", "複数行逆さ文字を送信", (675, 1335, 2070, 225), 0),
    ("AA", AA, FRAME2, "option", "アスキーアートを送信", (675, 1035, 1830, 255), 0),
    ("Limit", LIMIT, FRAME2, "checkbox", "リミッター解除（Chatのみ）", (3300, 1125, 2070, 315), 0),
    ("Wait", WAIT, FRAME2, "text_centred", "500", (3525, 1650, 1215, 240), None),
    ("Label4", LABEL4, FRAME2, "label", "連続送信時間（ﾐﾘ秒）", (3300, 1440, 1545, 210), None),
    ("EveryWord", EVERY_WORD, FRAME2, "checkbox", "送信する文字の一文字ごとに付加", (465, 690, 2790, 225), 0),
    ("Send", SEND, FRAME4, "button", "送信", (3930, 1830, 1575, 375), None),
    ("Message", MESSAGE, FRAME4, "text_multi", "", (120, 480, 5730, 1245), None),
    ("SendNow", SEND_NOW, FRAME4, "checkbox", "送信と同時に発言", (270, 1890, 1815, 255), 1),
    ("Label7", LABEL7, FRAME4, "label", "送信する文字列", (90, 210, 1110, 135), None),
    ("SkelReset", SKEL_RESET, FRAME1, "button", "全てリセット", (3945, 390, 1200, 285), None),
    ("SkelOption(1)", SKEL_OPTION1, FRAME1, "option", "選択したウィンドウ", (1755, 375, 1965, 225), 1),
    ("SkelOption(0)", SKEL_OPTION0, FRAME1, "option", "このツール", (165, 375, 1560, 225), 0),
    ("Slider", SLIDER, FRAME1, "slider", "", (195, 1050, 5625, 360), None),
    ("Label1", LABEL1, FRAME1, "label", "透明度", (345, 825, 810, 225), None),
    ("Label2(0)", LABEL2_0, FRAME1, "label_centred", "100%", (1125, 825, 1065, 195), None),
]
NAMES = {c[1]: c[0] for c in CONTROLS}

# Everything that takes part in sending starts disabled, until a chat window is chosen.
SENDING = {AA, DEFAULT, SAKASA, EVERY_WORD, SEND_NOW, HEADER, FOOTER, LABEL2_1, PLUS_WORD,
           LIMIT, WAIT, LABEL4, LABEL7, MESSAGE, SEND}
HIDDEN = {STATUS_ICON0, STATUS_ICON1, STATUS_ICON2}

# The first timer tick rewrites the slider's label as a percentage.
LABEL2_0_AT_LOAD, LABEL2_0_AFTER_TICK = "100%", "Alpha  100 %"
WATCH_STARTS = 3

# Tab visits the enabled controls by tab index; an option group is one stop (its selected
# button), so at start: SkelReset, SkelOption(1), Slider, ActivatCheck, and round again.
TAB_CYCLE_AT_START = [SKEL_RESET, SKEL_OPTION1, SLIDER, ACTIVAT_CHECK]

# Button types (BS_TYPEMASK) and styles the kinds are made of.
BS_TYPEMASK, BS_PUSHLIKE = 0x000F, 0x1000
PUSH_TYPES = {0x0, 0x1}                # BS_PUSHBUTTON, BS_DEFPUSHBUTTON
CHECK_TYPES = {0x2, 0x3, 0x5, 0x6}     # BS_(AUTO)CHECKBOX, BS_(AUTO)3STATE
OPTION_TYPES = {0x4, 0x9}              # BS_(AUTO)RADIOBUTTON
BS_OWNERDRAW = 0xB
ES_CENTER, ES_MULTILINE, SS_CENTER, SS_TYPEMASK = 0x1, 0x4, 0x1, 0x1F
WS_VSCROLL, WS_HSCROLL = 0x00200000, 0x00100000

START_TIMEOUT_S = 15
TOPMOST_DEADLINE_MS = 2000
EXIT_DEADLINE_S = 5


def px(twips, dpi):
    # MulDiv rounds half away from zero; all values here are positive.
    return (twips * dpi + TWIPS_PER_INCH // 2) // TWIPS_PER_INCH


def controls_by_id(dump):
    return {c["id"]: c for c in dump["controls"]}


def started(c):
    c.start_app(timeout_s=START_TIMEOUT_S)
    return c.dump()


def each_control(dump, judge):
    """Runs `judge(expected_row, actual)` over the table; fails listing every mismatch."""
    have = controls_by_id(dump)
    problems = []
    for row in CONTROLS:
        actual = have.get(row[1])
        if actual is None:
            problems.append(f"{row[0]} ({row[1]}): no such child window")
            continue
        problem = judge(row, actual)
        if problem:
            problems.append(f"{row[0]} ({row[1]}): {problem}")
    check(not problems, "; ".join(problems))


@case("main_window/caption_and_class")
def caption_and_class(c):
    d = started(c)
    check(d["caption"] == CAPTION, f"caption is {d['caption']!r}")
    check(d["class"] == "SorelkaMainWindow", f"class is {d['class']!r}")
    check(d["visible"], "the window is not visible")


@case("main_window/client_size")
def client_size(c):
    d = started(c)
    want = [px(6060, d["dpi"]), px(5265, d["dpi"])]
    got = d["client"]
    check(all(abs(g - w) <= TOLERANCE_PX for g, w in zip(got, want)),
          f"client area {got[0]}x{got[1]} px at {d['dpi']} dpi, expected {want[0]}x{want[1]}")


@case("main_window/fixed_border_no_min_max_box")
def fixed_border(c):
    d = started(c)
    check(not d["minimizebox"], "the title bar has a minimise box")
    check(not d["maximizebox"], "the title bar has a maximise box")
    check(not d["sizable"], "the window has a sizing border (WS_THICKFRAME)")
    check(d["caption_bar"], "the window has no title bar")
    check(d["has_menu"], "the window has no menu bar")


@case("main_window/controls_exist_with_their_parents")
def controls_parents(c):
    d = started(c)

    def judge(row, a):
        if a["parent"] != row[2]:
            return f"parent id {a['parent']}, expected {row[2]}"
    each_control(d, judge)


@case("main_window/control_kinds")
def control_kinds(c):
    d = started(c)

    def judge(row, a):
        kind, cls, style = row[3], a["class"].lower(), a["style"]
        btype = style & BS_TYPEMASK
        want = {
            # Drawn by the program (to show its red caption pressed) or by the system.
            "checkpush": cls == "button" and (btype == BS_OWNERDRAW or
                                              btype in CHECK_TYPES and style & BS_PUSHLIKE),
            "checkbox": cls == "button" and btype in CHECK_TYPES and not style & BS_PUSHLIKE,
            "option": cls == "button" and btype in OPTION_TYPES,
            "button": cls == "button" and btype in PUSH_TYPES,
            "frame": cls == "sorelkaframe",
            "statusbar": cls == "msctls_statusbar32",
            "slider": cls == "msctls_trackbar32",
            "label": cls == "static",
            "label_centred": cls == "static" and style & SS_TYPEMASK == SS_CENTER,
            "text_centred": cls == "edit" and style & ES_CENTER and not style & ES_MULTILINE,
            "text_multi": cls == "edit" and style & ES_MULTILINE and style & WS_VSCROLL
                          and style & WS_HSCROLL,
            "image": True,  # a hidden store of pictures; any class will do
        }[kind]
        if not want:
            return f"expected a {kind}, found class {a['class']} style {style:#010x}"
    each_control(d, judge)


@case("main_window/captions_and_texts_at_start")
def captions(c):
    d = started(c)

    def judge(row, a):
        want = row[4]
        # The first timer tick may already have rewritten the slider's label.
        if row[1] == LABEL2_0 and a["text"] == LABEL2_0_AFTER_TICK:
            return None
        if row[3] == "statusbar":
            return None  # its text is panel 0, judged by the status case
        if a["text"] != want:
            return f"text {a['text']!r}, expected {want!r}"
    each_control(d, judge)


@case("main_window/sending_controls_disabled_at_start")
def enabled_at_start(c):
    d = started(c)

    def judge(row, a):
        want = row[1] not in SENDING
        if a["enabled"] != want:
            return "enabled" if a["enabled"] else "disabled"
    each_control(d, judge)


@case("main_window/visibility_at_start")
def visible_at_start(c):
    d = started(c)

    def judge(row, a):
        # Frame1 lies behind Frame4 but is shown all the same.
        want = row[1] not in HIDDEN
        if a["visible"] != want:
            return "visible" if a["visible"] else "hidden"
    each_control(d, judge)


@case("main_window/values_at_start")
def values_at_start(c):
    d = started(c)

    def judge(row, a):
        want = row[6]
        if want is not None and a["checked"] != want:
            return f"BM_GETCHECK {a['checked']}, expected {want}"
    each_control(d, judge)
    have = controls_by_id(d)
    check(have[WAIT]["text"] == "500", f"Wait reads {have[WAIT]['text']!r}")
    check(have[PLUS_WORD]["text"] == "(^。^)", f"PlusWord reads {have[PLUS_WORD]['text']!r}")
    tb = d["trackbar"]
    check(tb is not None, "no trackbar")
    check((tb["min"], tb["max"], tb["pos"]) == (30, 255, 255),
          f"slider min/max/pos {tb['min']}/{tb['max']}/{tb['pos']}, expected 30/255/255")


@case("main_window/positions_and_sizes")
def positions(c):
    d = started(c)
    dpi = d["dpi"]

    def judge(row, a):
        want = [px(v, dpi) for v in row[5]]
        got = a["rect"]
        if any(abs(g - w) > TOLERANCE_PX for g, w in zip(got, want)):
            return (f"at {got} px (left, top, width, height), expected {want} "
                    f"from {list(row[5])} twips")
    each_control(d, judge)


@case("main_window/status_bar_empty_with_two_panels")
def status_empty(c):
    d = started(c)
    s = d["status"]
    check(s is not None, "no status bar")
    check(s["ok"], "the status bar's panels could not be read")
    check(len(s["texts"]) == 2, f"{len(s['texts'])} panels, expected 2")
    check(s["texts"] == ["", ""], f"panel texts {s['texts']!r}")


@case("main_window/status_panel_widths")
def status_widths(c):
    d = started(c)
    s = d["status"]
    check(s is not None and s["ok"], "the status bar's panels could not be read")
    # Panel 1 is 2340 twips wide, panel 2 3900 twips, one after the other.
    first = px(2340, d["dpi"])
    want = [first, first + px(3900, d["dpi"])]
    got = s["edges"]
    check(len(got) == 2 and all(abs(g - w) <= TOLERANCE_PX for g, w in zip(got, want)),
          f"panel right edges {got} px, expected {want}")


@case("main_window/topmost_and_activatcheck_shortly_after_start")
def topmost_after_start(c):
    c.start_app(timeout_s=START_TIMEOUT_S)
    r = c.driver("wait-topmost", str(TOPMOST_DEADLINE_MS), expect_ok=False)
    check(r["ok"], f"the window is not topmost {TOPMOST_DEADLINE_MS} ms after it appeared")
    # The tick sets the check first and its handler then raises the window, so by now both hold.
    check(r["activat_checked"] == 1, f"ActivatCheck is {r['activat_checked']} while topmost")


@case("main_window/activatcheck_cleared_when_shown_then_ticked")
def activat_check_first_moments(c):
    # The driver starts the program itself: only from inside Wine is the window seen before
    # the first timer tick.
    # On a loaded machine the window may first be seen after the first tick (the slider's label
    # already rewritten): such a start says nothing of the moments before it, and is made again.
    exe = "Z:" + c.build_path("sorelka.exe").replace("/", "\\")
    for _ in range(WATCH_STARTS):
        r = c.driver("watch-start", exe, "5000", expect_ok=False, timeout_s=60)
        check(r["ok"], "the main window did not appear within 5 s")
        if r["first"].pop("label") != LABEL2_0_AT_LOAD:
            continue
        break
    else:
        fail(f"in {WATCH_STARTS} starts the window was never seen before the first readout tick")
    check(r["first"] == {"checked": 0, "topmost": False},
          f"when first seen ({r['seen_ms']} ms after start) ActivatCheck was "
          f"{r['first']['checked']} and topmost {r['first']['topmost']}, expected 0 and not topmost")
    check(r["last"] == {"checked": 1, "topmost": True},
          f"{r['topmost_after_seen_ms']} ms after it was seen: ActivatCheck {r['last']['checked']}, "
          f"topmost {r['last']['topmost']}")
    check(r["topmost_after_seen_ms"] <= TOPMOST_DEADLINE_MS,
          f"topmost only {r['topmost_after_seen_ms']} ms after the window was seen")


@case("main_window/slider_label_after_first_tick")
def slider_label(c):
    c.start_app(timeout_s=START_TIMEOUT_S)

    seen = []

    def label():
        seen.append(controls_by_id(c.dump())[LABEL2_0]["text"])
        return seen[-1] == LABEL2_0_AFTER_TICK
    try:
        wait_until(label, 3, "Label2(0)")
    except CaseFailure:
        fail(f"Label2(0) reads {seen[-1]!r}, expected {LABEL2_0_AFTER_TICK!r} after the first tick")


@case("main_window/close_ends_process")
def close_ends(c):
    app = c.start_app(timeout_s=START_TIMEOUT_S)
    c.driver("close")
    app.wait_exit(EXIT_DEADLINE_S, "after WM_CLOSE")


# F10 puts Wine's menu bar in keyboard mode with "メニュー" highlighted; Down opens it with
# its first item selected, Up wraps to the last item, 終了, and Return chooses it.
EXIT_KEYS = ["F10", "Down", "Up", "Return"]


@case("main_window/exit_menu_by_keys_ends_process")
def exit_by_keys(c):
    app = c.start_app(timeout_s=START_TIMEOUT_S)
    c.driver("wait-topmost", str(TOPMOST_DEADLINE_MS), expect_ok=False)
    c.focus_keys()
    wait_until(lambda: c.driver("focus")["foreground"] == app.hwnd, 5,
               "the main window in front after it got the X focus")
    c.keys(*EXIT_KEYS)
    app.wait_exit(EXIT_DEADLINE_S, f"after {' '.join(EXIT_KEYS)}")


def focus_round(c, key, cycle):
    """Presses `key` once more than the cycle is long and checks that the focus walks it."""
    app = c.start_app(timeout_s=START_TIMEOUT_S)
    c.driver("wait-topmost", str(TOPMOST_DEADLINE_MS), expect_ok=False)
    c.focus_keys()
    wait_until(lambda: c.driver("focus")["foreground"] == app.hwnd, 5,
               "the main window in front after it got the X focus")
    at = c.driver("focus")["focus"]
    seen = [at]
    for _ in range(len(cycle) + 1):
        c.keys(key)
        r = c.driver("wait-focus-not", str(at if at is not None else -1), "3000",
                     expect_ok=False)
        if not r["ok"]:
            fail(f"{key} did not move the focus from {NAMES.get(at, at)}; "
                 f"visited {[NAMES.get(i, i) for i in seen]}")
        at = r["focus"]
        seen.append(at)
    visits = seen[1:]
    names = [NAMES.get(i, i) for i in seen]
    check(visits[0] in cycle, f"{key} visited {names}, expected a round of "
                              f"{[NAMES[i] for i in cycle]}")
    start = cycle.index(visits[0])
    want = [cycle[(start + k) % len(cycle)] for k in range(len(visits))]
    check(visits == want, f"{key} visited {names[1:]}, expected {[NAMES[i] for i in want]}")


@case("main_window/tab_order_at_start")
def tab_order(c):
    focus_round(c, "Tab", TAB_CYCLE_AT_START)


@case("main_window/shift_tab_order_at_start")
def shift_tab_order(c):
    focus_round(c, "shift+Tab", list(reversed(TAB_CYCLE_AT_START)))


@case("main_window/x86_64_build_starts")
def win64_starts(c):
    build = c.options.win64_build
    if not os.path.exists(os.path.join(build, "sorelka.exe")):
        skip(f"no x86_64 build at {build}/sorelka.exe")
    app = c.start_app(build=build, timeout_s=START_TIMEOUT_S)
    d = c.dump()
    check(d["caption"] == CAPTION, f"caption is {d['caption']!r}")
    have = controls_by_id(d)
    check(all(row[1] in have for row in CONTROLS),
          f"controls missing: {[row[0] for row in CONTROLS if row[1] not in have]}")
    s = d["status"]
    check(s and s["ok"] and s["texts"] == ["", ""], f"status bar panels {s!r}")
    r = c.driver("wait-topmost", str(TOPMOST_DEADLINE_MS), expect_ok=False)
    check(r["ok"], "the x86_64 window does not become topmost")
    c.driver("close")
    app.wait_exit(EXIT_DEADLINE_S, "x86_64 build after WM_CLOSE")
