// The browser front end of Tallimor.  The game module (compiled to
// WebAssembly) decides everything; this page forwards each event to the
// module's handler of that name, then draws the module's description of the
// screen, as the desktop window does.  Drawing, the pointer and the keys,
// the browser's timers and the browser's storage are the page's own.

import createTallimor from './tallimor.js';

const FOLDER = '/tallimor/';  // the program folder, in the browser's IndexedDB
const EMPTY = 99;             // an empty position of the guess row
// The colours of the Colour Panel, as the desktop draws them.
const COLOURS = ['#ff0000', '#ff8000', '#ffff00', '#00ff00', '#00ffff', '#0000ff', '#ff00ff', '#ffc0ff', '#c04000',
  '#808080'];
const LISTS = ['Lblgametype', 'Lblcolourno', 'Lblstart', 'Lblgamelength', 'Lblhint', 'Lblgameorder', 'Lblgamerepeat'];
const BOXBUTTONS = ['Cmdl2', 'Cmdl3', 'Cmdmid', 'Cmdr3', 'Cmdr2'];
const BOXSHOWN = { 1: ['Cmdmid'], 2: ['Cmdl2', 'Cmdr2'], 3: ['Cmdl3', 'Cmdmid', 'Cmdr3'] };

const $ = (id) => document.getElementById(id);
let M = null;           // the module's runtime
let captions = null;    // the windows' fixed captions
let latest = '';        // the description after the last event, as text
let view = null;        // the description last drawn
let was = {};           // what was last drawn, piece by piece
let started = false;    // the title window has gone
let designer = false;

// ------------------------------------------------------------ the module

function call(name, ...args) {
  return M.ccall(name, 'string', args.map((a) => (typeof a === 'number' ? 'number' : 'string')), args);
}

// Files written under the program folder are flushed to IndexedDB before the
// page shows the outcome of the event that wrote them.
let flushing = 0;
let flushChain = Promise.resolve();

function syncfs(populate) {
  return new Promise((resolve, reject) => M.FS.syncfs(populate, (err) => (err ? reject(err) : resolve())));
}

export function forward(handler, a = 0, b = 0, c = 0, text = '') {
  latest = call('Tallimor_event', handler, a, b, c, String(text));
  const now = fingerprint(FOLDER);
  if (now !== stamp) {
    stamp = now;
    flushing++;
    flushChain = flushChain.then(() => syncfs(false)).catch((e) => console.warn('storage', e)).then(() => {
      flushing--;
      if (!flushing) render();
    });
  } else if (!flushing) {
    render();
  }
}

// ------------------------------------------------------------ timers

// The module's logical timers run on the browser's timers.  The game clock
// reads the monotonic clock, so it keeps real time when a background tab's
// timers are slowed.
const timers = [0, 1, 2, 3].map(() => ({ handle: null, generation: -1 }));

function syncTimers(v) {
  v.timers.forEach((t, i) => {
    const s = timers[i];
    if (!t.enabled) {
      if (s.handle) clearInterval(s.handle);
      s.handle = null;
    } else if (!s.handle || s.generation !== t.generation) {
      if (s.handle) clearInterval(s.handle);
      s.handle = setInterval(() => forward('Fire', i), t.interval);
    }
    s.generation = t.generation;
  });
}

// ------------------------------------------------------------ helpers

function settext(el, text) {
  if (el.textContent !== text) el.textContent = text;
}
function show(el, on) {
  if (el.hidden === on) el.hidden = !on;
}
function changed(key, value) {
  const s = JSON.stringify(value);
  if (was[key] === s) return false;
  was[key] = s;
  return true;
}
// A caption with "&" before its access key, drawn with the key underlined.
function accesscaption(el, caption) {
  el.textContent = '';
  const at = caption.indexOf('&');
  if (at < 0) {
    el.textContent = caption;
    return '';
  }
  el.append(caption.slice(0, at));
  const u = document.createElement('u');
  u.textContent = caption[at + 1];
  el.append(u, caption.slice(at + 2));
  return caption[at + 1].toLowerCase();
}
// `unpicked`: nothing has been picked from the list yet.  A select fires no
// event when the value already on show is picked again, so until the first
// pick the shown value stands in a hidden option of its own, and picking that
// same value from the list is a change like any other.
function setlist(select, list, unpicked = false) {
  const key = JSON.stringify([list.items, unpicked && list.items[list.shown]]);
  if (select.dataset.items !== key) {
    select.dataset.items = key;
    const options = list.items.map((t) => new Option(t, t));
    if (unpicked) {
      const standin = new Option(list.items[list.shown] ?? '', '');
      standin.hidden = true;
      options.unshift(standin);
    }
    select.replaceChildren(...options);
  }
  const index = unpicked ? 0 : list.shown;
  if (select.selectedIndex !== index) select.selectedIndex = index;
}
function setvalue(input, text) {
  if (input.value !== text) input.value = text;
}
// A code as colour boxes (or digits in the number display); 'b' is a blank.
function drawcode(container, code, cellclass) {
  container.replaceChildren(...[...code].map((ch) => {
    const cell = document.createElement('span');
    cell.className = cellclass;
    if (ch >= '0' && ch <= '9') {
      cell.style.background = COLOURS[+ch];
      cell.textContent = ch;
    } else if (ch === 'b') {
      cell.classList.add('blank');
      cell.textContent = 'b';
    } else {
      cell.textContent = ch;
    }
    return cell;
  }));
}
function pegs(container, count, kind) {
  container.replaceChildren(...Array.from({ length: count }, () => {
    const p = document.createElement('span');
    p.className = 'peg ' + kind;
    return p;
  }));
}

// ------------------------------------------------------------ building

const menuitems = new Map();   // name -> { item, el, key }
let openmenu = null;           // the open drop-down, with its title

function buildmenus() {
  const bar = $('menubar');
  const holders = new Map();   // a menu's name -> the element that holds its items
  for (const item of captions.menus) {
    if (item.parent === '') {
      const title = document.createElement('div');
      title.className = 'menutitle';
      title.id = item.name;
      title.setAttribute('role', 'menuitem');
      const key = accesscaption(title, item.caption);
      const drop = document.createElement('div');
      drop.className = 'menu';
      drop.hidden = true;
      drop.setAttribute('role', 'menu');
      title.append(drop);
      bar.append(title);
      holders.set(item.name, drop);
      menuitems.set(item.name, { item, el: title, key, drop, top: true });
      // A mouse opens a menu on the press, as the desktop does; a finger on the
      // tap, so the browser's touch adjustment finds the title.
      const toggle = () => {
        if (openmenu && openmenu.title === title) closemenus();
        else openmenuof(item.name);
      };
      const ontitle = (e) => e.target === title || e.target.parentElement === title;
      title.addEventListener('pointerdown', (e) => {
        if (!ontitle(e) || e.pointerType === 'touch') return;
        e.preventDefault();
        toggle();
      });
      title.addEventListener('click', (e) => {
        if (ontitle(e) && e.pointerType === 'touch') toggle();
      });
      continue;
    }
    const holder = holders.get(item.parent);
    if (item.name === '-') {
      const sep = document.createElement('div');
      sep.className = 'separator';
      holder.append(sep);
      continue;
    }
    const el = document.createElement('div');
    el.className = 'menuitem';
    el.id = item.name;
    el.setAttribute('role', 'menuitem');
    const label = document.createElement('span');
    const key = accesscaption(label, item.caption);
    el.append(label);
    if (item.fkey) {
      const k = document.createElement('span');
      k.className = 'key';
      k.textContent = 'F' + item.fkey;
      el.append(k);
    }
    holder.append(el);
    const entry = { item, el, key, holder };
    menuitems.set(item.name, entry);
    // A submenu is an item that holds items of its own.
    if (captions.menus.some((m) => m.parent === item.name)) {
      el.classList.add('sub');
      const drop = document.createElement('div');
      drop.className = 'menu';
      drop.hidden = true;
      el.append(drop);
      holders.set(item.name, drop);
      entry.drop = drop;
      el.addEventListener('pointerenter', () => opensub(entry));
      el.addEventListener('click', (e) => {
        if (e.target.closest('.menuitem') === el) opensub(entry);
      });
    } else {
      el.addEventListener('click', (e) => {
        if (e.target.closest('.menuitem') !== el) return;
        e.stopPropagation();
        choose(item.name);
      });
    }
  }
  document.addEventListener('pointerdown', (e) => {
    if (openmenu && !e.target.closest('.menu') && !e.target.closest('.menutitle')) closemenus();
  });
}

function offered(name) {
  return view && view.menu[name] !== false && !$(name).classList.contains('disabled');
}

function openmenuof(name) {
  closemenus();
  const entry = menuitems.get(name);
  if (!view.menu[name]) return;
  entry.el.classList.add('open');
  entry.drop.hidden = false;
  entry.drop.style.left = '0px';
  entry.drop.style.top = '22px';
  openmenu = { title: entry.el, drop: entry.drop, active: -1 };
}

function opensub(entry) {
  if (!offered(entry.item.name)) return;
  for (const d of entry.holder.querySelectorAll(':scope > .menuitem > .menu')) d.hidden = true;
  entry.drop.hidden = false;
  entry.drop.style.left = entry.el.offsetWidth - 4 + 'px';
  entry.drop.style.top = '-2px';
  openmenu.sub = entry;
}

function closemenus() {
  for (const d of document.querySelectorAll('.menu')) d.hidden = true;
  for (const t of document.querySelectorAll('.menutitle.open')) t.classList.remove('open');
  for (const a of document.querySelectorAll('.menuitem.active')) a.classList.remove('active');
  const popup = $('Popupmenu');
  if (popup.firstChild) {
    // The Game menu lent to the pop-up goes back to the menu bar.
    $('Mnugame').append(popup.firstChild);
  }
  popup.hidden = true;
  openmenu = null;
}

function choose(name) {
  if (!offered(name)) return;
  closemenus();
  forward(name + '_Click');
}

// The items of the open (sub)menu that can be picked by key.
function openitems() {
  if (!openmenu) return [];
  const drop = openmenu.sub && !openmenu.sub.drop.hidden ? openmenu.sub.drop : openmenu.drop;
  return [...drop.querySelectorAll(':scope > .menuitem')];
}

function buildtoolbar() {
  const bar = $('Tlbgame');
  for (let i = 1; i <= 13; i++) {
    const b = document.createElement('button');
    b.id = 'Tlbgame' + i;
    // The desktop's picture of the button; the tool tip names it.
    b.innerHTML = `<img src="pictures/tool${i}.png" srcset="pictures/tool${i}.png 1x, pictures/tool${i}@2x.png 2x"`
      + ' width="24" height="24" alt="">';
    b.addEventListener('click', () => forward('Tlbgame_Click', i));
    bar.append(b);
    if (i === 5 || i === 8 || i === 12) bar.append(Object.assign(document.createElement('span'), { className: 'gap' }));
  }
}

function buildpanels() {
  for (const el of document.querySelectorAll('[data-caption]')) el.textContent = captions.captions[el.dataset.caption] ?? '';
  for (const el of document.querySelectorAll('[data-placeholder]')) {
    el.placeholder = el.title = captions.captions[el.dataset.placeholder] ?? '';
  }
  settext($('Lblsettitle'), captions.settitle);
  settext($('Lblabout'), `${captions.captions.Fmmain} ${captions.version}${captions.captions.Lblabout}`);
  settext($('Fminstr_title'), captions.instructionstitle);
  settext($('Lbltitle'), captions.instructionstitle);
  $('Instructions').replaceChildren(...captions.instructions.map((l) => {
    const d = document.createElement('div');
    d.className = ['line', 'line heading', 'line note'][l.kind];
    d.textContent = l.text;
    return d;
  }));
  // The Game Setting Menu: a label and a list for each of the seven choices.
  const lists = $('Settinglists');
  LISTS.forEach((label, i) => {
    const row = document.createElement('div');
    row.className = 'settingrow';
    row.style.top = 50 + i * 36 + 'px';
    const l = document.createElement('label');
    l.textContent = captions.captions[label];
    const select = document.createElement('select');
    select.id = 'Cblist' + i;
    l.htmlFor = select.id;
    select.addEventListener('change', () => forward('Cblist_Click', i, 0, 0, select.value));
    row.append(l, select);
    lists.append(row);
  });
  // The Colour Panel and the guess row.
  for (let c = 0; c < 10; c++) {
    const cell = document.createElement('div');
    cell.className = 'piece';
    cell.id = 'Lblcolour' + c;
    cell.style.background = COLOURS[c];
    cell.textContent = String(c);
    // A press on a colour that cannot be taken now gets the reason from the module.
    cell.addEventListener('pointerdown', (e) => {
      if (e.button === 0) forward('Lblcolour_MouseDown', c);
    });
    cell.addEventListener('dblclick', () => forward('Lblcolour_DblClick', c));
    draggable(cell, 0, c);
    $('Colourcells').append(cell);
  }
  for (let p = 0; p < 8; p++) {
    const cell = document.createElement('div');
    cell.className = 'piece empty';
    cell.id = 'Lblstring' + p;
    cell.dataset.position = p;
    cell.addEventListener('dblclick', () => forward('Lblstring_DblClick', p));
    draggable(cell, 1, p);
    $('Stringcells').append(cell);
  }
  for (let c = 0; c < 10; c++) {
    const s = document.createElement('span');
    s.style.background = COLOURS[c];
    $('Titlecolours').append(s);
  }
}

// ------------------------------------------------------------ dragging

// A colour of the panel or a position of the row is picked up with the
// pointer (mouse, pen or finger) and dropped on a position or the panel.
let dragging = null;

function candrag(kind, index) {
  if (!view || !view.shown.Frgetstring) return false;
  return kind === 0 ? view.colourBorder[index] : view.row[index] !== EMPTY;
}

function draggable(cell, kind, index) {
  cell.addEventListener('pointerdown', (e) => {
    if (e.button !== 0 || !candrag(kind, index)) return;
    dragging = { kind, index, x: e.clientX, y: e.clientY, ghost: null, pointer: e.pointerId, cell };
    cell.setPointerCapture(e.pointerId);
  });
  cell.addEventListener('pointermove', (e) => {
    if (!dragging || dragging.pointer !== e.pointerId) return;
    if (!dragging.ghost) {
      if (Math.hypot(e.clientX - dragging.x, e.clientY - dragging.y) < 4) return;
      const ghost = cell.cloneNode(true);
      ghost.removeAttribute('id');
      ghost.classList.add('dragghost');
      const r = cell.getBoundingClientRect();
      ghost.style.width = r.width + 'px';
      ghost.style.height = r.height + 'px';
      document.body.append(ghost);
      dragging.ghost = ghost;
    }
    const r = dragging.ghost.getBoundingClientRect();
    dragging.ghost.style.left = e.clientX - r.width / 2 + 'px';
    dragging.ghost.style.top = e.clientY - r.height / 2 + 'px';
  });
  const end = (e, drop) => {
    if (!dragging || dragging.pointer !== e.pointerId) return;
    const d = dragging;
    dragging = null;
    if (!d.ghost) return;
    d.ghost.remove();
    if (!drop) return;
    const target = document.elementFromPoint(e.clientX, e.clientY);
    const position = target?.closest('#Stringcells .piece');
    if (position) forward('Lblstring_DragDrop', d.kind, d.index, +position.dataset.position);
    else if (target?.closest('#Frcolour')) forward('Frcolour_DragDrop', d.kind, d.index);
  };
  cell.addEventListener('pointerup', (e) => end(e, true));
  cell.addEventListener('pointercancel', (e) => end(e, false));
}

// ------------------------------------------------------------ drawing

function render() {
  const v = JSON.parse(latest);
  const first = !view;
  view = v;
  document.title = v.title;
  settext($('Fmmain_title'), v.title);
  settext($('Stbmenu'), v.status);
  document.body.classList.toggle('thinking', v.thinking);

  for (const [name, entry] of menuitems) {
    entry.el.classList.toggle('disabled', !v.menu[name]);
    if (name in v.checked) entry.el.classList.toggle('checked', v.checked[name]);
  }
  for (let i = 1; i <= 13; i++) {
    const b = $('Tlbgame' + i);
    b.disabled = !v.toolbar[i];
    b.classList.toggle('pressed', v.toolbarPressed[i]);
    b.setAttribute('aria-pressed', String(v.toolbarPressed[i]));
    if (b.title !== v.tooltips[i]) b.title = v.tooltips[i];
    b.setAttribute('aria-label', v.tooltips[i]);
  }

  for (const [panel, on] of Object.entries(v.shown)) show($(panel), on);
  v.lists.forEach((list, i) => setlist($('Cblist' + i), list));
  $('Cmdstart').disabled = !v.startEnabled;
  $('Cmdtop').disabled = !v.topEnabled;
  show($('Designerbuttons'), v.designerButtons);
  $('Frmenu').classList.toggle('designer', v.designerButtons);

  settext($('Lblsetcontent'), v.setcontent);
  settext($('Lbltime'), v.timelabel);
  settext($('Franswer_caption'), v.answercaption);
  $('central').classList.toggle('numbers', v.numbers);
  if (changed('answer', v.answer)) drawcode($('Picanswer'), v.answer, 'cell');

  for (let c = 0; c < 10; c++) {
    const cell = $('Lblcolour' + c);
    show(cell, c < v.colours);
    cell.classList.toggle('border', v.colourBorder[c]);
    if (cell.title !== v.colourTip[c]) cell.title = v.colourTip[c];
  }
  for (let p = 0; p < 8; p++) {
    const cell = $('Lblstring' + p);
    show(cell, p < v.rowlength);
    const colour = v.row[p];
    cell.classList.toggle('empty', colour === EMPTY && !v.blanks);
    cell.classList.toggle('blank', colour === EMPTY && v.blanks);
    cell.style.background = colour === EMPTY ? '' : COLOURS[colour];
    settext(cell, colour === EMPTY ? '' : String(colour));
  }
  settext($('Lblgetstring'), v.getstringPrompt);
  settext($('Lblinput'), v.inputPrompt);
  setvalue($('Txtinput'), v.inputText);
  settext($('Lblgetrefusal'), v.refusal);
  settext($('Lblinputrefusal'), v.refusal);
  $('Cmdsubcol').disabled = !v.subcolEnabled;
  $('Cmdsubnum').disabled = !v.subnumEnabled;
  $('Cmderror').disabled = !v.errorEnabled;
  for (const id of ['Cmdstart', 'Cmdsubcol', 'Cmdsubnum', 'Cmdshowresult', 'Cmdoktrial', 'Cmdokmark', 'Cmdready',
    'Cmdgetresult']) $(id).classList.toggle('default', id === v.defaultControl);

  settext($('Lbltrials'), v.trials);
  settext($('Lblcorrect'), v.correct);
  settext($('Lblwrong'), v.wrong);
  if (changed('result', [v.blacks, v.whites, v.fixedOrder])) {
    pegs($('Piccorrect'), v.blacks, v.fixedOrder ? 'grey' : 'black');
    pegs($('Picwrong'), v.fixedOrder ? 0 : v.whites, 'white');
  }
  show($('Frwrong'), !v.fixedOrder);

  rendercomputer(v);
  rendertopfive(v);
  renderboard(v);
  renderdemo(v);
  renderwindows(v);
  renderbox(v);
  renderfiles(v);
  syncTimers(v);

  if (v.gamemenuPopups !== was.popups) {
    if (!first && v.gamemenuPopups > (was.popups ?? 0)) popupgamemenu();
    was.popups = v.gamemenuPopups;
  }
  // The focus goes where the module says, when that changes or a box has closed.
  const focuskey = [v.focus, !!v.box, !!v.files, v.keyboard, v.shown.Frinput, v.shown.Frgetresult, v.entry.trials];
  if (changed('focus', focuskey) && !v.box && !v.files) {
    const target = v.focus && $(v.focus);
    if (target && target.offsetParent && !target.disabled) target.focus();
    else if (document.activeElement && document.activeElement.closest('.dialog')) document.activeElement.blur();
  }
  if (v.quit) quit();
}

function rendercomputer(v) {
  setlist($('Cbtrialno'), v.trialno);
  $('Optyesmark').checked = v.markYes;
  $('Optnomark').checked = !v.markYes;
  const e = v.entry;
  settext($('Lbltrials2'), e.trials);
  settext($('Lblmyguess'), e.myguess);
  if (changed('guess', e.guess)) drawcode($('Picguess'), e.guess, 'cell');
  settext($('Lblgetcorr'), e.correctLabel);
  settext($('Lblgetwrong'), e.wrongLabel);
  show($('Frgetwrong'), e.wrongShown);
  // With the mouse, OK is offered exactly when a count has been picked.
  const unpicked = !v.keyboard && !e.okEnabled;
  setlist($('Cbcorrect'), e.correct, unpicked);
  setlist($('Cbwrong'), e.wrong, unpicked);
  setvalue($('Txtcorrect'), e.correctText);
  setvalue($('Txtwrong'), e.wrongText);
  for (const id of ['Cbcorrect', 'Cbwrong']) show($(id), !v.keyboard);
  for (const id of ['Txtcorrect', 'Txtwrong']) show($(id), v.keyboard);
  $('Cmdgetresult').disabled = !e.okEnabled;
  show($('Cmdwin'), e.winShown);
}

function rendertopfive(v) {
  setvalue($('Txtname'), v.nametext);
  const w = v.winners;
  settext($('Lblhead'), w.head);
  settext($('Lblname'), w.names);
  settext($('Lbllisttime'), w.times);
  settext($('Lblattempt'), w.attempts);
  settext($('Lbldata'), w.data);
  // The place just taken stands out on a band behind the columns.
  const band = $('Lblnewentry');
  show(band, w.newplace >= 0 && w.newplace <= 4);
  band.style.top = 126 + 2 * w.newplace * 20 + 'px';
  setlist($('Cbedit'), w.place);
  const boxes = { Txtplayer: w.player, Txtduration: w.duration, Txtattempt: w.attempt, Txtpopulation: w.population,
    Txtaverage: w.average };
  for (const [id, text] of Object.entries(boxes)) setvalue($(id), text);
}

function renderboard(v) {
  if (!changed('board', v.board)) return;
  settext($('Boardheading'), v.board.heading);
  const recorded = new Map(v.board.rows.map((r) => [r.trial, r]));
  const rows = [];
  // Every trial has its line with its number, as on the desktop; a recorded
  // trial's line carries its guess and hint.
  for (let t = 1; t <= v.board.trials; ++t) {
    const r = recorded.get(t);
    const row = document.createElement('div');
    row.className = r ? 'boardrow' : 'emptyrow';
    row.dataset.trial = t;
    const trial = document.createElement('span');
    trial.className = 'trial';
    trial.textContent = String(t);
    row.append(trial);
    rows.push(row);
    if (!r) continue;
    row.classList.toggle('corrected', v.board.corrected.includes(t));
    const guess = document.createElement('span');
    guess.className = 'guess';
    drawcode(guess, r.guess, 'cell');
    const hint = document.createElement('span');
    hint.className = 'hint';
    const black = document.createElement('span');
    black.className = 'hint';
    pegs(black, r.black, v.board.fixedOrder ? 'grey' : 'black');
    const white = document.createElement('span');
    white.className = 'hint';
    pegs(white, v.board.fixedOrder ? 0 : r.white, 'white');
    // The counts as text too, for a screen reader.
    const words = document.createElement('span');
    words.className = 'sr';
    words.textContent = v.board.fixedOrder ? ` ${r.black}` : ` ${r.black} ${r.white}`;
    hint.append(black, white, words);
    row.append(guess, hint);
  }
  $('Boardrows').replaceChildren(...rows);
}

function renderdemo(v) {
  const d = v.demo;
  show($('Picdemo'), d.shown);
  show($('Frscroll'), d.speedShown);
  if (d.iconfile && !$('Piclogo').src.endsWith(d.iconfile)) $('Piclogo').src = d.iconfile;
  settext($('Lbldemo'), d.text);
  const bar = $('Hsbspeed');
  if (+bar.max !== d.speedMax) bar.max = d.speedMax;
  if (+bar.value !== d.speed && !bar.matches(':active')) bar.value = d.speed;
  animation.update(v);
}

function renderwindows(v) {
  show($('Fminstr'), v.instructions);
  show($('Fmabout'), v.about);
  show($('Fmstat'), v.statistics);
  if (started && !v.quit) show($('Fmmain'), !v.statistics);
  if (v.statlines && changed('statlines', v.statlines)) {
    $('Lststat').replaceChildren(...v.statlines.map((l) => Object.assign(document.createElement('li'), { textContent: l })));
  }
  const sb = v.systembox;
  show($('Systembox'), !!sb);
  if (sb) {
    settext($('Systembox_title'), sb.title);
    settext($('Systembox_text'), sb.text);
    if (changed('systembox', sb.serial)) $('Systembox_ok').focus();
  }
}

function renderbox(v) {
  const b = v.box;
  show($('Fmmessage'), !!b);
  if (!b || !changed('box', b)) return;
  settext($('Fmmessage_title'), b.title);
  settext($('Lblmessage'), b.text);
  const icon = $('Imgicon');
  show(icon, !!b.iconfile);
  if (b.iconfile) icon.src = b.iconfile;
  BOXBUTTONS.forEach((id, i) => {
    const button = $(id);
    show(button, BOXSHOWN[b.buttons].includes(id));
    settext(button, b.captions[i]);
    button.classList.toggle('default', i === b.defaultButton);
  });
  // The left button of three saves the game, when it can be saved.
  $('Cmdl3').disabled = !b.saveOffered;
  $(BOXBUTTONS[b.defaultButton]).focus();
}

function renderfiles(v) {
  const f = v.files;
  show($('Fmfiles'), !!f);
  if (!f) {
    was.filesSerial = undefined;
    return;
  }
  settext($('Fmfiles_title'), captions.captions.Fmfiles + ' - ' + f.caption);
  setlist($('Drvfiles'), f.places);
  if (changed('dirs', [f.chain, f.folders])) {
    // The folders from the root down, each indented under the one above, then the subfolders.
    const last = f.chain[f.chain.length - 1];
    const items = [...f.chain.map((p, i) => [p, i, p === '/' ? '/' : p.split('/').at(-2)]),
      ...f.folders.map((n) => [last + n + '/', f.chain.length, n])];
    $('Dirfiles').replaceChildren(...items.map(([path, depth, label]) => {
      const li = document.createElement('li');
      li.textContent = '\u00a0'.repeat(depth * 2) + label;
      li.addEventListener('dblclick', () => forward('Dirfiles_Change', 0, 0, 0, path));
      return li;
    }));
  }
  if (changed('filelist', f.files)) {
    $('Filfiles').replaceChildren(...f.files.map((name, i) => {
      const li = document.createElement('li');
      li.textContent = name;
      li.addEventListener('click', () => forward('Filfiles_Click', i));
      li.addEventListener('dblclick', () => forward('Filfiles_DblClick', i));
      return li;
    }));
  }
  [...$('Filfiles').children].forEach((li, i) => li.classList.toggle('highlighted', i === f.highlighted));
  setvalue($('Txtfiles'), f.name);
  show($('Cmdopen'), f.opening);
  show($('Cmdsave'), !f.opening);
  $('Cmdexport').disabled = f.highlighted < 0;
  show($('Cmdimport'), f.opening);
  if (was.filesSerial !== f.serial && !v.box) {
    was.filesSerial = f.serial;
    $('Txtfiles').focus();
  }
}

function popupgamemenu() {
  closemenus();
  const game = menuitems.get('Mnugame');
  const popup = $('Popupmenu');
  popup.append(game.drop);
  game.drop.hidden = false;
  game.drop.style.left = lastpointer.x + 'px';
  game.drop.style.top = lastpointer.y + 'px';
  popup.hidden = false;
  openmenu = { title: game.el, drop: game.drop, active: -1 };
}
const lastpointer = { x: 0, y: 0 };

function quit() {
  for (const t of timers) if (t.handle) clearInterval(t.handle);
  for (const el of document.querySelectorAll('.window, .dialog')) el.hidden = true;
}

// ------------------------------------------------------------ the animation

// The scrolling sky of the idle picture and the bird flying over the record,
// both the desktop's pictures.  The sky is two copies side by side that slide
// left by a CSS animation, one pixel a tick of the desktop's 50 ms, and stand
// still where they are when the animation is switched off.  The bird moves on
// a timer of the page's own that runs only while it flies.
const animation = (() => {
  const TICK = 50, STEP = 5;                // ms, pixels a tick
  const WIDTH = 32, HEIGHT = 22, FRAMES = 4;  // one frame of pictures/bird.png
  const RECORD = 392;                       // the record's width
  let handle = null;
  let x = -WIDTH, frame = 0, lap = 0;
  let state = { on: true, idle: false, fly: false, trial: 0 };
  let titled = false;
  function drawfigure() {
    const bird = $('Figure');
    show(bird, state.fly);
    if (!state.fly) return;
    const y = Math.min(440, 18 + Math.max(0, state.trial - 1) * 16 + 8);
    bird.style.transform = `translate(${x}px, ${y - HEIGHT / 2}px)`;
    bird.firstChild.style.transform = `translateX(${-frame * WIDTH}px)`;
  }
  function tick() {
    x += STEP;
    // Out on the right, in again from the left.
    if (x >= RECORD) x = -WIDTH;
    frame = (frame + 1) % FRAMES;
    drawfigure();
  }
  return {
    update(v) {
      const next = { on: v.animation.on, idle: v.animation.on && v.shown.Picfore, fly: v.animation.on && v.animation.fly,
        trial: v.animation.trial, placed: v.animation.placed };
      if (v.animation.placed !== state.placed) x = -WIDTH;
      if (v.animation.winlaps !== lap) lap = v.animation.winlaps;
      state = next;
      if (v.shown.Picfore && !titled) {
        $('Skytitle').textContent = captions.captions.Picrecord;
        titled = true;
      }
      $('Sky').classList.toggle('moving', state.idle);
      if (!state.fly) drawfigure();
      if (state.fly && !handle) handle = setInterval(tick, TICK);
      if (!state.fly && handle) {
        clearInterval(handle);
        handle = null;
      }
    },
  };
})();

// ------------------------------------------------------------ events

function wire() {
  const click = (id, handler) => $(id).addEventListener('click', () => forward(handler));
  for (const id of ['Cmdstart', 'Cmdcancel', 'Cmdsubcol', 'Cmdsubnum', 'Cmderror', 'Cmdshowresult', 'Cmdoktrial',
    'Cmdokmark', 'Cmdready', 'Cmdgetresult', 'Cmdwin', 'Cmdtop', 'Cmdcontinue', 'Cmdgo', 'Cmdokname', 'Cmdsimulate',
    'Cmdinitstat', 'Cmdstat', 'Cmdokinstr', 'Cmdokabout', 'Cmdback', 'Cmdopen', 'Cmdsave', 'Fmfiles_Cmdcancel']) {
    click(id, id + '_Click');
  }
  $('Systembox_ok').addEventListener('click', () => forward('Systembox_Ok'));
  $('Optyesmark').addEventListener('click', () => forward('Optyesmark_Click'));
  $('Optnomark').addEventListener('click', () => forward('Optnomark_Click'));
  $('Cbtrialno').addEventListener('change', (e) => forward('Cbtrialno_Click', 0, 0, 0, e.target.value));
  $('Cbcorrect').addEventListener('change', (e) => forward('Cbcorrect_Click', 0, 0, 0, e.target.value));
  $('Cbwrong').addEventListener('change', (e) => forward('Cbwrong_Click', 0, 0, 0, e.target.value));
  $('Cbedit').addEventListener('change', (e) => forward('Cbedit_Click', 0, 0, 0, e.target.value));
  $('Txtinput').addEventListener('input', (e) => forward('Txtinput_Change', 0, 0, 0, e.target.value));
  $('Txtname').addEventListener('input', (e) => forward('Txtname_Change', 0, 0, 0, e.target.value));
  $('Txtfiles').addEventListener('input', (e) => forward('Txtfiles_Change', 0, 0, 0, e.target.value));
  ['Txtplayer', 'Txtduration', 'Txtattempt', 'Txtpopulation', 'Txtaverage'].forEach((id, field) =>
    $(id).addEventListener('input', (e) => forward('Txtedit_Change', field, 0, 0, e.target.value)));
  $('Hsbspeed').addEventListener('input', (e) => forward('Hsbspeed_Change', +e.target.value));
  $('Drvfiles').addEventListener('change', (e) => forward('Drvfiles_Change', e.target.selectedIndex));
  // A count box takes only what the module lets it: each key goes to the module.
  for (const id of ['Txtcorrect', 'Txtwrong']) {
    $(id).addEventListener('keydown', (e) => {
      if (e.key === 'Tab' || e.key === 'Enter' || e.key.startsWith('F')) return;
      e.preventDefault();
      if (/^[0-9]$/.test(e.key)) forward(id + '_KeyPress', e.key.charCodeAt(0));
      else if (e.key === 'Backspace') forward(id + '_KeyPress', 8);
    });
    $(id).addEventListener('paste', (e) => e.preventDefault());
  }
  BOXBUTTONS.forEach((id, i) => $(id).addEventListener('click', () => forward('Messagebutton_Click', i)));
  // A press on the record or on the idle picture: 1 the left button, 2 the right one.
  for (const id of ['Picrecord', 'Picfore']) {
    $(id).addEventListener('pointerdown', (e) => {
      lastpointer.x = e.clientX;
      lastpointer.y = e.clientY;
      if (e.button === 0 || e.button === 2) forward(id + '_MouseDown', e.button === 0 ? 1 : 2);
    });
    $(id).addEventListener('contextmenu', (e) => e.preventDefault());
  }
  $('Fmfiles').addEventListener('keyup', (e) => {
    if (e.key === 'Delete') forward('Fmfiles_Delete_KeyUp');
  });
  $('Cmdexport').addEventListener('click', exportgame);
  $('Cmdimport').addEventListener('click', () => $('Importfile').click());
  $('Importfile').addEventListener('change', importgame);
  document.addEventListener('keydown', keydown);
}

function keydown(e) {
  if (!started) return;
  if (openmenu) {
    menukey(e);
    return;
  }
  const f = /^F([1-9])$/.exec(e.key);
  if (f) {
    e.preventDefault();
    const item = captions.menus.find((m) => m.fkey === +f[1]);
    if (item && !view.box && !view.files && offered(item.name)) forward(item.name + '_Click');
    return;
  }
  if (e.altKey && /^[a-z]$/i.test(e.key) && !view.box && !view.files) {
    const top = [...menuitems.values()].find((m) => m.top && m.key === e.key.toLowerCase());
    if (top) {
      e.preventDefault();
      openmenuof(top.item.name);
      return;
    }
  }
  if (e.key === 'Enter') {
    if (view.box) {
      // The box's focused button, or its default one.
      e.preventDefault();
      const focused = BOXBUTTONS.find((id) => document.activeElement === $(id));
      forward('Messagebutton_Click', BOXBUTTONS.indexOf(focused ?? BOXBUTTONS[view.box.defaultButton]));
    } else if (view.files) {
      e.preventDefault();
      forward(view.files.opening ? 'Cmdopen_Click' : 'Cmdsave_Click');
    } else if (view.systembox) {
      e.preventDefault();
      forward('Systembox_Ok');
    } else if (!$('Fmmain').hidden && !view.instructions && !view.about) {
      e.preventDefault();
      forward('Enter_Keypress');
    }
    return;
  }
  if (e.key === 'Escape' && !view.box && !view.files && !$('Fmmain').hidden) forward('Escape_Keypress');
}

function menukey(e) {
  const items = openitems();
  const active = items.findIndex((el) => el.classList.contains('active'));
  const setactive = (i) => {
    items.forEach((el, k) => el.classList.toggle('active', k === i));
  };
  e.preventDefault();
  if (e.key === 'Escape') closemenus();
  else if (e.key === 'ArrowDown') setactive((active + 1) % items.length);
  else if (e.key === 'ArrowUp') setactive((active - 1 + items.length) % items.length);
  else if (e.key === 'Enter' || e.key === 'ArrowRight') {
    if (active >= 0) activate(items[active]);
  } else if (/^[a-z]$/i.test(e.key)) {
    const hit = items.find((el) => menuitems.get(el.id).key === e.key.toLowerCase());
    if (hit) activate(hit);
  }
}

function activate(el) {
  const entry = menuitems.get(el.id);
  if (entry.drop) {
    opensub(entry);
    const first = entry.drop.querySelector('.menuitem');
    if (first) first.classList.add('active');
  } else {
    choose(el.id);
  }
}

// ------------------------------------------------------------ files

// A saved game of the file window goes to the computer as a download...
function exportgame() {
  const f = view.files;
  if (!f || f.highlighted < 0) return;
  const name = f.files[f.highlighted];
  const bytes = M.FS.readFile(f.chain[f.chain.length - 1] + name);
  const a = document.createElement('a');
  a.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  a.download = name;
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(a.href), 10000);
}

// ...and one from the computer is loaded as the file window's Open loads one.
// It is read from a scratch folder outside the program folder, so a damaged
// file is refused and leaves nothing behind.
async function importgame(e) {
  const file = e.target.files[0];
  e.target.value = '';
  if (!file) return;
  const bytes = new Uint8Array(await file.arrayBuffer());
  const path = '/import/' + file.name.replace(/[\\/]/g, '_');
  try {
    M.FS.mkdir('/import');
  } catch {
    // already there
  }
  M.FS.writeFile(path, bytes);
  forward('Loadgame', 0, 0, 0, path);
}

function exists(path) {
  try {
    M.FS.stat(path);
    return true;
  } catch {
    return false;
  }
}

// The program folder lives in IndexedDB.  The first visit starts it from the
// records the site carries, the same the desktop is seeded with.
async function mountfolder() {
  M.FS.mkdir(FOLDER);
  M.FS.mount(M.IDBFS, {}, FOLDER);
  await syncfs(true);
  for (const sub of ['Winners', 'Files']) if (!exists(FOLDER + sub)) M.FS.mkdir(FOLDER + sub);
  for (const seed of captions.seeds) {
    if (exists(FOLDER + seed)) continue;
    const reply = await fetch(seed);
    if (reply.ok) M.FS.writeFile(FOLDER + seed, new Uint8Array(await reply.arrayBuffer()));
  }
  await syncfs(false);
  stamp = fingerprint(FOLDER);
}

// The names, sizes and times of everything under a folder: a change means
// something was written, deleted or moved there.
let stamp = '';
function fingerprint(folder) {
  let out = '';
  for (const name of M.FS.readdir(folder)) {
    if (name === '.' || name === '..') continue;
    const path = folder + name;
    const st = M.FS.stat(path);
    out += `${path}:${st.size}:${+st.mtime};`;
    if (M.FS.isDir(st.mode)) out += fingerprint(path + '/');
  }
  return out;
}

// ------------------------------------------------------------ start

function scale() {
  const s = Math.min(window.innerWidth / 800, window.innerHeight / 640);
  $('stage').style.transform = `scale(${s})`;
}

// One instance: a second tab of the page is refused and plays nothing.
function soleinstance() {
  if (!navigator.locks) return Promise.resolve(true);
  return new Promise((resolve) => {
    navigator.locks.request('tallimor-instance', { ifAvailable: true }, (lock) => {
      resolve(!!lock);
      return lock ? new Promise(() => {}) : undefined;
    });
  });
}

function titlewindow() {
  const title = $('Fmtitle');
  title.hidden = false;
  let timer = setTimeout(begin, 5000);
  function begin() {
    if (started) return;
    started = true;
    clearTimeout(timer);
    title.hidden = true;
    $('Fmmain').hidden = false;
    forward('Form_Activate', designer ? 1 : 0);
  }
  title.addEventListener('click', (e) => {
    if (!e.target.closest('#Inputbox') && e.target.id !== 'Lbldesign') begin();
  });
  // Ctrl+Alt and the right button on the designer's line ask for the password.
  $('Lbldesign').addEventListener('contextmenu', (e) => e.preventDefault());
  $('Lbldesign').addEventListener('pointerdown', (e) => {
    if (e.button === 2 && e.ctrlKey && e.altKey && !e.shiftKey && !started) {
      clearTimeout(timer);
      $('Inputbox').hidden = false;
      // After the press has settled, or it takes the focus back.
      setTimeout(() => $('Txtpassword').focus());
    } else if (e.button === 0) {
      begin();
    }
  });
  $('Inputbox').addEventListener('submit', (e) => {
    e.preventDefault();
    $('Inputbox').hidden = true;
    if ($('Txtpassword').value === captions.password) {
      designer = true;
      begin();
    } else {
      timer = setTimeout(begin, 5000);
    }
  });
}

async function main() {
  scale();
  window.addEventListener('resize', scale);
  M = await createTallimor();
  captions = JSON.parse(call('Tallimor_captions'));
  buildpanels();
  if (!(await soleinstance())) {
    settext($('Systembox_title'), captions.captions.Fmmain);
    settext($('Systembox_text'), captions.secondinstance);
    $('Systembox_ok').addEventListener('click', () => { $('Systembox').hidden = true; });
    $('Systembox').hidden = false;
    return;
  }
  await mountfolder();
  buildmenus();
  buildtoolbar();
  wire();
  // ?seed=N replays the games of a run (the same secret codes, the same draws).
  const seed = new URLSearchParams(location.search).get('seed');
  latest = call('Tallimor_start', FOLDER, /^\d+$/.test(seed ?? '') ? +seed : -1);
  render();
  titlewindow();
  window.tallimorReady = true;
}

main();
