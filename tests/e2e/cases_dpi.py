"""The program at other resolutions: WM_DPICHANGED as Windows sends it when the window moves to
a screen of another DPI (Wine never does, so the driver has it sent from the window's own thread,
the suggested rectangle in the program's memory), and a start in a prefix set to 144 dpi. One
sent from another process is not acted on at all."""
import os

from harness import case, check, wait_until
from cases_main_window import (CONTROLS, FRAME2, FRAME4, MESSAGE, PLUS_WORD,
                               START_TIMEOUT_S,
                               controls_by_id, each_control, px)
from cases_translucency import MENU_SKELETON, WM_COMMAND, DEADLINE_S, control, expanded

NEW_DPI = 144
TOLERANCE_PX = 1
CLIENT_TWIPS = (6060, 5265)
# Where the panel's slide leaves Frame4 (its top in twips) when the panel is shown.
FRAME4_TOP_SHOWN, FRAME4_TOP_HIDDEN = 1100, 2700
DESKTOP_KEY = r"HKCU\Control Panel\Desktop"


def twips_now(panel_shown):
    """Each control's place in twips after load, with Frame4 where the slide leaves it."""
    rows = {row[1]: list(row[5]) for row in CONTROLS}
    if panel_shown:
        rows[FRAME4][1] = FRAME4_TOP_SHOWN
    return rows


def check_layout(d, dpi, panel_shown):
    rows = twips_now(panel_shown)

    def judge(row, a):
        want = [px(v, dpi) for v in rows[row[1]]]
        if any(abs(g - w) > TOLERANCE_PX for g, w in zip(a["rect"], want)):
            return f"at {a['rect']} px, expected {want} from {rows[row[1]]} twips at {dpi} dpi"
    each_control(d, judge)
    want = [px(v, dpi) for v in CLIENT_TWIPS]
    check(d["client"] == want, f"client area {d['client']} px, expected {want} at {dpi} dpi")
    s = d["status"]
    first = px(2340, dpi)
    check(s and s["ok"] and s["edges"] == [first, first + px(3900, dpi)],
          f"status panel edges {s and s['edges']}, expected {[first, first + px(3900, dpi)]}")


def glyphs(c):
    """Text in the two boxes of different fonts (8.25 pt and 9 pt): its size shows the font's."""
    return {ident: c.driver("glyphs", str(ident)) for ident in (MESSAGE, PLUS_WORD)}


def change_dpi(c, d, dpi):
    """Has WM_DPICHANGED sent with the rectangle Windows would suggest: the same frame around a
    client area of the new size, moved a little. The window takes it."""
    x, y, w, h = d["window"]
    cw, ch = [px(v, dpi) for v in CLIENT_TWIPS]
    frame_w, frame_h = w - d["client"][0], h - d["client"][1]
    rect = [x + 17, y + 9, x + 17 + frame_w + cw, y + 9 + frame_h + ch]
    got = c.driver("dpi-changed", str(dpi), *map(str, rect))["window"]
    want = [rect[0], rect[1], rect[2] - rect[0], rect[3] - rect[1]]
    check(got == want, f"window at {got} after WM_DPICHANGED, expected {want}")


def check_fonts_scaled(before, after, dpi):
    problems = []
    for ident, b in before.items():
        for what in ("width", "line"):
            want, got = b[what] * dpi / 96, after[ident][what]
            # Glyphs are hinted to whole pixels: near the scaled size, far from the old one.
            if abs(got - want) > max(2, want * 0.1):
                problems.append(f"{ident}: {what} {got} px, {b[what]} px at 96 dpi: expected about {want:g}")
    check(not problems, "fonts not made for the new DPI: " + "; ".join(problems))


@case("dpi/dpi_changed_places_every_control_again")
def dpi_changed_collapsed(c):
    c.start_app(timeout_s=START_TIMEOUT_S)
    d = c.dump()
    check(d["dpi"] == 96, f"the prefix is at {d['dpi']} dpi, not 96")
    before = glyphs(c)
    change_dpi(c, d, NEW_DPI)
    check_layout(c.dump(), NEW_DPI, panel_shown=False)
    check_fonts_scaled(before, glyphs(c), NEW_DPI)


@case("dpi/dpi_changed_keeps_the_panel_open")
def dpi_changed_panel(c):
    c.start_app(timeout_s=START_TIMEOUT_S)
    expanded(c)
    d = c.dump()
    check(controls_by_id(d)[FRAME4]["rect"][1] == px(FRAME4_TOP_SHOWN, 96),
          f"Frame4 at {controls_by_id(d)[FRAME4]['rect']} with the panel shown")
    change_dpi(c, d, NEW_DPI)
    d = c.dump()
    check_layout(d, NEW_DPI, panel_shown=True)
    check(not controls_by_id(d)[FRAME2]["visible"], "Frame2 shown again after the DPI change")
    # The panel goes away from where it stands: Frame4 back at its place at load, at 144 dpi.
    c.driver("post", "main", str(WM_COMMAND), str(MENU_SKELETON), "0")
    want = px(FRAME4_TOP_HIDDEN, NEW_DPI)
    wait_until(lambda: control(c, FRAME4)["rect"][1] == want and control(c, FRAME2)["visible"],
               DEADLINE_S, f"Frame4 back at top {want} px and Frame2 shown")
    check_layout(c.dump(), NEW_DPI, panel_shown=False)


@case("dpi/starts_at_144_dpi")
def starts_at_144(c):
    # Wine takes a process's DPI from this value when the process starts (HKCC\Software\Fonts
    # LogPixels is only the fallback): set while this case runs (the driver's own reading of
    # the DPI included), then taken away, since the prefix is shared with the 96 dpi cases.
    c.envr.run(["wine", "reg", "add", DESKTOP_KEY, "/v", "LogPixels", "/t", "REG_DWORD",
                "/d", str(NEW_DPI), "/f"])
    try:
        c.start_app(timeout_s=START_TIMEOUT_S)
        d = c.dump()
        x, y, w, h = d["window"]
        os.makedirs(c.casedir, exist_ok=True)
        c.screenshot(os.path.join(c.casedir, "main-window-144dpi.png"),
                     crop=(max(x, 0), max(y, 0), w, h))
    finally:
        c.envr.run(["wine", "reg", "delete", DESKTOP_KEY, "/v", "LogPixels", "/f"])
    check(d["dpi"] == NEW_DPI, f"the program runs at {d['dpi']} dpi, not {NEW_DPI}")
    check_layout(d, NEW_DPI, panel_shown=False)


@case("dpi/dpi_changed_places_the_tip_and_version_windows_again")
def dpi_changed_dialogs(c):
    from cases_dialogs import (ABOUT_CLASS, ABOUT_CONTROLS, MENU_HELP, MENU_INFO, TIP_CLASS,
                               TIP_CONTROLS, check_controls, check_placed_alone, check_tip_text,
                               menu, window, with_pid)
    app = with_pid(c)
    for command, cls, table, client in ((MENU_INFO, ABOUT_CLASS, ABOUT_CONTROLS, (5310, 1905)),
                                        (MENU_HELP, TIP_CLASS, TIP_CONTROLS, (6360, 4725))):
        menu(c, app, command)
        w = window(c, app, cls)
        x, y, width, height = w["window"]
        cw, ch = [px(v, NEW_DPI) for v in client]
        rect = [x + 11, y + 7, x + 11 + width - w["client"][0] + cw, y + 7 + height - w["client"][1] + ch]
        got = c.driver("--hwnd", str(w["hwnd"]), "dpi-changed", str(NEW_DPI), *map(str, rect))["window"]
        check(got == [rect[0], rect[1], rect[2] - rect[0], rect[3] - rect[1]],
              f"{cls} at {got} after WM_DPICHANGED, expected at {rect}")
        after = dict(window(c, app, cls), dpi=NEW_DPI)  # the driver's own reading stays 96
        check_placed_alone(after, w["caption"], client)
        check_controls(after, table)
        if cls == TIP_CLASS:
            check_tip_text(c, after)  # larger, in its colours and emphasis still


@case("dpi/dpi_changed_from_another_process_changes_nothing")
def dpi_changed_untrusted(c):
    c.start_app(timeout_s=START_TIMEOUT_S)
    d = c.dump()
    before = glyphs(c)
    # An address that means nothing in the program (the driver's own), then no rectangle at all.
    for lparam in (0x10, 0):
        got = c.driver("dpi-changed", str(NEW_DPI), "--lparam", str(lparam))["window"]
        check(c.app.running(), f"the program ended at WM_DPICHANGED with lParam {lparam:#x}")
        check(got == d["window"], f"the window went to {got} from {d['window']} (lParam {lparam:#x})")
        check_layout(c.dump(), 96, panel_shown=False)
    check(glyphs(c) == before, "the fonts were made again for a WM_DPICHANGED of another process")
