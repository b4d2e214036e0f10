"""Sending: what the chat windows of chatpeer.exe receive, read from its log, for each send
mode, the send command after the pause, the flood limiter and the one-line refusal."""
from harness import case, check, fail, wait_until, CaseFailure
from cases_target import (AA, CHAT, DEFAULT, EVERY_WORD, FOOTER, HEADER, IM_TITLE, LIMIT,
                          MESSAGE, MESSENGER, PHRASE, ROOM, SAKASA, SEND, SEND_NOW, WAIT,
                          bring, expect_status, holds, message_text, shown, started)

WAIT_MS = 500          # the Wait box at start
# The log's times are when chatpeer took each message from its queue; the last character may
# be taken a little after it was posted, which shortens the measured pause by that much.
PEER_LAG_MS = 10
SEND_TIMEOUT_S = 10

KAKUNIN = "確認"
FLOOD_TEXT = "この操作でで禁止になる可能性があります。続けますか？"
IDOK, IDYES, IDNO = 1, 6, 7
CHAT_BUTTON_ID = "000003E9"   # chatpeer's "発言" button, 1001
IM_BUTTON_ID = "00000001"     # chatpeer's Messenger "送信(&S)" button

CRLF = "\r\n"


def controls(c):
    return {w["id"]: w for w in c.dump()["controls"]}


def checked(c, ident):
    return controls(c)[ident]["checked"]


def click(c, ident):
    r = c.driver("click", str(ident))
    check(r["enabled"], f"control {ident} is disabled; a user could not click it")


def set_checked(c, ident, value):
    """Clicks a check box or option button until it shows `value`."""
    if checked(c, ident) != value:
        click(c, ident)
        wait_until(lambda: checked(c, ident) == value, 5, f"control {ident} at {value}")


def compose(c, text, wait="0"):
    c.driver("settext", str(WAIT), wait)
    c.driver("settext", str(MESSAGE), text)


def send(c):
    click(c, SEND)


def wait_message(c, want, what):
    wait_until(lambda: message_text(c) == want, 5, what)


def chars(peer, role):
    return [e["wParam"] for e in peer.select(role, "WM_IME_CHAR")]


def sent(peer, role):
    return [e["text"] for e in peer.select(role, "sent")]


def wait_sent(c, peer, role, count, what):
    try:
        got = peer.wait_count(count, SEND_TIMEOUT_S, what, role, "sent")
    except CaseFailure as e:
        box = c.driver("box", KAKUNIN, "0", expect_ok=False)
        if box["ok"]:
            fail(f"{e}; the box {KAKUNIN!r} is open asking {box['text']!r}")
        raise
    return [e["text"] for e in got]


def choose(c, app, hwnd, kind, name):
    """Brings a chat window to the front, then the assistant, as a user would before typing."""
    bring(c, hwnd)
    expect_status(c, kind, name)
    bring(c, app.hwnd)
    wait_until(lambda: c.driver("focus")["foreground"] == app.hwnd, 5,
               "the main window in front")


def choose_chat(c, app, peer):
    choose(c, app, peer.hwnd("chat-frame"), CHAT, ROOM + PHRASE)


def choose_messenger(c, app, peer):
    choose(c, app, peer.hwnd("im-window"), MESSENGER, shown(IM_TITLE))


def chat_target(c, *peer_args):
    app, peer = started(c, "--chat", *peer_args)
    choose_chat(c, app, peer)
    return app, peer


def messenger_target(c, *peer_args):
    app, peer = started(c, "--messenger", *peer_args)
    choose_messenger(c, app, peer)
    return app, peer


@case("send/code_page_932_codes_then_the_send_command_after_the_pause")
def ansi_codes(c):
    _, peer = chat_target(c)
    check(message_text(c) == "" and controls(c)[WAIT]["text"] == str(WAIT_MS),
          "Message should start empty and Wait at 500")
    c.driver("settext", str(MESSAGE), "aｱ　あ")
    send(c)
    got = wait_sent(c, peer, "chat-dialog", 1, "the line sent to the chat room")
    check(got == ["あ　ｱa"], f"the chat room sent {got!r}, expected the line reversed")

    want = ["FFFF82A0", "FFFF8140", "000000B1", "00000061"]
    typed = chars(peer, "chat-input")
    check(typed == want, f"the chat input received WM_IME_CHAR {typed}, expected {want}")
    stray = [e for e in peer.select(msg="WM_IME_CHAR") if e["role"] != "chat-input"]
    check(not stray, f"characters went elsewhere: {stray}")

    commands = peer.select("chat-dialog", "WM_COMMAND")
    check([e["wParam"] for e in commands] == [CHAT_BUTTON_ID],
          f"the chat dialog received WM_COMMAND {[e['wParam'] for e in commands]}, "
          f"expected one with the send button's id {CHAT_BUTTON_ID}")
    last_char = peer.select("chat-input", "WM_IME_CHAR")[-1]["posted"]
    pause = commands[0]["posted"] - last_char
    check(pause >= WAIT_MS - PEER_LAG_MS,
          f"the send command came {pause} ms after the last character, expected {WAIT_MS} ms "
          f"or more")
    wait_message(c, "", "Message emptied after the send")


@case("send/messenger_send_now_ticked_and_unticked")
def messenger_send_now(c):
    _, peer = messenger_target(c)
    compose(c, "abc")
    send(c)
    got = wait_sent(c, peer, "im-window", 1, "the line sent by Messenger")
    check(got == ["cba"], f"Messenger sent {got!r}, expected ['cba']")
    typed = chars(peer, "im-window")
    check(typed == ["00000063", "00000062", "00000061"],
          f"the Messenger window received WM_IME_CHAR {typed}")
    commands = [e["wParam"] for e in peer.select("im-window", "WM_COMMAND")]
    check(commands == [IM_BUTTON_ID],
          f"the Messenger window received WM_COMMAND {commands}, expected [{IM_BUTTON_ID}]")
    wait_message(c, "", "Message emptied after the send")

    # Unticked: the characters stay in the entry, and the next send carries them along.
    set_checked(c, SEND_NOW, 0)
    compose(c, "xyz")
    send(c)
    wait_message(c, "", "Message emptied after typing without sending")
    peer.wait_count(6, SEND_TIMEOUT_S, "characters typed with SendNow unticked",
                    "im-window", "WM_IME_CHAR")
    entry = peer.hwnd("im-input")
    wait_until(lambda: c.driver("text", str(entry))["text"] == "zyx", 5,
               "the Messenger entry holding 'zyx'")

    set_checked(c, SEND_NOW, 1)
    compose(c, "w")
    send(c)
    got = wait_sent(c, peer, "im-window", 2, "the second send")
    check(got == ["cba", "zyxw"],
          f"Messenger sent {got!r}: with SendNow unticked nothing should have been sent")
    commands = [e["wParam"] for e in peer.select("im-window", "WM_COMMAND")]
    check(commands == [IM_BUTTON_ID] * 2, f"WM_COMMAND to the Messenger window: {commands}")


@case("send/ascii_art_mode_line_by_line_to_chat_joined_in_messenger")
def ascii_art(c):
    app, peer = chat_target(c, "--messenger")
    set_checked(c, SEND_NOW, 0)   # while it can still be clicked: AA mode disables it
    set_checked(c, AA, 1)
    have = controls(c)
    check(not have[EVERY_WORD]["enabled"] and not have[SEND_NOW]["enabled"]
          and have[HEADER]["enabled"] and have[FOOTER]["enabled"],
          "AA mode: EveryWord and SendNow should be disabled, Header and Footer enabled")

    art = ["ab", "cd", "ef"]
    compose(c, CRLF.join(art))
    send(c)
    got = wait_sent(c, peer, "chat-dialog", 3, "each line sent on its own")
    check(got == art, f"the chat room sent {got!r}, expected {art!r} in order, not reversed")
    commands = [e["wParam"] for e in peer.select("chat-dialog", "WM_COMMAND")]
    check(commands == [CHAT_BUTTON_ID] * 3, f"WM_COMMAND to the chat dialog: {commands}")
    wait_message(c, "", "Message emptied after the art was sent")

    choose_messenger(c, app, peer)
    compose(c, CRLF.join(art))
    send(c)
    wait_message(c, "", "Message emptied after typing the art into Messenger")
    peer.wait_count(6, SEND_TIMEOUT_S, "the art typed into Messenger", "im-window",
                    "WM_IME_CHAR")
    entry = peer.hwnd("im-input")
    wait_until(lambda: c.driver("text", str(entry))["text"] == "".join(art), 5,
               "the Messenger entry holding the lines joined")
    check(not peer.select("im-window", "WM_COMMAND"),
          "the Messenger window got a send command with SendNow unticked")

    # A send now carries everything typed before: nothing was sent in between.
    set_checked(c, DEFAULT, 1)
    set_checked(c, SEND_NOW, 1)
    compose(c, "g")
    send(c)
    got = wait_sent(c, peer, "im-window", 1, "the joined lines sent")
    check(got == ["abcdefg"], f"Messenger sent {got!r}, expected ['abcdefg']")


def flood_lines(n, tag):
    return [f"{tag}{i}" for i in range(1, n + 1)]


@case("send/flood_limiter_asks_before_six_lines_to_chat")
def flood_limiter(c):
    _, peer = chat_target(c)
    set_checked(c, SAKASA, 1)
    six = flood_lines(6, "ab")
    compose(c, CRLF.join(six))
    send(c)
    box = c.driver("box", KAKUNIN, "5000", expect_ok=False)
    check(box["ok"], f"no box titled {KAKUNIN!r} after sending six lines")
    check(box["text"] == FLOOD_TEXT, f"the box asks {box['text']!r}")
    check(sorted(b["id"] for b in box["buttons"]) == [IDYES, IDNO],
          f"the box's buttons are {box['buttons']}, expected Yes and No")
    # The question's title keeps the chat room chosen.
    holds(c, [CHAT, ROOM + PHRASE], "while the question is open")

    c.driver("answer", KAKUNIN, str(IDNO))
    check(message_text(c) == CRLF.join(six), f"after No Message reads {message_text(c)!r}")
    check(checked(c, LIMIT) == 0, "after No the limiter is lifted")

    send(c)
    c.driver("box", KAKUNIN, "5000")
    c.driver("answer", KAKUNIN, str(IDYES))
    want = [line[::-1] for line in six]
    got = wait_sent(c, peer, "chat-dialog", 6, "six lines after Yes")
    check(got == want, f"the chat room sent {got!r}, expected {want!r}")
    check(len(chars(peer, "chat-input")) == 18,
          f"{len(chars(peer, 'chat-input'))} characters typed, expected the 18 of one send: "
          f"the answer No should have sent nothing")
    check(checked(c, LIMIT) == 1, "Limit is not ticked after Yes")
    wait_message(c, "", "Message emptied after the send")

    # Lifted: the next long send asks nothing.
    compose(c, CRLF.join(six))
    send(c)
    got = wait_sent(c, peer, "chat-dialog", 12, "six more lines without a question")
    check(got[6:] == want, f"the second long send gave {got[6:]!r}")

    # Five lines never ask, even with the limiter in place again.
    set_checked(c, LIMIT, 0)
    five = flood_lines(5, "cd")
    compose(c, CRLF.join(five))
    send(c)
    got = wait_sent(c, peer, "chat-dialog", 17, "five lines without a question")
    check(got[12:] == [line[::-1] for line in five], f"five lines gave {got[12:]!r}")
    check(not c.driver("box", KAKUNIN, "0", expect_ok=False)["ok"],
          "a question is open after five lines")


@case("send/one_line_mode_refuses_two_lines")
def one_line_refusal(c):
    app, peer = chat_target(c)
    two = "ab" + CRLF + "cd"
    compose(c, two)
    send(c)
    box = c.driver("box", "Sorelka", "5000", expect_ok=False)
    check(box["ok"], "no message box titled 'Sorelka' after sending two lines in one-line mode")
    check(box["text"] == "1行じゃないです", f"the box says {box['text']!r}")
    check([b["id"] for b in box["buttons"]] == [IDOK], f"the box's buttons: {box['buttons']}")
    c.driver("answer", "Sorelka", str(IDOK))
    check(message_text(c) == two, f"after the refusal Message reads {message_text(c)!r}")

    # The box took the front for a moment; choose the chat room again and send one line:
    # exactly that line arrives, so the refused message sent nothing.
    choose_chat(c, app, peer)
    compose(c, "xy")
    send(c)
    got = wait_sent(c, peer, "chat-dialog", 1, "the one line")
    check(got == ["yx"], f"the chat room sent {got!r}, expected ['yx'] alone")
    check(chars(peer, "chat-input") == ["00000079", "00000078"],
          f"the chat input received {chars(peer, 'chat-input')}")


@case("send/enter_presses_send_and_ctrl_enter_breaks_the_line")
def enter_keys(c):
    app, peer = chat_target(c)
    compose(c, "xyz")
    c.focus_keys()
    wait_until(lambda: c.driver("focus")["foreground"] == app.hwnd, 5,
               "the main window in front after it got the X focus")
    x, y, w, h = c.driver("rect", str(MESSAGE))["rect"]
    c.xdotool("mousemove", str(x + w // 2), str(y + h // 2), "click", "1")
    wait_until(lambda: c.driver("focus")["focus"] == MESSAGE, 5, "the focus in Message")

    c.keys("Return")
    got = wait_sent(c, peer, "chat-dialog", 1, "the line sent by Enter")
    check(got == ["zyx"], f"Enter sent {got!r}, expected ['zyx']")
    wait_message(c, "", "Message emptied after Enter")

    # Had Ctrl+Enter sent, Message would have been emptied before the 'b'.
    c.keys("a", "ctrl+Return", "b")
    wait_message(c, "a" + CRLF + "b", "Message with two lines after a, Ctrl+Enter, b")
    check(sent(peer, "chat-dialog") == ["zyx"], "Ctrl+Enter sent something")


@case("send/header_and_footer_around_ascii_art")
def header_footer(c):
    _, peer = chat_target(c)
    set_checked(c, AA, 1)
    set_checked(c, HEADER, 1)
    set_checked(c, FOOTER, 1)
    compose(c, "abc  ")
    send(c)
    got = wait_sent(c, peer, "chat-dialog", 1, "the decorated line")
    check(got == ["(^。^)abc(^。^)"], f"the chat room sent {got!r}")
    typed = chars(peer, "chat-input")
    check(typed[:5] == ["00000028", "0000005E", "FFFF8142", "0000005E", "00000029"],
          f"the insert was typed as {typed[:5]}")


@case("send/to_a_closed_target_stops_and_keeps_the_message")
def closed_target_send(c):
    # The target stays chosen after its window closed; a send then stops at the first post
    # that goes nowhere (no pause for each line) and keeps the text, so nothing typed is lost.
    app, peer = chat_target(c)
    chat = peer.hwnd("chat-frame")
    c.driver("--hwnd", str(chat), "close")
    c.driver("--hwnd", str(chat), "wait-gone", "5000")
    peer.process.wait_exit(10, "chatpeer after its only window closed")
    text = "abc" + CRLF + "def"
    compose(c, text, wait="3000")
    set_checked(c, AA, 1)
    send(c)
    # The driver's next question is answered only once the send handler has returned.
    check(message_text(c) == text, "Message lost its text after a send that could not be delivered")
    check(app.running(), "the assistant ended after sending to a closed window")


@case("send/lines_longer_than_1000_bytes_arrive_whole")
def long_lines(c):
    # 700 full-width characters are 1400 bytes in code page 932: more than the classic
    # 1000-byte line buffer, and every character must still arrive.
    _, peer = chat_target(c)
    set_checked(c, AA, 1)
    first = ("漢字かなカナ" * 120)[:700]
    second = "x" * 1200 + "ｱ"
    compose(c, first + CRLF + second)
    send(c)
    got = wait_sent(c, peer, "chat-dialog", 2, "two long lines sent to the chat room")
    check(got == [first, second],
          f"the chat room sent lines of {[len(g) for g in got]} characters, expected 700 and 1201")
    wait_message(c, "", "Message emptied after the send")
