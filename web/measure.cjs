// Prints how fast the page is with Chromium's CPU slowed four times (a phone-class CPU): from
// navigation to the title screen drawn, and from Enter to the answer drawn for every line of
// the walkthrough. A line matched further down the response file than any before compiles the
// lines in between first, so the slowest are early lines. A measurement: it asserts nothing.
//   NODE_PATH=build/web/web/npm/node_modules PRISMORA_SITE=build/web/site \
//     PRISMORA_WALKTHROUGH=tests/data/walkthrough_shipped.txt node web/measure.cjs [rate]
const b = require('./tests/browser.cjs');

const rate = Number(process.argv[2] || 4);

// In the page: Enter on a line, then the time until the game waits again (its answer is in the
// page) and the next frame has been drawn.
async function answerTime(line) {
  const input = document.getElementById('line');
  const form = document.getElementById('line-form');
  input.value = line;
  const start = performance.now();
  form.requestSubmit();
  await new Promise((resolve) => {
    const watch = new MutationObserver(() => {
      if (form.dataset.state === 'busy') return;
      watch.disconnect();
      resolve();
    });
    watch.observe(form, { attributes: true });
  });
  await new Promise((r) => requestAnimationFrame(() => setTimeout(r, 0)));
  return performance.now() - start;
}

const quantile = (xs, q) => [...xs].sort((a, b) => a - b)[Math.floor((xs.length - 1) * q)];

(async () => {
  const loads = [];
  const answers = [];
  for (let run = 0; run < 3; ++run) {
    const { page, close } = await b.openPage(390, 844, async (p) => {
      const cdp = await p.createCDPSession();
      await cdp.send('Emulation.setCPUThrottlingRate', { rate });
    });
    await page.waitForSelector('#line-form[data-state="waiting"]');
    loads.push(await page.evaluate(() => performance.getEntriesByName('title-drawn')[0].startTime));
    for (const line of b.walkthrough().slice(0, -1)) answers.push(await page.evaluate(answerTime, line));
    await close();
  }
  const f = (ms) => `${ms.toFixed(1)} ms`;
  console.log(`CPU slowed ${rate}x, 390x844, 3 page loads, ${answers.length} lines`);
  console.log(`load to title drawn: median ${f(quantile(loads, 0.5))}, worst ${f(Math.max(...loads))}`);
  console.log(`Enter to text drawn: median ${f(quantile(answers, 0.5))}, 90th percentile ` +
              `${f(quantile(answers, 0.9))}, worst ${f(Math.max(...answers))}`);
})();
