#!/usr/bin/env python3
"""The window on a Wayland session: Weston with XWayland, nested in the X server this runs under.

Usage: wayland_check.py <solvanix program>   (under xvfb-run; scripts/wayland-check does it all)

1. As a desktop starts it, Qt choosing its platform: the window comes up through XWayland; asked
   to maximize, or enlarged by a double click on its title bar, it goes back to its own size, and
   it keeps taking what is typed.
2. With QT_QPA_PLATFORM=wayland, Qt draws its own title bar with a maximize button: a click on it
   must not end the program, and the window comes back to its size with its controls in place.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

TITLE = "^SOLVANIX V[0-9.]+ Light$"
CLIENT = (938, 586)
OK_BUTTON = (432, 504)  # the red face's top-left corner in the client area
TEXT1 = (272, 208)


def wait_for(what, check, seconds=15):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = check()
        if value:
            return value
        time.sleep(0.1)
    sys.exit(f"FAIL: {what} (waited {seconds} s)")


def run(*command, display, **kwargs):
    env = dict(os.environ, DISPLAY=display)
    return subprocess.run(command, env=env, capture_output=True, text=True, **kwargs)


def alive(program):
    return program.poll() is None


def screen_pixels(display):
    """The whole X screen as (width, height, bytes of RGB triples)."""
    ppm = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], env=dict(os.environ, DISPLAY=display),
                         capture_output=True, check=True).stdout
    header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", ppm)
    width, height = int(header.group(1)), int(header.group(2))
    return width, height, ppm[header.end():]


def find_ok_button(display):
    """Top-left corner of the OK button's red face: the first row of pure red as wide as it."""
    width, _, pixels = screen_pixels(display)
    red = b"\xff\x00\x00"
    face_width = 63  # inside its one-pixel bevel
    index = pixels.find(red * face_width)
    while index >= 0:
        if index % 3 == 0:
            x, y = (index // 3) % width, (index // 3) // width
            before = pixels[index - 3:index] if x > 0 else b""
            after = pixels[index + 3 * face_width:index + 3 * face_width + 3]
            if before != red and after != red:
                return x, y
        index = pixels.find(red * face_width, index + 3)
    return None


def pixel(display, x, y):
    width, _, pixels = screen_pixels(display)
    offset = (y * width + x) * 3
    return tuple(pixels[offset:offset + 3])


def start_weston(runtime, outer_display):
    socket = "solvanix-check"
    log = open(os.path.join(runtime, "weston.log"), "w")
    config = os.path.join(runtime, "weston.ini")
    with open(config, "w") as ini:
        # No on-screen keyboard over the window.
        ini.write("[core]\nidle-time=0\n\n[shell]\nstartup-animation=none\nanimation=none\n"
                  "\n[input-method]\npath=/bin/true\n")
    weston = subprocess.Popen(
        ["weston", "--backend=x11-backend.so", "--width=1200", "--height=780", f"--socket={socket}",
         "--xwayland", f"--config={config}"],
        env=dict(os.environ, DISPLAY=outer_display, XDG_RUNTIME_DIR=runtime), stdout=log,
        stderr=subprocess.STDOUT)

    def xwayland_display():
        match = re.search(r"xserver listening on display (:\d+)", open(log.name).read())
        return match and os.path.exists(os.path.join(runtime, socket)) and match.group(1)

    return weston, socket, wait_for("Weston and its X server start", xwayland_display)


def check_xwayland(program_path, runtime, socket, xwayland, outer):
    env = {k: v for k, v in os.environ.items() if k != "QT_QPA_PLATFORM"}
    env.update(WAYLAND_DISPLAY=socket, DISPLAY=xwayland, XDG_RUNTIME_DIR=runtime)
    program = subprocess.Popen([program_path], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE, text=True)
    try:
        window = wait_for("the window appears through XWayland", lambda: run(
            "xdotool", "search", "--name", TITLE, display=xwayland).stdout.split())[0]
        run("wmctrl", "-i", "-r", window, "-b", "add,maximized_vert,maximized_horz",
            display=xwayland, check=True)
        time.sleep(1)

        def size():
            info = run("xwininfo", "-id", window, display=xwayland).stdout
            return tuple(int(re.search(rf"{key}: (\d+)", info).group(1)) for key in ("Width", "Height"))

        wait_for("the window goes back to its size after a maximize", lambda: size() == CLIENT)
        # Weston's own frame enlarges the window on a double click on its title bar, without
        # calling it maximized. Weston takes the click from the outer server's pointer.
        face = wait_for("the window appears on the screen", lambda: find_ok_button(outer))
        title_bar = (face[0] - OK_BUTTON[0] + 100, face[1] - OK_BUTTON[1] - 14)
        run("xdotool", "mousemove", "0", "0", display=outer)
        run("xdotool", "mousemove", "1", "1", display=outer)
        time.sleep(0.3)
        run("xdotool", "mousemove", *map(str, title_bar), "click", "--repeat", "2", "--delay", "80",
            "1", display=outer, check=True)
        time.sleep(1)
        wait_for("the window goes back to its size after a double click on its title bar",
                 lambda: size() == CLIENT)
        run("xdotool", "type", "--delay", "30", "6", display=xwayland, check=True)
        time.sleep(0.5)
        if not alive(program):
            sys.exit(f"FAIL: the program ended on XWayland: {program.stderr.read()}")
        print("ok: through XWayland, refused a maximize and a double click on its title bar, kept its "
              "size and its input", flush=True)
    finally:
        program.kill()
        program.wait()


def check_wayland(program_path, runtime, socket, outer):
    env = dict(os.environ, QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY=socket,
               XDG_RUNTIME_DIR=runtime)
    env.pop("DISPLAY", None)
    program = subprocess.Popen([program_path], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE, text=True)
    try:
        face = wait_for("the window appears on Wayland", lambda: find_ok_button(outer))
        client = (face[0] - OK_BUTTON[0], face[1] - OK_BUTTON[1])
        # Qt's title bar: 30 pixels high, 3-pixel borders; the maximize button's centre stands
        # 39 pixels left of the frame's right edge.
        maximize = (client[0] + CLIENT[0] + 3 - 39, client[1] - 15)
        # Weston follows the nested pointer from where it first saw it.
        run("xdotool", "mousemove", "0", "0", display=outer)
        run("xdotool", "mousemove", "1", "1", display=outer)
        time.sleep(0.3)
        run("xdotool", "mousemove", *map(str, maximize), "click", "1", display=outer, check=True)
        time.sleep(2)
        field = (client[0] + TEXT1[0] + 10, client[1] + TEXT1[1] + 10)
        run("xdotool", "mousemove", *map(str, field), "click", "1", display=outer, check=True)
        run("xdotool", "type", "--delay", "30", "12", display=outer, check=True)
        time.sleep(1)
        if not alive(program):
            sys.exit(f"FAIL: the program ended on Wayland: {program.stderr.read()}")
        if find_ok_button(outer) != face:
            sys.exit("FAIL: the controls moved after the maximize click")
        right_of_window = pixel(outer, client[0] + CLIENT[0] + 20, client[1] + 300)
        if right_of_window == (0xEF, 0xEF, 0xEF):
            sys.exit("FAIL: the window stayed wider than its design after the maximize click")
        print("ok: on Wayland, the maximize button did not end the program; size and controls kept",
              flush=True)
    finally:
        program.kill()
        program.wait()


def main():
    program_path = os.path.abspath(sys.argv[1])
    outer = os.environ["DISPLAY"]
    runtime = tempfile.mkdtemp(prefix="solvanix-wayland-")
    os.chmod(runtime, 0o700)
    weston, socket, xwayland = start_weston(runtime, outer)
    try:
        # Wayland first: its check finds the window on the screen, where no other may stand.
        check_wayland(program_path, runtime, socket, outer)
        check_xwayland(program_path, runtime, socket, xwayland, outer)
    finally:
        weston.terminate()
        weston.wait()
        shutil.rmtree(runtime, ignore_errors=True)


if __name__ == "__main__":
    main()
