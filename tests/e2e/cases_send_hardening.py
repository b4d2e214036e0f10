"""Sends under stress: a huge paste, a window brought to the front during the flood question,
a long pause, a target that stops answering or goes away, and the program's own boxes."""
from harness import case, check, wait_until
from cases_send import (CRLF, IDOK, IDYES, KAKUNIN, chars, chat_target,
                        click, compose, controls, messenger_target, send, sent, set_checked,
                        wait_message, wait_sent)
from cases_target import (AA, CHAT, EVERY_WORD, MESSAGE, PHRASE, PLUS_WORD, ROOM, SEND, bring,
                          expect_sending_enabled, holds, message_text, status)

APP_TITLE = "Sorelka"
TOO_LONG = "長すぎる行があります（1行 32767 文字まで）"
NOT_ONE_LINE = "1行じゃないです"


def stopped_text(sent_lines, total):
    return f"送信を中止しました（{sent_lines}/{total} 行送信済み）"


def wait_panel2(c, text, what, timeout_s=10):
    wait_until(lambda: status(c)[1] == text, timeout_s, what)


@case("send/a_huge_paste_is_refused_whole_and_kept")
def huge_paste(c):
    app, peer = chat_target(c)
    set_checked(c, EVERY_WORD, 1)
    c.driver("settext", str(PLUS_WORD), "*" * 255)
    # Around every character: 1000 + 1001 x 255 units, far past the limit.
    line = "x" * 1000
    c.driver("settext", str(MESSAGE), line)
    send(c)
    box = c.driver("box", APP_TITLE, "10000")
    check(box["text"] == TOO_LONG, f"the box says {box['text']!r}")
    c.driver("answer", APP_TITLE, str(IDOK))
    check(len(message_text(c)) == len(line), "the pasted line is no longer in the box")
    check(not chars(peer, "chat-input"), "characters were typed although the send was refused")
    check(c.driver("answers", "2000")["ok"], "the program stopped answering")


@case("send/lines_go_to_the_window_chosen_when_send_was_pressed")
def chosen_when_pressed(c):
    app, peer = chat_target(c, "--messenger")
    set_checked(c, AA, 1)
    six = [f"l{i}" for i in range(6)]
    compose(c, CRLF.join(six))
    send(c)
    c.driver("box", KAKUNIN, "5000")
    bring(c, peer.hwnd("im-window"))  # Messenger to the front while the question is open
    wait_until(lambda: status(c)[1].startswith("山田"), 5, "Messenger chosen meanwhile")
    c.driver("answer", KAKUNIN, str(IDYES))
    got = wait_sent(c, peer, "chat-dialog", 6, "the six lines in the chat room")
    check(got == six, f"the chat room sent {got!r}")
    check(not chars(peer, "im-window"), "Messenger received characters meant for the chat room")


@case("send/a_long_pause_keeps_the_window_answering_and_esc_cancels_it")
def long_pause(c):
    app, peer = chat_target(c)
    compose(c, "ab", wait="60000")
    send(c)
    wait_until(lambda: len(chars(peer, "chat-input")) == 2, 10, "the line typed")
    wait_panel2(c, "送信中 1/1 行（Escで中止）", "the progress in the status bar")
    r = c.driver("answers", "2000")
    check(r["ok"], f"the window did not answer within 2 s during the pause ({r})")
    check(controls(c)[SEND]["text"] == "中止", "Send does not read 中止 during the send")
    c.focus_keys(app.hwnd)
    c.keys("Escape")
    wait_panel2(c, stopped_text(0, 1), "the send cancelled by Esc", timeout_s=5)
    check(not sent(peer, "chat-dialog"), "the line was sent although Esc cancelled it")
    check(message_text(c) == "ab", f"Message reads {message_text(c)!r} after the cancel")
    check(controls(c)[SEND]["text"] == "送信", "Send does not read 送信 again")
    # The next send works.
    compose(c, "cd", wait="0")
    send(c)
    got = wait_sent(c, peer, "chat-dialog", 1, "the send after the cancelled one")
    # The cancelled line's characters were typed already and stay in the chat's input box.
    check(got == ["badc"], f"the chat room sent {got!r}")
    wait_message(c, "", "Message emptied")
    wait_panel2(c, ROOM + PHRASE, "the status bar naming the room again")


@case("send/a_target_that_stops_answering_keeps_the_text")
def stops_answering(c):
    app, peer = messenger_target(c, "--stall", "15000")
    compose(c, "abc", wait="500")  # it stops at its first character, during the pause
    send(c)
    wait_panel2(c, stopped_text(0, 1), "the send stopped for a target that does not answer", 20)
    check(message_text(c) == "abc", f"Message reads {message_text(c)!r}")
    check(c.driver("answers", "2000")["ok"], "the program stopped answering")


@case("send/a_target_that_goes_away_leaves_the_lines_not_sent")
def goes_away(c):
    app, peer = chat_target(c, "--exit-after-sends", "2")
    set_checked(c, AA, 1)
    five = ["one", "two", "three", "four", "five"]
    # The pause lets the chat take each send button press before the next line is checked.
    compose(c, CRLF.join(five), wait="500")
    send(c)
    wait_panel2(c, stopped_text(2, 5), "the send stopped after two lines", 15)
    want = CRLF.join(five[2:])
    check(message_text(c) == want, f"Message reads {message_text(c)!r}, expected {want!r}")


@case("send/the_programs_own_box_is_not_a_target")
def own_box(c):
    app, peer = chat_target(c)
    compose(c, "ab" + CRLF + "cd")
    send(c)
    box = c.driver("box", APP_TITLE, "5000")
    check(box["text"] == NOT_ONE_LINE, f"the box says {box['text']!r}")
    holds(c, [CHAT, ROOM + PHRASE], "while the program's own box is open")
    c.driver("answer", APP_TITLE, str(IDOK))
    expect_sending_enabled(c)
