#!/usr/bin/python3
"""The measuring half of scripts/web-audit: see there. Usage: web-audit.py OUTDIR SITE [EARLIER_SITE]"""
import functools
import gzip
import http.server
import json
import os
import statistics
import subprocess
import sys
import threading

from selenium.webdriver.support.ui import WebDriverWait

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools", "web"))
from page_driver import enter_first_example, open_browser, type_into, wait_ready  # noqa: E402

OUT, SITES = sys.argv[1], sys.argv[2:]
RUNS = 5


class GzipHandler(http.server.SimpleHTTPRequestHandler):
    """A static host as a phone meets one: every file gzip-compressed; counts what it sends."""

    def log_message(self, *args):
        pass

    def do_GET(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path):
            path = os.path.join(path, "index.html")
        if not os.path.isfile(path):
            self.send_error(404)
            return
        with open(path, "rb") as f:
            body = f.read()
        compressed = "gzip" in self.headers.get("Accept-Encoding", "")
        if compressed:
            body = gzip.compress(body, 9)
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Last-Modified", self.date_time_string(int(os.path.getmtime(path))))
        if compressed:
            self.send_header("Content-Encoding", "gzip")
        self.end_headers()
        self.wfile.write(body)
        self.server.sent += len(body)
        if path.endswith(".woff2"):
            self.server.faces += len(body)


def serve(directory):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(GzipHandler, directory=directory))
    server.sent = 0
    server.faces = 0
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


CALCULATE = """const done = arguments[0];
const target = document.querySelector('[data-control="Label15(0)"]');
const started = performance.now();
new MutationObserver((_, o) => { o.disconnect(); done(performance.now() - started); })
    .observe(target, {childList: true, characterData: true, subtree: true});
document.getElementById('Command1').click();"""


def one_visit(site):
    server, url = serve(site)
    browser = open_browser()
    try:
        browser.get(url)
        wait_ready(browser)
        interactive = browser.execute_script("return window.mixTimings.interactive")
        WebDriverWait(browser, 20).until(lambda b: b.execute_script("return !!navigator.serviceWorker.controller"))
        # Everything the first visit brings, the offline copy and the report's face among them.
        transfer = server.sent
        faces = server.faces
        enter_first_example(browser)
        clicks = [browser.execute_async_script(CALCULATE) for _ in range(10)]
        server.shutdown()
        server.server_close()
        browser.refresh()
        wait_ready(browser)
        offline = browser.execute_script("return window.mixTimings.interactive")
        return transfer, faces, interactive, offline, statistics.median(clicks)
    finally:
        browser.quit()


def lighthouse(site, name):
    server, url = serve(site)
    report = os.path.join(OUT, f"lighthouse-{name}.json")
    try:
        subprocess.run([os.path.join(OUT, "node_modules", ".bin", "lighthouse"), url, "--quiet", "--output=json",
                        f"--output-path={report}", "--chrome-path=/usr/bin/chromium",
                        "--chrome-flags=--headless=new --no-sandbox --disable-dev-shm-usage",
                        "--only-categories=performance,accessibility,best-practices,seo,pwa"], check=True)
    finally:
        server.shutdown()
        server.server_close()
    with open(report, encoding="utf-8") as f:
        result = json.load(f)
    scores = {key: round(c["score"] * 100) for key, c in result["categories"].items()}
    pwa = [ref["id"] for ref in result["categories"]["pwa"]["auditRefs"]
           if result["audits"][ref["id"]]["score"] not in (None, 1)]
    return scores, pwa


def axe(site):
    """axe-core's violations on the first view, a result, a refusal, the pour planner with prices
    and the mixer view."""
    server, url = serve(site)
    browser = open_browser()
    source = open(os.path.join(OUT, "node_modules", "axe-core", "axe.min.js"), encoding="utf-8").read()
    run = "const done = arguments[0]; axe.run(document).then(r => done(r.violations.map(v => v.id)))"
    found = {}
    try:
        browser.get(url)
        wait_ready(browser)
        browser.execute_script(source)
        found["first view"] = browser.execute_async_script(run)
        enter_first_example(browser)
        found["result"] = browser.execute_async_script(run)
        type_into(browser, "Text4", "24.55")
        browser.find_element("id", "Command1").click()
        found["refusal"] = browser.execute_async_script(run)
        if browser.execute_script("return !!document.getElementById('volumeField')"):
            type_into(browser, "Text4", "5")
            browser.find_element("id", "Command1").click()
            type_into(browser, "volumeField", "10")
            if browser.execute_script("return !!document.getElementById('cementPriceField')"):
                type_into(browser, "cementPriceField", "140")
                type_into(browser, "readymixPriceField", "2200")
            found["pour planner"] = browser.execute_async_script(run)
        if browser.execute_script("return !!document.querySelector('[data-action=\"mixer\"]')"):
            browser.find_element("css selector", '[data-action="mixer"]').click()
            found["mixer view"] = browser.execute_async_script(run)
    finally:
        browser.quit()
        server.shutdown()
        server.server_close()
    return found


def main():
    for name, site in zip(["page", "earlier"], SITES):
        visits = [one_visit(site) for _ in range(RUNS)]
        transfer, faces, interactive, offline, click = (statistics.median(v) for v in zip(*visits))
        print(f"{name}: first visit {(transfer - faces) / 1024:.1f} KB gzip and {faces / 1024:.1f} KB of faces, "
              f"interactive {interactive:.0f} ms; offline reload "
              f"interactive {offline:.0f} ms; Calculate to result {click:.2f} ms (medians of {RUNS} runs)")
        scores, pwa = lighthouse(site, name)
        print(f"{name}: Lighthouse 11 mobile {scores}; PWA checks failing: {pwa or 'none'}")
        print(f"{name}: axe-core violations {axe(site)}")


main()
