#!/usr/bin/python3
"""The phone page in headless Chromium at 360 x 740: worked example 1 typed in, every kind of
refusal, the layout at phone width, and a reload with the server gone (the service worker).
Usage: page_test.py SITE_DIR SHOT_DIR  (screenshots go to SHOT_DIR; timings are printed)"""
import base64
import functools
import http.server
import re
import sys
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.print_page_options import PrintOptions
from selenium.webdriver.support.ui import Select, WebDriverWait

SITE, SHOTS = sys.argv[1], sys.argv[2]
TITLE = "ใจเย็นๆ"
FIRST_EXAMPLE = {"Label15(0)": "310", "Label16(0)": "155", "Label17(0)": "835", "Label18(0)": "1110",
                 "Label19(0)": "800", "Label35(0)": "25  ลิตร  ประมาณ0.9  ถัง",
                 "Label36(0)": "0.08  ลบ.ม.(คิว)  ประมาณ4.2  บุ้งกี๋", "Label37(0)": "0.11  ลบ.ม.(คิว)  ประมาณ5.8  บุ้งกี๋",
                 "Label38(0)": "129.03  ซีซี", "Label14": "0.61", "Label64": "34.4  กิโลกรัม", "Label76": "800"}
# Field to change, text typed (None: click the box), control that gets the focus, message.
REFUSALS = [
    ("Check1", None, "Text2", "คุณป้อนข้อมูลไม่ครบ"),
    ("Text3", "", "Text3", "คุณป้อนข้อมูลไม่ครบ"),
    ("Text2", "2.4.0", "Text2", "ค่ากำลังอัดคอนกรีตไม่ใช่ตัวเลขที่ถูกต้อง กรุณาป้อนเฉพาะตัวเลข และจุดทศนิยมได้ไม่เกิน 1 จุด"),
    ("Text2", "390.6", "Text2", "กำลังอัดที่ต้องการอยู่นอกช่วงที่ออกแบบได้ ออกแบบได้ประมาณ 90-390 กก./ตร.ซม. สำหรับตัวอย่างลูกบาศก์ หรือ 75-325 กก./ตร.ซม. สำหรับตัวอย่างทรงกระบอก"),
    ("Text3", "32767.5", "Text3", "ค่าปริมาณน้ำยาผสมคอนกรีตมากเกินไปจนคำนวณไม่ได้ กรุณาป้อนค่าที่น้อยลง"),
    ("Text4", "5..", "Text4", "ค่าความชื้นทรายไม่ใช่ตัวเลขที่ถูกต้อง กรุณาป้อนเฉพาะตัวเลข และจุดทศนิยมได้ไม่เกิน 1 จุด"),
    ("Text4", "24.55", "Text4", "ทรายมีความชื้นมากเกินไป จนน้ำที่ต้องใส่ในส่วนผสมติดลบ กรุณาตรวจสอบค่าความชื้นทราย"),
]
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def serve(directory):
    handler = functools.partial(QuietHandler, directory=directory)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def open_browser():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ["--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--lang=th"]:
        options.add_argument(argument)
    options.add_experimental_option("mobileEmulation", {"deviceMetrics": {"width": 360, "height": 740, "pixelRatio": 2, "touch": True}})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def text(browser, control):
    return browser.find_element(By.CSS_SELECTOR, f'[data-control="{control}"]').get_attribute("textContent")


def type_into(browser, field, keys):
    element = browser.find_element(By.ID, field)
    element.clear()
    element.send_keys(keys)


def calculate(browser):
    browser.find_element(By.ID, "Command1").click()


def enter_first_example(browser):
    for box in ["Check1", "Check3"]:
        if not browser.find_element(By.ID, box).is_selected():
            browser.find_element(By.ID, box).click()
    type_into(browser, "Text2", "2a4 0")  # the key filter drops what is not a digit or "."
    Select(browser.find_element(By.ID, "Combo1")).select_by_value(" 10.0 (บวก,ลบ) 2.5")
    Select(browser.find_element(By.ID, "Combo2")).select_by_value(" หิน2")
    type_into(browser, "Text3", "250")
    type_into(browser, "Text4", "5")
    calculate(browser)


def wait_ready(browser):
    WebDriverWait(browser, 20).until(lambda b: b.execute_script("return document.body.dataset.ready === 'true'"))


def main():
    server = serve(SITE)
    url = f"http://127.0.0.1:{server.server_address[1]}/"
    browser = open_browser()
    try:
        browser.get(url)
        wait_ready(browser)
        interactive = browser.execute_script("return window.mixTimings.interactive")
        browser.save_screenshot(f"{SHOTS}/page-empty.png")

        # Phone layout: nothing wider than the screen, every control a thumb can hit.
        check(browser.execute_script("return document.documentElement.scrollWidth") <= 360, "page wider than 360 px")
        small = browser.execute_script("""return [...document.querySelectorAll('input, select, button, label.check, summary')]
            .filter(e => e.offsetParent && e.getBoundingClientRect().height < 44 && e.type !== 'checkbox')
            .map(e => e.id || e.textContent)""")
        check(not small, f"touch targets under 44 px: {small}")
        check(browser.find_element(By.ID, "Text2").get_attribute("inputmode") == "decimal", "no numeric keyboard")

        enter_first_example(browser)
        check(browser.find_element(By.ID, "Text2").get_attribute("value") == "240", "key filter let letters or blanks in")
        for control, expected in FIRST_EXAMPLE.items():
            check(text(browser, control) == expected, f"{control} reads {text(browser, control)!r}, not {expected!r}")
        check(browser.find_element(By.ID, "message").get_attribute("hidden") is not None, "message shown after a design")
        browser.execute_script("window.dispatchEvent(new Event('beforeprint'))")
        a4 = PrintOptions()
        a4.page_width, a4.page_height = 21.0, 29.7
        pages = len(re.findall(rb"/Type\s*/Page\b", base64.b64decode(browser.print_page(a4))))
        check(pages == 1, f"the printed summary takes {pages} pages")
        browser.execute_script("document.getElementById('results').scrollIntoView()")
        browser.save_screenshot(f"{SHOTS}/page-results.png")

        for field, keys, focus, message in REFUSALS:
            if keys is None:
                browser.find_element(By.ID, field).click()
            else:
                before = browser.find_element(By.ID, field).get_attribute("value")
                type_into(browser, field, keys)
            calculate(browser)
            shown = browser.find_element(By.ID, "messageText").get_attribute("textContent")
            check(shown == message, f"{field}={keys!r}: message {shown!r}")
            check(browser.find_element(By.ID, "messageTitle").get_attribute("textContent") == TITLE, "message title")
            active = browser.switch_to.active_element.get_attribute("id")
            check(active == focus, f"{field}={keys!r}: focus on {active}, not {focus}")
            check(text(browser, "Label15(0)") == "310", f"{field}={keys!r}: a refusal changed the results")
            if keys is None:
                browser.find_element(By.ID, field).click()
            else:
                type_into(browser, field, before)
        browser.save_screenshot(f"{SHOTS}/page-refusal.png")

        online = browser.execute_script("return window.mixTimings.calculate")
        # Offline: the server is gone; the service worker must serve the page and the engine.
        WebDriverWait(browser, 20).until(lambda b: b.execute_script("return !!navigator.serviceWorker.controller"))
        installability = browser.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"]
        check(not installability, f"cannot be added to the home screen: {installability}")
        server.shutdown()
        server.server_close()
        browser.refresh()
        wait_ready(browser)
        offline = browser.execute_script("return window.mixTimings.interactive")
        enter_first_example(browser)
        check(text(browser, "Label17(0)") == "835", "no design after an offline reload")
        errors = [entry["message"] for entry in browser.get_log("browser") if entry["level"] == "SEVERE"]
        check(not errors, f"console errors: {errors}")
        timings = online + browser.execute_script("return window.mixTimings.calculate")
        print(f"page interactive {interactive:.0f} ms after navigation, {offline:.0f} ms offline; Calculate to result: first "
              f"{timings[0]:.2f} ms, then {min(timings[1:]):.2f}-{max(timings[1:]):.2f} ms over {len(timings) - 1} clicks")
    finally:
        browser.quit()
    print("page test:", "FAILED" if failures else "passed")
    return 1 if failures else 0


sys.exit(main())
