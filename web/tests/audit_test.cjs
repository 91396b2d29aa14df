// axe-core, the engine behind the common browser audits, on the title and after a few moves, in
// the light and dark themes, at a desktop's and a phone's size: nothing to find. The keys named
// under the box and in the guide are those that work there, and the guide is a list.
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { test } = require('node:test');
const b = require('./browser.cjs');
// The help guide's rows of a command and its meaning, as the story's data writes them.
const kGuideRows = fs.readFileSync(path.join(__dirname, '..', '..', 'data', 'story.txt'), 'utf8')
  .split('\n@ ').filter((part) => /^kHelpGuide\[\d+\]\n\|  \S/.test(part)).length;

const axe = path.join(path.dirname(require.resolve('axe-core')), 'axe.min.js');
// The yard's gate names the three coloured keys; the living room, the Blue Stone; then the guide.
const moves = ['start', 'north', 'north', 'east', 'take the blue stone', 'help'];

async function audit(page) {
  await page.waitForSelector('#line-form[data-state="waiting"]');
  await page.addScriptTag({ path: axe });
  return page.evaluate(async () => (await window.axe.run(document)).violations.map(
    (v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
}

for (const scheme of ['light', 'dark']) {
  for (const [width, height] of [[1280, 800], [390, 844]]) {
    test(`nothing found, ${scheme}, ${width} wide`, async () => {
      await b.withPage(width, height, async (page) => {
        assert.deepEqual(await audit(page), [], 'the title');
        for (const line of moves) await b.typeLine(page, line);
        assert.deepEqual(await audit(page), [], 'after a few moves');
        const keys = await page.$eval('#line-form', (form) => form.innerText);
        const guide = await page.$eval('.scene:last-child', (scene) => scene.innerText);
        assert.equal(keys.includes('Ctrl-D'), width > 500, keys);
        assert.ok(!guide.includes('Ctrl-D') && guide.includes('The End game button'), guide);
        assert.equal(await page.$$eval('.guide dt + dd', (rows) => rows.length), kGuideRows);
      }, (p) => p.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: scheme }]));
    });
  }
}
