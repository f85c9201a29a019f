"""Debian's Chromium, headless, driven through its driver: as the page's tests
and benchmarks start it. Each start has a fresh profile, so nothing is cached
from an earlier one."""
from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service

# Without the networking flags Chromium reaches for Google's hosts, which
# these machines refuse; the scale factor keeps one CSS pixel one pixel.
ARGUMENTS = ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-sync",
             "--disable-background-networking", "--disable-component-update", "--force-device-scale-factor=1")


def start(width=1024, height=768, console=False):
    options = Options()
    for a in ARGUMENTS + (f"--window-size={width},{height}",):
        options.add_argument(a)
    if console:
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
