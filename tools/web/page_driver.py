"""What the page tests (tests/web) and the page's measurements (scripts/web-audit) share: a local
server that counts what it serves, a phone-sized headless Chromium, and the steps a user takes."""
import collections
import functools
import os
import http.server
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import Select, WebDriverWait

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


class CountingHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def do_GET(self):
        self.server.hits[self.path.split("?")[0]] += 1
        super().do_GET()


def serve(directory):
    handler = functools.partial(CountingHandler, directory=directory)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    server.hits = collections.Counter()
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def open_browser(width=360, height=740, fonts=None):
    """`fonts`: a fontconfig file, for a phone with only the fonts it names."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ["--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--lang=th"]:
        options.add_argument(argument)
    options.add_experimental_option("mobileEmulation",
                                    {"deviceMetrics": {"width": width, "height": height, "pixelRatio": 2, "touch": True}})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    env = {**os.environ, "FONTCONFIG_FILE": fonts} if fonts else None
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver", env=env), options=options)


def text(browser, control):
    return browser.find_element(By.CSS_SELECTOR, f'[data-control="{control}"]').get_attribute("textContent")


def type_into(browser, field, keys):
    element = browser.find_element(By.ID, field)
    element.clear()
    element.send_keys(keys)


def calculate(browser):
    browser.find_element(By.ID, "Command1").click()


def tick(browser, box):
    if not browser.find_element(By.ID, box).is_selected():
        browser.find_element(By.ID, box).click()


def enter_first_example(browser):
    tick(browser, "Check1")
    tick(browser, "Check3")
    type_into(browser, "Text2", "2a4 0")  # the key filter drops what is not a digit or "."
    Select(browser.find_element(By.ID, "Combo1")).select_by_value("10")
    Select(browser.find_element(By.ID, "Combo2")).select_by_value("2")
    type_into(browser, "Text3", "250")
    type_into(browser, "Text4", "5")
    calculate(browser)


def wait_ready(browser):
    WebDriverWait(browser, 20).until(lambda b: b.execute_script("return document.body.dataset.ready === 'true'"))
