#!/usr/bin/python3
"""x11_close.py WINDOW: asks an X window to close the way a window manager's close
button does, with a WM_DELETE_WINDOW client message. Uses libX11 through ctypes, so it
needs nothing beyond Python and the X library. Exits 1 when the window does not take
WM_DELETE_WINDOW, 2 when the display cannot be opened."""
import ctypes
import ctypes.util
import sys


class ClientMessage(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class XEvent(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]


CLIENT_MESSAGE = 33
CURRENT_TIME = 0


def main():
    window = int(sys.argv[1], 0)
    xlib = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XGetWMProtocols.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                     ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)), ctypes.POINTER(ctypes.c_int)]
    xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.POINTER(XEvent)]
    xlib.XFlush.argtypes = [ctypes.c_void_p]
    xlib.XFree.argtypes = [ctypes.c_void_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]

    display = xlib.XOpenDisplay(None)
    if not display:
        print("x11_close: cannot open the display", file=sys.stderr)
        return 2
    protocols = xlib.XInternAtom(display, b"WM_PROTOCOLS", 0)
    delete = xlib.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
    atoms = ctypes.POINTER(ctypes.c_ulong)()
    count = ctypes.c_int(0)
    taken = []
    if xlib.XGetWMProtocols(display, window, ctypes.byref(atoms), ctypes.byref(count)):
        taken = [atoms[i] for i in range(count.value)]
        xlib.XFree(atoms)
    if delete not in taken:
        print(f"x11_close: window {window:#x} does not take WM_DELETE_WINDOW", file=sys.stderr)
        xlib.XCloseDisplay(display)
        return 1
    event = XEvent()
    event.xclient.type = CLIENT_MESSAGE
    event.xclient.window = window
    event.xclient.message_type = protocols
    event.xclient.format = 32
    event.xclient.data[0] = delete
    event.xclient.data[1] = CURRENT_TIME
    xlib.XSendEvent(display, window, 0, 0, ctypes.byref(event))
    xlib.XFlush(display)
    xlib.XCloseDisplay(display)
    return 0


if __name__ == "__main__":
    sys.exit(main())
