#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
# SPDX-License-Identifier: GPL-3.0-or-later

"""Uses the browser pages of Tessaro and Tubarin as a pupil would, in Chromium or in
WebKitGTK through WebDriver: clicks, pointer moves, keys and taps, and reads back what
the page shows, pixel by pixel from screenshots at device resolution, and what it gives
a screen reader. Every figure must be exactly what webreference draws on the core alone
for the same screen and input; only text and the page's own controls are left out.
Prints one line per check, "pass: ..." or "FAIL: ...".

Usage: browser_client.py chromium|webkit RATIO DRIVER_URL PAGES WEBREFERENCE WORK
"""
import base64
import glob
import math
import os
import re
import subprocess
import sys
import tempfile
import time

import numpy
from selenium import webdriver
from selenium.webdriver.chromium.remote_connection import ChromiumRemoteConnection
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.common.options import ArgOptions

WAIT = 10  # seconds any one answer may take
MINIBROWSER = (glob.glob('/usr/lib/*/webkit2gtk-4.1/MiniBrowser') + [None])[0]  # as Debian installs it
CHROMIUM = ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-background-networking',
            '--disable-component-update', '--disable-sync', '--no-first-run', '--window-size=1024,768']
EQUATION = r'Rotanteil (\d+), Grünanteil (\d+), Blauanteil (\d+), Mischfarbe (\d+), (\d+), (\d+)'


def until(read, seconds=WAIT, pause=0.05):
    """Polls read until it gives something true, for at most seconds; gives the last reading."""
    deadline = time.monotonic() + seconds
    while True:
        value = read()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(pause)


def changed(read, before, seconds=5):
    """The first reading that differs from before, or None."""
    return until(lambda: (lambda now: now if now != before else None)(read()), seconds)


def ppm(data):
    header = re.match(rb'P6\s+(\d+)\s+(\d+)\s+\d+\s', data)
    width, height = int(header[1]), int(header[2])
    return numpy.frombuffer(data, numpy.uint8, width * height * 3, header.end()).reshape(height, width, 3)


def hexed(colour):
    return '%02X%02X%02X' % tuple(int(c) for c in colour)


class Page:
    """One program's page in the browser; positions are the window's device pixels."""

    def __init__(self, browser, ratio, url):
        self.kind, self.ratio, self.work = browser, float(ratio), sys.argv[6]
        if browser == 'chromium':
            options = webdriver.ChromeOptions()
            options.binary_location = '/usr/bin/chromium'
            for argument in CHROMIUM + ['--user-data-dir=' + tempfile.mkdtemp(dir=self.work),
                                        '--force-device-scale-factor=' + ratio]:
                options.add_argument(argument)
            options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
            connection = ChromiumRemoteConnection(url, 'goog', 'chrome', ignore_proxy=True)
            self.driver = webdriver.Remote(connection, options=options)
            # Only every whole device pixel can be pointed at, through the protocol.
            self.step = 1
        else:
            options = ArgOptions()
            options.set_capability('browserName', 'MiniBrowser')
            options.set_capability('webkitgtk:browserOptions', {'binary': MINIBROWSER, 'args': ['--automation']})
            self.driver = webdriver.Remote(url, options=options)
            self.driver.set_window_rect(0, 0, 1024, 768)
            # WebDriver points at whole CSS pixels only.
            self.step = round(self.ratio)

    def cdp(self, command, **parameters):
        return self.driver.execute('executeCdpCommand', {'cmd': command, 'params': parameters})['value']

    def js(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def open(self, program):
        self.program = program
        self.driver.get('file://%s/%s.html' % (sys.argv[4], program))
        # Shown once the window's canvas has its backing store.
        if not until(lambda: self.js('var c = document.querySelector("main canvas"); return c && c.width > 1')):
            self.check('%s: the page shows its window' % program, False, 'no canvas within %ds' % WAIT)
            raise SystemExit(1)
        # Every sentence the live regions are given, in order.
        self.js('''window.testSaid = [];
            var regions = ['forms-speech-a', 'forms-speech-b'].map(id => document.getElementById(id));
            var last = ['', ''];
            var observer = new MutationObserver(function() {
                regions.forEach(function(region, index) {
                    if (region.textContent && region.textContent !== last[index])
                        window.testSaid.push(region.textContent);
                    last[index] = region.textContent;
                });
            });
            regions.forEach(region =>
                observer.observe(region, {childList: true, characterData: true, subtree: true}));''')
        self.width, self.height = self.js(
            'return [document.documentElement.clientWidth, document.documentElement.clientHeight]')
        # The colour the page gives the core for a button's face, as it works it out.
        self.face = hexed(self.js('''var probe = document.createElement('span');
            probe.style.color = 'ButtonFace'; document.body.appendChild(probe);
            var found = getComputedStyle(probe).color.match(/\\d+/g); probe.remove(); return found;'''))

    def label(self, what=''):
        return '%s %g: %s' % (self.kind, self.ratio, what)

    def check(self, what, ok, problem=''):
        print('%s: %s%s' % ('pass' if ok else 'FAIL', self.label(what), '' if ok else ': ' + problem))
        sys.stdout.flush()
        return ok

    def errors(self):
        """The console's errors since it was last read."""
        return [entry['message'] for entry in self.driver.get_log('browser') if entry['level'] == 'SEVERE']

    # What the page shows.

    def shot(self):
        """The page as the screen shows it, in device pixels."""
        if self.kind == 'chromium':
            data = base64.b64decode(self.cdp('Page.captureScreenshot', format='png', optimizeForSpeed=True)['data'])
            return ppm(subprocess.run(['convert', 'png:-', '-depth', '8', 'ppm:-'], input=data, check=True,
                                      capture_output=True).stdout)
        # WebKit's own screenshots wait for a renderer that paints through GL, far too
        # slow on a virtual screen: the page is cut from the screen below the toolbar.
        left, top, width, height = (round(n * self.ratio) for n in self.js(
            'return [screenX, screenY + outerHeight - innerHeight, innerWidth, innerHeight]'))
        screen = ppm(subprocess.run(['import', '-window', 'root', '-depth', '8', 'ppm:-'], check=True,
                                    capture_output=True).stdout)
        return screen[top:top + height, left:left + width]

    def colour(self, x, y):
        """The colour of a device pixel within a plain area, read from a small screenshot."""
        if self.kind == 'chromium':
            data = base64.b64decode(self.cdp('Page.captureScreenshot', format='png', clip={
                'x': x // self.ratio, 'y': y // self.ratio, 'width': 1, 'height': 1, 'scale': 1})['data'])
            return tuple(int(c) for c in ppm(subprocess.run(['convert', 'png:-', '-depth', '8', 'ppm:-'], input=data,
                                                             check=True, capture_output=True).stdout)[0, 0])
        return tuple(int(c) for c in self.shot()[y, x])

    def settled(self, seconds=60):
        """The page's picture once two screenshots in a row agree, or None."""
        shots = [self.shot()]
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            time.sleep(0.3)
            shots.append(self.shot())
            if numpy.array_equal(shots[-1], shots[-2]):
                return shots[-1]
        return None

    def rect(self, selector):
        """The device pixels an element covers, as left, top, right, bottom."""
        box = self.js('var e = document.querySelector(arguments[0]);'
                      'return e && !e.hidden && e.getBoundingClientRect()', selector)
        if not box:
            return None
        return self.device(box['left'], box['top'], box['right'], box['bottom'])

    def device(self, left, top, right, bottom):
        """The device pixels a rectangle of CSS pixels touches."""
        r = self.ratio
        return math.floor(left * r), math.floor(top * r), math.ceil(right * r), math.ceil(bottom * r)

    def controls(self):
        """The page's own elements drawn over the canvas: buttons, boxes and focus marks."""
        boxes = self.js('''return [...document.querySelectorAll(
            "main .button, main .textbox, main .focus-frame, main .probe-marker")].filter(e => !e.hidden)
            .map(e => e.getBoundingClientRect()).map(b => [b.left, b.top, b.right, b.bottom]);''')
        return [self.device(*box) for box in boxes]

    def centre(self, selector):
        left, top, right, bottom = self.rect(selector)
        return self.pointable((left + right) // 2, (top + bottom) // 2)

    def pointable(self, x, y):
        return x - x % self.step, y - y % self.step

    def boxes(self):
        values = self.js('return ["Text1", "Text2", "Text3"].map(id => document.getElementById(id).value)')
        return tuple(int(v) for v in values) if all(v.isdigit() for v in values) else None

    def caption(self, id):
        return self.js('return document.getElementById(arguments[0]).textContent', id)

    def said(self, since=0):
        return self.js('return window.testSaid')[since:]

    # Input, at the centre of a device pixel.

    def css(self, x, y):
        if self.kind == 'chromium':
            return (x + 0.5) / self.ratio, (y + 0.5) / self.ratio
        return int(x / self.ratio), int(y / self.ratio)

    def move(self, x, y):
        if self.kind == 'chromium':
            cx, cy = self.css(x, y)
            self.cdp('Input.dispatchMouseEvent', type='mouseMoved', x=cx, y=cy)
        else:
            actions = ActionBuilder(self.driver)
            actions.pointer_action.move_to_location(*self.css(x, y))
            actions.perform()

    def press(self, x, y):
        if self.kind == 'chromium':
            cx, cy = self.css(x, y)
            self.cdp('Input.dispatchMouseEvent', type='mouseMoved', x=cx, y=cy)
            for kind in ('mousePressed', 'mouseReleased'):
                self.cdp('Input.dispatchMouseEvent', type=kind, x=cx, y=cy, button='left', clickCount=1)
        else:
            actions = ActionBuilder(self.driver)
            actions.pointer_action.move_to_location(*self.css(x, y)).pointer_down().pointer_up()
            actions.perform()

    def click(self, id):
        self.press(*self.centre('#' + id))

    def touch(self, kind, x, y):
        cx, cy = self.css(x, y)
        self.cdp('Input.dispatchTouchEvent', type=kind, touchPoints=[] if kind == 'touchEnd' else [{'x': cx, 'y': cy}])

    def keys(self, *keys):
        for key in keys:
            ActionChains(self.driver).send_keys(key).perform()
            time.sleep(0.05)

    def focused(self):
        return self.js('return document.activeElement && document.activeElement.id')

    # The reference.

    def reference(self, actions):
        """What the core alone shows for the input, and the areas where it draws text."""
        out = os.path.join(self.work, 'reference.ppm')
        text = subprocess.run([sys.argv[5], self.program, str(self.width), str(self.height), '%g' % self.ratio,
                               self.face, out] + actions, capture_output=True, text=True, check=True,
                              timeout=30).stdout
        areas = [tuple(int(n) for n in line.split()[1:]) for line in text.splitlines() if line.startswith('text ')]
        # Each front end paints a label in its picture's own device pixels and rounds its
        # own way, up to two device pixels past the area given for it in the window.
        return ppm(open(out, 'rb').read()), [(x - 2, y - 2, x + w + 2, y + h + 2) for x, y, w, h in areas]

    def compare(self, what, shot, actions):
        """Whether the page shows the reference's window, text and controls left out."""
        expected, areas = self.reference(actions)
        height, width = expected.shape[:2]
        canvas = self.js('var c = document.querySelector("main canvas"); return [c.width, c.height]')
        if shot is None:
            return self.check(what, False, 'the picture did not settle')
        if canvas != [width, height] or shot.shape[0] < height or shot.shape[1] < width:
            return self.check(what, False, 'canvas %s, screenshot %s, reference window %dx%d' % (
                canvas, shot.shape[1::-1], width, height))
        differ = (shot[:height, :width] != expected).any(axis=2)
        for left, top, right, bottom in areas + self.controls():
            differ[max(top, 0):bottom, max(left, 0):right] = False
        ys, xs = numpy.nonzero(differ)
        if len(xs) == 0:
            return self.check(what, True)
        x, y = xs[0], ys[0]
        return self.check(what, False, '%d pixels differ in (%d,%d)-(%d,%d), first at (%d,%d): page %s, reference %s'
                          % (len(xs), xs.min(), ys.min(), xs.max(), ys.max(), x, y, hexed(shot[y, x]),
                             hexed(expected[y, x])))


def inside(page, picture, areas, face, margin):
    """A pointable pixel well inside the pixels of a face: the one nearest their middle of
    those whose whole neighbourhood belongs to it, clear of text."""
    red, green, blue = (picture[:, :, i].astype(int) for i in range(3))
    mask = face(red, green, blue)
    for left, top, right, bottom in areas:
        mask[top:bottom, left:right] = False
    size = 2 * margin + 1
    total = numpy.pad(mask.astype(int), ((margin + 1, margin), (margin + 1, margin))).cumsum(0).cumsum(1)
    whole = (total[size:, size:] - total[:-size, size:] - total[size:, :-size] + total[:-size, :-size]) == size * size
    ys, xs = numpy.nonzero(whole & (numpy.indices(mask.shape) % page.step == 0).all(axis=0))
    if len(xs) == 0:
        return None
    nearest = ((xs - xs.mean()) ** 2 + (ys - ys.mean()) ** 2).argmin()
    return int(xs[nearest]), int(ys[nearest])


def run_across(page, shot, x, y, dx, dy, count=12):
    """From (x, y) on to the first pointable pixel whose colour differs from the one
    before, then count consecutive pointable pixels from there."""
    dx, dy = dx * page.step, dy * page.step
    for _ in range(200):
        if (shot[y, x] != shot[y - dy, x - dx]).any():
            break
        x, y = x + dx, y + dy
    return [(x + i * dx, y + i * dy) for i in range(count)]


def readouts(page, what, shot, runs, read):
    """The pointer over every pixel of two runs in turn, so that each readout differs from
    the one before; each must be the colour the screenshot shows under the pointer."""
    targets = [p for pair in zip(*runs) for p in pair]
    problems = []
    colours = [tuple(int(c) for c in shot[y, x]) for x, y in targets]
    if len(set(colours[0::2])) == 1 or len(set(colours[1::2])) == 1 or \
            any(a == b for a, b in zip(colours, colours[1:])):
        return page.check(what, False, 'no colour step along %s' % targets)
    shown = read()
    for (x, y), colour in zip(targets, colours):
        page.move(x, y)
        shown = changed(read, shown)
        if shown != colour:
            problems.append('at (%d,%d) %s, screen %s' % (x, y, shown and hexed(shown), hexed(colour)))
            shown = read()
    return page.check('%s (%d pixels)' % (what, len(targets)), not problems, '; '.join(problems))


# Tessaro's faces by their colours: the front holds green 0, the left red 0, the top blue 255.
FACES = (('front', lambda r, g, b: (g == 0) & (r > 0) & (b > 0) & (b < 255)),
         ('left', lambda r, g, b: (r == 0) & (g > 0) & (b > 0) & (b < 255)),
         ('top', lambda r, g, b: (b == 255) & (r > 0) & (g > 0)))


def tessaro(page):
    """Tessaro's cube, a cut through each face and the mixed colour under the pointer."""
    page.open('tessaro')
    actions = ['click:cmdStart']
    page.click('cmdStart')
    picture = page.settled()
    page.compare('tessaro: the cube after Start', picture, actions)
    # A cut through each face, each at a pixel well inside it in the reference's picture
    # of the cube as the cuts before left it.
    for face, colours in FACES:
        expected, areas = page.reference(actions)
        at = inside(page, expected, areas + page.controls(), colours, round(6 * page.ratio))
        if at is None:
            page.check('tessaro: a cut through the %s face' % face, False, 'no pixel well inside it in the reference')
            continue
        before = page.shot()
        page.press(*at)
        actions.append('press:%d,%d' % at)
        until(lambda: not numpy.array_equal(page.shot(), before), 5)
        page.compare('tessaro: the cut after a click on the %s face at %s' % (face, at), page.settled(), actions)
    # The square holds the top face's cut, green running left and blue up. A row near its
    # top and a column near its left edge, both clear of the caption in its middle.
    left, top, right, bottom = page.rect('#Picture2')
    mixed = page.centre('#Picture3')
    shot = page.shot()
    row = run_across(page, shot, *page.pointable(left + (right - left) * 2 // 5, top + (bottom - top) // 12), 1, 0)
    column = run_across(page, shot, *page.pointable(left + (right - left) // 12, top + (bottom - top) // 2), 0, 1)
    readouts(page, 'tessaro: the mixed colour under the pointer over the cut', shot, (row, column),
             lambda: page.colour(*mixed))


def escape(page, closed):
    """Escape in the main window changes nothing; in the info window it closes it."""
    focus = page.js('return document.activeElement.tagName === "BUTTON" && document.activeElement.id')
    before = page.shot()
    page.keys(Keys.ESCAPE)
    time.sleep(0.5)
    # The focused button may now show its focus as after any key: the page's own matter.
    differ = (before != page.shot()).any(axis=2)
    for left, top, right, bottom in page.controls():
        differ[top:bottom, left:right] = False
    same = not differ.any()
    shown = page.js('return !document.querySelector("main").hidden && document.getElementById("forms-ended").hidden')
    page.check('%s: Escape with the focus on %s leaves the window as it was' % (page.program, focus),
               focus and shown and same, 'window shown %s, picture %s' % (shown, 'the same' if same else 'changed'))
    page.click('cmdInfo')
    dialog = '#frmInfo' + {'tessaro': 'Tessaro', 'tubarin': 'Rundali'}[page.program]
    opened = until(lambda: page.rect(dialog), 5)
    page.keys(Keys.ESCAPE)
    gone = until(lambda: page.rect(dialog) is None and page.caption('cmdInfo') == closed, 5)
    page.check('%s: Escape in the info window closes it and cmdInfo reads %s again' % (page.program, closed),
               opened and gone, 'opened %s, then shown %s, cmdInfo %r' % (
                   bool(opened), page.rect(dialog) is not None, page.caption('cmdInfo')))


def tubarin(page, once):
    """Tubarin's figures, and with once what one ratio shows well enough: its names for a
    reader, the live region and a finger on the circle."""
    page.open('tubarin')
    if once:
        names = accessible(page)
        page.check('tubarin: the buttons and boxes are named for a reader',
                   names['button'] == ['Start1', 'Start2', 'Start3', 'Halt', 'Ende', 'Info On'] and
                   names['status'] == ['Rot', 'Grün', 'Blau'],
                   'buttons %s, boxes %s' % (names['button'], names['status']))
    page.click('Start1')
    circle = page.settled()
    page.compare('tubarin: the hue circle after Start1', circle, ['click:Start1'])
    # A row across the top of the circle and a column down its right.
    left, top, right, bottom = page.rect('#frmRundali .probe-area')
    cx, cy, quarter = (left + right) // 2, (top + bottom) // 2, (right - left) // 4
    row = run_across(page, circle, *page.pointable(cx, cy - quarter), 1, 0)
    column = run_across(page, circle, *page.pointable(cx + quarter, cy), 0, 1)
    readouts(page, 'tubarin: the boxes under the pointer over the circle', circle, (row, column), page.boxes)
    if once:
        # The pointer at rest over the circle: the live region says the colour.
        x, y = row[0]
        mark = len(page.said())
        page.move(x, y)
        until(lambda: page.said(mark), 3)
        colour = tuple(int(c) for c in circle[y, x])
        live = accessible(page)['live']
        page.check('tubarin: the live region says the colour under the resting pointer',
                   'Rot %d, Grün %d, Blau %d' % colour in live, 'screen %s, live region %r' % (hexed(colour), live))
        # A finger dragged along the row across the top, a tenth of the circle a move.
        points = [page.pointable(cx + (right - left) * k // 20, cy - quarter) for k in range(-3, 4, 2)]
        problems = []
        page.touch('touchStart', *points[0])
        shown = until(page.boxes, 5)
        for x, y in points[1:]:
            page.touch('touchMove', x, y)
            before = shown
            shown = changed(page.boxes, before)
            if shown != tuple(int(c) for c in circle[y, x]):
                problems.append('at (%d,%d) %s, screen %s' % (x, y, shown, hexed(circle[y, x])))
        page.touch('touchEnd', *points[-1])
        page.check('tubarin: a finger dragged over the circle: the boxes read the pixel under it', not problems,
                   '; '.join(problems))

    # Halted, the disc stops where it is and the boxes still follow the pointer.
    page.click('Start2')
    time.sleep(0.5)
    page.click('cmdStop')
    weiter = until(lambda: page.caption('cmdStop') == 'Weiter', 5)
    time.sleep(0.2)
    first = page.shot()
    time.sleep(0.5)
    second = page.shot()
    finished = page.reference(['click:Start1', 'click:Start2'])[0][top:bottom, left:right]
    still = numpy.array_equal(first, second)
    short = not numpy.array_equal(second[top:bottom, left:right], finished)
    page.check('tubarin: cmdStop reads Weiter and the disc stops short of its end', weiter and still and short,
               'cmdStop %r, the disc %s' % (page.caption('cmdStop'), 'finished' if not short else
                                            'stopped' if still else 'still changing'))
    x, y = page.pointable(cx, top + (bottom - top) // 30)
    before = page.boxes()
    page.move(x, y)
    shown = changed(page.boxes, before)
    page.check('tubarin: halted, the boxes still read the pixel under the pointer',
               shown == tuple(int(c) for c in second[y, x]),
               'at (%d,%d) %s, screen %s' % (x, y, shown, hexed(second[y, x])))
    page.click('cmdStop')
    page.check('tubarin: cmdStop again reads Halt', until(lambda: page.caption('cmdStop') == 'Halt', 5),
               'it reads %r' % page.caption('cmdStop'))
    page.compare('tubarin: the disc, resumed, finished', page.settled(), ['click:Start1', 'click:Start2'])

    # The hue circle begun inside the halted disc's yield covers every dot of it, and the
    # disc ends there.
    page.click('Start2')
    time.sleep(0.3)
    page.click('cmdStop')
    until(lambda: page.caption('cmdStop') == 'Weiter', 5)
    page.click('Start1')
    page.settled()
    page.click('cmdStop')
    page.compare('tubarin: Start1 inside the halted disc leaves the hue circle alone', page.settled(),
                 ['click:Start1'])
    page.check('tubarin: and cmdStop reads Halt', until(lambda: page.caption('cmdStop') == 'Halt', 5),
               'it reads %r' % page.caption('cmdStop'))

    page.click('start3')
    page.compare('tubarin: the cylinder after Start3', page.settled(90), ['click:start3'])


def accessible(page):
    """What the accessibility tree gives a reader: the names of the objects of each role,
    and the text of the live regions."""
    nodes = [n for n in page.cdp('Accessibility.getFullAXTree')['nodes'] if not n.get('ignored')]
    byId = {n['nodeId']: n for n in nodes}
    names = {}
    for node in nodes:
        names.setdefault(node.get('role', {}).get('value'), []).append(node.get('name', {}).get('value'))

    def text(node):
        if node.get('role', {}).get('value') == 'StaticText':
            return node.get('name', {}).get('value', '')
        return ''.join(text(byId[child]) for child in node.get('childIds', []) if child in byId)
    live = [text(n) for n in nodes if any(p['name'] == 'live' for p in n.get('properties', []))]
    names['live'] = ' | '.join(t for t in live if t)
    return {role: names.get(role, []) for role in ('button', 'image', 'status')} | {'live': names['live']}


def keyboard(page):
    """Tessaro by keys alone, as a blind pupil uses it."""
    page.open('tessaro')
    description = lambda: page.js('return document.getElementById("Picture2").getAttribute("aria-description")')
    names = accessible(page)
    page.check('tessaro: the buttons and pictures are named for a reader',
               names['button'] == ['Start', 'Info ON', 'Ende'] and
               {'Farbwürfel', 'Schnittfläche'} <= set(names['image']),
               'buttons %s, pictures %s' % (names['button'], names['image']))
    page.check('tessaro by keys: the focus starts on Start', page.focused() == 'cmdStart',
               'it is on %r' % page.focused())
    mark = len(page.said())
    page.keys(Keys.SPACE)
    page.compare('tessaro by keys: Space on Start draws the cube', page.settled(), ['click:cmdStart'])
    page.check('tessaro by keys: and says so', until(lambda: 'Farbwürfel gezeichnet' in page.said(mark)),
               'said %s' % page.said(mark))
    page.keys(Keys.TAB)
    page.check('tessaro by keys: Tab goes on to the cube', page.focused() == 'Picture1', 'it is on %r' % page.focused())
    # The left face holds red 0.
    mark = len(page.said())
    page.keys(Keys.HOME, Keys.LEFT)
    on = until(lambda: [s for s in page.said(mark) if s.startswith('Würfel: Rot 0, ')], 5)
    page.check('tessaro by keys: Home and Left bring the probe onto the left face', on, 'said %s' % page.said(mark))
    page.keys(Keys.RETURN)
    cut = until(lambda: re.match(r'Schnitt bei Grün (\d+)', description() or ''), 5)
    left, top, right, bottom = page.rect('#Picture2')
    green = int(page.shot()[top + (bottom - top) // 3, left + (right - left) // 3][1])
    page.check('tessaro by keys: Return lays a cut through it, which the square shows',
               cut and int(cut[1]) == green, 'Picture2 described as %r, its green %d' % (description(), green))
    page.keys(Keys.TAB)
    page.check('tessaro by keys: Tab goes on to the square', page.focused() == 'Picture2',
               'it is on %r' % page.focused())
    # Each step to the right, once the probe rests, says the next red of a row below the
    # caption in the square's middle, which takes the pointer and the probe.
    page.keys(Keys.PAGE_DOWN, Keys.PAGE_DOWN, Keys.PAGE_DOWN)
    time.sleep(0.5)
    reads = []
    for _ in range(6):
        mark = len(page.said())
        page.keys(Keys.RIGHT)
        said = until(lambda: [s for s in page.said(mark) if re.search(EQUATION, s)], 3)
        time.sleep(0.45)
        reads.append([int(n) for n in re.search(EQUATION, said[-1]).groups()] if said else None)
    first = reads[0] or [0] * 6
    page.check('tessaro by keys: steps along a row say the equation of consecutive colours',
               reads == [[first[0] + i, first[1], first[2]] * 2 for i in range(6)], 'said %s' % reads)


def touch(page):
    """A tap on a face of the cube lays a cut as a click does."""
    page.open('tessaro')
    page.click('cmdStart')
    page.settled()
    expected, areas = page.reference(['click:cmdStart'])
    at = inside(page, expected, areas + page.controls(), FACES[0][1], round(6 * page.ratio))
    before = page.shot()
    page.touch('touchStart', *at)
    page.touch('touchEnd', *at)
    until(lambda: not numpy.array_equal(page.shot(), before), 5)
    page.compare('tessaro: a tap on the front face at %s lays the cut' % (at,), page.settled(),
                 ['click:cmdStart', 'press:%d,%d' % at])


def main():
    browser = sys.argv[1]
    page = Page(browser, sys.argv[2], sys.argv[3])
    # What one ratio shows well enough is checked at the first.
    once = browser == 'chromium' and page.ratio == 1
    try:
        for program, closed in (('tessaro', 'Info ON'), ('tubarin', 'Info On')):
            started = time.monotonic()
            if program == 'tessaro':
                tessaro(page)
            else:
                tubarin(page, once)
            if browser == 'chromium':
                escape(page, closed)
                errors = page.errors()
                page.check('%s: no console error' % program, not errors, '; '.join(errors))
                # All it needs is in its one file: it runs with the network cut.
                fetched = page.js('return performance.getEntriesByType("resource").map(e => e.name)'
                                  '.filter(name => !name.startsWith("data:"));')
                page.check('%s: fetches nothing' % program, not fetched, ', '.join(fetched))
            print('time: %s took %.0fs' % (page.label(program), time.monotonic() - started))
        if once:
            started = time.monotonic()
            keyboard(page)
            touch(page)
            errors = page.errors()
            page.check('tessaro by keys and touch: no console error', not errors, '; '.join(errors))
            print('time: %s took %.0fs' % (page.label('keys, touch'), time.monotonic() - started))
    finally:
        page.driver.quit()


if __name__ == '__main__':
    main()
