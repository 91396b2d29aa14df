// Lines the page must take as a terminal does: an overlong line, a bad pattern in the response
// file, and Ctrl-D.
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

test('Ctrl-D ends the game cleanly, at the title and in play', async () => {
  for (const before of [[], ['start', 'look']]) {
    const { page, problems, close } = await b.openPage(1280, 800);
    try {
      for (const line of before) await b.typeLine(page, line);
      await page.waitForSelector('#line-form[data-state="waiting"]');
      await page.keyboard.down('Control');
      await page.keyboard.press('d');
      await page.keyboard.up('Control');
      await b.untilEnded(page);
      assert.equal(await page.$eval('.end p', (p) => p.textContent), 'The story has ended.');
      assert.deepEqual(problems, [], before.join());
    } finally {
      await close();
    }
  }
});
