"""The tip window ("ﾜﾝﾎﾟｲﾝﾄ"), the version window ("ﾊﾞｰｼﾞｮﾝ情報"), the home page, and how the
process ends while they are open."""
import os
import re

from harness import case, check, fail, wait_until
from cases_send import compose, send, sent, wait_sent
from cases_target import CHAT, ROOM, PHRASE, UNKNOWN, bring, expect_status, holds
from cases_target import started as started_with_peer

START_TIMEOUT_S = 15
OPEN_MS = 5000
CLOSE_MS = 5000
EXIT_DEADLINE_S = 5
TOLERANCE_PX = 1

TIP_CLASS, ABOUT_CLASS = "SorelkaTipWindow", "SorelkaAboutWindow"
WM_COMMAND, WM_SYSCOMMAND, SC_CLOSE = 0x0111, 0x0112, 0xF060
IDOK = 1
# Menu command ids: 2000 + the item's place in the program's menu table.
MENU_SKELETON, MENU_INFO, MENU_HELP, MENU_END, MENU_GOHOME = 2001, 2002, 2003, 2004, 2005
WS_EX_DLGMODALFRAME, SS_ETCHEDHORZ, SS_TYPEMASK = 0x1, 0x10, 0x1F
BS_DEFPUSHBUTTON, BS_TYPEMASK = 0x1, 0xF

BLUE, RED, BLACK = 0xFF0000, 0x0000FF, 0x000000
# The help text as it is written: colour, bold, text. The rich edit keeps a paragraph break as
# one CR, so that is how it reads back.
TIP_ROWS = [
    (BLUE, True, "MSN Chat, MSN Messenger Sorelkaツール\u3000for XP\r\n\r\n"),
    (RED, True, "はじめに"),
    (RED, True, "\r\n"),
    (BLACK, False, "このプログラムは、"),
    (BLUE, True, "InternetExplorer + Windows 2000,XP"),
    (BLACK, False, "のみで動作します。Windows 9xでも動作はしますが、透明化などの機能は使えません。"
                   "文字化けする可能性もあります。"),
    (BLACK, True, "9xの方は旧バージョンをお使いください。"),
    (BLUE, True, "NetscapeやMSNエクスプローラでは動作しません。"),
    (BLUE, True, "\r\n\r\n"),
    (RED, True, "※重要\r\n"),
    (BLACK, True, "ウィンドウの選択方法は、旧バージョンと同じで最前面のウィンドウが選択されます。\r\n"),
    (BLACK, False, "チャットで使用するときは、フォントを"),
    (BLUE, True, "MS P ゴシック"),
    (BLACK, False, "にしてください。ほかのフォントではアスキーアートがうまく表示されません。\r\n"),
    (BLACK, False, "透明化は、フォーム上で右クリックするか、メニューボタンを押してください。"
                   "選択されているウィンドウのアルファを変えることができます。"),
    (BLUE, False, "\r\n\r\n詳しい使い方は体で覚えてください。"),
]

# name, class, parent name (None: the window), text, (left, top, width, height) twips
TIP_CONTROLS = [
    ("cmdOK", "button", None, "OK", (4500, 4260, 1215, 375)),
    ("Picture1", "sorelkapicturebox", None, "", (240, 45, 6015, 4095)),
    ("Label1", "static", "Picture1", "使い方...", (600, 240, 2655, 255)),
    ("RichTextBox1", "richedit20w", "Picture1", None, (75, 510, 5835, 3540)),
]
ABOUT_CONTROLS = [
    ("cmdOK", "button", None, "OK", (3435, 1425, 1380, 345)),
    ("picIcon", "sorelkapicturebox", None, "", (240, 240, 540, 540)),
    ("Label1", "static", None, None, (2790, 1050, 1935, 255)),
    ("Label2", "static", None, None, (375, 1500, 2655, 255)),
    ("Label4", "static", None, "Supported", (1770, 1065, 810, 195)),
    ("Label3", "static", None, "M$N Chat Kelvaraツール ver 2.0", (915, 360, 3075, 195)),
    ("Label5", "static", None, "for Windows 2000 ,XP", (2790, 570, 1680, 195)),
    ("StatusIcon(1)", "static", None, "", (945, 825, 240, 240)),
    ("StatusIcon(0)", "static", None, "", (1245, 825, 240, 240)),
    ("StatusIcon(2)", "static", None, "", (1545, 840, 240, 240)),
    ("Image1", "static", None, "", (1875, 825, 240, 240)),
    ("Line1", "static", None, "", (135, 1365, 3000, None)),
]


def px(twips, dpi):
    return (twips * dpi + 720) // 1440


def expected_runs():
    runs = []
    for colour, bold, text in TIP_ROWS:
        text = text.replace("\r\n", "\r")
        if runs and runs[-1][0] == colour and runs[-1][1] == bold:
            runs[-1][2] += text
        else:
            runs.append([colour, bold, text])
    return [tuple(r) for r in runs]


def started(c):
    app = c.start_app(timeout_s=START_TIMEOUT_S)
    # Once topmost the start-up is over; the windows opened now meet a main window on top.
    c.driver("wait-topmost", "2000", expect_ok=False)
    return app


def menu(c, app, command):
    c.driver("post-hwnd", str(app.hwnd), str(WM_COMMAND), str(command), "0")


def window(c, app, cls):
    return c.driver("top", cls, str(app.pid_in_wine), str(OPEN_MS))


def count(c, app, cls):
    return c.driver("top", cls, str(app.pid_in_wine), "0", expect_ok=False)["count"]


def wait_closed(c, app, cls, what):
    r = c.driver("wait-none", cls, str(app.pid_in_wine), str(CLOSE_MS), expect_ok=False)
    check(r["ok"], f"{what}: the {cls} window is still there")


def keys_to(c, hwnd, *keys):
    c.focus_keys(hwnd)
    wait_until(lambda: c.driver("focus")["foreground"] == hwnd, 5, "the window in front for the keys")
    c.keys(*keys)


def with_pid(c):
    app = started(c)
    app.pid_in_wine = c.driver("find")["pid"]
    return app


def loaded(c, app):
    return set(c.driver("modules", str(app.pid_in_wine))["modules"])


def check_controls(w, table):
    dpi = w["dpi"]
    problems, named = [], {}
    # The window lists its controls in table order, each container before what it holds.
    controls = w["controls"]
    if len(controls) != len(table):
        fail(f"{len(controls)} controls, expected {len(table)}: {[c['class'] for c in controls]}")
    for (name, cls, parent, text, box), got in zip(table, controls):
        named[name] = got
        if got["class"].lower() != cls:
            problems.append(f"{name}: class {got['class']}")
        want_parent = 0 if parent is None else named[parent]["id"]
        if got["parent"] != want_parent:
            problems.append(f"{name}: parent {got['parent']}, expected {want_parent}")
        if text is not None and got["text"] != text:
            problems.append(f"{name}: text {got['text']!r}, expected {text!r}")
        want = [px(v, dpi) if v is not None else None for v in box]
        if any(wv is not None and abs(g - wv) > TOLERANCE_PX for g, wv in zip(got["rect"], want)):
            problems.append(f"{name}: at {got['rect']} px, expected {want}")
    check(not problems, "; ".join(problems))
    return named


def check_placed_alone(w, caption, client_twips):
    check(w["caption"] == caption, f"caption {w['caption']!r}")
    check(not w["topmost"], "the window is topmost")
    check(w["owner"] == 0, f"the window is owned by {w['owner']}")
    check(not w["minimizebox"] and not w["maximizebox"], "the window has a minimise or maximise box")
    want = [px(v, w["dpi"]) for v in client_twips]
    check(all(abs(g - v) <= TOLERANCE_PX for g, v in zip(w["client"], want)),
          f"client area {w['client']} px, expected {want}")


def check_tip_text(c, w):
    box = next(ctl for ctl in w["controls"] if ctl["class"].lower() == "richedit20w")
    r = c.driver("rich", str(box["hwnd"]))
    got = [(run["colour"], run["bold"], run["text"]) for run in r["runs"]]
    want = expected_runs()
    if got != want:
        for i, (g, e) in enumerate(zip(got, want)):
            if g != e:
                fail(f"run {i} of the help text is {g!r}, expected {e!r}")
        fail(f"{len(got)} runs in the help text, expected {len(want)}")


@case("dialogs/tip_window_once_with_its_text_closed_by_enter_and_esc")
def tip_window(c):
    app = with_pid(c)
    # Help is the third item of the menu "メニュー", chosen with real keys.
    keys_to(c, app.hwnd, "F10", "Down", "Down", "Down", "Return")
    w = window(c, app, TIP_CLASS)
    check_placed_alone(w, "ﾜﾝﾎﾟｲﾝﾄ", (6360, 4725))
    check(w["sizable"], "the tip window has no sizing border")
    named = check_controls(w, TIP_CONTROLS)
    check(named["cmdOK"]["id"] == IDOK and named["cmdOK"]["style"] & BS_TYPEMASK == BS_DEFPUSHBUTTON,
          "cmdOK is not the default button")
    check(w["focus"] == IDOK, f"the focus is on control {w['focus']}, expected cmdOK")
    check_tip_text(c, w)

    menu(c, app, MENU_HELP)  # a second Help only shows and focuses it
    again = window(c, app, TIP_CLASS)
    check(again["count"] == 1 and again["hwnd"] == w["hwnd"], f"{again['count']} tip windows after a second Help")
    check_tip_text(c, again)

    # Tab order: cmdOK (0), then the help text (3) inside the picture box, and round again.
    keys_to(c, w["hwnd"], "Tab")
    text_id = named["RichTextBox1"]["id"]
    wait_until(lambda: window(c, app, TIP_CLASS)["focus"] == text_id, 3, "Tab to the help text")
    c.keys("Tab")
    wait_until(lambda: window(c, app, TIP_CLASS)["focus"] == IDOK, 3, "Tab back to cmdOK")
    c.keys("shift+Tab")
    wait_until(lambda: window(c, app, TIP_CLASS)["focus"] == text_id, 3, "Shift+Tab to the help text")

    c.keys("Return")  # the default button takes Enter wherever the focus is
    wait_closed(c, app, TIP_CLASS, "after Enter")
    menu(c, app, MENU_HELP)
    w = window(c, app, TIP_CLASS)
    check_tip_text(c, w)  # rebuilt the same
    keys_to(c, w["hwnd"], "Escape")
    wait_closed(c, app, TIP_CLASS, "after Esc")
    check(app.running(), "the program ended with the tip window")


@case("dialogs/version_window_once_with_its_controls_closed_by_enter_and_esc")
def about_window(c):
    app = with_pid(c)
    keys_to(c, app.hwnd, "F10", "Down", "Down", "Return")  # Info, the second item
    w = window(c, app, ABOUT_CLASS)
    check_placed_alone(w, "ﾊﾞｰｼﾞｮﾝ情報", (5310, 1905))
    check(not w["sizable"] and w["exstyle"] & WS_EX_DLGMODALFRAME, "not a fixed dialog border")
    named = check_controls(w, ABOUT_CONTROLS)
    check(named["Line1"]["style"] & SS_TYPEMASK == SS_ETCHEDHORZ, "Line1 is not a horizontal line")
    for notice in ("Label1", "Label2"):
        check(re.search(r"[\u3040-\u30ff\u4e00-\u9fff]", named[notice]["text"]),
              f"{notice} reads {named[notice]['text']!r}: no Japanese notice")
    check(w["focus"] == IDOK, f"the focus is on control {w['focus']}, expected cmdOK")

    menu(c, app, MENU_INFO)
    check(window(c, app, ABOUT_CLASS)["count"] == 1, "two version windows after a second Info")
    keys_to(c, w["hwnd"], "Escape")
    wait_closed(c, app, ABOUT_CLASS, "after Esc")
    menu(c, app, MENU_INFO)
    w = window(c, app, ABOUT_CLASS)
    keys_to(c, w["hwnd"], "Return")
    wait_closed(c, app, ABOUT_CLASS, "after Enter")
    check(app.running(), "the program ended with the version window")


@case("dialogs/closing_tip_or_version_window_gives_the_front_back_to_the_chosen_chat")
def front_back_to_the_chat(c):
    # The Messenger window is made after the chat room, beside it: below a closing window of
    # the program, the system would choose it, not the chat room the user had chosen.
    app, peer = started_with_peer(c, "--chat", "--messenger")
    app.pid_in_wine = c.driver("find")["pid"]
    chat = peer.hwnd("chat-frame")
    x, y, w, h = c.driver("--hwnd", str(peer.hwnd("chat-input")), "rect")["rect"]
    c.xdotool("mousemove", str(x + w // 2), str(y + h // 2), "click", "1")
    expect_status(c, CHAT, ROOM + PHRASE)

    lines = []
    # ヘルプ is the third item of the menu, インフォメーション the second; each closed by Esc,
    # then the tip window once more by its close box.
    for cls, downs, line, how in ((TIP_CLASS, 3, "ab", "Esc"), (ABOUT_CLASS, 2, "cd", "Esc"),
                                  (TIP_CLASS, 3, "ef", "its close box")):
        bring(c, app.hwnd)  # as a click on the main window would
        keys_to(c, app.hwnd, "F10", *["Down"] * downs, "Return")
        opened = window(c, app, cls)
        r = c.driver("wait-panel", "0", UNKNOWN, "3000", expect_ok=False)
        check(r["ok"], f"{opened['caption']} in front: status panel 1 reads {r['seen']!r}")
        if how == "Esc":
            keys_to(c, opened["hwnd"], "Escape")
        else:
            c.driver("post-hwnd", str(opened["hwnd"]), str(WM_SYSCOMMAND), str(SC_CLOSE), "0")
        wait_closed(c, app, cls, f"after {how}")
        wait_until(lambda: c.driver("focus")["foreground"] == chat, 5,
                   f"the chat room in front after {opened['caption']} closed by {how}")
        expect_status(c, CHAT, ROOM + PHRASE)
        holds(c, [CHAT, ROOM + PHRASE], f"after {opened['caption']} closed")

        compose(c, line)
        send(c)
        lines.append(line[::-1])
        got = wait_sent(c, peer, "chat-dialog", len(lines), "the line after the window closed")
        check(got == lines, f"the chat room sent {got!r}, expected {lines!r}")
        check(not sent(peer, "im-window"), f"Messenger sent {sent(peer, 'im-window')!r}")

    # With the chat room gone by then, the main window takes the front, not Messenger.
    bring(c, app.hwnd)
    keys_to(c, app.hwnd, "F10", "Down", "Down", "Down", "Return")
    opened = window(c, app, TIP_CLASS)
    c.driver("--hwnd", str(chat), "close")
    c.driver("--hwnd", str(chat), "wait-gone", "5000")
    keys_to(c, opened["hwnd"], "Escape")
    wait_closed(c, app, TIP_CLASS, "after Esc")
    wait_until(lambda: c.driver("focus")["foreground"] == app.hwnd, 5,
               "the main window in front after the tip window closed with the chat room gone")


@case("dialogs/windows_are_other_applications_and_outlive_the_main_window")
def outlive(c):
    app = with_pid(c)
    menu(c, app, MENU_HELP)
    tip = window(c, app, TIP_CLASS)
    menu(c, app, MENU_INFO)
    about = window(c, app, ABOUT_CLASS)
    for w in (tip, about):
        c.driver("foreground", str(w["hwnd"]))
        r = c.driver("wait-panel", "0", "不明なアプリケーション", "3000", expect_ok=False)
        check(r["ok"], f"{w['caption']} in front: status panel 1 reads {r['seen']!r}")
        send = next(ctl for ctl in c.dump()["controls"] if ctl["id"] == 1020)
        check(not send["enabled"], f"{w['caption']} in front: Send is enabled")
    # Both stay below a main window that is on top, even when in front of everything else.
    check(c.driver("wait-topmost", "0", expect_ok=False)["ok"], "the main window left the topmost band")
    main_z = c.driver("top", "SorelkaMainWindow", str(app.pid_in_wine), "0")["z"]
    for cls in (TIP_CLASS, ABOUT_CLASS):
        w = window(c, app, cls)
        check(not w["topmost"] and w["z"] > main_z,
              f"{w['caption']} at {w['z']} in the Z order, above the main window at {main_z}")

    c.driver("post-hwnd", str(app.hwnd), str(WM_SYSCOMMAND), str(SC_CLOSE), "0")
    check(c.driver("wait-gone", "5000", expect_ok=False)["ok"], "the main window did not close")
    check(count(c, app, TIP_CLASS) == 1 and count(c, app, ABOUT_CLASS) == 1,
          "the tip and version windows did not outlive the main window")
    check(app.running(), "the process ended with the main window")
    c.driver("post-hwnd", str(tip["hwnd"]), str(WM_COMMAND), str(IDOK), "0")
    wait_closed(c, app, TIP_CLASS, "after OK")
    check(app.running(), "the process ended while the version window was open")
    c.driver("post-hwnd", str(about["hwnd"]), str(WM_COMMAND), str(IDOK), "0")
    app.wait_exit(EXIT_DEADLINE_S, "after its last window closed")


@case("dialogs/exit_closes_every_window")
def exit_all(c):
    app = with_pid(c)
    menu(c, app, MENU_HELP)
    window(c, app, TIP_CLASS)
    menu(c, app, MENU_INFO)
    window(c, app, ABOUT_CLASS)
    menu(c, app, MENU_END)
    app.wait_exit(EXIT_DEADLINE_S, "after 終了 with the tip and version windows open")


@case("dialogs/rich_edit_and_clock_libraries_load_when_first_needed")
def libraries_on_demand(c):
    app = with_pid(c)
    at_start = loaded(c, app)
    for lib in ("riched20.dll", "winmm.dll", "shell32.dll"):
        check(lib not in at_start, f"{lib} was loaded at start")
    menu(c, app, MENU_HELP)
    window(c, app, TIP_CLASS)
    check("riched20.dll" in loaded(c, app), "the tip window opened without the rich edit library")
    # The panel's slide times its steps by the clock; the slide's own case sees them go by.
    menu(c, app, MENU_SKELETON)
    wait_until(lambda: "winmm.dll" in loaded(c, app), 10, "the clock's library once the panel slides")
    check(app.running(), "the program ended")


@case("dialogs/a_tip_window_that_cannot_be_made_is_told_of_and_the_main_window_goes_on")
def tip_window_not_made(c):
    # Without the rich edit library (switched off for this process alone) the help text's box
    # has no class, so the tip window cannot be made.
    env = c.envr.env
    c.envr.env = dict(env, WINEDLLOVERRIDES=env.get("WINEDLLOVERRIDES", "") + ";riched20=d")
    try:
        app = with_pid(c)
    finally:
        c.envr.env = env
    for attempt in (1, 2):  # nothing is left half made: the next opening fails the same way
        menu(c, app, MENU_HELP)
        box = c.driver("box", "Sorelka", "5000", expect_ok=False)
        check(box["ok"], f"no message box titled 'Sorelka' after Help ({attempt})")
        lines = re.split(r"\r?\n", box["text"])
        check(len(lines) == 2 and lines[0] == "ウィンドウを作成できませんでした。" and lines[1].strip(),
              f"the box says {box['text']!r}")
        c.driver("answer", "Sorelka", str(IDOK))
        check(count(c, app, TIP_CLASS) == 0, "a tip window is there after the failure")
    # The main window goes on: its menu still opens the version window.
    menu(c, app, MENU_INFO)
    window(c, app, ABOUT_CLASS)
    check(app.running(), "the program ended")


# --- the home page ------------------------------------------------------------------------

def configured_url(c):
    with open(os.path.join(c.options.build, "CMakeCache.txt"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("SORELKA_HOME_URL:"):
                return line.split("=", 1)[1].rstrip("\n")
    fail("no SORELKA_HOME_URL in the build's CMakeCache.txt")


def wine_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class Registry:
    """Changes to the test prefix's registry, undone when the case ends."""

    def __init__(self, c):
        self.c = c
        self.undo = []

    def run(self, *args, check_rc=True):
        r = self.c.envr.run(["wine", "reg", *args], timeout=60, check_rc=False)
        self.c.note(f"wine reg {' '.join(args)} -> rc {r.returncode}")
        if check_rc and r.returncode != 0:
            fail(f"wine reg {' '.join(args)} failed")
        return r

    def remove(self, key):
        """Deletes `key`, exported first so that it comes back."""
        saved = os.path.join(self.c.casedir, re.sub(r"\W", "_", key) + ".reg")
        os.makedirs(self.c.casedir, exist_ok=True)
        if self.run("export", key, wine_path(saved), "/y", check_rc=False).returncode != 0:
            return  # not there
        self.run("delete", key, "/f")
        self.undo.append(("import", wine_path(saved)))

    def add(self, key, *args):
        self.run("add", key, *args, "/f")
        self.undo.append(("delete", key, "/f"))

    def restore(self):
        for args in reversed(self.undo):
            self.run(*args, check_rc=False)


# The associations a fresh prefix has for web addresses and pages.
WEB_KEYS = [r"HKEY_CLASSES_ROOT\http", r"HKEY_CLASSES_ROOT\https", r"HKEY_CLASSES_ROOT\.htm",
            r"HKEY_CLASSES_ROOT\.html", r"HKEY_CLASSES_ROOT\htmlfile"]


@case("dialogs/home_page_goes_to_the_registered_browser")
def home_page(c):
    url = configured_url(c)
    out = os.path.join(c.casedir, "opened.txt")
    os.makedirs(c.casedir, exist_ok=True)
    if os.path.exists(out):
        os.remove(out)
    handler = wine_path(c.build_path("url_handler.exe"))
    reg = Registry(c)
    try:
        for key in WEB_KEYS:
            reg.remove(key)
        scheme = url.split(":", 1)[0]
        base = rf"HKEY_CLASSES_ROOT\{scheme}"
        reg.add(base, "/ve", "/d", f"URL:{scheme}")
        reg.add(base, "/v", "URL Protocol", "/d", "")
        reg.add(base + r"\shell\open\command", "/ve", "/d", f'"{handler}" "{wine_path(out)}" "%1"')
        app = with_pid(c)
        check("shell32.dll" not in loaded(c, app), "the shell library was loaded before it was needed")
        menu(c, app, MENU_GOHOME)
        wait_until(lambda: os.path.exists(out) and os.path.getsize(out) > 0, 15, "the address at the handler")
        with open(out, encoding="utf-8") as f:
            got = f.read()
        check(got == url, f"the handler received {got!r}, expected {url!r}")
        check(app.running(), "the program ended after opening the home page")
    finally:
        reg.restore()


@case("dialogs/home_page_without_a_browser_shows_nothing")
def home_page_no_handler(c):
    reg = Registry(c)
    try:
        for key in WEB_KEYS:
            reg.remove(key)
        app = with_pid(c)
        menu(c, app, MENU_GOHOME)
        # A menu command posted after it runs after it: once Help has its window, GoHome is over.
        menu(c, app, MENU_HELP)
        window(c, app, TIP_CLASS)
        boxes = c.driver("top", "#32770", str(app.pid_in_wine), "0", expect_ok=False)
        check(boxes["count"] == 0, f"a dialog appeared: {boxes.get('caption')!r}")
        check(app.running(), "the program ended")
        check(c.driver("dump")["visible"], "the main window is gone")
    finally:
        reg.restore()
