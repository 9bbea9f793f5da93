#!/usr/bin/python3
"""Plays the game's page in headless Chromium as a player would, and judges what is drawn.

usage: play_in_chromium.py ZIP LAYOUT_PROGRAM SHOTS

The zip's page is served on 127.0.0.1 and played through Selenium and Debian's chromedriver:
hovering a caption turns it red and shows the cheer; a race without a pick and one with a pick
show their boxes (read as a screen reader reads them: the title bar and the text) in an order the
roster allows, and put the racers back on the start line; Quit ends the game and the page says so;
Play again starts it anew; the link to the licences and source stays in reach; nothing reaches
the console as an error; a page whose game is missing says it could not start. Screenshots land
in SHOTS.
"""
import atexit, functools, http.server, io, os, shutil, subprocess, sys, tempfile, threading, time, zipfile
from PIL import Image
from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

zip_path, layout_program, shots = sys.argv[1:4]
os.makedirs(shots, exist_ok=True)
# The window's layout, as zoomkin-layout prints it: nothing about the window is written here.
layout = [line.split('\t') for line in subprocess.check_output([layout_program], text=True).splitlines()]
field = {row[0]: row[1:] for row in layout}
rect = {row[1]: tuple(map(int, row[3:7])) for row in layout if row[0] == 'control'}
wins = [row[3] for row in layout if row[0] == 'racer']  # the win messages, in roster order
announce = {row[1]: row[2] for row in layout if row[0] == 'announce'}
TITLE, BOX_TITLE, CLIENT_H, START_X = field['title'][0], field['app'][0], int(field['client'][1]), int(field['start'][0])


def fail(why):
    sys.exit(f'play_in_chromium: {why}')


def wait_for(what, check, seconds=60):
    """CHECK's answer once it has one; failing, after SECONDS, when WHAT names what was awaited."""
    deadline = time.monotonic() + seconds
    while not (found := check()) and time.monotonic() < deadline:
        time.sleep(0.1)
    return found or (what and fail(f'{what}: not seen in {seconds} s'))


# The page, served from a copy of the zip as a static host would serve it.
site = tempfile.mkdtemp()
atexit.register(shutil.rmtree, site)
zipfile.ZipFile(zip_path).extractall(site)
quiet = type('Quiet', (http.server.SimpleHTTPRequestHandler,), {'log_message': lambda *a: None})
server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(quiet, directory=site))
threading.Thread(target=server.serve_forever, daemon=True).start()
options = webdriver.ChromeOptions()
options.binary_location = '/usr/bin/chromium'
for argument in ('--headless=new', '--no-sandbox', '--window-size=1000,760', '--force-device-scale-factor=1',
                 '--enable-unsafe-swiftshader', '--use-angle=swiftshader'):  # (WebGL without a GPU)
    options.add_argument(argument)
options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
driver = webdriver.Chrome(options=options, service=webdriver.ChromeService('/usr/bin/chromedriver'))
atexit.register(driver.quit)  # however the play ends
driver.get(f'http://127.0.0.1:{server.server_port}/index.html')

# Every window of the game as the page holds it: a key of its own, its title, where its canvas is
# drawn, and the texts a screen reader is given in it (once the reader has asked Qt for them).
WINDOWS = '''const root = document.querySelector('#qt-shadow-container')?.shadowRoot;
    [...root?.querySelectorAll('button') ?? []].filter(b => b.innerText.includes('Screen Reader'))
        .forEach(b => b.click());
    return [...root?.querySelectorAll('.qt-window') ?? []].filter(w => w.style.display !== 'none').map(w => {
        const r = w.querySelector('canvas').getBoundingClientRect();
        w.dataset.key ??= Math.random();
        return {key: w.dataset.key, title: w.querySelector('.window-name')?.textContent ?? '', x: r.x,
                y: r.y, w: r.width, h: r.height, text: [...w.querySelectorAll('textarea')].map(t => t.value).join(' ')};
    });'''


def windows(title):
    return [w for w in driver.execute_script(WINDOWS) if w['title'] == title]


def shot(name):
    png = driver.get_screenshot_as_png()
    with open(os.path.join(shots, name + '.png'), 'wb') as file:
        file.write(png)
    return Image.open(io.BytesIO(png)).convert('RGB')


def point(x, y, click=False):
    actions = ActionChains(driver)
    actions.w3c_actions.pointer_action.move_to_location(int(x), int(y))
    if click:
        actions.w3c_actions.pointer_action.click()
    actions.perform()
    time.sleep(0.3)


def licences_reachable(moment):
    """The link to the licences and source is on the page, with nothing over it."""
    if not driver.execute_script('''const a = document.getElementById('legal'), r = a?.getBoundingClientRect();
            return r?.width > 0 && document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2) === a;'''):
        fail(f'{moment}, the link to the licences and source is hidden or covered')


def open_game():
    """The game's window once drawn, and where its client area is (under its menu bar)."""
    global game, ox, oy
    game = wait_for('the game window', lambda: windows(TITLE))[0]
    ox, oy = game['x'], game['y'] + game['h'] - CLIENT_H


def choose(item):
    """Race > Go (item 0) or Race > Quit (item 1), with the pointer."""
    point(game['x'] + 20, game['y'] + 10, click=True)  # Race, on the menu bar
    menu = wait_for('the Race menu', lambda: windows(''))[0]  # (a menu has no title bar)
    point(menu['x'] + 20, menu['y'] + menu['h'] * (0.25 + item / 2), click=True)


def count(image, role, test, left=None, width=None):
    """How many pixels pass TEST in ROLE's rectangle (moved to LEFT, cut to WIDTH if given)."""
    x, y, w, h = rect[role]
    x, w = x if left is None else left, w if width is None else width
    return sum(test(image.getpixel((int(ox + x + i), int(oy + y + j)))) for i in range(w) for j in range(h))


red = lambda p: p[0] >= 200 and p[1] <= 80 and p[2] <= 80
inked = lambda p: max(p) < 160


def race(backed):
    """Race > Go; reads and answers every box, in an order the roster allows; checks the reset."""
    choose(0)
    says = [message if n != backed else announce['you'] for n, message in enumerate(wins, 1)]
    seen, finisher, key = [], -1, None
    # a race announces its finishers in roster order, one box each, or the tie alone
    while box := wait_for(None if seen else 'a box after Go', lambda: next(
            (b for b in windows(BOX_TITLE) if b['text'] and b['key'] != key), None), 3 if seen else 30):
        seen.append(box['text'])
        len(seen) == 1 and shot(f'box-{backed}')
        if box['text'] == announce['tie'] and len(seen) == 1:
            finisher = len(says)
        elif box['text'] in says[finisher + 1:]:
            finisher = says.index(box['text'], finisher + 1)
        else:
            fail(f'box {len(seen)} says {box["text"]!r}: no finisher after the last ({seen})')
        ActionChains(driver).send_keys(Keys.ENTER).perform()
        key = box['key']
    after = shot(f'reset-{backed}')
    for n in range(1, 5):
        if count(after, f'picture {n}', lambda p: p != background, left=START_X) < 100:
            fail(f'after the race racer {n} is not back on the start line (reset-{backed}.png)')
    print(f'racer {backed or "none"} backed: {seen}')


if driver.title != TITLE:
    fail(f"the page is titled '{driver.title}', not '{TITLE}'")
licences_reachable('while the game loads')
open_game()
licences_reachable('during the game')
if abs(game['w'] - int(field['client'][0])) > 2:  # at its own size, not stretched over the page
    fail(f"the window's client area is {game['w']} wide, not {field['client'][0]}")
start = shot('window')
if count(start, 'option 2', red) or count(start, 'cheer 2', inked):
    fail('before any hover, Marnox is red or its cheer shows (window.png)')
x, y, w, h = rect['option 2']
point(ox + x + w - 10, oy + y + h / 2)
hovered = shot('hover')
if count(hovered, 'option 2', red) < 20 or count(hovered, 'cheer 2', inked) < 20:
    fail('hovering Marnox did not turn its caption red and show its cheer (hover.png)')
bx, by = map(int, field['bare'])
point(ox + bx, oy + by)
bare = shot('bare')
background = bare.getpixel((int(ox + bx), int(oy + by)))
if count(bare, 'option 2', red):
    fail('over the bare window Marnox stays red (bare.png)')
race(0)
unpicked = count(shot('bare'), 'option 2', inked, width=h)  # its circle, at the left
point(ox + x + 6, oy + y + h / 2, click=True)  # backs Marnox
if count(shot('picked'), 'option 2', inked, width=h) < unpicked + 10:
    fail('Marnox is not drawn backed once clicked (picked.png)')
race(2)
choose(1)
wait_for('the page saying the game has ended', lambda: driver.find_element('id', 'again').is_displayed())
shot('ended')
licences_reachable('once the game has ended')
driver.find_element('id', 'again').click()
open_game()
if errors := [entry['message'] for entry in driver.get_log('browser') if entry['level'] == 'SEVERE']:
    fail('the console has errors:\n' + '\n'.join(errors))
os.remove(os.path.join(site, 'zoomkin-race.wasm'))
driver.refresh()
wait_for('the page saying the game could not start', lambda: 'could not start' in driver.find_element('id', 'message').text)
print('play_in_chromium: the page played as a player plays it')
