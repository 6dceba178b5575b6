#!/usr/bin/env python3
"""Prints slots for real: a private cupsd with a cups-pdf queue as the default printer,
print_probe.exe under Wine printing through the program's own procedure, and the PDFs
read back with poppler's tools.

    print_test.py WINE_RUN PREFIX PROBE

cupsd runs from a temporary folder of its own (configuration, spool, state, logs and a
local socket), so no system printing service is needed or touched; the Wine process and
the CUPS tools reach it through CUPS_SERVER. cups-pdf reads its settings for a queue
from /etc/cups/cups-pdf-NAME.conf, NAME being the path of the queue's device URI: the
test writes one for the run, sending the PDFs to its temporary folder, and removes it
at the end. Starting cupsd and running the cups-pdf backend need root (or sudo -n).
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET

QUEUE = "PDF"
PPD = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"
BACKEND = "/usr/lib/cups/backend/cups-pdf"

ORDER_LINES = ["Shopping list", "alpha one", "bravo two", "charlie three", "delta four"]
PAGE_LINES = ["line%03d" % i for i in range(1, 151)]
# The faces the probe asks for and the DejaVu faces the test's prefix substitutes for them.
ORDER_FONTS = {"DejaVuSerif-Bold", "DejaVuSansMono-Oblique"}  # Times New Roman bold, Courier New italic
PAGE_FONTS = {"DejaVuSansMono"}  # Courier New

FONT_SUBSTITUTES = r"HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes"

failures = []


def check(condition, what):
    print(("ok:   " if condition else "FAIL: ") + what, flush=True)
    if not condition:
        failures.append(what)
    return condition


def as_root(args):
    return args if os.geteuid() == 0 else ["sudo", "-n"] + args


def run(args, env=None, timeout=60):
    return subprocess.run(args, env=env, timeout=timeout, capture_output=True, text=True)


class PrivateCups:
    def __init__(self, folder):
        self.folder = folder
        self.socket = os.path.join(folder, "cups.sock")
        self.pdf = os.path.join(folder, "pdf")
        self.uri_name = "slotpad-test-%d" % os.getpid()
        self.pdf_conf = "/etc/cups/cups-pdf-%s.conf" % self.uri_name
        self.env = dict(os.environ, CUPS_SERVER=self.socket)
        self.process = None

    def start(self):
        root = os.path.join(self.folder, "root")
        for sub in ("root", "spool", "cache", "state", "log", "pdf", "pdfspool"):
            os.makedirs(os.path.join(self.folder, sub))
        # cupsd's own users (lp) and cups-pdf's writer need to reach into the folder.
        os.chmod(self.folder, 0o755)
        os.chmod(self.pdf, 0o1777)
        with open(os.path.join(root, "cupsd.conf"), "w") as f:
            f.write(f"""Listen {self.socket}
LogLevel warn
PageLogFormat %j %{{job-name}}
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
""")
        with open(os.path.join(root, "cups-files.conf"), "w") as f:
            f.write(f"""ServerRoot {root}
RequestRoot {self.folder}/spool
CacheDir {self.folder}/cache
StateDir {self.folder}/state
ErrorLog {self.folder}/log/error_log
AccessLog {self.folder}/log/access_log
PageLog {self.folder}/log/page_log
User lp
Group lp
SystemGroup root
""")
        conf = f"Out {self.pdf}\nSpool {self.folder}/pdfspool\nLog {self.folder}/log\nLabel 2\nGrp root\n"
        try:
            subprocess.run(as_root(["tee", self.pdf_conf]), input=conf, text=True, check=True,
                           stdout=subprocess.DEVNULL, timeout=10)
        except (subprocess.SubprocessError, OSError) as e:
            return f"cannot write {self.pdf_conf}: {e}"
        args = as_root(["cupsd", "-f", "-c", os.path.join(root, "cupsd.conf"),
                        "-s", os.path.join(root, "cups-files.conf")])
        try:
            self.process = subprocess.Popen(args, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        except OSError as e:
            return f"cupsd could not be run: {e}"
        deadline = time.time() + 30
        while time.time() < deadline:
            if self.process.poll() is not None:
                return "cupsd exited at start: " + self.process.stdout.read().strip() + self.error_log()
            if run(["lpstat", "-r"], env=self.env, timeout=10).stdout.strip() == "scheduler is running":
                return None
            time.sleep(0.3)
        return "cupsd did not answer within 30 s" + self.error_log()

    def job_names(self):
        names = {}
        try:
            with open(os.path.join(self.folder, "log", "page_log")) as f:
                for line in f:
                    job, _, name = line.rstrip("\n").partition(" ")
                    names[int(job)] = name
        except (OSError, ValueError) as e:
            print("page log:", e)
        print("jobs in the page log:", names)
        return names

    def error_log(self):
        try:
            with open(os.path.join(self.folder, "log", "error_log")) as f:
                return "\n" + f.read()
        except OSError:
            return ""

    def add_default_queue(self):
        for args in (["lpadmin", "-p", QUEUE, "-v", "cups-pdf:/" + self.uri_name, "-E", "-P", PPD],
                     ["lpadmin", "-d", QUEUE]):
            result = run(as_root(["env", "CUPS_SERVER=" + self.socket] + args), timeout=30)
            if result.returncode != 0:
                return " ".join(args) + ": " + result.stderr.strip()
        return None

    def wait_for_pdfs(self, count, timeout=180):
        deadline = time.time() + timeout
        while time.time() < deadline:
            busy = run(["lpstat", "-W", "not-completed", "-o"], env=self.env, timeout=10).stdout.strip()
            pdfs = sorted((f for f in os.listdir(self.pdf) if f.endswith(".pdf")), key=job_number)
            if not busy and len(pdfs) >= count:
                return [os.path.join(self.pdf, f) for f in pdfs]
            time.sleep(0.5)
        return None

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=20)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        subprocess.run(as_root(["rm", "-f", self.pdf_conf]), timeout=10)


def job_number(name):
    found = re.search(r"job_(\d+)", name)
    return int(found.group(1)) if found else 0


def text_lines(pdf):
    """The lines of each page, as (top of the line in points, its words joined)."""
    out = run(["pdftotext", "-bbox", pdf, "-"]).stdout
    tree = ET.fromstring(re.sub(r'\sxmlns="[^"]+"', "", out, count=1))
    pages = []
    for page in tree.iter("page"):
        lines = {}
        for word in page.iter("word"):
            top = round(float(word.get("yMin")), 1)
            key = next((k for k in lines if abs(k - top) < 2.0), top)
            lines.setdefault(key, []).append((float(word.get("xMin")), word.text))
        pages.append([(top, " ".join(w for _, w in sorted(words))) for top, words in sorted(lines.items())])
    return pages


def font_names(pdf):
    out = run(["pdffonts", pdf]).stdout.splitlines()[2:]
    return {line.split()[0].split("+")[-1] for line in out if line.strip()}


def page_count(pdf):
    found = re.search(r"^Pages:\s+(\d+)", run(["pdfinfo", pdf]).stdout, re.M)
    return int(found.group(1)) if found else 0


def run_probe(wine_run, prefix, probe, mode, cups):
    result = run([wine_run, prefix, probe, mode], env=cups.env, timeout=300)
    print(f"print_probe {mode} (exit {result.returncode}):\n{result.stdout}{result.stderr}", flush=True)
    return result


def main():
    wine_run, prefix, probe = sys.argv[1:4]
    # A test stopped by its time limit still stops its cupsd and removes its files.
    for stop in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(stop, lambda number, frame: sys.exit(f"stopped by signal {number}"))
    for tool in ("cupsd", "lpadmin", "lpstat", "pdftotext", "pdffonts", "pdfinfo"):
        if not shutil.which(tool) and not os.path.exists("/usr/sbin/" + tool):
            print(f"FAIL: {tool} is missing (scripts/install-deps installs it)")
            return 1
    if not os.path.exists(BACKEND) or not os.path.exists(PPD):
        print("FAIL: cups-pdf is missing (scripts/install-deps installs printer-driver-cups-pdf)")
        return 1

    folder = tempfile.mkdtemp(prefix="slotpad-print.")
    cups = PrivateCups(folder)
    try:
        problem = cups.start()
        if problem:
            print("FAIL: the test's own cupsd could not start, so nothing was printed: " + problem)
            return 1

        # No queue at all: the job must not start, and the message says why.
        # The Windows faces are not on this machine; each gets a distinct DejaVu face, as a
        # Windows machine has the faces themselves, so the PDF tells which font printed what.
        for face, stand_in in (("Times New Roman", "DejaVu Serif"), ("Courier New", "DejaVu Sans Mono"),
                               ("Arial", "DejaVu Sans")):
            added = run([wine_run, prefix, "reg", "add", FONT_SUBSTITUTES, "/v", face, "/d", stand_in, "/f"],
                        timeout=120)
            if added.returncode != 0:
                print(f"FAIL: the font substitute for {face} could not be set: {added.stdout}{added.stderr}")
                return 1

        refused = run_probe(wine_run, prefix, probe, "no-printer", cups)
        check(refused.returncode == 0, "with no printer the job does not start")
        check("message refused: The slot could not be printed: there is no default printer.\n" in refused.stdout,
              "the message says there is no default printer")

        problem = cups.add_default_queue()
        if problem:
            print("FAIL: the PDF queue could not be added: " + problem)
            return 1
        printed = run_probe(wine_run, prefix, probe, "print", cups)
        check(printed.returncode == 0 and printed.stdout.count("printed ") == 3, "all three jobs were printed")

        pdfs = cups.wait_for_pdfs(3)
        if not check(pdfs is not None, "three PDFs came out of the queue"):
            print("in the output folder:", os.listdir(cups.pdf), cups.error_log())
            return 1
        order, pages, empty = pdfs[:3]
        check(cups.job_names() == {1: "SlotPad", 2: "SlotPad", 3: "SlotPad"}, "each command is one job named SlotPad")

        order_pages = text_lines(order)
        print("order job:", order_pages, "fonts:", font_names(order))
        check(len(order_pages) == 1 and [t for _, t in order_pages[0]] == ORDER_LINES,
              "description, then the text split at CR LF, LF and CR, nothing else")
        check(font_names(order) == ORDER_FONTS, f"the chosen faces are used: {sorted(ORDER_FONTS)}")

        empty_pages = text_lines(empty)
        print("empty-description job:", empty_pages)
        check(len(empty_pages) == 1 and [t for _, t in empty_pages[0]] == ["echo five"],
              "an empty description prints no text")
        if len(order_pages) == 1 and len(order_pages[0]) >= 2 and empty_pages and empty_pages[0]:
            desc_top, text_top = order_pages[0][0][0], order_pages[0][1][0]
            check(abs(empty_pages[0][0][0] - text_top) < 1.0,
                  "two empty description lines stand where the description and its empty line stand")
            # The text starts two description lines down: the description's and the empty one's.
            line_gap = text_top - desc_top
            check(line_gap > 1.6 * 14 * 1.1, f"an empty line separates description and text ({line_gap:.1f} pt)")

        page_lines = text_lines(pages)
        count = page_count(pages)
        print("pages job:", count, "pages,", [len(p) for p in page_lines], "lines each; fonts:", font_names(pages))
        check(count >= 2, "150 lines of 12 points need more than one page")
        check([t for page in page_lines for _, t in page] == PAGE_LINES, "every line once, in order, over the pages")
        check(len(page_lines) >= 2 and page_lines[1] and abs(page_lines[1][0][0] - page_lines[0][0][0]) < 1.0,
              "the next page starts at the top, as the first did")
        check(font_names(pages) == PAGE_FONTS, f"the chosen face is used: {sorted(PAGE_FONTS)}")
    finally:
        cups.stop()
        subprocess.run(["env", "WINEPREFIX=" + prefix, "wineserver", "-k"], capture_output=True, timeout=30)
        subprocess.run(as_root(["rm", "-rf", folder]), timeout=30)
    if failures:
        print(f"{len(failures)} check(s) failed")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
