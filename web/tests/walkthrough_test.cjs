// The whole walkthrough typed into the page at a phone's size, 390 by 844.
const assert = require('node:assert/strict');
const { test } = require('node:test');
const b = require('./browser.cjs');

// Whether the page scrolls sideways, and whether the box to type in is inside the view.
function layout() {
  const box = document.getElementById('line').getBoundingClientRect();
  const story = document.getElementById('story');
  return {
    sideways: document.documentElement.scrollWidth > innerWidth || story.scrollWidth > story.clientWidth,
    inputVisible: box.top >= 0 && box.bottom <= innerHeight && box.width > 0,
  };
}

// Words of the story drawn on more than one line: the browser broke them.
function brokenWords() {
  const broken = [];
  const walker = document.createTreeWalker(document.getElementById('story'), NodeFilter.SHOW_TEXT);
  const range = document.createRange();
  for (let node = walker.nextNode(); node; node = walker.nextNode()) {
    if (node.parentElement.closest('.player')) continue;
    for (const word of node.data.matchAll(/\S+/g)) {
      range.setStart(node, word.index);
      range.setEnd(node, word.index + word[0].length);
      const lines = new Set([...range.getClientRects()].map((r) => Math.round(r.top)));
      if (lines.size > 1) broken.push(word[0]);
    }
  }
  return broken;
}

test('the walkthrough on a phone reads as the piped game does, and can be played again', async () => {
  await b.withPage(390, 844, async (page) => {
    // North at the yard on the way in: the gate scene, whose sentences run across its messages.
    const lines = b.walkthrough();
    lines.splice(lines.indexOf('north') + 1, 0, 'north');
    for (const [i, line] of lines.entries()) {
      await b.typeLine(page, line);
      if (i === lines.length - 1) break;
      await page.waitForSelector('#line-form[data-state="waiting"]');
      assert.deepEqual(await page.evaluate(layout), { sideways: false, inputVisible: true }, `after "${line}"`);
    }
    await b.untilEnded(page);
    // The final scene from its heading at the top of the view; the end and another game below.
    const heading = await b.inView(page, '.scene:last-child h2');
    const end = await b.inView(page, '.end');
    assert.ok(heading.top >= 0 && heading.top < 60, `the final heading at ${heading.top}`);
    assert.ok(end.top > end.height, `the end at ${end.top}, under the view`);
    assert.deepEqual(b.words(await b.storyText(page)), b.words(b.nativeOutput(lines)));
    assert.deepEqual(await page.evaluate(brokenWords), []);
    // The Red Stone in its colour, which is not the text's.
    assert.ok(await page.$eval('.colour-red', (s) => getComputedStyle(s).color !== getComputedStyle(s.parentElement).color));
    const titles = () => page.$$eval('.text', (t) => t.filter((e) => e.textContent.includes('To start your adventure')).length);
    assert.equal(await titles(), 1);
    await page.click('.end button');
    await page.waitForSelector('#line-form[data-state="waiting"]');
    assert.equal(await titles(), 2);
  });
});
