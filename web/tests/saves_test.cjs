// Saved games on the page: the game kept across a reload, named games in the browser's storage,
// a game carried between the page and a terminal as a file, and storage that will not keep one.
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { test } = require('node:test');
const b = require('./browser.cjs');

const kGoesOn = 'Your game goes on where you left it. Type restart to begin again.';
const kRestored = 'Your saved game is back, just as you left it.';
const kTitle = 'To start your adventure, type "Start"';

// The game built for this machine, given the lines, with its saved games in `state`.
function terminal(lines, state) {
  const game = process.env.PRISMORA_NATIVE;
  return execFileSync(game, { cwd: path.dirname(game), input: lines.join('\n') + '\n', encoding: 'utf8',
                              env: { ...process.env, XDG_STATE_HOME: state } });
}

// Whether the story's last words are `line` and the prompt under it.
// The page sets paragraphs apart by its style, without the texts' own spaces in front.
const lastSaid = (text, line) =>
  /\n\n *What would you like to do\?$/.test(text.trimEnd()) &&
  text.trimEnd().replace(/\n\n *What would you like to do\?$/, '').trimEnd().endsWith(line);

async function waiting(page) {
  await page.waitForSelector('#line-form[data-state="waiting"]');
  return b.storyText(page);
}

test('a reload goes on with the game where it was, and restart begins again', async () => {
  const { page, problems, close } = await b.openPage(1280, 800);
  try {
    for (const line of ['start', 'north', 'east', 'south']) await b.typeLine(page, line);
    await waiting(page);
    await page.reload();
    let text = await waiting(page);
    assert.ok(text.includes('Kitchen') && lastSaid(text, kGoesOn), text);
    assert.ok(!text.includes(kTitle), 'the title was shown');
    await b.typeLine(page, 'north');  // the way back is kept too
    assert.ok((await waiting(page)).includes('Cabin Living Room'));
    await b.typeLine(page, 'restart');
    await b.typeLine(page, 'no');
    await b.typeLine(page, 'restart');
    await b.typeLine(page, 'yes');
    assert.ok((await waiting(page)).includes(kTitle));
    await page.reload();
    text = await waiting(page);
    assert.ok(text.includes(kTitle) && !text.includes(kGoesOn), text);
    assert.deepEqual(problems, []);
  } finally {
    await close();
  }
});

test('named games are kept in the browser, in the same bytes a terminal writes', async () => {
  const state = fs.mkdtempSync(path.join(os.tmpdir(), 'prismora-state-'));
  const { page, problems, close } = await b.openPage(1280, 800);
  try {
    for (const line of ['start', 'save castle', 'north', 'restore nope', 'restore castle']) {
      await b.typeLine(page, line);
    }
    const text = await waiting(page);
    assert.ok(text.includes('The saved games are: castle.'), text);
    assert.ok(lastSaid(text, kRestored), text);
    terminal(['start', 'save castle'], state);
    const kept = await page.evaluate(() => localStorage.getItem('prismora.save.castle'));
    assert.equal(kept, fs.readFileSync(path.join(state, 'prismora', 'castle.save'), 'utf8'));
    assert.deepEqual(problems, []);
  } finally {
    await close();
    fs.rmSync(state, { recursive: true });
  }
});

test('a game saved at a terminal opens on a phone, and one downloaded there restores at a terminal', async () => {
  const state = fs.mkdtempSync(path.join(os.tmpdir(), 'prismora-state-'));
  const downloads = fs.mkdtempSync(path.join(os.tmpdir(), 'prismora-downloads-'));
  const { page, problems, close } = await b.openPage(390, 844);
  try {
    await page.setViewport({ width: 390, height: 844, hasTouch: true, isMobile: true });
    terminal(['start', 'north', 'save yard'], state);
    await waiting(page);
    assert.ok(await page.$eval('#download-game', (button) => button.disabled), 'nothing to download yet');
    // Touch opens the browser's own file picker.
    const [chooser] = await Promise.all([page.waitForFileChooser(), page.tap('#open-game')]);
    await chooser.accept([path.join(state, 'prismora', 'yard.save')]);
    await page.waitForFunction((line) => document.getElementById('story').textContent.includes(line), {}, kRestored);
    assert.ok((await waiting(page)).includes('Snowy Yard'));
    await b.typeLine(page, 'east');
    await b.typeLine(page, 'look');
    await waiting(page);

    // The keyboard downloads the game in play.
    const cdp = await page.createCDPSession();
    await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
    await page.focus('#download-game');
    await page.keyboard.press('Enter');
    const file = path.join(downloads, 'prismora.save');
    for (let i = 0; i < 200 && !fs.existsSync(file); i++) await new Promise((r) => setTimeout(r, 50));
    fs.copyFileSync(file, path.join(state, 'prismora', 'fromphone.save'));
    const there = terminal(['restore fromphone', 'south'], state).split(kTitle).pop();
    assert.ok(there.includes(`Cabin Living Room\n\n     You're back in the Living Room.`), there);
    assert.ok(there.includes(kRestored) && there.includes('Kitchen\n'), there);
    assert.deepEqual(problems, []);
  } finally {
    await close();
    fs.rmSync(state, { recursive: true });
    fs.rmSync(downloads, { recursive: true });
  }
});

test('storage that will not keep a game says so once, and the game goes on', async () => {
  const full = (page) => page.evaluateOnNewDocument(() => {
    Storage.prototype.setItem = () => { throw new DOMException('full', 'QuotaExceededError'); };
  });
  const { page, problems, close } = await b.openPage(1280, 800, full);
  try {
    for (const line of ['start', 'north', 'east', 'save']) await b.typeLine(page, line);
    const text = await waiting(page);
    const why = "the browser's storage is full or turned off";
    assert.equal(text.split(`This page can't keep your game if it is closed: ${why}.`).length, 2, text);
    assert.ok(text.includes(`Your game could not be saved: ${why}. The game goes on.`), text);
    assert.ok(text.includes('Cabin Living Room'), 'the game went on');
    assert.deepEqual(problems, []);
  } finally {
    await close();
  }
});
