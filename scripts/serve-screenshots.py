#!/usr/bin/python3
"""Screenshots of photoquant serve for docs/: each tab on the built-in example, one of them while
a measurement runs. Uses Debian's chromium through chromium-driver and python3-selenium.

Usage: scripts/serve-screenshots.py PHOTOQUANT_EXE DOCS_DIR
"""
import re
import subprocess
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import Select, WebDriverWait

exe, docs = sys.argv[1], sys.argv[2]
server = subprocess.Popen([exe, "serve"], stdout=subprocess.PIPE, text=True)
url = ""
while "token=" not in url:
    url = server.stdout.readline()
url = re.search(r"http://\S+", url).group(0)
options = Options()
options.binary_location = "/usr/bin/chromium"
for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1360,960",
            "--hide-scrollbars"):
    options.add_argument(arg)
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
try:
    driver.get(url)
    WebDriverWait(driver, 30).until(
        lambda d: d.find_element(By.TAG_NAME, "body").get_attribute("data-ready") == "true")

    def tab(name):
        driver.find_element(By.CSS_SELECTOR, f"#tabs [data-tab={name}]").click()
        time.sleep(0.5)

    def page(name, doc="unknowns"):
        driver.find_element(By.CSS_SELECTOR, f"input[name=sheetdoc][value={doc}]").click()
        driver.find_element(By.CSS_SELECTOR, f"#pagetabs [data-page={name}]").click()
        time.sleep(0.5)

    tab("standards")
    driver.save_screenshot(f"{docs}/serve-standards.png")
    tab("unknowns")
    driver.save_screenshot(f"{docs}/serve-unknowns.png")
    tab("properties")
    page("info")
    Select(driver.find_element(By.CSS_SELECTOR, "#page select")).select_by_index(1)
    time.sleep(0.5)
    driver.save_screenshot(f"{docs}/serve-properties-info.png")
    page("instrument")
    driver.save_screenshot(f"{docs}/serve-properties-instrument.png")
    page("option")
    driver.save_screenshot(f"{docs}/serve-properties-option.png")
    tab("unknowns")
    rate = driver.find_element(By.ID, "rate")
    rate.clear()
    rate.send_keys("5")
    driver.find_element(By.ID, "measure").click()
    time.sleep(4.6)  # the standards and the first unknowns are in
    driver.save_screenshot(f"{docs}/serve-measuring.png")
finally:
    driver.quit()
    server.terminate()
    server.wait(timeout=10)
