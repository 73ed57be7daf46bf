#!/usr/bin/python3
"""Row-update latency of photoquant serve, and scrolling a list of 10,000 rows, in real Chromium.

Latency: a run of 300 unknown points measured at 50 points per second; for every unknowns row the
page receives, the time from the end of the instrument's intake (stamped by the server) to the
event's arrival in the page, and to the next frame after it (the row painted). Scrolling: a run of
10,002 unknown rows; the time the page takes to draw the rows in view after a jump of the scroll
position, over 50 jumps.

Usage: bench/serve_latency.py PHOTOQUANT_EXE
"""
import json
import pathlib
import re
import statistics
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

EXE = sys.argv[1]
EXAMPLE = pathlib.Path(__file__).resolve().parent.parent / "examples" / "one-wavelength.json"


def run_file(folder, unknowns):
    run = json.loads(EXAMPLE.read_text())
    run["unknowns"] = [{"name": f"Sample {i + 1}",
                        "readings": [[0.2 + 0.001 * (i % 1000)], [0.201], [0.202]]}
                       for i in range(unknowns)]
    path = pathlib.Path(folder) / f"run-{unknowns}.json"
    path.write_text(json.dumps(run))
    return str(path)


def serve(path):
    server = subprocess.Popen([EXE, "serve", path], stdout=subprocess.PIPE, text=True)
    line = ""
    while "token=" not in line:
        line = server.stdout.readline()
    return server, re.search(r"http://\S+", line).group(0)


def browser(url):
    options = Options()
    options.binary_location = "/usr/bin/chromium"
    for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1400,1000"):
        options.add_argument(arg)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.set_script_timeout(300)
    driver.get(url)
    WebDriverWait(driver, 120).until(
        lambda d: d.find_element(By.TAG_NAME, "body").get_attribute("data-ready") == "true")
    return driver


def summary(values):
    values = sorted(values)
    return (f"median {statistics.median(values):.1f} ms, "
            f"95th percentile {values[int(0.95 * (len(values) - 1))]:.1f} ms, "
            f"max {values[-1]:.1f} ms (n = {len(values)})")


def latency(folder):
    server, url = serve(run_file(folder, 100))
    driver = browser(url)
    try:
        driver.execute_script("""
            window.latency = {arrived: [], painted: []};
            const events = new EventSource('/api/events');
            events.onmessage = (m) => {
              const e = JSON.parse(m.data);
              if (e.kind !== 'row' || e.list !== 'unknowns' || !e.intakeMs) return;
              window.latency.arrived.push(Date.now() - e.intakeMs);
              requestAnimationFrame(() => window.latency.painted.push(Date.now() - e.intakeMs));
            };""")
        driver.find_element(By.CSS_SELECTOR, "#tabs [data-tab=unknowns]").click()
        rate = driver.find_element(By.ID, "rate")
        rate.clear()
        rate.send_keys("50")
        time.sleep(0.5)
        driver.find_element(By.ID, "measure").click()
        WebDriverWait(driver, 120).until(
            lambda d: d.execute_script("return window.latency.painted.length") >= 300)
        result = driver.execute_script("return window.latency")
        print("row update at 50 points/s, intake to event in the page:", summary(result["arrived"]))
        print("row update at 50 points/s, intake to the frame that shows it:",
              summary(result["painted"]))
    finally:
        driver.quit()
        server.terminate()
        server.wait()


def scrolling(folder):
    server, url = serve(run_file(folder, 3334))
    driver = browser(url)
    try:
        driver.find_element(By.CSS_SELECTOR, "#tabs [data-tab=unknowns]").click()
        times = driver.execute_async_script("""
            const done = arguments[0];
            const body = document.querySelector('#list-unknowns .body');
            const times = [];
            let jump = 0;
            const next = () => {
              if (jump === 50) { done(times); return; }
              const row = Math.floor((jump * 7919) % 10000);
              const start = performance.now();
              body.scrollTop = row * 18;
              const check = () => {
                const shown = body.querySelector(`.row[data-row="${row}"]`);
                if (shown) { times.push(performance.now() - start); ++jump; next(); }
                else requestAnimationFrame(check);
              };
              requestAnimationFrame(check);
            };
            next();""")
        frames = driver.execute_async_script("""
            const done = arguments[0];
            const body = document.querySelector('#list-unknowns .body');
            body.scrollTop = 0;
            const gaps = [];
            let blank = 0;
            let last = performance.now();
            const step = () => {
              const now = performance.now();
              gaps.push(now - last);
              last = now;
              const top = Math.floor(body.scrollTop / 18);
              if (!body.querySelector(`.row[data-row="${top}"]`)) ++blank;
              if (body.scrollTop + body.clientHeight >= body.scrollHeight - 1) {
                done({gaps: gaps.slice(1), blank});
                return;
              }
              body.scrollTop += 120;
              requestAnimationFrame(step);
            };
            requestAnimationFrame(step);""")
        print(f"10,002-row list scrolled 120 px a frame from top to bottom: frame interval "
              f"{summary(frames['gaps'])}; frames with the top row not yet drawn: "
              f"{frames['blank']}")
        rows = driver.execute_script(
            "return document.querySelectorAll('#list-unknowns .row').length")
        print(f"10,002-row list, rows drawn after a scroll jump: {summary(times)};"
              f" rows in the page at a time: {rows}")
    finally:
        driver.quit()
        server.terminate()
        server.wait()


with tempfile.TemporaryDirectory() as folder:
    latency(folder)
    scrolling(folder)
