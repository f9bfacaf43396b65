"""The page's checks, each a user's errand at phone size; see page_test.py."""
import base64
import decimal
import html.parser
import json
import os
import random
import re
import subprocess
import tempfile

from selenium.webdriver.common.by import By
from selenium.webdriver.common.print_page_options import PrintOptions
from selenium.webdriver.support.ui import Select, WebDriverWait

from page_driver import calculate, check, enter_first_example, open_browser, text, tick, type_into, wait_ready

HERE = os.path.dirname(os.path.abspath(__file__))
GOLDEN = os.path.join(HERE, "..", "golden", "report")
FIXED_CAPTIONS = os.path.join(HERE, "..", "golden", "window", "fixedcaptions.tsv")
PAGE_SOURCES = os.path.join(HERE, "..", "..", "web")
TEXT_FIELDS = ["Text2", "Text3", "Text4", "volumeField", "wasteField", "bagKgField", "basketField", "pailField",
               "bagsPerBatchField"]
POUR_FIELDS = TEXT_FIELDS[3:]
PRICES = ["cement", "sand", "stone", "admixture", "readymix"]
WATER_TABLE = [["", "ค่ายุบตัว", "หินย่อยขนาด", "ปริมาณน้ำต่อ 1 ลบ.ม. คอนกรีต"],
               ["2.1", "7.5", "หิน1", "180 (170)"], ["2.2", "7.5", "3/4นิ้ว - #4", "190 (180)"],
               ["2.3", "10.0", "1นิ้ว - #4", "190 (180)"], ["2.4", "10.0", "3/4นิ้ว - #4", "200 (190)"],
               ["2.5", "12.5", "1นิ้ว - #4", "200 (190)"], ["2.6", "12.5", "3/4นิ้ว - #4", "210 (200)"]]
FIRST_LINK = ("#strength=240&specimen=cube&slump=10&stone=2&admixture=yes&dose=250&moisture=5"
              "&volume=10&waste=5&bag_kg=50&basket=0.019&pail=27&bags_per_batch=1")


def wait_for_worker(browser):
    WebDriverWait(browser, 20).until(lambda b: b.execute_script("return !!navigator.serviceWorker.controller"))


def fetched_once(hits):
    twice = {path: n for path, n in hits.items() if n > 1}
    check(not twice, f"the first visit fetched files more than once: {twice}")
    check(hits["/mixdesign.wasm"] == 1 and hits["/icon-512.png"] == 1, f"the offline copy is incomplete: {dict(hits)}")


def luminance(rgb):
    channels = [int(c) / 255 for c in re.findall(r"[\d.]+", rgb)[:3]]
    linear = [c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4 for c in channels]
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]


def contrast(a, b):
    high, low = sorted([luminance(a), luminance(b)], reverse=True)
    return (high + 0.05) / (low + 0.05)


def phone_layout(browser):
    check(browser.execute_script("return document.documentElement.scrollWidth") <= 360, "page wider than 360 px")
    small = browser.execute_script("""return [...document.querySelectorAll('input, select, button, label.check, summary')]
        .filter(e => e.offsetParent && e.getBoundingClientRect().height < 48 && e.type !== 'checkbox')
        .map(e => e.id || e.textContent)""")
    check(not small, f"touch targets under 48 px: {small}")
    tiny = browser.execute_script("""return [...document.querySelectorAll('main *')]
        .filter(e => e.offsetParent && [...e.childNodes].some(n => n.nodeType === 3 && n.textContent.trim()))
        .filter(e => parseFloat(getComputedStyle(e).fontSize) < 16).map(e => e.id || e.className || e.tagName)""")
    check(not tiny, f"text under 16 px: {tiny}")
    fields = browser.execute_script("""return [...document.querySelectorAll('input[type=text]')]
        .filter(e => e.inputMode !== 'decimal' || !e.enterKeyHint || e.maxLength !== 20).map(e => e.id)""")
    check(not fields, f"fields without a numeric keyboard, an Enter hint or a length: {fields}")
    criteria = browser.execute_script("""const c = document.getElementById('criteria');
        return [c.open, c.querySelectorAll('ol.criteria > li').length,
                [...c.querySelectorAll('table tr')].map(r => [...r.cells].map(d => d.textContent))]""")
    check(criteria[:2] == [False, 5] and criteria[2] == WATER_TABLE, f"the criteria read {criteria}")
    # At 200 % text, the criteria open, nothing scrolls sideways; the root size is the user's.
    wide = browser.execute_script("""document.getElementById('criteria').open = true;
        document.documentElement.style.fontSize = '200%';
        const w = document.documentElement.scrollWidth;
        document.documentElement.style.fontSize = ''; document.getElementById('criteria').open = false;
        return [w, getComputedStyle(document.documentElement).fontSize]""")
    check(wide == [360, "16px"], f"at 200 % text the page is {wide[0]} px wide; the root size {wide[1]}")
    # "Next" on the phone's keyboard: from the moisture to the dose while it is open, else on.
    for box, after in [("Check3", "Text3"), ("Check4", "Command1")]:
        tick(browser, box)
        browser.find_element(By.ID, "Text4").send_keys("\n")
        check(browser.switch_to.active_element.get_attribute("id") == after, f"with {box} Enter leads past the dose")
    # The hints open with a tap and close with another.
    button = browser.find_element(By.ID, "Text4HintButton")
    button.click()
    check(browser.find_element(By.ID, "Text4Hint").is_displayed() and button.get_attribute("aria-expanded") == "true",
          "the moisture hint does not open with a tap")
    button.click()
    check(not browser.find_element(By.ID, "Text4Hint").is_displayed(), "the moisture hint does not close again")
    # The dose kept while no admixture is used stays readable.
    tick(browser, "Check3")
    type_into(browser, "Text3", "250")
    tick(browser, "Check4")
    colours = browser.execute_script("const s = getComputedStyle(document.getElementById('Text3'));"
                                     "return [s.color, s.backgroundColor]")
    check(contrast(*colours) >= 3, f"the kept dose reads {contrast(*colours):.2f}:1")


def long_pastes(browser):
    """Each field gets 20,000 and 1,000,000 characters pasted, then a Calculate: the fields keep
    only what they can hold and the engine stays usable (the next test designs worked example 1)."""
    tick(browser, "Check3")
    for field in TEXT_FIELDS:
        element = browser.find_element(By.ID, field)
        for length in [20000, 1000000]:
            element.clear()
            element.click()
            browser.execute_cdp_cmd("Input.insertText", {"text": "9" * length})
            check(len(element.get_attribute("value")) == 20, f"{field} holds {len(element.get_attribute('value'))} "
                  f"of {length} pasted characters")
            # Text that reaches the field past the browser's own limit is trimmed all the same.
            browser.execute_script("arguments[0].value = '7'.repeat(arguments[1]);"
                                   "arguments[0].dispatchEvent(new InputEvent('input', {bubbles: true}))", element, length)
            check(len(element.get_attribute("value")) == 20, f"{field} keeps a long text set by script")
            calculate(browser)
    for field in POUR_FIELDS:
        browser.find_element(By.ID, field).clear()
    for field, value in zip(POUR_FIELDS[1:], ["5", "50", "0.019", "27", "1"]):
        type_into(browser, field, value)


class TextNodes(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.texts = []

    def handle_data(self, data):
        if data.strip():
            self.texts.append(data)


def captions(browser):
    """Every caption the engine's tables hold is the engine's on the page (the window's fixed
    captions as the golden table has them), and the page's own sources hold no copy of one."""
    engine = browser.execute_async_script("""import('./engine.js').then((m) => m.makeEngine().captions())
        .then(arguments[0], (e) => arguments[0]({ error: String(e) }))""")
    check("criteria" in engine, f"the engine hands out no captions: {engine.get('error')}")
    with open(FIXED_CAPTIONS, encoding="utf-8") as f:
        fixed = dict(line.rstrip("\n").split("\t") for line in f)
    shown = browser.execute_script("""return [...document.querySelectorAll('[data-caption]')]
        .map((e) => [e.dataset.caption, e.textContent])""")
    check(len(shown) >= 80, f"only {len(shown)} captions on the page")
    for key, text in shown:
        expected = fixed.get(key, engine.get(key))
        check(text == expected, f"the caption {key} reads {text!r}, not {expected!r}")
    check(all(engine.get(control) == text for control, text in fixed.items()),
          "the engine's fixed captions differ from the window's")
    defaults = browser.execute_script("""return [...document.querySelectorAll('[data-entry]')]
        .map((e) => [e.dataset.entry, e.value])""")
    check(defaults == [["volume", ""], ["waste", "5"], ["bag_kg", "50"], ["basket", "0.019"], ["pail", "27"],
                       ["bags_per_batch", "1"]], f"the planner's entries open as {defaults}")
    # A Thai text kept by hand in the page's sources is a copy that would drift from the engine's.
    known = {text.strip().rstrip("=").strip() for key, text in engine.items()
             if key != "criteria" and not key.startswith("default.") and text.strip()}
    copies = []
    for name in sorted(n for n in os.listdir(PAGE_SOURCES) if n.endswith((".html", ".js"))):
        with open(os.path.join(PAGE_SOURCES, name), encoding="utf-8") as f:
            source = f.read()
        parser = TextNodes()
        parser.feed(source)
        texts = parser.texts if name.endswith(".html") else re.findall(r"'([^']*)'|`([^`]*)`", source)
        for text in texts:
            text = "".join(text) if isinstance(text, tuple) else text
            if text.strip().rstrip("=").strip() in known:
                copies.append(f"{name}: {text.strip()}")
    check(not copies, f"captions kept by hand in the page: {copies}")


def in_view(browser, element_id):
    return browser.execute_script("""const r = document.getElementById(arguments[0]).getBoundingClientRect();
        return r.top >= 0 && r.bottom <= innerHeight && r.height > 0""", element_id)


def first_result_in_view(browser):
    check(browser.execute_script("""const r = document.querySelector('[data-control="Label15(0)"]').getBoundingClientRect();
        return r.top >= 0 && r.bottom <= innerHeight"""), "the first result is not in view after Calculate")


def refusal_above_keyboard(browser, shots):
    """At 360 x 400, what a 740 px phone leaves above its keyboard, the refusal and its field are in view."""
    browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                            {"width": 360, "height": 400, "deviceScaleFactor": 2, "mobile": True})
    browser.execute_script("scrollTo(0, 0)")
    type_into(browser, "Text4", "24.55")
    browser.execute_script("document.getElementById('Command1').click()")
    check(in_view(browser, "message") and in_view(browser, "Text4"), "the refusal is out of view at 360 x 400")
    browser.save_screenshot(f"{shots}/page-refusal-400.png")
    browser.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                            {"width": 360, "height": 740, "deviceScaleFactor": 2, "mobile": True})
    type_into(browser, "Text4", "5")
    calculate(browser)


def golden_lines(name):
    with open(os.path.join(GOLDEN, name), encoding="utf-8") as f:
        return [line.rstrip("\n").split("\t", 4)[1:] for line in f]


def sheet_lines(browser):
    return browser.execute_script("""return [...document.querySelectorAll('#sheets .sheet')].map(s =>
        [...s.querySelectorAll('.line')].map(l => [String(Math.round(parseFloat(l.style.left) * 1440)),
        String(Math.round(parseFloat(l.style.top) * 1440)), l.classList.contains('bold') ? 'bold' : 'normal',
        l.textContent]))""")


def print_pdf(browser, path):
    # As the page's own print button does, the print waits for the report's face.
    browser.execute_async_script("""Promise.all(['400', '700'].map(w => document.fonts.load(`${w} 14pt "Report Umpush"`)))
        .then(() => arguments[0]())""")
    a4 = PrintOptions()
    a4.page_width, a4.page_height = 21.0, 29.7
    a4.margin_top = a4.margin_bottom = a4.margin_left = a4.margin_right = 0
    data = base64.b64decode(browser.print_page(a4))
    with open(path, "wb") as f:
        f.write(data)
    pages = subprocess.run(["pdfinfo", path], capture_output=True, text=True).stdout
    return int(re.search(r"Pages:\s+(\d+)", pages).group(1))


def printed_sheets(browser, shots):
    """Chromium's print of worked example 1: the report's two sheets, then three with a pour."""
    sheets = sheet_lines(browser)
    expected = golden_lines("example1.tsv")
    check(len(sheets) == 2 and sheets[0] + sheets[1] == expected,
          f"the sheets' lines differ from the report's: {len(sheets)} sheets")
    pages = print_pdf(browser, f"{shots}/print.pdf")
    check(pages == 2, f"the print takes {pages} pages, not 2")
    printed = subprocess.run(["pdftotext", "-layout", f"{shots}/print.pdf", "-"], capture_output=True,
                             text=True).stdout
    flat = re.sub(r"\s+", "", printed)
    missing = [line[3] for line in expected if re.sub(r"\s+", "", line[3]) not in flat]
    check(not missing, f"printed pages lack {len(missing)} lines, the first {missing[:1]}")
    type_into(browser, "volumeField", "10")
    WebDriverWait(browser, 5).until(lambda b: len(sheet_lines(b)) == 3)
    check(sheet_lines(browser)[2] == golden_lines("order-example1.tsv"), "the order sheet differs from the report's")
    pages = print_pdf(browser, f"{shots}/print-pour.pdf")
    check(pages == 3, f"the print with a pour takes {pages} pages, not 3")
    # Sheet 1's QR code, read back from the printed page, is the link that holds the design on
    # the sheet, even with the strength edited since and not calculated.
    type_into(browser, "Text2", "300")
    type_into(browser, "wasteField", "6")
    WebDriverWait(browser, 5).until(lambda b: "waste=6" in b.current_url)
    check("กำลังที่ต้องการ=  240  กก./ตร.ซม.  ตัวอย่างลูกบาศก์" in [line[3] for line in sheet_lines(browser)[0]],
          "sheet 1 no longer shows the calculated 240")
    print_pdf(browser, f"{shots}/print-edited.pdf")
    with tempfile.TemporaryDirectory() as work:
        subprocess.run(["pdftoppm", "-r", "200", "-png", "-f", "1", "-l", "1", f"{shots}/print-edited.pdf",
                        f"{work}/p"], check=True)
        read = subprocess.run(["zbarimg", "-q", "--raw", f"{work}/p-1.png"], capture_output=True, text=True).stdout
    check(read.strip() == browser.current_url and "strength=240&" in read and "waste=6&" in read,
          f"sheet 1's QR code reads {read.strip()!r}, the address {browser.current_url!r}")
    type_into(browser, "Text2", "240")
    type_into(browser, "wasteField", "5")
    browser.find_element(By.ID, "volumeField").clear()
    browser.execute_script("document.getElementById('volumeField').dispatchEvent(new Event('input', {bubbles: true}))")


# The planner tab's labels against the keys of the command's "pour" object.
FIGURE_KEYS = {
    "cementTotal": "cement_kg", "cementBags": "cement_bags", "sandTotal": "sand_kg", "sandVolume": "sand_m3",
    "sandOrder": "sand_order_m3", "sandBaskets": "sand_baskets", "stoneTotal": "stone_kg", "stoneVolume": "stone_m3",
    "stoneOrder": "stone_order_m3", "stoneBaskets": "stone_baskets", "waterTotal": "water_l",
    "waterPails": "water_pails", "admixtureTotal": "admixture_l", "batchesTotal": "batches",
    "cementPerBatch": "per_batch.cement_kg", "waterPerBatch": "per_batch.water_l",
    "waterPerBatchPails": "per_batch.water_pails", "sandPerBatch": "per_batch.sand_m3",
    "sandPerBatchBaskets": "per_batch.sand_baskets", "stonePerBatch": "per_batch.stone_m3",
    "stonePerBatchBaskets": "per_batch.stone_baskets", "admixturePerBatch": "per_batch.admixture_cc",
}


def cli_pour(mixdesign, case):
    design = ["--strength", case["strength"], "--cube", "--slump", case["slump"], "--stone", case["stone"],
              "--moisture", case["moisture"]]
    design += ["--admixture", case["dose"]] if case["dose"] else ["--no-admixture"]
    pour = ["--pour", case["volume"], "--waste", case["waste"], "--bag-kg", case["bag_kg"], "--basket", case["basket"],
            "--pail", case["pail"], "--bags-per-batch", case["bags"]]
    pour += [argument for key in PRICES if case[f"price_{key}"] for argument in (f"--price-{key}", case[f"price_{key}"])]
    out = subprocess.run([mixdesign, "--json", *design, *pour], capture_output=True, text=True, check=True).stdout
    # The figures as the command writes them, so that they compare as text.
    return json.loads(out, parse_float=str, parse_int=str)["pour"]


def pour_planner(browser, mixdesign, shots):
    """Generated designs and pours: every figure on the page against the command line's --pour."""
    rng = random.Random(20261208)
    slumps = {"7.5": 1, "10": 2, "12.5": 3}
    for _ in range(8):
        case = {"strength": str(rng.randint(150, 330)), "slump": rng.choice(list(slumps)), "stone": rng.choice("12"),
                "dose": rng.choice(["", str(rng.randint(100, 400))]), "moisture": str(rng.randint(1, 8)),
                "volume": rng.choice([str(rng.randint(1, 200)), f"{rng.uniform(0.2, 60):.2f}"]),
                "waste": str(rng.randint(0, 20)), "bag_kg": rng.choice(["50", "40"]),
                "basket": rng.choice(["0.019", "0.02", "0.025"]), "pail": rng.choice(["27", "20", "18"]),
                "bags": rng.choice(["1", "2", "3"])}
        case.update({f"price_{key}": rng.choice(["", str(rng.randint(100, 3000)), f"{rng.uniform(10, 900):.2f}"]) for key in PRICES})
        expected = cli_pour(mixdesign, case)
        tick(browser, "Check1")
        tick(browser, "Check3" if case["dose"] else "Check4")
        type_into(browser, "Text2", case["strength"])
        Select(browser.find_element(By.ID, "Combo1")).select_by_index(slumps[case["slump"]])
        Select(browser.find_element(By.ID, "Combo2")).select_by_index(int(case["stone"]))
        if case["dose"]:
            type_into(browser, "Text3", case["dose"])
        type_into(browser, "Text4", case["moisture"])
        for field, key in zip(POUR_FIELDS, ["volume", "waste", "bag_kg", "basket", "pail", "bags"]):
            type_into(browser, field, case[key])
        for key in PRICES:
            type_into(browser, f"{key}PriceField", case[f"price_{key}"])
        calculate(browser)
        shown = browser.execute_script("""return Object.fromEntries([...document.querySelectorAll('[data-pour]')]
            .map(e => [e.dataset.pour, e.textContent]))""")
        check(sorted(shown) == sorted(FIGURE_KEYS), f"the page's planner figures: {sorted(shown)}")
        for label, key in FIGURE_KEYS.items():
            figure = shown.get(label, "")
            group, _, name = key.rpartition(".")
            number = (expected[group] if group else expected)[name]
            if not case["dose"] and "admixture" in key:
                continue
            check(figure.startswith(number + "  "), f"{case}: {label} shows {figure!r}, the command {number}")
        # The cost at the same prices, to the satang, and a verdict only when every price is given.
        cost = expected.get("cost", {})
        shown = browser.execute_script("""return [Object.fromEntries([...document.querySelectorAll('[data-cost]')]
            .map(e => [e.dataset.cost, e.textContent])), document.getElementById('costVerdict').textContent]""")
        for key in [*PRICES, "total", "per_m3"]:
            money = f"{decimal.Decimal(cost[key]):.2f}  บาท" if key in cost else ""
            check(shown[0][key] == money, f"{case}: the cost of {key} shows {shown[0][key]!r}, the command {money!r}")
        check(("ยังไม่มีราคา" in shown[1]) == bool(cost.get("unpriced")) and ("ผสมเอง" in shown[1]) == ("difference" in cost),
              f"{case}: the verdict reads {shown[1]!r} for {cost}")
    for key in PRICES:
        browser.find_element(By.ID, f"{key}PriceField").clear()
    browser.execute_script("document.getElementById('pour').dispatchEvent(new Event('input'))")
    browser.save_screenshot(f"{shots}/page-pour.png")
    # A bad entry gets its message beside it and leaves the figures as they were.
    before = browser.find_element(By.CSS_SELECTOR, '[data-pour="cementBags"]').get_attribute("textContent")
    type_into(browser, "volumeField", "0")
    message = browser.find_element(By.ID, "volumeMessage").get_attribute("textContent")
    check(message and browser.find_element(By.ID, "volumeField").get_attribute("aria-invalid") == "true",
          "no message beside a volume of 0")
    check(browser.find_element(By.CSS_SELECTOR, '[data-pour="cementBags"]').get_attribute("textContent") == before,
          "a bad entry changed the figures")


def link_round_trip(browser, url):
    """Fill in worked example 1 with a pour, reload, then open the shared link in a fresh browser."""
    browser.get(url)
    wait_ready(browser)
    enter_first_example(browser)
    type_into(browser, "volumeField", "10")
    check(browser.execute_script("return location.hash") == FIRST_LINK,
          f"the address holds {browser.execute_script('return location.hash')}")
    browser.refresh()
    wait_ready(browser)
    check(text(browser, "Label15(0)") == "310" and browser.find_element(By.ID, "Text3").get_attribute("value") == "250",
          "a reload lost the design")
    browser.execute_cdp_cmd("Browser.grantPermissions", {"origin": url.rstrip("/"),
                                                         "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
    browser.find_element(By.ID, "share").click()
    copied = browser.execute_async_script("navigator.clipboard.readText().then(arguments[0], () => arguments[0](''))")
    check(copied == url + FIRST_LINK, f"Share copied {copied!r}")
    fresh = open_browser()
    try:
        fresh.get(copied)
        wait_ready(fresh)
        check(text(fresh, "Label15(0)") == "310", "the shared link does not bring the design back")
        bags = fresh.find_element(By.CSS_SELECTOR, '[data-pour="cementBags"]').get_attribute("textContent")
        check(bags.startswith("66  "), f"the shared link plans {bags!r}")
    finally:
        fresh.quit()


# A link, then the fields it should fill (None: left empty) and whether it calculates.
HOSTILE = [
    ("#strength=abc&specimen=sphere&slump=11&stone=3&admixture=maybe&dose=250&moisture=5%ZZ",
     {"Text2": "", "Check1": False, "Check2": False, "Combo1": 0, "Combo2": 0, "Text3": "", "Text4": ""}, False),
    ("#strength=240&specimen=cube&slump=10&stone=2&admixture=no&moisture=" + "9" * 5000,
     {"Text2": "240", "Check1": True, "Combo1": 2, "Combo2": 2, "Check4": True, "Text4": ""}, False),
    ("#strength=%3Cimg%20src%3Dx%20onerror%3Dalert(1)%3E&slump=10.0&volume=-1&waste=1e3&junk",
     {"Text2": "", "Combo1": 2, "volumeField": "", "wasteField": "5"}, False),
    ("#admixture=no&dose=250&moisture=3&stone=1&slump=7.5&specimen=cylinder&strength=240",
     {"Text2": "240", "Check2": True, "Combo1": 1, "Combo2": 1, "Check4": True, "Text3": "", "Text4": "3"}, True),
]


def hostile_links(browser, url):
    for link, fields, designs in HOSTILE:
        browser.get("about:blank")
        browser.get(url + link)
        wait_ready(browser)
        for field, expected in fields.items():
            element = browser.find_element(By.ID, field)
            if isinstance(expected, bool):
                shown = element.is_selected()
            elif isinstance(expected, int):
                shown = browser.execute_script("return arguments[0].selectedIndex", element)
            else:
                shown = element.get_attribute("value")
            check(shown == expected, f"{link[:60]}: {field} is {shown!r}, not {expected!r}")
        check((text(browser, "Label64") != "") == designs, f"{link[:60]}: calculated {text(browser, 'Label64')!r}")
        check(not browser.find_element(By.ID, "message").is_displayed(), f"{link[:60]}: a refusal shown on opening")


def printed_text(browser, path):
    pages = print_pdf(browser, path)
    return pages, subprocess.run(["pdftotext", path, "-"], capture_output=True, text=True).stdout


def shown_state(browser):
    return browser.execute_script("""const $ = (id) => document.getElementById(id);
        return [$('orderList').dataset.stale === 'true', !$('orderStaleNote').hidden, $('results').dataset.stale === 'true',
                !$('staleNote').hidden]""")


# Steps from worked example 1 with a pour of 10 m³, then what is marked old (the order, its note,
# the results, their note), the sheets printed, and a line sheet 1 starts with.
STALE = [
    ([("wasteField", "60")], [True, True, False, False], 2, "กำลังที่ต้องการ=  240"),
    ([("wasteField", "60"), ("Text2", "250"), ("calculate", None)], [True, True, False, False], 2, "กำลังที่ต้องการ=  250"),
    ([("Text2", "250")], [False, False, True, True], 3, "กำลังที่ต้องการ=  240"),
    ([("Text2", "250"), ("Text2", "240")], [False, False, False, False], 3, "กำลังที่ต้องการ=  240"),
]


def stale_figures(browser, url, shots):
    """Figures a bad planner entry or a changed field has made old are marked on screen, and an
    order so marked is never printed, by either road: the entry, or a Calculate while it is bad."""
    for k, (steps, marked, pages, strength) in enumerate(STALE):
        browser.get(url + FIRST_LINK)
        wait_ready(browser)
        for field, value in steps:
            if field == "calculate":
                calculate(browser)
            else:
                type_into(browser, field, value)
        state = shown_state(browser)
        check(state == marked, f"after {steps}: old figures marked {state}, not {marked}")
        printed, words = printed_text(browser, f"{shots}/print-stale-{k}.pdf")
        sheet1 = [line[3] for line in sheet_lines(browser)[0]]
        check(printed == pages and ("ใบสั่งวัสดุ" in words) == (pages == 3) and any(l.startswith(strength) for l in sheet1),
              f"after {steps}: {printed} pages printed, sheet 1 {sheet1[2:3]}")
        if k == 0:
            browser.save_screenshot(f"{shots}/page-stale.png")


def link_opened(browser, url):
    """A second link in the same tab loads its design; a link opened afresh shows its answer."""
    browser.get("about:blank")
    browser.get(url + FIRST_LINK)
    wait_ready(browser)
    first_result_in_view(browser)
    browser.get(url + FIRST_LINK.replace("strength=240", "strength=300").replace("volume=10", "volume=2"))
    WebDriverWait(browser, 5).until(lambda b: text(b, "Label7").startswith("300"))
    check(browser.find_element(By.ID, "Text2").get_attribute("value") == "300" and
          browser.find_element(By.CSS_SELECTOR, '[data-pour="cementBags"]').get_attribute("textContent").startswith("16  "),
          "a second link in the same tab did not bring its design")


def mixer_batches(browser, url, shots):
    """The mixer view counts the batches over a reload and starts again for another design."""
    def count_after(clicks):
        browser.find_element(By.CSS_SELECTOR, '[data-action="mixer"]').click()
        for _ in range(clicks):
            browser.find_element(By.CSS_SELECTOR, '[data-action="batch-next"]').click()
        shown = browser.find_element(By.CSS_SELECTOR, "[data-batch-count]").get_attribute("textContent")
        browser.find_element(By.ID, "mixerClose").click()
        return shown

    browser.get(url + FIRST_LINK)
    wait_ready(browser)
    browser.execute_script("localStorage.removeItem('mixdesign.batches')")
    browser.find_element(By.CSS_SELECTOR, '[data-action="mixer"]').click()
    rows = browser.execute_script("""return [...document.querySelectorAll('#mixerRows .figure')].map(e => e.textContent)""")
    check(rows == ["5.8 บุ้งกี๋", "4.2 บุ้งกี๋", "1 ถุง", "0.9 ถัง", "129 ซีซี"], f"the mixer view shows {rows}")
    browser.save_screenshot(f"{shots}/page-mixer.png")
    browser.find_element(By.ID, "mixerClose").click()
    for clicks, step, expected in [(11, None, "ครั้งที่ 12 จาก 66"), (0, "reload", "ครั้งที่ 12 จาก 66"),
                                   (0, "volume", "ครั้งที่ 1 จาก 7")]:
        if step == "reload":
            browser.refresh()
            wait_ready(browser)
        elif step == "volume":
            type_into(browser, "volumeField", "1")
        shown = count_after(clicks)
        check(shown == expected, f"after {clicks} batches and {step}: {shown!r}, not {expected!r}")
    browser.execute_script("document.body.dataset.print = 'card'")
    pages, words = printed_text(browser, f"{shots}/print-card.pdf")
    size = subprocess.run(["pdfinfo", f"{shots}/print-card.pdf"], capture_output=True, text=True).stdout
    check(pages == 1 and re.search(r"Page size:\s+841\.\d+ x 59[45]", size) and "การ์ดผสมคอนกรีต" in words,
          f"the card prints as {pages} pages, {re.findall(r'Page size:.*', size)}")
    browser.execute_script("delete document.body.dataset.print")


def share_fallback(browser, url):
    """Without a share sheet or a clipboard the link is shown to copy; "copied" passes."""
    browser.get(url + FIRST_LINK)
    wait_ready(browser)
    browser.execute_script("""Object.defineProperty(navigator, 'clipboard', {configurable: true,
        value: {writeText: async () => {}}})""")
    browser.find_element(By.ID, "share").click()
    WebDriverWait(browser, 2).until(lambda b: b.find_element(By.ID, "shareStatus").text)
    WebDriverWait(browser, 10).until(lambda b: not b.find_element(By.ID, "shareStatus").text)
    browser.execute_script("Object.defineProperty(navigator, 'clipboard', {value: undefined})")
    browser.find_element(By.ID, "share").click()
    check(browser.find_element(By.ID, "shareLink").is_displayed() and
          browser.find_element(By.ID, "shareLink").get_attribute("value") == url + FIRST_LINK,
          "no link to copy where the page cannot share")


def pgm(path):
    with open(path, "rb") as f:
        data = f.read()
    header = data.split(b"\n", 3)
    return header[1], header[3]


def phone_fonts(site_url, shots):
    """Sheet 1 printed by a phone with only Noto Sans Thai and DejaVu against one with every font."""
    pictures = []
    with tempfile.TemporaryDirectory() as work:
        noto = os.path.join(work, "fonts.conf")
        with open(noto, "w", encoding="utf-8") as f:
            f.write('<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "fonts.dtd"><fontconfig>'
                    f'<cachedir>{work}/cache</cachedir>'
                    '<dir>/usr/share/fonts/truetype/dejavu</dir>'
                    + "".join(f"<dir>{d}</dir>" for d in ["/usr/share/fonts/truetype/noto"])
                    + '<selectfont><rejectfont><glob>*Looped*</glob><glob>*Mono*</glob></rejectfont></selectfont>'
                    '</fontconfig>')
        for name, fonts in [("all", None), ("noto", noto)]:
            browser = open_browser(fonts=fonts)
            try:
                browser.get(site_url + FIRST_LINK)
                wait_ready(browser)
                print_pdf(browser, f"{shots}/print-{name}-fonts.pdf")
            finally:
                browser.quit()
            subprocess.run(["pdftoppm", "-r", "100", "-gray", "-f", "1", "-l", "1", f"{shots}/print-{name}-fonts.pdf",
                            f"{work}/{name}"], check=True)
            pictures.append(pgm(f"{work}/{name}-1.pgm"))
        faces = subprocess.run(["fc-list", ":", "family"], capture_output=True, text=True,
                               env={**os.environ, "FONTCONFIG_FILE": noto}).stdout
        check("Noto Sans Thai" in faces and "Umpush" not in faces and "Loma" not in faces,
              f"the Noto-only phone has {sorted(set(faces.split(chr(10))))}")
    (size_a, a), (size_b, b) = pictures
    differ = sum(1 for x, y in zip(a, b) if abs(x - y) > 64) / max(len(a), 1)
    check(size_a == size_b and differ < 0.02, f"sheet 1 differs in {differ:.1%} of its pixels with only Noto fonts")
    print(f"sheet 1 with only Noto Sans Thai and DejaVu: {differ:.2%} of pixels differ")


def generated_sheet(rng):
    """A lab's sheet as the window's test makes them: 1 to 34 samples of 1 to 3 specimens, some of 7 days."""
    specified = rng.choice([150, 210, 240, 280, 320, 380])
    cube = rng.random() < 0.5
    centre, spread = specified + 30 + rng.randrange(40), 5 + rng.randrange(40)
    lines = ["sample,strength,age_days,date"]
    samples = 1 + rng.randrange(34)
    for s in range(samples):
        for _ in range(1 + rng.randrange(3)):
            age = 7 if rng.randrange(8) == 0 else 28
            lines.append(f"S{s + 1},{max(1.0, round(rng.gauss(centre, spread), 2)):.2f},{age},2026-{1 + s % 12:02d}-01")
    lines.append(f"S{samples + 1},{specified:.2f},28,")
    return specified, cube, "\n".join(lines) + "\n"


def page_results(browser, sheet, strength, specimen):
    return browser.execute_async_script("""const done = arguments[arguments.length - 1];
        import('./engine.js').then(m => m.makeEngine().results({sheet: arguments[0], strength: arguments[1],
            specimen: arguments[2], date: '2026-12-09'})).then(done, e => done(String(e)))""", sheet, strength, specimen)


def results_agree(browser, mixdesign):
    """Generated result sheets judged by the page's engine as by mixdesign --results ... --json."""
    rng = random.Random(31)
    with tempfile.TemporaryDirectory() as folder:
        for number in range(24):
            specified, cube, sheet = generated_sheet(rng)
            path = os.path.join(folder, f"sheet{number}.csv")
            with open(path, "w", encoding="utf-8") as f:
                f.write(sheet)
            run = subprocess.run([mixdesign, "--results", path, "--strength", str(specified),
                                  "--cube" if cube else "--cylinder", "--json"], capture_output=True, text=True)
            check(run.returncode == 0, f"sheet {number}: mixdesign exit {run.returncode}: {run.stderr}")
            answer = page_results(browser, sheet, str(specified), "cube" if cube else "cylinder")
            check(isinstance(answer, dict) and answer.get("acceptance") == json.loads(run.stdout)["acceptance"],
                  f"sheet {number}: the page judges it otherwise than the command")
            # The same sheet pasted from a spreadsheet is the same sheet.
            tabbed = page_results(browser, sheet.replace(",", "\t"), str(specified), "cube" if cube else "cylinder")
            check(tabbed.get("acceptance") == answer.get("acceptance"), f"sheet {number}: tab-separated differs")


RESULTS_SHEET = "sample,strength,age_days,date\nA,250,28,2026-11-01\nA,262,28,2026-11-01\nB,199,28,2026-11-02\n" \
                "C,248,28,2026-11-03\nD,300,28,\nE,255,7,\n"


def strength_results(browser, url, mixdesign, shots):
    """The results section: judged against the design calculated, low tests and windows marked, the
    reason of a bad sheet beside its row, the sheet kept over a reload until cleared, export, print."""
    results_agree(browser, mixdesign)
    browser.get(url)
    wait_ready(browser)
    browser.execute_script("localStorage.removeItem('mixdesign.results')")
    enter_first_example(browser)
    calculate(browser)
    area = browser.find_element(By.ID, "resultsPaste")
    browser.execute_script("""const area = arguments[0]; area.value = arguments[1];
        area.dispatchEvent(new Event('input'))""", area, RESULTS_SHEET)
    WebDriverWait(browser, 10).until(lambda b: not b.find_element(By.ID, "resultsJudged").get_attribute("hidden"))
    marks = browser.execute_script("""return [...document.querySelectorAll('#resultsTable tbody tr')].map(r =>
        [r.dataset.line, r.classList.contains('low-test'), r.classList.contains('low-window')])""")
    # 240 cube: B (199) is below 240 - 35.69 and 240 - 40.79; A, B, C average 234.33 < 240, and
    # B, C, D 249 < 280.79 (EN 206).
    check(marks == [["2", False, True], ["3", False, True], ["4", True, True], ["5", False, True], ["6", False, True],
                    ["7", False, False]], f"marks {marks}")
    verdict = browser.find_element(By.ID, "resultsVerdict").text
    check("ACI 318-19 ข้อ 26.12.3.1: ไม่ผ่าน" in verdict, f"verdict {verdict[:200]!r}")
    check(browser.execute_script("return document.querySelectorAll('#resultsChart svg').length") == 1, "no chart")
    browser.find_element(By.ID, "strengthResults").screenshot(f"{shots}/page-strength-results.png")

    browser.execute_script("document.body.dataset.print = 'acceptance'")
    pages, printed = printed_text(browser, f"{shots}/acceptance.pdf")
    browser.execute_script("delete document.body.dataset.print")
    check(pages == 1 and "บันทึกการตรวจรับกำลังอัดคอนกรีต" in printed and "ลงชื่อ" in printed,
          f"the acceptance sheet prints {pages} pages: {printed[:120]!r}")

    # Export: the CSV the user gets holds the rows as they are.
    exported = browser.execute_async_script("""const done = arguments[0];
        const make = URL.createObjectURL;
        URL.createObjectURL = (blob) => { blob.text().then(done); URL.createObjectURL = make; return make(blob); };
        document.getElementById('resultsExport').click();""")
    check(exported == RESULTS_SHEET.replace("\n", "\r\n"), f"exported {exported!r}")

    # Kept over a reload; a bad sheet says why right under its row.
    browser.refresh()
    wait_ready(browser)
    check(browser.find_element(By.ID, "resultsPaste").get_attribute("value") == RESULTS_SHEET, "the sheet was not kept")
    browser.execute_script("""const area = arguments[0]; area.value = arguments[1];
        area.dispatchEvent(new Event('input'))""", browser.find_element(By.ID, "resultsPaste"),
                           "sample,strength\nA,250\nB,abc\nC,240\n")
    WebDriverWait(browser, 10).until(lambda b: b.find_elements(By.ID, "resultsFault"))
    fault = browser.execute_script("""const f = document.getElementById('resultsFault');
        return [f.previousElementSibling.dataset.line, f.textContent]""")
    check(fault == ["3", "บรรทัด 3: กำลังอัด 'abc' ไม่ใช่ตัวเลขที่มากกว่าศูนย์"], f"fault {fault}")
    browser.find_element(By.ID, "resultsClear").click()
    browser.refresh()
    wait_ready(browser)
    check(browser.find_element(By.ID, "resultsPaste").get_attribute("value") == "", "a cleared sheet came back")
