#!/usr/bin/env python3
"""Mouse and keyboard input to the X display $DISPLAY, as a user gives it
(through the XTEST extension), for the demonstration without a display.

    x11_input.py move X Y
    x11_input.py click X Y [BUTTON [COUNT]]    button 1 left, 3 right
    x11_input.py key KEY...                    Escape, Return, alt+space, alt+n
    x11_input.py type TEXT                     letters, digits, blanks and \\:.-
"""
import ctypes
import sys
import time

x11 = ctypes.CDLL("libX11.so.6")
xtest = ctypes.CDLL("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XStringToKeysym.restype = ctypes.c_ulong
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XKeysymToKeycode.restype = ctypes.c_ubyte
x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
xtest.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p] + [ctypes.c_int] * 3 + [ctypes.c_ulong]
xtest.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]
xtest.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]

x11.XkbKeycodeToKeysym.argtypes = [ctypes.c_void_p, ctypes.c_ubyte, ctypes.c_int, ctypes.c_int]
x11.XkbKeycodeToKeysym.restype = ctypes.c_ulong

NAMES = {"alt": "Alt_L", "shift": "Shift_L", "ctrl": "Control_L"}
CHARACTERS = {" ": "space", "\\": "backslash", ":": "colon", ".": "period", "-": "minus"}


def keysym(name):
    return x11.XStringToKeysym(NAMES.get(name, CHARACTERS.get(name, name)).encode())


def keycode(display, name):
    code = x11.XKeysymToKeycode(display, keysym(name))
    if not code:
        sys.exit(f"x11_input.py: no key {name}")
    return code


def keys_for(display, char):
    """The key of a character, with Shift where the key gives it shifted."""
    shifted = x11.XkbKeycodeToKeysym(display, keycode(display, char), 0, 0) != keysym(char)
    return ["shift", char] if shifted else [char]


def press(display, names):
    """Presses the keys in order and lets them go in the other order."""
    codes = [keycode(display, name) for name in names]
    for code in codes:
        xtest.XTestFakeKeyEvent(display, code, 1, 0)
    for code in reversed(codes):
        xtest.XTestFakeKeyEvent(display, code, 0, 0)
    x11.XSync(display, 0)
    time.sleep(0.05)


def main(command, *args):
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("x11_input.py: no display")
    if command in ("move", "click"):
        xtest.XTestFakeMotionEvent(display, 0, int(args[0]), int(args[1]), 0)
        x11.XSync(display, 0)
        time.sleep(0.1)
    if command == "click":
        button = int(args[2]) if len(args) > 2 else 1
        for _ in range(int(args[3]) if len(args) > 3 else 1):
            for down in (1, 0):
                xtest.XTestFakeButtonEvent(display, button, down, 0)
                x11.XSync(display, 0)
                time.sleep(0.04)
    elif command == "key":
        for combination in args:
            press(display, combination.split("+"))
    elif command == "type":
        for char in args[0]:
            press(display, keys_for(display, char))
    elif command != "move":
        sys.exit(__doc__)


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    main(*sys.argv[1:])
