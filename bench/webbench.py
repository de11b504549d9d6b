#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
# SPDX-License-Identifier: GPL-3.0-or-later

"""The figures' benchmark in headless Chromium, set against the native one.

    webbench.py NATIVE_OUTPUT BENCH_PAGE PAGE...

Runs BENCH_PAGE on a 1920 x 1080 screen at ratio 1, reads what it prints to the
console, and prints for each measure the browser's median, the native one from
NATIVE_OUTPUT and how many times the native time the browser takes. Then each PAGE's
size and how long it takes from being opened to its first drawn window.
"""

import json
import os
import re
import statistics
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

MEDIAN = re.compile(r'^(\S.*?)\s+median ([\d.]+) (ms|us)')
OPENINGS = 5


def medians(lines):
    found = {}
    for line in lines:
        match = MEDIAN.match(line)
        if match:
            value = float(match.group(2)) * (1000.0 if match.group(3) == 'ms' else 1.0)
            found[match.group(1).strip()] = value
    return found


def console_text(entry):
    # "file:///…/page.html 1234:56 \"text\"": the text is the quoted string at the end.
    message = entry['message']
    quote = message.find('"')
    if quote < 0:
        return message
    try:
        return json.loads(message[quote:])
    except ValueError:
        return message[quote + 1:].rstrip('"')


def browser():
    options = webdriver.ChromeOptions()
    for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', '--window-size=1920,1080',
                     '--force-device-scale-factor=1', '--allow-file-access-from-files'):
        options.add_argument(argument)
    options.binary_location = '/usr/bin/chromium'
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    return webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)


def run_bench_page(driver, page, timeout=600):
    driver.get('file://' + os.path.abspath(page))
    lines = []
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        for entry in driver.get_log('browser'):
            text = console_text(entry)
            if entry['level'] == 'SEVERE':
                raise RuntimeError('the benchmark page failed: ' + text)
            lines.extend(text.splitlines())
        if 'benchmark done' in lines:
            return lines
        time.sleep(0.5)
    raise RuntimeError('the benchmark page did not finish within %d s' % timeout)


def first_drawn(driver, page):
    times = []
    for _ in range(OPENINGS):
        driver.get('about:blank')
        driver.get('file://' + os.path.abspath(page))
        deadline = time.monotonic() + 30
        drawn = None
        while drawn is None and time.monotonic() < deadline:
            drawn = driver.execute_script('return window.formsFirstDrawn === undefined ? null : '
                                          'window.formsFirstDrawn;')
            if drawn is None:
                time.sleep(0.05)
        if drawn is None:
            raise RuntimeError(page + ' drew no window within 30 s')
        times.append(drawn)
    return statistics.median(times)


def main():
    native_output, bench_page, pages = sys.argv[1], sys.argv[2], sys.argv[3:]
    with open(native_output, encoding='utf-8') as native_file:
        native = medians(native_file.read().splitlines())
    driver = browser()
    try:
        print('In headless Chromium (%s), 1920 x 1080 at ratio 1:'
              % driver.capabilities.get('browserVersion', '?'))
        web = medians(run_bench_page(driver, bench_page))
        print('%-28s  %12s  %12s  %s' % ('', 'browser', 'native', 'browser / native'))
        for name, value in web.items():
            if value > 0 and native.get(name, 0) > 0:
                print('%-28s  %9.2f us  %9.2f us  %.2fx' % (name, value, native[name], value / native[name]))
        print()
        print('%-28s  %12s  %s' % ('page', 'size', 'opened to first drawn window, median of %d' % OPENINGS))
        for page in pages:
            print('%-28s  %9d KB  %.0f ms' % (os.path.basename(page), os.path.getsize(page) // 1024,
                                               first_drawn(driver, page)))
    finally:
        driver.quit()


if __name__ == '__main__':
    main()
