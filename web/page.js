// The web page around the game (prismora.js): shows what the game writes, set in blocks as the
// game sets them at a terminal, sends the lines typed in the box, and offers another game when one
// ends. Nothing typed is lost: lines sent before the game asks for them wait for it. The game is
// kept in the browser's storage (saves.js).
import { saves, setUpFiles } from './saves.js';

const story = document.getElementById('story');
const form = document.getElementById('line-form');
const input = document.getElementById('line');
const endButton = document.getElementById('end-game');

const history = [];  // lines sent, for the up and down arrows
let recall = 0;      // where the arrows are in it; history.length: the line being typed
let draft = '';      // what was being typed before the arrows were used
const waiting = [];  // lines sent before the game asked for them (null: end of input)
let scene = null;    // the section a clear of the game began
let text = null;     // where the game's text goes since the player's last line
let block = null;    // the block of that text the game writes into
let anchor = null;   // what stays at the top of the view when the text below it grows
let answer = null;   // resolves the game's wait for a line
let ended = true;
let endedByPlayer = false;

// --- The game's text ---------------------------------------------------------------------------

function newScene() {
  scene = document.createElement('section');
  scene.className = 'scene';
  story.append(scene);
  text = null;
  block = null;
}

function textBlock() {
  if (!text) {
    text = document.createElement('div');
    text.className = 'text';
    scene.append(text);
  }
  return text;
}

function element(tag, className) {
  const made = document.createElement(tag);
  if (className) made.className = className;
  return made;
}

// A piece of the game's set text (term/paragraphs.h): it opens a block of its kind, or goes on in
// the one open. A row of the help guide is a command and its meaning in a list of its own.
function onGamePiece(kind, opens, blank) {
  const loading = document.getElementById('loading');
  if (loading) {
    loading.remove();
    requestAnimationFrame(() => setTimeout(() => performance.mark('title-drawn'), 0));
  }
  if (!opens && block) return;
  const into = textBlock();
  let list = into.lastElementChild;
  if (kind === 'row-command') {
    if (!list || list.tagName !== 'DL' || blank) {
      list = element('dl', 'guide');
      if (blank) list.classList.add('gap');
      into.append(list);
    }
    block = element('dt');
    list.append(element('div'));
    list.lastElementChild.append(block);
  } else if (kind === 'row-meaning' && list?.tagName === 'DL') {
    block = element('dd');
    list.lastElementChild.append(block);
  } else if (kind === 'row-goes-on' && block?.tagName === 'DD') {
    block.append(' ');
  } else {
    block = element(kind === 'heading' ? 'h2' : 'p', kind);
    if (blank) block.classList.add('gap');
    into.append(block);
  }
}

function onGameText(piece, colour) {
  if (!block) onGamePiece('paragraph', true, false);
  // A cell of the guide starts at its own edge, without the spaces that lined it up.
  const cell = (block.tagName === 'DT' || block.tagName === 'DD') && block.textContent === '';
  const shown = cell ? piece.trimStart() : piece;
  if (!colour) {
    block.append(shown);
    return;
  }
  const name = element('span', `colour-${colour}`);
  name.textContent = shown;
  block.append(name);
}

// A new scene: below what the player has still to read, which stays in view; else at the top.
function onGameClear(unread) {
  newScene();
  if (!unread) anchor = scene;
}

function notice(message) {
  const p = element('p', 'notice');
  p.textContent = message;
  scene.append(p);
  text = null;
  block = null;
}

// The newest text in view, but never past the top of the new scene or the player's last line,
// so a long scene is read from its start.
function keepInView() {
  const top = anchor.offsetTop - parseFloat(getComputedStyle(story).paddingTop);
  story.scrollTop = Math.min(top, story.scrollHeight - story.clientHeight);
}

// --- The player's lines ------------------------------------------------------------------------

function nextLine() {
  return new Promise((resolve) => {
    answer = resolve;
    form.dataset.state = 'waiting';
    keepInView();
    if (waiting.length > 0) send(waiting.shift());
  });
}

// Gives the game the line (null: end of input), or keeps it until the game asks for one.
function send(line) {
  if (!answer) {
    if (line !== '') waiting.push(line);
    return;
  }
  const resolve = answer;
  answer = null;
  form.dataset.state = 'busy';
  if (line !== null) {
    const p = element('p', 'player');
    const mark = element('span');
    mark.setAttribute('aria-hidden', 'true');
    mark.textContent = '> ';
    p.append(mark, line);
    scene.append(p);
    text = null;
    block = null;
    anchor = p;
    if (line !== '' && line !== history[history.length - 1]) history.push(line);
  } else {
    endedByPlayer = true;
  }
  recall = history.length;
  draft = '';
  resolve(line);
}

// --- A game's start and end --------------------------------------------------------------------

// The end of a game, told under its last text. The game's own ending stays in view from its
// start; the end line and the offer of another game follow it.
function gameOver(message, showEnd) {
  if (ended) return;
  ended = true;
  answer = null;
  // A line sent for this game after its last goes back into the box, for the next.
  const unsent = waiting.splice(0).find((line) => line !== null);
  if (unsent !== undefined && input.value === '') input.value = unsent;
  form.dataset.state = 'ended';
  const end = element('div', 'end');
  const p = element('p');
  p.textContent = message;
  const again = element('button');
  again.type = 'button';
  again.textContent = 'Play again';
  again.addEventListener('click', () => playAgain(null));
  end.append(p, again);
  scene.append(end);
  text = null;
  block = null;
  if (showEnd) anchor = end;
  keepInView();
}

function start() {
  ended = false;
  endedByPlayer = false;
  newScene();
  anchor = scene;
  window.prismora = createPrismora({
    onGamePiece,
    onGameText,
    onGameClear,
    nextLine,
    saves,
    print: (line) => textBlock().append(line + '\n'),
    printErr: notice,
    onGameEnd: () => gameOver('The story has ended.', endedByPlayer),
    onAbort: () => gameOver('The game stopped unexpectedly.', true),
  });
}

// Another game; a line typed for it is its first.
function playAgain(line) {
  if (!ended) return;
  story.querySelectorAll('.end button').forEach((button) => { button.disabled = true; });
  start();
  if (line) send(line);
}

// --- The box and its keys ----------------------------------------------------------------------

form.addEventListener('submit', (event) => {
  event.preventDefault();
  const line = input.value;
  input.value = '';
  if (ended && form.dataset.state === 'ended') playAgain(line);
  else send(line);
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
  } else if (event.ctrlKey && event.key === 'd' && input.value === '' && !ended) {
    event.preventDefault(); // end of input, as at a terminal
    send(null);
  }
});

// The button that ends the game, for a finger as for a mouse: asked twice, as it cannot be undone.
const endLabel = endButton.textContent;
endButton.addEventListener('click', () => {
  if (ended) return;
  if (endButton.textContent === endLabel) {
    endButton.textContent = 'Yes, end the game';
    return;
  }
  endButton.textContent = endLabel;
  send(null);
});
endButton.addEventListener('blur', () => { endButton.textContent = endLabel; });

// A click in the story gives the box its focus back, unless the reader is selecting text.
story.addEventListener('click', () => {
  if (String(window.getSelection()).length === 0) input.focus({ preventScroll: true });
});

// Saved games as files: an opened one is restored by typing the line, when the game waits for one.
setUpFiles((line) => {
  if (!answer) return false;
  send(line);
  return true;
});

start();
