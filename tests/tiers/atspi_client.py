#!/usr/bin/python3
"""Uses one of the programs as a blind pupil would, through the keyboard and a screen
reader's view of it: sends real key events with xdotool into its window and reads
back, over AT-SPI, what a screen reader is given. Prints one line per check,
"pass: ..." or "FAIL: ... expected ..., got ...".

What counts as spoken follows the screen reader's rule: announcements, and changes of
name, description, value or text of the object that has the focus; a change anywhere
else is read only when the reader looks at that object.

Usage: atspi_client.py tessaro|tubarin   (DISPLAY and DBUS_SESSION_BUS_ADDRESS set)
"""
import ctypes
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

WAIT = 10  # seconds any one answer may take


class Reader:
    def __init__(self):
        self.focus = None
        self.spoken = []
        pyatspi.Registry.registerEventListener(
            self.heard, 'object:state-changed:focused', 'object:property-change:accessible-name',
            'object:property-change:accessible-description', 'object:property-change:accessible-value',
            'object:text-changed:insert', 'object:announcement')

    def heard(self, event):
        try:
            if event.type.startswith('object:state-changed:focused'):
                if event.detail1:
                    self.focus = event.source
                return
            if event.type.startswith('object:announcement'):
                self.spoken.append(str(event.any_data))
                return
            if event.source != self.focus:
                return
            if 'accessible-name' in event.type:
                # Qt 6.4 sends the object instead of the new name, which a reader cannot speak.
                if isinstance(event.any_data, str):
                    self.spoken.append(event.any_data)
            elif 'accessible-description' in event.type:
                self.spoken.append(event.source.description)
            elif 'accessible-value' in event.type:
                # A reader says the value as the object shows it.
                shown = text(event.source)
                self.spoken.append(shown if shown else '%s %s' % (event.source.name, value(event.source)))
            elif event.type.startswith('object:text-changed:insert'):
                self.spoken.append(str(event.any_data))
        except Exception as error:  # an object gone while its event was queued
            self.spoken.append('<%s>' % error)

    def pump(self, seconds=0.0):
        context = GLib.MainContext.default()
        end = time.monotonic() + seconds
        while True:
            while context.iteration(False):
                pass
            if time.monotonic() >= end:
                return
            time.sleep(0.02)

    def until(self, condition, seconds=WAIT):
        end = time.monotonic() + seconds
        while True:
            self.pump()
            result = condition()
            if result or time.monotonic() >= end:
                return result
            time.sleep(0.05)


def value(accessible):
    try:
        number = accessible.queryValue().currentValue
        return str(int(number)) if number == int(number) else str(number)
    except NotImplementedError:
        return None


def text(accessible):
    try:
        return accessible.queryText().getText(0, -1)
    except NotImplementedError:
        return None


class Screen:
    """Reads pixels of the X screen, as the pupil sees them."""

    def __init__(self):
        self.x = ctypes.cdll.LoadLibrary('libX11.so.6')
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XGetImage.restype = ctypes.c_void_p
        self.x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                     ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x.XGetPixel.restype = ctypes.c_ulong
        self.x.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
        self.x.XDestroyImage.argtypes = [ctypes.c_void_p]
        self.display = self.x.XOpenDisplay(None)
        self.root = self.x.XDefaultRootWindow(self.display)

    def pixel(self, x, y):
        image = self.x.XGetImage(self.display, self.root, x, y, 1, 1, 0xFFFFFFFF, 2)  # ZPixmap
        colour = self.x.XGetPixel(image, 0, 0)
        self.x.XDestroyImage(image)
        return (colour >> 16) & 255, (colour >> 8) & 255, colour & 255


class Checks:
    def __init__(self, reader):
        self.reader = reader

    def equal(self, what, expected, got):
        if expected == got:
            print('pass: %s' % what)
        else:
            print('FAIL: %s: expected %r, got %r' % (what, expected, got))
        sys.stdout.flush()
        return expected == got

    def waited(self, what, expected, read):
        got = self.reader.until(lambda: read() == expected) and expected or read()
        return self.equal(what, expected, got)

    def said(self, what, pattern, since):
        """Whether the reader was given a sentence matching pattern after mark since."""
        found = self.reader.until(
            lambda: next((s for s in self.reader.spoken[since:] if re.search(pattern, s)), None))
        if found:
            print('pass: %s (%r)' % (what, found))
        else:
            print('FAIL: %s: nothing spoken matched %r; spoken: %r' % (what, pattern, self.reader.spoken[since:]))
        sys.stdout.flush()
        return bool(found)


def xdotool(*arguments):
    subprocess.run(['xdotool'] + [str(a) for a in arguments], check=True, stdout=subprocess.DEVNULL)


def key(*keys):
    xdotool('key', '--delay', 30, *keys)


def point_at(x, y):
    # In two steps, so the program sees a movement ending there.
    xdotool('mousemove', x - 2, y - 2)
    xdotool('mousemove', x, y)


def find(root, role, name):
    return pyatspi.findDescendant(
        root, lambda a: a.getRole() == role and (name(a.name) if callable(name) else a.name == name))


def centre(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x + box.width // 2, box.y + box.height // 2


def window_of(reader, program):
    def frame():
        for application in pyatspi.Registry.getDesktop(0):
            if application and application.name.lower() == program:
                for child in application:
                    if child.getRole() == pyatspi.ROLE_FRAME and child.getState().contains(pyatspi.STATE_SHOWING):
                        return child
        return None
    window = reader.until(frame, 30)
    if not window:
        print('FAIL: %s: its window never reached AT-SPI' % program)
        sys.exit(1)
    # The keys go where the focus is: to the program's window.
    ids = subprocess.run(['xdotool', 'search', '--onlyvisible', '--class', program], capture_output=True,
                         text=True).stdout.split()
    xdotool('windowactivate', '--sync', ids[0])
    # The first focus may have been given before this client listened.
    reader.focus = reader.focus or reader.until(lambda: pyatspi.findDescendant(
        window, lambda a: a.getState().contains(pyatspi.STATE_FOCUSED)), 5)
    return window


def tab_order(reader, count):
    names = []
    for _ in range(count):
        before = reader.focus
        key('Tab')
        reader.until(lambda: reader.focus is not None and reader.focus != before, 3)
        names.append(reader.focus.name if reader.focus else None)
    return names


def tessaro(reader, checks, screen):
    window = window_of(reader, 'tessaro')
    start = find(window, pyatspi.ROLE_PUSH_BUTTON, lambda n: n in ('Start', 'Löschen'))
    cube = find(window, pyatspi.ROLE_IMAGE, 'Farbwürfel')
    section = find(window, pyatspi.ROLE_IMAGE, 'Schnittfläche')
    mixed = find(window, pyatspi.ROLE_IMAGE, lambda n: n.startswith('Mischfarbe'))
    parts = [find(window, pyatspi.ROLE_IMAGE, lambda n, p=p: n.startswith(p)) for p in ('Rotanteil', 'Grünanteil', 'Blauanteil')]

    checks.equal('the focus starts on Start', 'Start', reader.focus.name if reader.focus else None)
    checks.equal('Tab walks the controls in their designed order', ['Info ON', 'Ende', 'Start'], tab_order(reader, 3))

    mark = len(reader.spoken)
    key('space')
    checks.waited('Space on Start draws the cube and says so', True,
                  lambda: cube.description.startswith('Rot nach rechts, Blau nach oben'))

    # A cut on the front face, where green is 0: half-way up the cube's front.
    cube_box = cube.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x, y = cube_box.x + cube_box.width * 24 // 40, cube_box.y + cube_box.height * 25 // 40
    colour = screen.pixel(x, y)
    point_at(x, y)
    xdotool('click', 1)
    checks.waited('the cut on the front face is described with its blue',
                  'Schnitt bei Blau %d: Rot nach rechts, Grün nach oben' % colour[2], lambda: section.description)
    checks.waited('Start becomes Löschen', 'Löschen', lambda: start.name)

    # The pointer in the square: the equation's names against the colour under it.
    box = section.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x, y = box.x + box.width * 3 // 4, box.y + box.height * 3 // 4
    point_at(x, y)
    red, green, blue = screen.pixel(x, y)
    expected = ['Rotanteil %d' % red, 'Grünanteil %d' % green, 'Blauanteil %d' % blue]
    checks.waited('the parts read the colour under the pointer', expected, lambda: [p.name for p in parts])
    checks.waited('the mixture reads it too', 'Mischfarbe %d, %d, %d' % (red, green, blue), lambda: mixed.name)
    checks.equal('the mixture square shows the colour it reads', (red, green, blue), screen.pixel(*centre(mixed)))
    return mark


def tubarin(reader, checks, screen):
    window = window_of(reader, 'tubarin')
    boxes = [find(window, pyatspi.ROLE_TEXT, n) for n in ('Rot', 'Grün', 'Blau')]
    checks.equal('the boxes are named', [True, True, True], [b is not None for b in boxes])
    checks.equal('the focus starts on Start1', 'Start1', reader.focus.name if reader.focus else None)
    checks.equal('Tab walks the buttons in their designed order', ['Start2', 'Start3', 'Halt', 'Rot'],
                 tab_order(reader, 4))
    key('shift+Tab', 'shift+Tab', 'shift+Tab', 'shift+Tab')
    reader.until(lambda: reader.focus is not None and reader.focus.name == 'Start1', 3)

    key('space')
    checks.waited('Space on Start1 describes the hue circle', True,
                  lambda: window.description.startswith('Farbkreis'))
    # The circle's centre is drawn last; the figure lies left of the buttons.
    frame = window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    cx, cy = frame.x + frame.width * 2 // 5, frame.y + frame.height // 2
    checks.waited('the hue circle is drawn to its centre', True, lambda: screen.pixel(cx, cy) != (64, 64, 64))
    x, y = cx - frame.width // 7, cy + frame.width // 9
    point_at(x, y)
    expected = [str(c) for c in screen.pixel(x, y)]
    checks.waited('the boxes read the colour under the pointer', expected, lambda: [text(b) for b in boxes])


def main():
    program = sys.argv[1]
    reader = Reader()
    checks = Checks(reader)
    {'tessaro': tessaro, 'tubarin': tubarin}[program](reader, checks, Screen())


if __name__ == '__main__':
    main()
