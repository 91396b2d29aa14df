// What the page's tests share: the site served on 127.0.0.1, headless Chromium, the game played
// by typing into the page's box, and the native game's piped output to compare with.
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const puppeteer = require('puppeteer-core');

const site = process.env.PRISMORA_SITE;
const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
                '.wasm': 'application/wasm' };

function serve() {
  const server = http.createServer((request, response) => {
    const name = new URL(request.url, 'http://127.0.0.1').pathname.replace(/\/$/, '/index.html');
    const file = path.join(site, path.normalize(name));
    fs.readFile(file, (error, body) => {
      if (error) {
        response.writeHead(404).end();
        return;
      }
      response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream' });
      response.end(body);
    });
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// Opens the page in a fresh browser at the given size, a phone's (a touch screen) below 500 pixels
// wide. `problems` collects every error the page logs or throws, and every request that leaves
// 127.0.0.1. `beforeLoad` may set the page up.
async function openPage(width, height, beforeLoad) {
  const server = await serve();
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const page = await browser.newPage();
  await page.setViewport({ width, height, isMobile: width < 500, hasTouch: width < 500 });
  const problems = [];
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(`console: ${message.text()}`);
  });
  page.on('pageerror', (error) => problems.push(`page: ${error.message}`));
  page.on('request', (request) => {
    if (!/^(http:\/\/127\.0\.0\.1[:/]|data:)/.test(request.url())) problems.push(`request: ${request.url()}`);
  });
  if (beforeLoad) await beforeLoad(page);
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  const close = async () => {
    await browser.close();
    server.close();
  };
  return { page, problems, close };
}

// Opens the page, plays `body` on it, then asks that the page had no problem.
async function withPage(width, height, body, beforeLoad) {
  const { page, problems, close } = await openPage(width, height, beforeLoad);
  try {
    await body(page);
    assert.deepEqual(problems, []);
  } finally {
    await close();
  }
}

// Types a line into the box when the game waits for one, and presses Enter.
async function typeLine(page, line) {
  await page.waitForSelector('#line-form[data-state="waiting"]');
  await page.type('#line', line);
  await page.keyboard.press('Enter');
}

async function untilEnded(page) {
  await page.waitForSelector('#line-form[data-state="ended"]');
}

// The game's text on the page, without the player's lines.
function storyText(page) {
  return page.$$eval('#story .text, #story .notice', (blocks) => blocks.map((b) => b.innerText).join('\n'));
}

// Where an element is in the story's view: its top and bottom, 0 at the top of the view.
function inView(page, selector) {
  return page.$eval(selector, (element) => {
    const view = document.getElementById('story').getBoundingClientRect();
    const box = element.getBoundingClientRect();
    return { top: box.top - view.top, bottom: box.bottom - view.top, height: view.height };
  });
}

function walkthrough() {
  return fs.readFileSync(process.env.PRISMORA_WALKTHROUGH, 'utf8').split('\n').filter((l) => l !== '');
}

// What the game built for this machine writes to a pipe for the same lines.
function nativeOutput(lines) {
  const game = process.env.PRISMORA_NATIVE;
  return execFileSync(game, { cwd: path.dirname(game), input: lines.join('\n') + '\n', encoding: 'utf8' });
}

const words = (text) => text.split(/\s+/).filter((w) => w !== '');

module.exports = { openPage, withPage, typeLine, untilEnded, storyText, inView, walkthrough, nativeOutput, words };
