#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
# SPDX-License-Identifier: GPL-3.0-or-later

"""Uses one of the programs as a blind pupil would, through the keyboard and a screen
reader's view of it: sends real key events with xdotool into its window and reads
back, over AT-SPI, what a screen reader is given. Prints one line per check,
"pass: ..." or "FAIL: ... expected ..., got ...".

What counts as spoken follows the screen reader's rule: announcements, notifications
as they show, and changes of name, description, value or text of the object that has
the focus; a change anywhere else is read only when the reader looks at that object.

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
            'object:text-changed:insert', 'object:announcement', 'object:state-changed:showing')

    def heard(self, event):
        try:
            if event.type.startswith('object:state-changed:focused'):
                if event.detail1:
                    self.focus = event.source
                return
            if event.type.startswith('object:announcement'):
                self.spoken.append(str(event.any_data))
                return
            if event.type.startswith('object:state-changed:showing'):
                # A notification is read as it shows, wherever the focus is.
                if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
                    self.spoken.append(event.source.name)
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
    """Reads the X screen's pixels, as the pupil sees them."""

    def __init__(self):
        self.x = ctypes.cdll.LoadLibrary('libX11.so.6')
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XGetImage.restype = ctypes.POINTER(XImage)
        self.x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                                     ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x.XDestroyImage.argtypes = [ctypes.POINTER(XImage)]
        self.display = self.x.XOpenDisplay(None)
        self.root = self.x.XDefaultRootWindow(self.display)

    def shot(self, x, y, width, height):
        """The screen's pixels in a rectangle: a dictionary from (x, y) to (red, green, blue)."""
        image = self.x.XGetImage(self.display, self.root, x, y, width, height, 0xFFFFFFFF, 2)  # ZPixmap
        line = image.contents.bytes_per_line
        data = ctypes.string_at(image.contents.data, line * height)
        self.x.XDestroyImage(image)
        # Four bytes a pixel on a 24-bit screen, blue first.
        return {(x + i, y + j): (data[j * line + 4 * i + 2], data[j * line + 4 * i + 1], data[j * line + 4 * i])
                for j in range(height) for i in range(width)}

    def pixel(self, x, y):
        return self.shot(x, y, 1, 1)[(x, y)]


class XImage(ctypes.Structure):
    _fields_ = [('width', ctypes.c_int), ('height', ctypes.c_int), ('xoffset', ctypes.c_int),
                ('format', ctypes.c_int), ('data', ctypes.c_void_p), ('byte_order', ctypes.c_int),
                ('bitmap_unit', ctypes.c_int), ('bitmap_bit_order', ctypes.c_int), ('bitmap_pad', ctypes.c_int),
                ('depth', ctypes.c_int), ('bytes_per_line', ctypes.c_int), ('bits_per_pixel', ctypes.c_int)]


def marker_centre(before, after, holder):
    """Where the probe's marker stands: the middle of what changed between two shots,
    leaving out the focus mark along the holder's edge."""
    changed = [p for p in after if after[p] != before[p]
               and holder.x + 4 <= p[0] < holder.x + holder.width - 4
               and holder.y + 4 <= p[1] < holder.y + holder.height - 4]
    if not changed:
        return None
    xs, ys = [p[0] for p in changed], [p[1] for p in changed]
    return (min(xs) + max(xs)) // 2, (min(ys) + max(ys)) // 2


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

    def said(self, what, pattern, since, seconds=6):
        """Whether the reader was given a sentence matching pattern after mark since."""
        found = self.reader.until(
            lambda: next((s for s in self.reader.spoken[since:] if re.search(pattern, s)), None), seconds)
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


def extents(accessible):
    return accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def shot_of(screen, accessible):
    box = extents(accessible)
    return screen.shot(box.x, box.y, box.width, box.height)


def numbers(sentence):
    return [int(n) for n in re.findall(r'\d+', sentence)]


EQUATION = r'Rotanteil (\d+), Grünanteil (\d+), Blauanteil (\d+), Mischfarbe (\d+), (\d+), (\d+)'
ON_CUBE = r'Würfel: Rot (\d+), Grün (\d+), Blau (\d+)'
COMPONENTS = ('Rot', 'Grün', 'Blau')


def last_said(reader, pattern, since):
    found = [s for s in reader.spoken[since:] if re.search(pattern, s)]
    return re.search(pattern, found[-1]) if found else None


def tessaro(reader, checks, screen):
    window = window_of(reader, 'tessaro')
    start = find(window, pyatspi.ROLE_PUSH_BUTTON, lambda n: n in ('Start', 'Löschen'))
    cube = find(window, pyatspi.ROLE_IMAGE, 'Farbwürfel') or find(window, pyatspi.ROLE_SPIN_BUTTON, 'Farbwürfel')
    mixed = find(window, pyatspi.ROLE_IMAGE, lambda n: n.startswith('Mischfarbe'))
    parts = [find(window, pyatspi.ROLE_IMAGE, lambda n, p=p: n.startswith(p)) for p in ('Rotanteil', 'Grünanteil', 'Blauanteil')]

    checks.equal('the focus starts on Start', 'Start', reader.focus.name if reader.focus else None)
    checks.equal('Tab walks the controls in their designed order', ['Info ON', 'Ende', 'Start'], tab_order(reader, 3))

    mark = len(reader.spoken)
    key('space')
    checks.waited('Space on Start draws the cube and describes it', True,
                  lambda: cube.description.startswith('Rot nach rechts, Blau nach oben'))
    checks.said('the drawn cube is announced', 'Farbwürfel gezeichnet', mark)
    checks.equal('drawn, the cube and the cut square take the focus in their designed order',
                 ['Farbwürfel', 'Schnittfläche', 'Info ON', 'Ende', 'Start', 'Farbwürfel'], tab_order(reader, 6))
    section = find(window, pyatspi.ROLE_IMAGE, 'Schnittfläche') or find(window, pyatspi.ROLE_SPIN_BUTTON, 'Schnittfläche')

    # A cut on each face, laid by keys where the probe reads: the left face holds red 0,
    # the top face blue 255, the front face green 0; the last cut holds blue.
    first_cut = True
    for face, keys, fixed, held in (('left', ['Home', 'Left'], (0, 0), 1), ('top', ['Page_Up'] * 14, (2, 255), 0),
                                    ('front', ['Page_Down'] * 14, (1, 0), 2)):
        mark = len(reader.spoken)
        key(*keys)
        # On a loaded machine the keys may come slowly enough for the probe to rest on
        # the way, and that colour is said too: wait for the one where the keys end.
        def on_face():
            read = last_said(reader, ON_CUBE, mark)
            return read if read and int(read.group(fixed[0] + 1)) == fixed[1] else None
        read = reader.until(on_face) or last_said(reader, ON_CUBE, mark)
        if not checks.equal('on the %s face the probe reads a colour of it' % face, fixed[1],
                            read and int(read.group(fixed[0] + 1))):
                    continue
        value = int(read.group(held + 1))
        mark = len(reader.spoken)
        key('Return')
        sentence = 'Schnitt bei %s %d' % (COMPONENTS[held], value)
        checks.said('Return on the %s face lays the cut there and says so' % face, sentence, mark)
        checks.waited('the square is described as that cut', True, lambda: section.description.startswith(sentence))
        box = extents(section)
        checks.equal('the square shows the cut\'s %s' % COMPONENTS[held], value,
                     screen.pixel(box.x + box.width // 3, box.y + box.height // 3)[held])
        if first_cut:
            checks.said('Start becomes Löschen, and it is said', 'Löschen', mark)
            checks.equal('its name follows', 'Löschen', start.name)
            first_cut = False

    # The probe over the cut square: the equation a colour step a press.
    before = shot_of(screen, section)
    key('Tab')
    reader.until(lambda: reader.focus is not None and reader.focus.name == 'Schnittfläche', 3)
    mark = len(reader.spoken)
    key('Right')
    read = reader.until(lambda: last_said(reader, EQUATION, mark))
    if not checks.equal('a step over the square says the equation', True, bool(read)):
        return
    red, green, blue = (int(read.group(i)) for i in (1, 2, 3))
    checks.equal('the parts and the mixture agree', [red, green, blue], [int(read.group(i)) for i in (4, 5, 6)])
    checks.waited('the parts read it', ['Rotanteil %d' % red, 'Grünanteil %d' % green, 'Blauanteil %d' % blue],
                  lambda: [p.name for p in parts])
    checks.equal('the mixture square shows it', (red, green, blue), screen.pixel(*centre(mixed)))
    probe = marker_centre(before, shot_of(screen, section), extents(section))
    checks.equal('the marker stands on that colour', (red, green, blue), probe and screen.pixel(*probe))

    # Steps in a row are said once, where they end, as the squares then read.
    mark = len(reader.spoken)
    key('Right', 'Right', 'Right', 'Page_Up')
    reader.until(lambda: last_said(reader, EQUATION, mark))
    reader.pump(1)
    said = [numbers(s) for s in reader.spoken[mark:] if re.search(EQUATION, s)]
    shown = [numbers(p.name)[0] for p in parts]
    checks.equal('steps in a row are said once, where they end', [shown * 2], said)
    checks.equal('right and up raise red and green', [True, True], [shown[0] > red, shown[1] > green])

    # Step by step along a row, each colour said where the probe rests: the colours of
    # the row, one after the other, none skipped or said twice.
    key('Page_Down', 'Page_Down', 'Page_Down')
    reader.until(lambda: last_said(reader, EQUATION, mark), 3)
    reads = []
    for _ in range(24):
        mark = len(reader.spoken)
        key('Right')
        read = reader.until(lambda: last_said(reader, EQUATION, mark))
        reads.append(numbers(read.group(0))[:3] if read else None)
    first = reads[0] or [0, 0, 0]
    checks.equal('24 steps along a row read 24 consecutive colours of it',
                 [[first[0] + step, first[1], first[2]] for step in range(24)], reads)
    if reads[-1]:
        reader.until(lambda: [numbers(p.name)[0] for p in parts] == reads[-1], 3)
        shown = reads[-1]

    # The pointer at the marker reads what the probe read.
    box = extents(section)
    mark = len(reader.spoken)
    point_at(box.x + 5, box.y + 5)
    reader.until(lambda: last_said(reader, EQUATION, mark))
    probe = marker_centre(before, shot_of(screen, section), box)
    if probe:
        mark = len(reader.spoken)
        point_at(*probe)
        checks.waited('the pointer where the probe stands reads the same',
                      ['Rotanteil %d' % shown[0], 'Grünanteil %d' % shown[1], 'Blauanteil %d' % shown[2]],
                      lambda: [p.name for p in parts])
        checks.said('the pointer at rest is said once', 'Rotanteil %d, Grünanteil %d' % tuple(shown[:2]), mark)
    checks.equal('the marker stands on the colour read', tuple(shown), probe and screen.pixel(*probe))


def tubarin(reader, checks, screen):
    window = window_of(reader, 'tubarin')
    boxes = [find(window, pyatspi.ROLE_TEXT, n) for n in ('Rot', 'Grün', 'Blau')]
    checks.equal('the boxes are named', [True, True, True], [b is not None for b in boxes])
    checks.equal('the focus starts on Start1', 'Start1', reader.focus.name if reader.focus else None)
    checks.equal('Tab walks the buttons in their designed order', ['Start2', 'Start3', 'Halt', 'Rot'],
                 tab_order(reader, 4))
    key('shift+Tab', 'shift+Tab', 'shift+Tab', 'shift+Tab')
    reader.until(lambda: reader.focus is not None and reader.focus.name == 'Start1', 3)

    frame = extents(window)
    cx, cy = frame.x + frame.width * 2 // 5, frame.y + frame.height // 2
    for figure, button, name in (('hue circle', 'Start1', 'Farbkreis'), ('saturation disc', 'Start2', 'Sättigungsscheibe'),
                                 ('cylinder', 'Start3', 'Farbzylinder')):
        mark = len(reader.spoken)
        key('space')
        checks.waited('Space on %s describes the %s' % (button, figure), True,
                      lambda: window.description.startswith(name))
        checks.said('the %s is announced' % figure, name, mark)
        area = find(window, pyatspi.ROLE_IMAGE, 'Figur') or find(window, pyatspi.ROLE_SPIN_BUTTON, 'Figur')
        if not checks.equal('the figure has an accessible area', True, area is not None):
            return
        # Finished, the figure stays as it is.
        shots = [None, shot_of(screen, area)]
        reader.until(lambda: shots.append(shot_of(screen, area)) or shots[-1] == shots[-2], 60)
        before = shots[-1]
        checks.said('and when it is finished', name + ' fertig gezeichnet', mark, 2)
        key('shift+Tab')
        reader.until(lambda: reader.focus is not None and reader.focus.name == 'Figur', 3)
        mark = len(reader.spoken)
        key('Left', 'Left', 'Down')
        read = reader.until(lambda: last_said(reader, r'Rot (\d+), Grün (\d+), Blau (\d+)', mark))
        if not checks.equal('steps over the %s say its colour' % figure, True, bool(read)):
            return
        colour = [int(read.group(i)) for i in (1, 2, 3)]
        checks.waited('the boxes show it', [str(c) for c in colour], lambda: [text(b) for b in boxes])
        checks.equal('as values with their names', ['Rot %d' % colour[0], 'Grün %d' % colour[1], 'Blau %d' % colour[2]],
                     ['%s %s' % (b.name, value(b)) for b in boxes])
        # A reader speaks a line run by run of its text attributes.
        checks.equal('and as texts a reader reads whole', [str(c) for c in colour],
                     [b.queryText().getText(*b.queryText().getAttributeRun(0, False)[1:]) for b in boxes])
        probe = marker_centre(before, shot_of(screen, area), extents(area))
        checks.equal('the marker stands on that colour', tuple(colour), probe and screen.pixel(*probe))
        if probe:
            point_at(cx, cy)
            reader.until(lambda: [text(b) for b in boxes] != [str(c) for c in colour])
            point_at(*probe)
            checks.waited('the pointer there reads the same', [str(c) for c in colour], lambda: [text(b) for b in boxes])
        # On to the next figure's button: Tab wraps to Start1.
        key('Tab')
        reader.until(lambda: reader.focus is not None and reader.focus.name == 'Start1', 3)
        for _ in range({'Start1': 1, 'Start2': 2, 'Start3': 0}[button]):
            key('Tab')


def main():
    program = sys.argv[1]
    reader = Reader()
    checks = Checks(reader)
    {'tessaro': tessaro, 'tubarin': tubarin}[program](reader, checks, Screen())


if __name__ == '__main__':
    main()
