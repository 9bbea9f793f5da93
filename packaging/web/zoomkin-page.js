// The game's page: downloads the game with a progress bar, starts it in #screen, and says in plain
// words when the browser cannot run it, when it cannot start, and when it has ended (offering to
// start it again, from the download already made).
'use strict';

const screen = document.getElementById('screen');
const notice = document.getElementById('notice');
const message = document.getElementById('message');
const progress = document.getElementById('progress');
const again = document.getElementById('again');
const { program, entry } = document.currentScript.dataset; // the game, as index.html names it

// The game's own title bars and boxes draw their titles in the game's face too (Qt's style for
// them, inside the screen's shadow root, names a face few systems have).
const TITLE_FACE = '.title-bar .window-name { font-family: "Liberation Sans", Arial, sans-serif; }';

function tell(text, { busy = false, offerAgain = false } = {}) {
    message.textContent = text;
    progress.hidden = !busy;
    again.hidden = !offerAgain;
    notice.hidden = false;
    screen.hidden = true;
}

function megabytes(bytes) {
    return (bytes / 1e6).toFixed(1);
}

// The game's WebAssembly, read as it arrives so that the bar can move.
async function download(url) {
    const response = await fetch(url);
    if (!response.ok)
        throw new Error(`${url}: ${response.status} ${response.statusText}`);
    // (a server that compresses on the fly tells the compressed length, or none)
    const total = response.headers.get('Content-Encoding') ? 0
                                                           : Number(response.headers.get('Content-Length'));
    const reader = response.body.getReader();
    const parts = [];
    let received = 0;
    for (;;) {
        const { done, value } = await reader.read();
        if (done)
            break;
        parts.push(value);
        received += value.length;
        if (total) {
            progress.max = total;
            progress.value = received;
        }
        message.textContent = total ? `Loading the game: ${megabytes(received)} of ${megabytes(total)} MB`
                                    : `Loading the game: ${megabytes(received)} MB`;
    }
    return new Blob(parts).arrayBuffer();
}

let compiled = null; // compiled once: playing again starts at once

async function start() {
    if (typeof WebAssembly !== 'object' || typeof fetch !== 'function') {
        tell('This browser cannot run Zoomkin Race!: it needs WebAssembly, which every current ' +
             'browser has (Chrome, Edge, Firefox or Safari of the last few years).');
        return;
    }
    tell('Loading the game', { busy: true });
    let lastWords = ''; // the last thing the game said on standard error
    try {
        compiled ??= WebAssembly.compile(await download(`${program}.wasm`));
        await qtLoad({
            qt: {
                module: compiled,
                entryFunction: window[entry],
                containerElements: [screen],
                onLoaded: () => {
                    notice.hidden = true;
                    screen.hidden = false;
                },
                onExit: exit => ended(exit, lastWords),
            },
            print: line => console.log(line),
            printErr: line => {
                console.warn(line);
                lastWords = line;
            },
        });
        const style = document.createElement('style');
        style.textContent = TITLE_FACE;
        screen.querySelector('#qt-shadow-container')?.shadowRoot?.append(style);
    } catch (error) {
        compiled = null;
        tell(`Zoomkin Race! could not start: ${error.message || error}`, { offerAgain: true });
    }
}

// The game's end: Quit or the window closed (status 0), an error the game reported (it said what
// in a box, and on standard error), or a crash.
function ended(exit, lastWords) {
    screen.replaceChildren();
    if (exit.crashed)
        tell(`Zoomkin Race! stopped unexpectedly: ${exit.text || lastWords}`, { offerAgain: true });
    else if (exit.code)
        tell(`Zoomkin Race! ended after an error (${lastWords || `status ${exit.code}`}).`,
             { offerAgain: true });
    else
        tell('The game has ended. Thanks for playing Zoomkin Race!', { offerAgain: true });
}

again.addEventListener('click', start);
start();
