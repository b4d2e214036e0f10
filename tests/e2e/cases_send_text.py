"""Text as the chat sees it: look-alikes refused rather than altered, the JIS X 0208 equivalents
typed as such, and every CR or LF a line break that is never typed."""
from harness import case, check
from cases_send import (CHAT_BUTTON_ID, IDNO, IDOK, KAKUNIN, FLOOD_TEXT, chars, chat_target,
                        compose, send, set_checked, wait_sent)
from cases_send_characters import refused
from cases_send_hardening import APP_TITLE, NOT_ONE_LINE
from cases_target import AA, message_text


@case("send_text/look_alikes_refused_and_the_jis_equivalents_typed")
def look_alikes(c):
    app, peer = chat_target(c)
    for text, first in (("café", "é"), ("über", "ü"), ("a·b", "·")):
        refused(c, text, first)
    check(not chars(peer, "chat-input"), "characters were typed although every send was refused")

    compose(c, "a〜b−c")  # the one-line mode reverses it
    send(c)
    got = wait_sent(c, peer, "chat-dialog", 1, "the line with a wave dash and a minus sign")
    check(got == ["c－b～a"], f"the chat room sent {got!r}")
    want = ["00000063", "FFFF817C", "00000062", "FFFF8160", "00000061"]
    check(chars(peer, "chat-input") == want, f"the chat input received {chars(peer, 'chat-input')}")


@case("send_text/every_cr_or_lf_breaks_a_line_and_none_is_typed")
def line_breaks(c):
    app, peer = chat_target(c)
    compose(c, "ab\ncd")
    send(c)
    box = c.driver("box", APP_TITLE, "10000")
    check(box["text"] == NOT_ONE_LINE, f"one-line mode with a lone LF: the box says {box['text']!r}")
    c.driver("answer", APP_TITLE, str(IDOK))
    check(message_text(c) == "ab\ncd", f"Message reads {message_text(c)!r} after the refusal")

    set_checked(c, AA, 1)
    six = "a\rb\rc\rd\re\rf"
    compose(c, six)
    send(c)
    box = c.driver("box", KAKUNIN, "10000")
    check(box["text"] == FLOOD_TEXT, f"six lines parted by CRs: the box asks {box['text']!r}")
    check(not chars(peer, "chat-input"), "characters were typed before the flood question was answered")
    c.driver("answer", KAKUNIN, str(IDNO))
    check(message_text(c) == six, f"Message reads {message_text(c)!r} after No")

    compose(c, "ab\rcd\nef")
    send(c)
    got = wait_sent(c, peer, "chat-dialog", 3, "three lines, each sent")
    check(got == ["ab", "cd", "ef"], f"the chat room sent {got!r}")
    commands = [e["wParam"] for e in peer.select("chat-dialog", "WM_COMMAND")]
    check(commands == [CHAT_BUTTON_ID] * 3, f"WM_COMMAND to the chat dialog: {commands}")
    typed = chars(peer, "chat-input")
    check(len(typed) == 6 and not {"0000000D", "0000000A"} & set(typed), f"the chat input received {typed}")
