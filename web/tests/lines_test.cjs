// Lines the page must take as a terminal does: an overlong line, a bad pattern in the response
// file, and the end of input.
const assert = require('node:assert/strict');
const { test } = require('node:test');
const b = require('./browser.cjs');

const kSorry = 'Sorry, not sure what you mean. Please enter a different response.';
const count = (text, part) => text.split(part).length - 1;

test('a 300-byte line gets the sorry line, and the game goes on', async () => {
  await b.withPage(1280, 800, async (page) => {
    // Cut to 256 bytes, it would be understood (examine anything).
    const lines = ['start', `examine the ${'n'.repeat(288)}`, 'look'];
    for (const line of lines) await b.typeLine(page, line);
    await page.waitForSelector('#line-form[data-state="waiting"]');
    const text = await b.storyText(page);
    assert.equal(count(text, kSorry), 1);
    assert.deepEqual(b.words(text), b.words(b.nativeOutput(lines)));
  });
});

test('a bad pattern in the response file is reported and the next line still understood', async () => {
  await b.withPage(1280, 800, async (page) => {
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
  });
});

// Ctrl-D at a keyboard, the End game button on a phone (asked twice); the end in view. Then Enter
// in the box starts another game, and the line typed is its first.
test('Ctrl-D or the End game button ends the game cleanly, and Enter starts another', async () => {
  for (const [width, before] of [[1280, []], [390, ['start', 'look']]]) {
    await b.withPage(width, 800, async (page) => {
      for (const line of before) await b.typeLine(page, line);
      await page.waitForSelector('#line-form[data-state="waiting"]');
      if (width < 500) {
        await page.tap('#end-game');
        assert.equal(await page.$eval('#line-form', (f) => f.dataset.state), 'waiting', 'one tap');
        await page.tap('#end-game');
      } else {
        await page.keyboard.down('Control');
        await page.keyboard.press('d');
        await page.keyboard.up('Control');
      }
      await b.untilEnded(page);
      assert.equal(await page.$eval('.end p', (p) => p.textContent), 'The story has ended.');
      const told = await b.inView(page, '.end');
      assert.ok(told.top >= 0 && told.bottom <= told.height, `the end at ${told.top}`);
      await page.type('#line', 'start');
      await page.keyboard.press('Enter');
      await page.waitForFunction(() => document.querySelector('.scene:last-child h2')?.textContent === 'Mountain Path');
    });
  }
});
