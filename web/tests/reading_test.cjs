// Nothing the player types or has still to read is lost: typing while the game loads, and a scene
// the game clears away at once.
const assert = require('node:assert/strict');
const { test } = require('node:test');
const b = require('./browser.cjs');

test('a line typed while the game loads is sent once it is ready', async () => {
  const held = [];
  await b.withPage(390, 844, async (page) => {
    await page.waitForFunction(() => window.prismora !== undefined);
    await page.type('#line', 'start');
    await page.keyboard.press('Enter');
    assert.equal(held.length, 1, 'the game is still loading');
    await held[0].continue();
    await page.waitForSelector('.scene h2');
    assert.deepEqual(await page.$$eval('.player', (lines) => lines.map((l) => l.textContent)), ['> start']);
    assert.equal(await page.$eval('h2', (h) => h.textContent), 'Mountain Path');
  }, async (p) => {
    await p.setRequestInterception(true);
    p.on('request', (request) => (request.url().endsWith('.wasm') ? held.push(request) : request.continue()));
  });
});

test('the gate scene after the yard\'s one-time screen is read before the yard comes back', async () => {
  await b.withPage(1280, 800, async (page) => {
    for (const line of ['start', 'north', 'east', 'west', 'north']) await b.typeLine(page, line);
    await page.waitForSelector('#line-form[data-state="waiting"]');
    // The view starts at the player's line, the scene under it; the yard is a new scene below.
    const player = await b.inView(page, '.scene:nth-last-child(2) .player:last-of-type');
    assert.ok(player.top >= 0 && player.top < 40, `the player's line at ${player.top}`);
    const scene = await page.$eval('.scene:nth-last-child(2)', (s) => s.innerText);
    assert.match(scene, /You walk up to the gate[^]*Good to know\.$/);
    assert.equal(await page.$eval('.scene:last-child h2', (h) => h.textContent), 'Snowy Yard');
  });
});
