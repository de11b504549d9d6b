#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
# SPDX-License-Identifier: GPL-3.0-or-later

"""Takes the README's picture of the browser version: webscreenshot.py PAGE PNG

Opens Tessaro's page from file:// in headless Chromium, 1024 x 768 at ratio 1, draws
the cube by its Start button, lays a cut by the keyboard (Return on the cube), points
at a colour in the section square and saves what the page shows.
"""

import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys


def main():
    page, output = sys.argv[1:]
    options = webdriver.ChromeOptions()
    for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', '--window-size=1024,768',
                     '--force-device-scale-factor=1', '--hide-scrollbars'):
        options.add_argument(argument)
    options.binary_location = '/usr/bin/chromium'
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    try:
        driver.get('file://' + page)
        deadline = time.monotonic() + 30
        while not driver.execute_script('return window.formsFirstDrawn !== undefined;'):
            if time.monotonic() > deadline:
                raise SystemExit('the page drew no window within 30 s')
            time.sleep(0.1)
        driver.find_element(By.ID, 'cmdStart').click()
        cube = driver.find_element(By.ID, 'Picture1')
        cube.send_keys(Keys.RETURN)
        square = driver.find_element(By.ID, 'Picture2')
        size = square.size
        # Low on the right of the square, clear of its caption.
        ActionChains(driver).move_to_element_with_offset(square, size['width'] * 3 // 10,
                                                         size['height'] * 3 // 10).perform()
        time.sleep(0.5)
        driver.save_screenshot(output)
    finally:
        driver.quit()


if __name__ == '__main__':
    main()
