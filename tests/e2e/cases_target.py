"""Which window the assistant types into: the window last in front, as the status bar shows it
and as the sending controls follow it. Chat windows come from chatpeer.exe; Wine's own
Internet Explorer and Notepad stand for programs nobody here wrote."""
import os
import subprocess
import time

from harness import Process, case, check, fail, skip, wait_until

START_TIMEOUT_S = 15
CHOICE_MS = 3000      # the program looks every 50 ms; this is a generous bound
HOLD_S = 0.5          # ten polling periods: long enough for a change that should not happen

PHRASE = "\u3000を選択しました。"
CHAT, MESSENGER, UNKNOWN = "M$Nチャット ", "メッセンジャー", "不明なアプリケーション"
ROOM = "ロビー01"
IM_TITLE = "山田 - 会話"
PAGE_TITLE = "ふつうのページ - Microsoft Internet Explorer"

ACTIVAT_CHECK = 1000
FOOTER, HEADER, PLUS_WORD, LABEL2_1, DEFAULT, SAKASA, AA, LIMIT, WAIT, LABEL4 = range(1009, 1019)
EVERY_WORD, SEND, MESSAGE, SEND_NOW, LABEL7 = range(1019, 1024)
SENDING = [AA, DEFAULT, SAKASA, EVERY_WORD, SEND_NOW, HEADER, FOOTER, LABEL2_1, PLUS_WORD,
           LIMIT, WAIT, LABEL4, LABEL7, MESSAGE, SEND]


def shown(title):
    """Panel 2 for a Messenger or other window: the first 25 characters of its title."""
    return title[:25] + PHRASE


def status(c):
    s = c.dump()["status"]
    check(s and s["ok"], f"the status bar cannot be read: {s!r}")
    return s["texts"]


def expect_status(c, kind, name):
    """Waits for panel 2 to name the window and then checks panel 1 names its kind."""
    want = [kind, name]
    r = c.driver("wait-panel", "1", name, str(CHOICE_MS), expect_ok=False)
    if not r["ok"]:
        front = c.driver("focus", expect_ok=False).get("foreground")
        fail(f"status bar: panel 2 reads {r['seen']!r} {CHOICE_MS} ms on, expected {name!r} "
             f"(foreground window now {front})")
    got = status(c)
    check(got == want, f"status bar reads {got!r}, expected {want!r}")


def enabled_states(c):
    return {w["id"]: w["enabled"] for w in c.dump()["controls"] if w["id"] in SENDING}


def expect_sending_enabled(c):
    """Default mode with nothing ticked: every sending control is on."""
    got = enabled_states(c)
    off = [i for i in SENDING if not got.get(i)]
    check(not off, f"sending controls disabled while a chat window is the target: {off}")


def expect_sending_disabled(c):
    got = enabled_states(c)
    on = [i for i in SENDING if got.get(i)]
    check(not on, f"sending controls enabled while no chat window is the target: {on}")


def message_text(c):
    for w in c.dump()["controls"]:
        if w["id"] == MESSAGE:
            return w["text"]
    fail("no Message box")


def bring(c, hwnd):
    c.driver("foreground", str(hwnd))


def holds(c, want, what):
    """The status bar keeps `want` for HOLD_S while the program polls."""
    deadline = time.monotonic() + HOLD_S
    while True:
        got = status(c)
        check(got == want, f"{what}: the status bar changed to {got!r} from {want!r}")
        if time.monotonic() >= deadline:
            return
        time.sleep(0.05)


def started(c, *peer_args):
    app = c.start_app(timeout_s=START_TIMEOUT_S)
    # The first tick ticks ActivatCheck, whose handler raises the window and so can take the
    # front from a window brought there a moment before; let that happen first.
    wait_until(lambda: [w["checked"] for w in c.dump()["controls"]
                        if w["id"] == ACTIVAT_CHECK] == [1], 5, "ActivatCheck ticked after start")
    peer = c.start_peer(*peer_args) if peer_args else None
    return app, peer


@case("discovery/chat_room_then_messenger_then_the_assistant_itself")
def chat_then_messenger(c):
    app, peer = started(c, "--chat", "--messenger")
    expect_sending_disabled(c)
    chat, im = peer.hwnd("chat-frame"), peer.hwnd("im-window")

    bring(c, chat)
    expect_status(c, CHAT, ROOM + PHRASE)
    expect_sending_enabled(c)

    bring(c, im)
    expect_status(c, MESSENGER, shown(IM_TITLE))
    expect_sending_enabled(c)

    # The assistant in front changes nothing: the Messenger window stays the target.
    bring(c, app.hwnd)
    wait_until(lambda: c.driver("focus")["foreground"] == app.hwnd, 5,
               "the main window in front")
    holds(c, [MESSENGER, shown(IM_TITLE)], "with the assistant in front")
    expect_sending_enabled(c)

    bring(c, im)
    holds(c, [MESSENGER, shown(IM_TITLE)], "back to the same Messenger window")
    bring(c, chat)
    expect_status(c, CHAT, ROOM + PHRASE)
    expect_sending_enabled(c)


@case("discovery/plain_browser_page_is_an_unknown_application")
def plain_page(c):
    _, peer = started(c, "--chat", "--plain-page")
    bring(c, peer.hwnd("chat-frame"))
    expect_status(c, CHAT, ROOM + PHRASE)
    expect_sending_enabled(c)

    bring(c, peer.hwnd("page-frame"))
    expect_status(c, UNKNOWN, shown(PAGE_TITLE))
    check(len(PAGE_TITLE) > 25, "the page title should be longer than what is shown")
    expect_sending_disabled(c)


@case("discovery/long_titles_and_room_names_are_cut")
def long_titles(c):
    title = "一二三四五六七八九十" * 3  # 30 characters
    room = "あいうえおかきくけこさし"    # 12 full-width characters, 24 bytes in code page 932
    _, peer = started(c, "--messenger", "--title", title, "--chat", "--room", room)
    bring(c, peer.hwnd("im-window"))
    expect_status(c, MESSENGER, title[:25] + PHRASE)

    # At most 19 bytes: nine full-width characters (18 bytes), never half of the tenth.
    bring(c, peer.hwnd("chat-frame"))
    expect_status(c, CHAT, room[:9] + PHRASE)

    # One half-width letter first: 1 + 9 * 2 = 19 bytes fit whole.
    odd = c.start_peer("--chat", "--room", "a" + room, "--x", "400")
    bring(c, odd.hwnd("chat-frame"))
    expect_status(c, CHAT, "a" + room[:9] + PHRASE)


@case("discovery/messenger_without_send_button_is_still_messenger")
def messenger_without_button(c):
    _, peer = started(c, "--messenger", "--no-send-button")
    bring(c, peer.hwnd("im-window"))
    expect_status(c, MESSENGER, shown(IM_TITLE))
    expect_sending_enabled(c)


def start_wine_program(c, program, *args):
    """Starts one of Wine's own programs in this run's prefix; ended with the case."""
    os.makedirs(c.casedir, exist_ok=True)
    log_path = os.path.join(c.casedir, f"{program}-{len(c.processes)}.log")
    with open(log_path, "wb") as log:
        popen = subprocess.Popen(["wine", program, *args], env=c.envr.env, stdout=log, stderr=log,
                                 stdin=subprocess.DEVNULL)
    p = Process(program, popen, log_path)
    c.processes.append(p)
    c.note(f"started wine {program} as pid {p.pid}")
    return p


def wine_window(c, program, cls, *args, timeout_s=30):
    """Starts one of Wine's programs and returns its titled top-level window, or None and why."""
    p = start_wine_program(c, program, *args)
    r = c.driver("--class", cls, "find", str(timeout_s * 1000), expect_ok=False,
                 timeout_s=timeout_s + 30)
    if not r.get("ok"):
        if not p.running():
            return None, f"it ended with exit code {p.popen.returncode}"
        return None, f"no {cls} window within {timeout_s} s"
    hwnd = r["hwnd"]
    # A window can appear before it has a title, and a window is examined once each time
    # it comes to the front: bring it only once it has one.
    wait_until(lambda: c.driver("text", str(hwnd))["text"], timeout_s,
               f"a title on {program}'s {cls} window")
    return hwnd, ""


def expect_unknown(c, hwnd):
    # Compare with what the window's title says right now.
    def matches():
        title = c.driver("text", str(hwnd))["text"]
        got = status(c)
        return got == [UNKNOWN, shown(title)] and title
    wait_until(matches, CHOICE_MS / 1000, f"status bar for window {hwnd}")
    expect_sending_disabled(c)


def close_window(c, hwnd):
    # `wine PROGRAM` runs Wine's own programs under a start.exe launcher, which is what the
    # case kills at its end; closing the program's window ends the program itself.
    c.driver("--hwnd", str(hwnd), "close", expect_ok=False)
    c.driver("--hwnd", str(hwnd), "wait-gone", "5000", expect_ok=False)


@case("discovery/wine_internet_explorer_and_notepad_are_unknown_applications")
def wine_programs(c):
    _, peer = started(c, "--messenger")
    im = peer.hwnd("im-window")
    bring(c, im)
    expect_status(c, MESSENGER, shown(IM_TITLE))

    opened = []
    try:
        # Without a home page to load the browser has its title at once.
        frame, why = wine_window(c, "iexplore", "IEFrame", "-nohome")
        if not frame:
            skip(f"Wine's iexplore cannot start in this prefix: {why}")
        opened.append(frame)
        # A real IEFrame without the chat control inside: an unknown application.
        bring(c, frame)
        expect_unknown(c, frame)

        bring(c, im)
        expect_status(c, MESSENGER, shown(IM_TITLE))
        expect_sending_enabled(c)

        editor, why = wine_window(c, "notepad", "Notepad")
        check(editor, f"Wine's notepad did not show its window: {why}")
        opened.append(editor)
        bring(c, editor)
        expect_unknown(c, editor)
    finally:
        for hwnd in opened:
            close_window(c, hwnd)


@case("discovery/window_titled_kakunin_is_ignored")
def kakunin_ignored(c):
    _, peer = started(c, "--chat")
    page = c.start_peer("--plain-page", "--title", "確認のページ", "--x", "400")
    bring(c, peer.hwnd("chat-frame"))
    expect_status(c, CHAT, ROOM + PHRASE)

    bring(c, page.hwnd("page-frame"))
    wait_until(lambda: c.driver("focus")["foreground"] == page.hwnd("page-frame"), 5,
               "the 確認 page in front")
    holds(c, [CHAT, ROOM + PHRASE], "with a window titled 確認… in front")
    expect_sending_enabled(c)


@case("discovery/closed_target_stays_chosen")
def closed_target(c):
    app, peer = started(c, "--chat")
    chat = peer.hwnd("chat-frame")
    bring(c, chat)
    expect_status(c, CHAT, ROOM + PHRASE)

    c.driver("--hwnd", str(chat), "close")
    c.driver("--hwnd", str(chat), "wait-gone", "5000")
    peer.process.wait_exit(10, "chatpeer after its only window closed")
    holds(c, [CHAT, ROOM + PHRASE], "after the chosen window closed")
    check(app.running(), "the assistant ended after its target closed")
    expect_sending_enabled(c)

    # The next window in front replaces it.
    im = c.start_peer("--messenger")
    bring(c, im.hwnd("im-window"))
    expect_status(c, MESSENGER, shown(IM_TITLE))
