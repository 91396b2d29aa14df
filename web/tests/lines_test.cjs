// Lines the page must take as a terminal does: an overlong line, a bad pattern in the response
// file, and the end of input.
const assert = require('node:assert/strict');
const { test } = require('node:test');
const b = require('./browser.cjs');

const kSorry = 'Sorry, not sure what you mean. Please enter a different response.';
const count = (text, part) => text.split(part).length - 1;

test('a 300-byte line gets the sorry line, and the game goes on', async () => {
  const { page, problems, close } = await b.openPage(1280, 800);
  try {
    // Cut to 256 bytes, it would be understood (examine anything).
    const lines = ['start', `examine the ${'n'.repeat(288)}`, 'look'];
    for (const line of lines) await b.typeLine(page, line);
    await page.waitForSelector('#line-form[data-state="waiting"]');
    const text = await b.storyText(page);
    assert.equal(count(text, kSorry), 1);
    assert.deepEqual(b.words(text), b.words(b.nativeOutput(lines)));
    assert.deepEqual(problems, []);
  } finally {
    await close();
  }
});

test('a bad pattern in the response file is reported and the next line still understood', async () => {
  const { page, problems, close } = await b.openPage(1280, 800);
  try {
    await page.waitForSelector('#line-form[data-state="waiting"]');
    await page.evaluate(async () => {
      const game = await window.prismora;
      const lines = game.FS.readFile('/PlayerResponse.txt', { encoding: 'utf8' }).split('\n');
      lines[0] = '(unclosed';
      game.FS.writeFile('/PlayerResponse.txt', lines.join('\n'));
    });
    await b.typeLine(page, 'start');
    await page.waitForSelector('#line-form[data-state="waiting"]');
    const text = await b.storyText(page);
    assert.match(text, /PlayerResponse\.txt:1: not a valid pattern: /);
    assert.ok(text.includes('Mountain Path'), 'start understood');
    assert.deepEqual(problems, []);
  } finally {
    await close();
  }
});

// Ctrl-D at a keyboard, the End game button on a phone (asked twice); then Enter in the box starts
// another game, and the line typed is its first.
test('Ctrl-D or the End game button ends the game cleanly, and Enter starts another', async () => {
  const ends = [{ width: 1280, before: [], end: 'ctrl-d' }, { width: 390, before: ['start', 'look'], end: 'button' }];
  for (const { width, before, end } of ends) {
    const { page, problems, close } = await b.openPage(width, 800);
    try {
      for (const line of before) await b.typeLine(page, line);
      await page.waitForSelector('#line-form[data-state="waiting"]');
      if (end === 'button') {
        await page.tap('#end-game');
        assert.equal(await page.$eval('#line-form', (f) => f.dataset.state), 'waiting', 'one tap ends nothing');
        await page.tap('#end-game');
      } else {
        await page.keyboard.down('Control');
        await page.keyboard.press('d');
        await page.keyboard.up('Control');
      }
      await b.untilEnded(page);
      assert.equal(await page.$eval('.end p', (p) => p.textContent), 'The story has ended.');
      const told = await b.inView(page, '.end');
      assert.ok(told.top >= 0 && told.bottom <= told.height, `the end in view: ${JSON.stringify(told)}`);
      await page.type('#line', 'start');
      await page.keyboard.press('Enter');
      await page.waitForFunction(() => document.querySelector('.scene:last-child h2')?.textContent === 'Mountain Path');
      assert.deepEqual(problems, [], end);
    } finally {
      await close();
    }
  }
});
