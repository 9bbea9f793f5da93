#!/usr/bin/python3
"""The game's page (A) against a bare Qt window's page (B), in headless Chromium: what a player
downloads, and the time from navigation to the first frame. Figures only.

usage: startup_web.py [--pairs N] SITE BASELINE
       (SITE: the page's folder, build-web/site; BASELINE: the bare window's .js, beside its .wasm)

Both pages are the game's own page, the bare window's a copy of it loading the bare window; one
server on 127.0.0.1 serves both. Every run loads its page afresh with the browser's cache off, so
that it downloads and compiles its WebAssembly again. Its first frame is the first animation
frame after one in which the program's window is on the page.
"""
import argparse, functools, gzip, http.server, os, shutil, statistics, subprocess, tempfile, threading, time
from selenium import webdriver

FIRST_FRAME = '''(function watch() {
    const root = document.querySelector('#qt-shadow-container')?.shadowRoot;
    if ([...root?.querySelectorAll('.qt-window') ?? []].some(w => w.style.display === 'block'))
        requestAnimationFrame(() => { window.firstFrame = performance.now(); });
    else
        requestAnimationFrame(watch);
})();'''


def download(site):
    print('%-28s %10s %10s %10s' % ('what a player downloads', 'raw', 'gzip -9', 'brotli -q 11'))
    total = [0, 0, 0]
    for name in sorted(os.listdir(site)):
        if os.path.isdir(os.path.join(site, name)):  # (legal/: licences and source, never loaded to play)
            continue
        data = open(os.path.join(site, name), 'rb').read()
        sizes = [len(data), len(gzip.compress(data, 9)),
                 len(subprocess.run(['brotli', '-q', '11', '-c'], input=data, capture_output=True).stdout)]
        if not name.startswith('LICENSE'):
            total = [t + s for t, s in zip(total, sizes)]
        print('%-28s %10d %10d %10d' % (name, *sizes))
    print('%-28s %10d %10d %10d   (goal: at most 5 MB gzipped)' % ('the page, licences aside', *total))


def main():
    parser = argparse.ArgumentParser(usage=__doc__.split('usage: ')[1])
    parser.add_argument('--pairs', type=int, default=10)
    parser.add_argument('site')
    parser.add_argument('baseline')
    args = parser.parse_args()
    download(args.site)

    pages = tempfile.mkdtemp()
    shutil.copytree(args.site, pages, dirs_exist_ok=True)
    bare = os.path.basename(args.baseline)[:-3]
    for suffix in ('.js', '.wasm'):
        shutil.copy(args.baseline[:-3] + suffix, pages)
    with open(os.path.join(pages, 'index.html')) as page, open(os.path.join(pages, 'bare.html'), 'w') as copy:
        copy.write(page.read().replace('"zoomkin-race.js"', f'"{bare}.js"')
                   .replace('data-program="zoomkin-race"', f'data-program="{bare}"')
                   .replace('data-entry="zoomkinRace"', f'data-entry="{bare}_entry"'))
    quiet = type('Quiet', (http.server.SimpleHTTPRequestHandler,), {'log_message': lambda *a: None})
    server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(quiet, directory=pages))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    options = webdriver.ChromeOptions()
    options.binary_location = '/usr/bin/chromium'
    for argument in ('--headless=new', '--no-sandbox', '--window-size=1000,760', '--enable-unsafe-swiftshader'):
        options.add_argument(argument)
    driver = webdriver.Chrome(options=options, service=webdriver.ChromeService('/usr/bin/chromedriver'))
    driver.execute_cdp_cmd('Network.setCacheDisabled', {'cacheDisabled': True})
    driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument', {'source': FIRST_FRAME})

    def first_frame(page):
        driver.get(f'http://127.0.0.1:{server.server_port}/{page}')
        deadline = time.monotonic() + 60
        while (ms := driver.execute_script('return window.firstFrame')) is None and time.monotonic() < deadline:
            time.sleep(0.01)
        if ms is None:
            raise SystemExit(f'startup_web.py: {page} drew no frame in 60 s')
        return ms

    runs = [(first_frame('index.html'), first_frame('bare.html')) for _ in range(args.pairs + 1)][1:]  # 1 warms up
    driver.quit()
    shutil.rmtree(pages)
    a, b = (statistics.median(run[i] for run in runs) for i in (0, 1))
    print(f'\nnavigation to first frame, median of {len(runs)} pairs: A (game) {a:.0f} ms, '
          f'B (bare window) {b:.0f} ms; median of the per-pair ratios {statistics.median(x / y for x, y in runs):.3f} '
          '(goal: at most 1.10)')


main()
