"""The window shell: closing while one of the program's own boxes is open, where the focus
goes when the window comes back to the front, and quick clicks."""
from harness import case, check, fail, wait_until
from cases_main_window import EXIT_DEADLINE_S, SKEL_RESET, START_TIMEOUT_S, TOPMOST_DEADLINE_MS
from cases_send import chat_target, compose, send
from cases_target import (ACTIVAT_CHECK, CHAT, MESSAGE, PAGE_TITLE, PHRASE, ROOM, UNKNOWN,
                          bring, expect_status, shown, started)

ONE_LINE_REFUSAL = "1行じゃないです"


def with_refusal_open(c):
    """A two-line message in the one-line mode: the send handler waits in its message box."""
    app, _ = chat_target(c)
    compose(c, "ab\r\ncd")
    send(c)
    box = c.driver("box", "Sorelka", "5000", expect_ok=False)
    check(box["ok"] and box["text"] == ONE_LINE_REFUSAL,
          f"expected the box {ONE_LINE_REFUSAL!r} to be open, found {box}")
    return app


def ends_cleanly(c, app, what):
    rc = app.wait_exit(EXIT_DEADLINE_S, what)
    check(rc == 0, f"{what}: the program ended with exit code {rc}")


@case("shell/close_from_the_system_menu_while_a_box_is_open")
def close_with_box_open(c):
    app = with_refusal_open(c)
    c.driver("close", "sys")
    ends_cleanly(c, app, "SC_CLOSE with the one-line box open")


@case("shell/end_of_session_while_a_box_is_open")
def session_end_with_box_open(c):
    app = with_refusal_open(c)
    r = c.driver("close", "session")
    check(r["allowed"], "the program refused the end of the session")
    ends_cleanly(c, app, "the end of the session with the one-line box open")


def focus_of(c):
    return c.driver("focus")["focus"]


def front(c, app):
    bring(c, app.hwnd)
    wait_until(lambda: c.driver("focus")["foreground"] == app.hwnd, 5, "the main window in front")


@case("shell/focus_back_on_a_reachable_control_when_its_own_was_disabled")
def focus_after_reactivation(c):
    app, peer = started(c, "--chat", "--plain-page")
    bring(c, peer.hwnd("chat-frame"))
    expect_status(c, CHAT, ROOM + PHRASE)
    front(c, app)
    c.focus_keys()
    x, y, w, h = c.driver("rect", str(MESSAGE))["rect"]
    c.xdotool("mousemove", str(x + w // 2), str(y + h // 2), "click", "1")
    wait_until(lambda: focus_of(c) == MESSAGE, 5, "the focus in Message")

    # An unknown program in front disables Message while the window is in the background.
    bring(c, peer.hwnd("page-frame"))
    expect_status(c, UNKNOWN, shown(PAGE_TITLE))
    front(c, app)
    # Frame1 lies under Frame4: its controls are shown but out of reach, so ActivatCheck is
    # the first a user can reach.
    seen = []

    def on_activat_check():
        seen.append(focus_of(c))
        return seen[-1] == ACTIVAT_CHECK
    try:
        wait_until(on_activat_check, 5, "the focus")
    except Exception:
        fail(f"after coming back the focus is on control {seen[-1]}, expected ActivatCheck "
             f"({ACTIVAT_CHECK}); Message ({MESSAGE}) is disabled")


@case("shell/two_quick_clicks_on_activatcheck_toggle_it_twice")
def double_click_activat_check(c):
    app = c.start_app(timeout_s=START_TIMEOUT_S)
    r = c.driver("wait-topmost", str(TOPMOST_DEADLINE_MS), expect_ok=False)
    check(r["ok"] and r["activat_checked"] == 1, f"ActivatCheck not ticked after start: {r}")
    c.focus_keys()
    wait_until(lambda: c.driver("focus")["foreground"] == app.hwnd, 5, "the main window in front")
    x, y, w, h = c.driver("rect", str(ACTIVAT_CHECK))["rect"]
    c.xdotool("mousemove", str(x + w // 2), str(y + h // 2), "click", "--repeat", "2",
              "--delay", "80", "1")
    # Real input is handled in order: once Tab has moved the focus on, both clicks were.
    c.keys("Tab")
    moved = c.driver("wait-focus-not", str(ACTIVAT_CHECK), "5000", expect_ok=False)
    check(moved["ok"] and moved["focus"] == SKEL_RESET,
          f"Tab after the clicks moved the focus to {moved.get('focus')}, expected SkelReset")
    value = [w["checked"] for w in c.dump()["controls"] if w["id"] == ACTIVAT_CHECK]
    check(value == [1], f"ActivatCheck is {value} after two quick clicks from 1, expected 1 "
                        f"(the second click was lost if 0)")
    check(c.dump()["topmost"], "the window is not topmost after ActivatCheck was ticked again")
