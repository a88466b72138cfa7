#!/usr/bin/python3
"""A desktop panel for the end-to-end scripts: a dock window HEIGHT pixels
tall along the bottom of the display, in COLOUR (hex RRGGBB), that reserves
its strip with _NET_WM_STRUT_PARTIAL as taskbars do. Runs until killed.
Usage: panel.py HEIGHT COLOUR"""
import sys

from Xlib import X, Xatom, Xutil, display

height, colour = int(sys.argv[1]), int(sys.argv[2], 16)
d = display.Display()
screen = d.screen()
width, bottom = screen.width_in_pixels, screen.height_in_pixels
panel = screen.root.create_window(0, bottom - height, width, height, 0, screen.root_depth,
                                  X.InputOutput, X.CopyFromParent, background_pixel=colour)
panel.set_wm_name("panel")
panel.set_wm_normal_hints(flags=Xutil.USPosition | Xutil.USSize, x=0, y=bottom - height, width=width, height=height)
panel.change_property(d.intern_atom("_NET_WM_WINDOW_TYPE"), Xatom.ATOM, 32,
                      [d.intern_atom("_NET_WM_WINDOW_TYPE_DOCK")])
panel.change_property(d.intern_atom("_NET_WM_STRUT"), Xatom.CARDINAL, 32, [0, 0, 0, height])
panel.change_property(d.intern_atom("_NET_WM_STRUT_PARTIAL"), Xatom.CARDINAL, 32,
                      [0, 0, 0, height, 0, 0, 0, 0, 0, 0, 0, width - 1])
panel.change_property(d.intern_atom("_NET_WM_DESKTOP"), Xatom.CARDINAL, 32, [0xFFFFFFFF])
panel.map()
d.flush()
while True:
    d.next_event()
