"""What other programs and other threads can do to the program: a fault on a thread of its own
while the way out waits on a hung window, a window property written onto Send, and a posted
WM_DPICHANGED, each met where the program is most exposed."""
from harness import case, check, wait_until
from cases_dpi import check_layout
from cases_send import CRLF, IDOK, chat_target, choose_chat, compose, send, wait_sent
from cases_translucency import (DEADLINE_S, SEND, app_popups, chosen, click_slider, control,
                                hung_and_translucent, layered, screen_rect)

WM_DPICHANGED = 0x02E0
STATUS = 1002


def one_line_sent(c, app, peer):
    """A send of one line goes through: the program is whole."""
    choose_chat(c, app, peer)
    compose(c, "xy")
    send(c)
    check(wait_sent(c, peer, "chat-dialog", 1, "the one line") == ["yx"], "the send after it failed")


@case("outside/a_fault_while_the_way_out_waits_takes_no_new_change")
def fault_while_waiting(c):
    hung_and_translucent(c)  # the way out will wait on the hung chat room
    messenger = c.start_peer("--messenger", "--x", "450", "--y", "410").hwnd("im-window")
    chosen(c, messenger, "the messenger window")
    c.driver("fault")
    click_slider(c, 0.3)  # while the program's window still answers
    c.app.wait_exit(DEADLINE_S, "the fault")
    check(not layered(c, messenger)["layered"], "the messenger window was changed after the fault and left so")


@case("outside/a_property_written_onto_send_is_never_called")
def property_on_send(c):
    app, peer = chat_target(c)
    c.driver("setprop", str(control(c, SEND)["hwnd"]), "Sorelka.Subclass", str(0x10))
    x, y, w, h = screen_rect(c, SEND)
    c.xdotool("mousemove", str(x + w // 2), str(y + h // 2), "mousemove", str(x + w // 2 + 3), str(y + h // 2))
    app.pid_win = c.driver("find")["pid"]
    wait_until(lambda: app_popups(c), DEADLINE_S, "the hint menu over Send")
    sx, sy, sw, sh = screen_rect(c, STATUS)
    c.xdotool("mousemove", str(sx + sw // 2), str(sy + sh // 2), "click", "1")  # away from the menu
    wait_until(lambda: not app_popups(c), DEADLINE_S, "the hint menu closed")
    one_line_sent(c, app, peer)


@case("outside/a_posted_dpi_change_under_a_message_box_is_dropped")
def posted_dpi_change(c):
    app, peer = chat_target(c)
    before = c.dump()
    compose(c, "ab" + CRLF + "cd")
    send(c)
    c.driver("box", "Sorelka", "5000")  # the one-line refusal, its own loop running
    c.driver("post-hwnd", str(app.hwnd), str(WM_DPICHANGED), str(144 | 144 << 16), str(0x10))
    c.driver("answer", "Sorelka", str(IDOK))  # handled after the posted message
    check(c.app.running(), "the program ended at a posted WM_DPICHANGED")
    after = c.dump()
    check(after["window"] == before["window"], f"the window went to {after['window']} from {before['window']}")
    check_layout(after, 96, panel_shown=False)
    one_line_sent(c, app, peer)

