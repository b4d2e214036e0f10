"""Popup menus, the translucency panel, the slider and the undoing of translucency on every
way out of the program."""
import time

from harness import case, check, wait_until

(ACTIVAT_CHECK, FRAME4, FRAME1, LABEL3, SEND, SKEL_RESET, SKEL_OPTION1, SKEL_OPTION0, SLIDER,
 LABEL2_0) = (1000, 1003, 1004, 1008, 1020, 1024, 1025, 1026, 1027, 1029)
MENU_SKELETON, MENU_END = 2001, 2004
WM_COMMAND, WM_SYSCOMMAND, SC_CLOSE = 0x111, 0x112, 0xF060
WM_QUERYENDSESSION, WM_ENDSESSION = 0x11, 0x16
DEADLINE_S = 10


def control(c, ident):
    return {x["id"]: x for x in c.dump()["controls"]}[ident]


def screen_rect(c, ident):
    return c.driver("rect", str(ident))["rect"]


def app_popups(c):
    return [w for w in c.driver("popups")["windows"] if w["pid"] == c.app.pid_win]


def press(c, x, y, button):
    c.xdotool("mousemove", str(x), str(y))
    c.xdotool("click", str(button))


def started(c):
    app = c.start_app()
    c.driver("wait-topmost", "5000")
    app.pid_win = c.driver("find")["pid"]
    return app


def expanded(c):
    """Slides the panel into view and waits until the slide is over."""
    c.driver("post", "main", str(WM_COMMAND), str(MENU_SKELETON), "0")
    f1 = lambda: control(c, FRAME1)["rect"]
    wait_until(lambda: control(c, FRAME4)["rect"][1] + control(c, FRAME4)["rect"][3] <= f1()[1],
               DEADLINE_S, "Frame4 above Frame1")


def chat_chosen(c):
    """A chat room comes to the front and becomes the selected window."""
    peer = c.start_peer("--chat", "--x", "450")
    frame = peer.hwnd("chat-frame")
    c.driver("foreground", str(frame))
    wait_until(lambda: control(c, SEND)["enabled"], DEADLINE_S, "Send enabled for the chat room")
    return frame


def click_slider(c, fraction=0.5):
    x, y, w, h = screen_rect(c, SLIDER)
    press(c, x + int(w * fraction), y + h // 2, 1)


def slider_pos(c):
    return c.dump()["trackbar"]["pos"]


def layered(c, hwnd=None):
    return c.driver("layered", *([str(hwnd)] if hwnd else []))


def wait_alpha(c, hwnd, alpha, what):
    return wait_until(lambda: (lambda l: l["layered"] and l["got"] and l["alpha"] == alpha)(layered(c, hwnd)),
                      DEADLINE_S, what)


def wait_opaque(c, hwnd, what):
    wait_until(lambda: not layered(c, hwnd)["layered"], DEADLINE_S, what)


@case("translucency/right_press_on_a_bare_frame_opens_the_menu_not_on_a_label")
def right_press(c):
    started(c)
    check(control(c, ACTIVAT_CHECK)["checked"] == 1, "ActivatCheck not ticked after start")
    x, y, w, h = screen_rect(c, LABEL3)
    press(c, x + w // 2, y + h // 2, 3)
    # A later left click on ActivatCheck is handled only after the press on the label.
    x, y, w, h = screen_rect(c, ACTIVAT_CHECK)
    press(c, x + w // 2, y + h // 2, 1)
    wait_until(lambda: control(c, ACTIVAT_CHECK)["checked"] == 0, DEADLINE_S, "ActivatCheck cleared by a click")
    check(not app_popups(c), f"a right press on a label opened a menu: {app_popups(c)}")
    fx, fy, _, _ = screen_rect(c, FRAME4)
    press(c, fx + 200, fy + 133, 3)  # a bare part of Frame4, away from Send
    menus = wait_until(lambda: app_popups(c), DEADLINE_S, "a popup menu after a right press on Frame4")
    mx, my, mw, mh = menus[0]["rect"]
    check(abs((mx + mw // 2) - (fx + 200)) <= mw and abs(my - (fy + 133)) <= mh,
          f"the menu at {menus[0]['rect']} is not at the pointer ({fx + 200}, {fy + 133})")


@case("translucency/moving_over_send_opens_the_hint")
def hint_over_send(c):
    started(c)
    chat_chosen(c)
    x, y, w, h = screen_rect(c, SEND)
    c.xdotool("mousemove", str(x + w // 2), str(y + h // 2))
    c.xdotool("mousemove", str(x + w // 2 + 3), str(y + h // 2))
    wait_until(lambda: app_popups(c), DEADLINE_S, "the hint menu over Send")


@case("translucency/slide_returns_frame4_exactly_while_the_readout_ticks")
def slide(c):
    started(c)
    start_top = control(c, FRAME4)["rect"][1]
    args = [str(MENU_SKELETON), str(FRAME4), str(SLIDER), str(LABEL2_0), "10000"]
    up = c.driver("watch-slide", *args)
    tops = up["tops"]
    check(tops[0] == start_top and tops[-1] < start_top, f"Frame4 did not go up: {tops}")
    check(len(tops) >= 20, f"the slide did not move in steps: {tops}")
    check(0 < up["steps_when_label_changed"] < len(tops),
          f"the readout did not change during the slide: {up}")
    check(up["label"] == "Alpha  31 %", f"readout {up['label']!r} after the slider moved to 100")
    check(not control(c, 1001)["visible"], "Frame2 still visible with the panel shown")
    down = c.driver("watch-slide", *args)
    check(down["tops"][-1] == start_top, f"Frame4 came back to {down['tops'][-1]}, not {start_top}")
    check(control(c, 1001)["visible"], "Frame2 hidden after the panel went away")


def chat_room_translucent(c):
    """The chat room chosen, the panel open and the slider clicked halfway in the selected-window
    mode; returns the chat room's frame and the alpha it took."""
    started(c)
    chat = chat_chosen(c)
    expanded(c)
    click_slider(c, 0.5)
    pos = wait_until(lambda: (lambda p: p if p < 255 else None)(slider_pos(c)), DEADLINE_S, "slider moved")
    wait_alpha(c, chat, pos, f"chat room at alpha {pos}")
    return chat, pos


@case("translucency/slider_click_and_drag_apply_on_release_with_the_tip_shown")
def slider_apply(c):
    chat, pos = chat_room_translucent(c)
    check(not layered(c)["layered"], "the main window changed in the selected-window mode")

    # Drag the thumb: nothing applies until the button is released; the tip shows the readout.
    x, y, w, h = screen_rect(c, SLIDER)
    thumb_x = x + 12 + int((w - 24) * (pos - 30) / 225)
    c.xdotool("mousemove", str(thumb_x), str(y + h // 2))
    c.xdotool("mousedown", "1")
    c.xdotool("mousemove", str(thumb_x - 60), str(y + h // 2))
    c.xdotool("mousemove", str(thumb_x - 80), str(y + h // 2))
    tips = wait_until(lambda: [t for t in c.driver("tips")["windows"]
                               if t["pid"] == c.app.pid_win and t["text"].endswith(" %")],
                      DEADLINE_S, "the slider's tip while dragging")
    check(tips[0]["owner"] == 0, f"the tip has an owner: {tips[0]}")
    check(c.dump()["topmost"], "the main window left the topmost band during the drag")
    dragged = slider_pos(c)
    check(dragged < pos, f"the drag did not move the thumb ({pos} -> {dragged})")
    check(layered(c, chat)["alpha"] == pos, "the drag applied before the button was released")
    c.xdotool("mouseup", "1")
    final = wait_until(lambda: (lambda l: l["alpha"] if l["alpha"] != pos else None)(layered(c, chat)),
                       DEADLINE_S, "the drag applied on release")
    check(final == slider_pos(c), f"applied {final}, slider at {slider_pos(c)}")
    wait_until(lambda: not [t for t in c.driver("tips")["windows"] if t["pid"] == c.app.pid_win],
               DEADLINE_S, "the tip hidden after the drag")


def readout(pos):
    """The percentage the slider's readout shows for a position, as the program writes it."""
    n = pos * 100 // 225 - 13
    return f" {n} %" if n >= 0 else f"-{-n} %"


@case("translucency/slider_tip_shows_the_value_under_the_thumb_when_held_still")
def slider_tip_value(c):
    started(c)
    expanded(c)
    x, y, w, h = screen_rect(c, SLIDER)
    pos = slider_pos(c)
    thumb_x = x + 12 + int((w - 24) * (pos - 30) / 225)
    c.xdotool("mousemove", str(thumb_x), str(y + h // 2))
    c.xdotool("mousedown", "1")
    # Quick moves, well within one readout tick, then held still: the tip must not lag.
    steps = []
    for dx in (-40, -90, -140, -190):
        steps += ["mousemove", str(thumb_x + dx), str(y + h // 2)]
    c.xdotool(*steps)
    try:
        held = wait_until(lambda: (lambda p: p if p < pos else None)(slider_pos(c)), DEADLINE_S, "the thumb dragged")
        want = readout(held)
        # What the tooltip window itself shows (its window text is the text it draws).
        tips = wait_until(lambda: [t for t in c.driver("tips")["windows"] if t["pid"] == c.app.pid_win],
                          DEADLINE_S, "the slider's tip while dragging")
        check(tips[0]["text"] == want, f"the tip shows {tips[0]['text']!r} with the thumb at {held} ({want!r})")
        # And it stays right across the readout's ticks while the thumb is held.
        wait_until(lambda: control(c, LABEL2_0)["text"] == "Alpha " + want, DEADLINE_S, "the readout caught up")
        shown = [t["text"] for t in c.driver("tips")["windows"] if t["pid"] == c.app.pid_win]
        check(shown == [want], f"the tip shows {shown} after the readout ticked, expected {want!r}")
    finally:
        c.xdotool("mouseup", "1")


def made_translucent(c):
    """The chat room and the main window both translucent; returns the chat room's frame."""
    chat, _ = chat_room_translucent(c)
    c.driver("click", str(SKEL_OPTION0))
    wait_until(lambda: control(c, SKEL_OPTION0)["checked"] == 1, DEADLINE_S, "このツール chosen")
    click_slider(c, 0.3)
    wait_until(lambda: layered(c)["layered"], DEADLINE_S, "main window translucent")
    return chat


@case("translucency/reset_all_restores_the_chat_room_and_the_main_window")
def reset_all(c):
    chat = made_translucent(c)
    c.driver("click", str(SKEL_RESET))
    wait_opaque(c, chat, "chat room opaque after 全てリセット")
    wait_opaque(c, None, "main window opaque after 全てリセット")


@case("translucency/end_of_session_restores_every_window")
def end_of_session(c):
    chat = made_translucent(c)
    check(c.driver("send", "main", str(WM_QUERYENDSESSION), "0", "0")["result"] != 0,
          "the program refused the end of the session")
    c.driver("send", "main", str(WM_ENDSESSION), "1", "0")
    wait_opaque(c, chat, "chat room opaque after the session ended")
    c.app.wait_exit(DEADLINE_S, "the end of the session")  # the program ends with the session


def exit_restores(c, leave, what):
    chat = made_translucent(c)
    leave()
    c.app.wait_exit(DEADLINE_S, what)
    wait_opaque(c, chat, f"chat room opaque after {what}")


@case("translucency/title_bar_close_restores_the_chat_room")
def close_restores(c):
    exit_restores(c, lambda: c.driver("post", "main", str(WM_SYSCOMMAND), str(SC_CLOSE), "0"), "SC_CLOSE")


@case("translucency/exit_command_restores_the_chat_room")
def end_restores(c):
    exit_restores(c, lambda: c.driver("post", "main", str(WM_COMMAND), str(MENU_END), "0"), "終了")


@case("translucency/a_fault_restores_the_chat_room")
def fault_restores(c):
    exit_restores(c, lambda: c.driver("fault"), "a fault in the program")


WM_APP_HANG_FOR_GOOD = 0x8000 + 0x3F  # chatpeer --hang-on-request
EXIT_BOUND_S = 3.0


def chosen(c, window, what):
    """`window` comes to the front and the program takes it as the selected window (the status
    bar then names it)."""
    shown = c.dump()["status"]["texts"]
    c.driver("foreground", str(window))
    wait_until(lambda: control(c, SEND)["enabled"] and c.dump()["status"]["texts"] != shown, DEADLINE_S,
               f"{what} chosen")


@case("translucency/a_hung_window_never_holds_the_program_and_the_exit_keeps_its_bound")
def hung_window(c):
    """Two chat rooms of one program that then hangs for good (one made translucent before, one
    clicked at after) and a messenger window that answers."""
    started(c)
    rooms = c.start_peer("--chat", "--count", "2", "--x", "420", "--hang-on-request")
    before_hang, after_hang = rooms.hwnd("chat-frame", 0), rooms.hwnd("chat-frame", 1)
    im = c.start_peer("--messenger", "--x", "450", "--y", "410")
    messenger = im.hwnd("im-window")
    expanded(c)
    for window, fraction, what in ((before_hang, 0.5, "a chat room"), (messenger, 0.3, "the messenger window")):
        chosen(c, window, what)
        pos = slider_pos(c)
        click_slider(c, fraction)
        pos = wait_until(lambda: (lambda p: p if p != pos else None)(slider_pos(c)), DEADLINE_S, "slider moved")
        wait_alpha(c, window, pos, f"{what} translucent")

    chosen(c, after_hang, "the other chat room")
    c.driver("post-hwnd", str(after_hang), str(WM_APP_HANG_FOR_GOOD), "0", "0")
    wait_until(lambda: rooms.select("peer", "hang"), DEADLINE_S, "the chat rooms hanging")
    # A click aimed at the hung window: the program goes on handling its own messages.
    pos = slider_pos(c)
    click_slider(c, 0.8)
    wait_until(lambda: slider_pos(c) != pos, DEADLINE_S, "the slider moved by the click")
    was = control(c, ACTIVAT_CHECK)["checked"]
    c.driver("click", str(ACTIVAT_CHECK))  # a posted BM_CLICK
    wait_until(lambda: control(c, ACTIVAT_CHECK)["checked"] != was, 2, "a posted click handled at once")

    c.driver("post", "main", str(WM_COMMAND), str(MENU_END), "0")
    t0 = time.monotonic()
    c.app.wait_exit(DEADLINE_S, "終了 with a hung window")
    took = time.monotonic() - t0
    check(took <= EXIT_BOUND_S, f"終了 took {took:.1f} s with a hung window")
    wait_opaque(c, messenger, "the answering window restored on the way out")


@case("translucency/the_next_start_puts_back_what_a_killed_instance_left")
def killed_instance(c):
    chat, pos = chat_room_translucent(c)
    c.driver("terminate", str(c.app.pid_win))
    c.app.wait_exit(DEADLINE_S, "TerminateProcess")
    check(layered(c, chat)["layered"], "the chat room was restored by a process ended from outside")
    started(c)
    wait_opaque(c, chat, "the chat room restored by the next start")


def start_second(c, first):
    """A second instance started beside `first`: its main window, and a look-up of the windows
    of instances other than the first (empty once the second has closed)."""
    c.start("sorelka.exe", name="second")
    others = lambda: [w for w in c.driver("windows", "SorelkaMainWindow")["windows"]
                      if w["pid"] != first.pid_win and w["visible"]]
    return wait_until(others, DEADLINE_S, "the second instance's window")[0], others


@case("translucency/a_second_instance_leaves_the_first_ones_windows_alone")
def second_instance(c):
    chat, pos = chat_room_translucent(c)
    first = c.app
    second, others = start_second(c, first)
    deadline = time.monotonic() + 1.0  # the start's look at the windows is over once it shows
    while time.monotonic() < deadline:
        check(layered(c, chat)["alpha"] == pos, "the second instance touched the first one's window")
    c.driver("--hwnd", str(second["hwnd"]), "close")
    wait_until(lambda: not others(), DEADLINE_S, "the second instance closed")
    check(layered(c, chat)["alpha"] == pos, "the second instance's exit touched the first one's window")
    c.driver("post", "main", str(WM_COMMAND), str(MENU_END), "0")
    first.wait_exit(DEADLINE_S, "終了")
    wait_opaque(c, chat, "the chat room restored by its own instance")


def hung_and_translucent(c):
    """The chat room made translucent, then its program hanging for good."""
    started(c)
    room = c.start_peer("--chat", "--x", "450", "--hang-on-request")
    chat = room.hwnd("chat-frame")
    chosen(c, chat, "the chat room")
    expanded(c)
    pos = slider_pos(c)
    click_slider(c, 0.5)
    pos = wait_until(lambda: (lambda p: p if p != pos else None)(slider_pos(c)), DEADLINE_S, "slider moved")
    wait_alpha(c, chat, pos, "chat room translucent")
    c.driver("post-hwnd", str(chat), str(WM_APP_HANG_FOR_GOOD), "0", "0")
    wait_until(lambda: room.select("peer", "hang"), DEADLINE_S, "the chat room hanging")


def leaves_within_bound(c, leave, what, bound_s=EXIT_BOUND_S):
    hung_and_translucent(c)
    t0 = time.monotonic()
    leave()
    c.app.wait_exit(DEADLINE_S, f"{what} with a hung window")
    took = time.monotonic() - t0
    check(took <= bound_s, f"{what} took {took:.1f} s with a hung window")


@case("translucency/the_title_bar_close_keeps_its_bound_with_a_hung_window")
def close_with_hung(c):
    leaves_within_bound(c, lambda: c.driver("post", "main", str(WM_SYSCOMMAND), str(SC_CLOSE), "0"), "SC_CLOSE")


@case("translucency/the_end_of_the_session_keeps_its_bound_with_a_hung_window")
def session_with_hung(c):
    leaves_within_bound(c, lambda: c.driver("close", "session"), "the end of the session")


@case("translucency/a_fault_keeps_its_bound_with_a_hung_window")
def fault_with_hung(c):
    # After the handler, Wine's own report of the fault (its debugger) takes 2-4 s more.
    leaves_within_bound(c, lambda: c.driver("fault"), "a fault", DEADLINE_S)
