"""photoquant serve in a real browser (Debian's chromium through chromium-driver and selenium).

On the built-in example: every unknowns cell the page shows equals the text report's; a name
changed on the data-information page and applied shows in the standards list; Measure at a high
rate fills every row and brings up the calibration; the first column's dragged width survives a
new measurement and a reload; requests without the token or with a foreign Host get 403.

Usage: serve_browser_test.py PHOTOQUANT_EXE
"""
import http.client
import re
import subprocess
import sys
import time
import unittest

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.common.exceptions import StaleElementReferenceException
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import Select, WebDriverWait

EXE = sys.argv.pop(1) if len(sys.argv) > 1 else "photoquant"
WAIT = 30


def report_table(report, first_header):
    """The rows of the report's table whose header begins with first_header, cut at the header's
    column starts."""
    lines = report.splitlines()
    top = next(i for i, line in enumerate(lines) if line.startswith(first_header))
    starts = [m.start() for m in re.finditer(r"(?:^|(?<=  ))\S", lines[top])]
    rows = []
    for line in lines[top + 2:]:
        if not line.strip():
            break
        bounds = starts[1:] + [None]
        rows.append([line[a:b].strip() for a, b in zip(starts, bounds)])
    return rows


class ServeInBrowser(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.server = subprocess.Popen([EXE, "serve"], stdout=subprocess.PIPE, text=True)
        address = ""
        while "token=" not in address:
            address = cls.server.stdout.readline()
            if not address:
                raise RuntimeError("photoquant serve printed no address")
        cls.url = re.search(r"http://\S+", address).group(0)
        cls.port = int(re.search(r":(\d+)/", cls.url).group(1))
        cls.token = re.search(r"token=(\w+)", cls.url).group(1)
        options = Options()
        options.binary_location = "/usr/bin/chromium"
        for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1400,1000"):
            options.add_argument(arg)
        cls.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        cls.report = subprocess.run([EXE], capture_output=True, text=True, check=True).stdout

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.server.terminate()
        cls.server.wait(timeout=10)
        cls.server.stdout.close()

    def wait(self):
        # The page redraws what changes; an element found a moment ago may have been replaced.
        return WebDriverWait(self.driver, WAIT,
                             ignored_exceptions=[StaleElementReferenceException])

    def js(self, expression):
        return self.driver.execute_script("return " + expression)

    def open(self, tab="standards"):
        self.driver.get(self.url)
        self.wait().until(
            lambda d: d.find_element(By.TAG_NAME, "body").get_attribute("data-ready") == "true")
        self.driver.find_element(By.CSS_SELECTOR, f"#tabs [data-tab={tab}]").click()

    def shown_rows(self, name):
        return self.driver.execute_script(
            "return [...document.querySelectorAll(`#list-${arguments[0]} .row`)]"
            ".sort((a, b) => a.dataset.row - b.dataset.row)"
            ".map(r => [...r.querySelectorAll('.cell')].map(c => c.textContent.trim()))", name)

    def request(self, path, host=None, cookie=True, body=None, headers=None):
        connection = http.client.HTTPConnection("127.0.0.1", self.port, timeout=10)
        headers = dict(headers or {})
        headers["Host"] = host or f"127.0.0.1:{self.port}"
        if cookie:
            headers["Cookie"] = f"photoquant_token={self.token}"
        try:
            connection.request("GET" if body is None else "POST", path, body=body,
                               headers=headers)
            return connection.getresponse().status
        finally:
            connection.close()

    def test_1_unknowns_cells_equal_the_text_report(self):
        self.open("unknowns")
        self.assertEqual(self.shown_rows("unknowns"), report_table(self.report, "Samp No. / Name"))

    def test_2_rename_on_the_info_page_shows_in_the_standards_list(self):
        self.open("properties")
        wait = self.wait()
        sample = wait.until(lambda d: d.find_element(By.CSS_SELECTOR, "#page select"))
        Select(sample).select_by_index(1)
        wait.until(lambda d: self.js("document.querySelector('#page input')?.value") == "Fe 1")
        name = self.driver.find_element(By.CSS_SELECTOR, "#page input")
        name.clear()
        name.send_keys("Fe 1 (lot 7)")
        apply = self.driver.find_element(By.ID, "apply")
        wait.until(lambda d: apply.is_enabled())
        apply.click()
        self.driver.find_element(By.CSS_SELECTOR, "#tabs [data-tab=standards]").click()
        wait.until(lambda d: self.shown_rows("standards")[3][0] == "2 Fe 1 (lot 7)")

    def test_3_dragged_first_column_keeps_its_width_and_measure_fills_every_row(self):
        self.open("standards")
        wait = self.wait()
        width = "document.querySelector('#list-standards .head').getBoundingClientRect().width"
        before = self.js(width)
        divider = self.driver.find_element(By.CSS_SELECTOR, "#list-standards .divider")
        ActionChains(self.driver).click_and_hold(divider).move_by_offset(60, 0).release().perform()
        wait.until(lambda d: self.js(width) == before + 60)
        rate = self.driver.find_element(By.ID, "rate")
        rate.clear()
        rate.send_keys("200")
        body = self.driver.find_element(By.TAG_NAME, "body")
        measurement = int(body.get_attribute("data-measurement")) + 1
        self.driver.find_element(By.ID, "measure").click()
        wait.until(lambda d: body.get_attribute("data-measurement") == str(measurement)
                   and body.get_attribute("data-measuring") == "false"
                   and body.get_attribute("data-calibrated") == "true")
        wait.until(lambda d: len(self.shown_rows("standardCalib")) > 0)
        # The plot follows the calibration list on its own request: wait for it as well.
        wait.until(lambda d: d.find_elements(By.CSS_SELECTOR, "#plot-standards svg"))
        self.driver.find_element(By.CSS_SELECTOR, "#tabs [data-tab=unknowns]").click()
        expected = report_table(self.report, "Samp No. / Name")
        wait.until(lambda d: self.shown_rows("unknowns") == expected)
        self.open("standards")
        self.assertEqual(self.js(width), before + 60)

    def test_4_requests_without_the_token_from_a_foreign_host_or_malformed_are_refused(self):
        self.assertEqual(self.request("/api/state"), 200)
        # A second server on the same port is refused the port (exit status 1).
        second = subprocess.run([EXE, "serve", "--port", str(self.port)], capture_output=True,
                                text=True, timeout=30)
        self.assertEqual(second.returncode, 1, second.stdout + second.stderr)
        self.assertEqual(self.request("/api/state", cookie=False), 403)
        self.assertEqual(self.request("/", cookie=False), 403)
        self.assertEqual(self.request("/api/state", host=f"attacker.example:{self.port}"), 403)
        self.assertEqual(self.request("/api/list?name=nothing"), 400)
        self.assertEqual(self.request("/api/list?name=unknowns&from=x"), 400)
        json_type = {"Content-Type": "application/json"}
        self.assertEqual(self.request("/api/stop", body="{}", headers={
            **json_type, "Origin": "http://attacker.example"}), 403)
        self.assertEqual(self.request("/api/stop", body="{}"), 415)
        self.assertEqual(self.request("/api/stop", body="{not json", headers=json_type), 400)
        self.assertEqual(self.request("/api/page/select", body='{"doc": 1}', headers=json_type),
                         400)
        self.assertEqual(self.request("/api/measure", body='{"rate": -5}', headers=json_type),
                         400)
        self.assertEqual(self.request("/api/page/edit", body="x" * 100000, headers=json_type),
                         413)
        self.assertEqual(self.request("/api/state"), 200)


if __name__ == "__main__":
    unittest.main(verbosity=2)
