"""Sends that must carry every character as the user meant it: characters code page 932 has
no code for are refused with the text kept, a full-width Wait is the pause it shows, a text set
into the box during a send survives it, and a line whose composed length passes 32 bits is
refused on the 32-bit build too."""
from harness import case, check, wait_until
from cases_send import (CHAT_BUTTON_ID, IDOK, PEER_LAG_MS, chars, chat_target, compose, controls,
                        send, set_checked, wait_sent)
from cases_send_hardening import APP_TITLE, TOO_LONG, wait_panel2
from cases_target import EVERY_WORD, MESSAGE, PHRASE, PLUS_WORD, ROOM, SEND, message_text, status

NO_CODE = "送信できない文字があります："


def refused(c, text, first):
    """Sends `text` and expects the refusal naming `first`, with nothing typed and the box kept."""
    compose(c, text)
    send(c)
    box = c.driver("box", APP_TITLE, "10000")
    check(box["text"] == NO_CODE + first, f"for {text!r} the box says {box['text']!r}")
    check([b["id"] for b in box["buttons"]] == [IDOK], f"the box's buttons are {box['buttons']}")
    c.driver("answer", APP_TITLE, str(IDOK))
    check(message_text(c) == text, f"Message reads {message_text(c)!r} after the refusal of {text!r}")


@case("send/characters_without_a_code_are_refused_and_the_text_kept")
def without_a_code(c):
    app, peer = chat_target(c)
    refused(c, "5€", "€")
    refused(c, "ok 안녕", "안")
    refused(c, "a\U0001F600b", "\U0001F600")  # the emoji whole, not half a surrogate pair
    check(not chars(peer, "chat-input"), "characters were typed although every send was refused")
    check(controls(c)[SEND]["text"] == "送信", "Send does not read 送信 after the refusals")

    # A character with a code goes through: the one-line mode reverses the line.
    compose(c, "①②")
    send(c)
    got = wait_sent(c, peer, "chat-dialog", 1, "the line of circled numbers")
    check(got == ["②①"], f"the chat room sent {got!r}")
    typed = chars(peer, "chat-input")
    check(typed == ["FFFF8741", "FFFF8740"], f"the chat input received WM_IME_CHAR {typed}")


@case("send/a_full_width_wait_pauses_as_it_reads")
def full_width_wait(c):
    app, peer = chat_target(c)
    compose(c, "ab", wait="５００")
    send(c)
    wait_sent(c, peer, "chat-dialog", 1, "the line sent")
    last_char = peer.select("chat-input", "WM_IME_CHAR")[-1]["posted"]
    commands = peer.select("chat-dialog", "WM_COMMAND")
    check([e["wParam"] for e in commands] == [CHAT_BUTTON_ID], "one press of the send button")
    pause = commands[0]["posted"] - last_char
    check(500 - PEER_LAG_MS <= pause < 1500, f"the send button came {pause} ms after the line, expected about 500")


@case("send/text_set_into_the_box_during_a_send_survives_it")
def set_during_send(c):
    app, peer = chat_target(c)
    compose(c, "ab", wait="3000")
    send(c)
    wait_until(lambda: len(chars(peer, "chat-input")) == 2, 10, "the line typed")
    # The box takes no typing during a send, but another program can still set its text.
    c.driver("settext", str(MESSAGE), "new text")
    got = wait_sent(c, peer, "chat-dialog", 1, "the line sent after the pause")
    check(got == ["ba"], f"the chat room sent {got!r}")
    wait_panel2(c, ROOM + PHRASE, "the status bar naming the room again after the send")
    check(message_text(c) == "new text", f"Message reads {message_text(c)!r}: the text set during the send is lost")


@case("send/a_line_whose_composed_length_passes_32_bits_is_refused")
def wraps_32_bits(c):
    app, peer = chat_target(c)
    set_checked(c, EVERY_WORD, 1)
    c.driver("settext", str(PLUS_WORD), "*" * 255)
    # 16,777,216 + 16,777,217 x 255 units is 2^32 + 255: a 32-bit count would read 255.
    r = c.driver("paste", str(MESSAGE), "x", str(16777216), timeout_s=120)
    check(r["length"] == 16777216, f"the box holds {r['length']} characters")
    send(c)
    box = c.driver("box", APP_TITLE, "60000")
    check(box["text"] == TOO_LONG, f"the box says {box['text']!r}")
    c.driver("answer", APP_TITLE, str(IDOK))
    check(not chars(peer, "chat-input"), "characters were typed although the send was refused")
    check(c.driver("answers", "2000")["ok"], "the program stopped answering")
    check(status(c)[1] == ROOM + PHRASE, f"the status bar reads {status(c)!r}")
