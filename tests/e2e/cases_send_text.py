"""Text as the chat sees it: look-alikes refused, the JIS X 0208 equivalents typed as such, and
every CR or LF a line break that is never typed."""
from harness import case, check
from cases_send import (CHAT_BUTTON_ID, FLOOD_TEXT, IDNO, IDOK, KAKUNIN, chars, chat_target, compose,
                        send, set_checked, wait_sent)
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
    check(got == ["c－b～a"] and chars(peer, "chat-input")[1::2] == ["FFFF817C", "FFFF8160"],
          f"the chat room sent {got!r}, typed {chars(peer, 'chat-input')}")


@case("send_text/every_cr_or_lf_breaks_a_line_and_none_is_typed")
def line_breaks(c):
    app, peer = chat_target(c)
    for box_title, says, text, answer in ((APP_TITLE, NOT_ONE_LINE, "ab\ncd", IDOK),
                                          (KAKUNIN, FLOOD_TEXT, "a\rb\rc\rd\re\rf", IDNO)):
        compose(c, text)  # in one-line mode, then line by line
        send(c)
        check(c.driver("box", box_title, "10000")["text"] == says, f"the box for {text!r} is not {says!r}")
        check(not chars(peer, "chat-input"), f"characters were typed before the box for {text!r}")
        c.driver("answer", box_title, str(answer))
        check(message_text(c) == text, f"Message reads {message_text(c)!r}, not {text!r}")
        set_checked(c, AA, 1)
    compose(c, "ab\rcd\nef")
    send(c)
    got = wait_sent(c, peer, "chat-dialog", 3, "three lines, each sent")
    commands = [e["wParam"] for e in peer.select("chat-dialog", "WM_COMMAND")]
    check(got == ["ab", "cd", "ef"] and commands == [CHAT_BUTTON_ID] * 3, f"sent {got!r}, commands {commands}")
    check(len(chars(peer, "chat-input")) == 6, f"the chat input received {chars(peer, 'chat-input')}")
