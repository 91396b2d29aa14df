// The web page around the game (prismora.js): shows what the game writes as flowing text, sends
// the lines typed in the box, and offers another game when one ends. The game marks headings and
// coloured names with a terminal's escape sequences; ansi_up turns them into HTML.
import { AnsiUp } from './ansi_up.js';
import { saves, setUpFiles } from './saves.js';

const story = document.getElementById('story');
const form = document.getElementById('line-form');
const input = document.getElementById('line');

const ansi = new AnsiUp();
ansi.boldStyle = 'font-weight:bold;font-size:1.15em'; // only room headings are bold

const history = [];  // lines sent, for the up and down arrows
let recall = 0;      // where the arrows are in it; history.length: the line being typed
let draft = '';      // what was being typed before the arrows were used
let scene = null;    // the section a clear of the game began
let text = null;     // where the game's text goes next
let anchor = null;   // what stays at the top of the view when the text below it grows
let answer = null;   // resolves the game's wait for a line
let ended = true;

function newScene() {
  scene = document.createElement('section');
  scene.className = 'scene';
  story.append(scene);
  text = null;
  anchor = scene;
}

function textBlock() {
  if (!text) {
    text = document.createElement('div');
    text.className = 'text';
    scene.append(text);
  }
  return text;
}

function notice(message) {
  const p = document.createElement('p');
  p.className = 'notice';
  p.textContent = message;
  scene.append(p);
  text = null;
}

// The newest text in view, but never past the top of the new scene or the player's last line,
// so a long scene is read from its start.
function keepInView() {
  const top = anchor.offsetTop - parseFloat(getComputedStyle(story).paddingTop);
  story.scrollTop = Math.min(top, story.scrollHeight - story.clientHeight);
}

function nextLine() {
  return new Promise((resolve) => {
    answer = resolve;
    input.disabled = false;
    form.dataset.state = 'waiting';
    keepInView();
    if (document.activeElement !== input) input.focus({ preventScroll: true });
  });
}

function send(line) {
  if (!answer) return;
  const resolve = answer;
  answer = null;
  form.dataset.state = 'busy';
  if (line !== null) {
    const p = document.createElement('p');
    p.className = 'player';
    const mark = document.createElement('span');
    mark.setAttribute('aria-hidden', 'true');
    mark.textContent = '> ';
    p.append(mark, line);
    scene.append(p);
    text = null;
    anchor = p;
    if (line !== '' && line !== history[history.length - 1]) history.push(line);
  }
  recall = history.length;
  draft = '';
  resolve(line);
}

function gameOver(message) {
  if (ended) return;
  ended = true;
  answer = null;
  input.disabled = true;
  form.dataset.state = 'ended';
  const end = document.createElement('div');
  end.className = 'end';
  const p = document.createElement('p');
  p.textContent = message;
  const again = document.createElement('button');
  again.type = 'button';
  again.textContent = 'Play again';
  again.addEventListener('click', () => {
    again.disabled = true;
    start();
  });
  end.append(p, again);
  scene.append(end);
  text = null;
  anchor = end;
  keepInView();
  again.focus({ preventScroll: true });
}

function start() {
  ended = false;
  newScene();
  window.prismora = createPrismora({
    onGameText: (styled) => {
      if (document.getElementById('loading')) {
        document.getElementById('loading').remove();
        requestAnimationFrame(() => setTimeout(() => performance.mark('title-drawn'), 0));
      }
      textBlock().insertAdjacentHTML('beforeend', ansi.ansi_to_html(styled));
    },
    onGameClear: newScene,
    nextLine,
    saves,
    print: (line) => textBlock().append(line + '\n'),
    printErr: notice,
    onGameEnd: () => gameOver('The story has ended.'),
    onAbort: () => gameOver('The game stopped unexpectedly.'),
  });
}

form.addEventListener('submit', (event) => {
  event.preventDefault();
  const line = input.value;
  input.value = '';
  send(line);
});

input.addEventListener('keydown', (event) => {
  if (event.key === 'ArrowUp' || event.key === 'ArrowDown') {
    const to = recall + (event.key === 'ArrowUp' ? -1 : 1);
    if (to < 0 || to > history.length) return;
    event.preventDefault();
    if (recall === history.length) draft = input.value;
    recall = to;
    input.value = to === history.length ? draft : history[to];
    input.setSelectionRange(input.value.length, input.value.length);
  } else if (event.ctrlKey && event.key === 'd' && input.value === '') {
    event.preventDefault(); // end of input, as at a terminal
    send(null);
  }
});

// A click in the story gives the box its focus back, unless the reader is selecting text.
story.addEventListener('click', () => {
  if (!input.disabled && String(window.getSelection()).length === 0) input.focus({ preventScroll: true });
});

// Saved games as files: an opened one is restored by typing the line, when the game waits for one.
setUpFiles((line) => {
  if (!answer) return false;
  send(line);
  return true;
});

start();
