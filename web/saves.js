// Saved games in the browser's storage, and the two buttons that carry a game in and out of the
// page as a file. The game (web/page_saves.cc) writes and reads the same text a terminal keeps in
// a file; here it is kept under "prismora.save.NAME". Each call throws when the storage cannot be
// used (turned off, full), which the game tells the player.
const prefix = 'prismora.save.';

let kept = null;      // the name the game in play is kept under (configure)
let latest = null;    // the game in play as last kept, for a download even without storage
let maxBytes = 0;     // the largest saved game; a larger file is cut there and refused by the game
const opened = new Map();  // files opened on this visit, whether or not the storage takes them
const listeners = [];

function changed() {
  for (const listener of listeners) listener();
}

export const saves = {
  configure(keptName, largest) {
    kept = keptName;
    maxBytes = largest;
  },
  write(name, text) {
    opened.delete(name);
    if (name === kept) {
      latest = text;
      changed();
    }
    localStorage.setItem(prefix + name, text);
  },
  read(name) {
    if (opened.has(name)) return opened.get(name);
    const text = localStorage.getItem(prefix + name);
    if (name === kept && text !== null) {
      latest = text;
      changed();
    }
    return text;
  },
  names() {
    const names = new Set(opened.keys());
    try {
      for (let i = 0; i < localStorage.length; i++) {
        const key = localStorage.key(i);
        if (key.startsWith(prefix)) names.add(key.slice(prefix.length));
      }
    } catch {
      // only the files opened on this visit
    }
    return [...names];
  },
  remove(name) {
    opened.delete(name);
    if (name === kept) {
      latest = null;
      changed();
    }
    localStorage.removeItem(prefix + name);
  },
};

// The name a file brings with it: "castle.save" is castle. Names are as the game has them, one
// word of lowercase letters, digits, - and _ (save/save_store.h); any other file is "opened".
function nameOf(fileName) {
  const name = fileName.replace(/\.[^.]*$/, '').toLowerCase();
  return /^[a-z0-9_-]{1,32}$/.test(name) ? name : 'opened';
}

// The buttons: "Download this game" saves the game in play as prismora.save; "Open a saved game"
// takes a file through the browser's own file picker, keeps it under its name and restores it by
// typing the line for the player. `sendLine` returns false when the game is not waiting for one.
export function setUpFiles(sendLine) {
  const download = document.getElementById('download-game');
  const open = document.getElementById('open-game');
  const file = document.getElementById('open-file');
  const update = () => { download.disabled = latest === null; };
  listeners.push(update);
  update();
  download.addEventListener('click', () => {
    if (latest === null) return;
    const link = document.createElement('a');
    link.href = 'data:text/plain;charset=utf-8,' + encodeURIComponent(latest);
    link.download = 'prismora.save';
    document.body.append(link);
    link.click();
    link.remove();
  });
  open.addEventListener('click', () => file.click());
  file.addEventListener('change', async () => {
    const chosen = file.files[0];
    file.value = '';
    if (!chosen) return;
    const text = await chosen.slice(0, maxBytes + 1).text();
    const name = nameOf(chosen.name);
    opened.set(name, text);
    try {
      localStorage.setItem(prefix + name, text);
    } catch {
      // kept for this visit in `opened`; the storage's trouble shows when the game saves
    }
    sendLine(`restore ${name}`);
  });
}
