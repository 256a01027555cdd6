// The page's side of Quillmere's web edition: it shows what the engine writes
// and hands it what the user does. Every rule, word and text of the program's
// is the engine's; the page knows its own controls and how a browser is used.
// Each component below keeps its own state; the page finds every control it
// uses by its data-control name.
const control = (name, scope = document) => scope.querySelector(`[data-control="${name}"]`);

// The value of the checked radio button of a pair, -1 when neither is.
const checkedValue = (radios) => {
  const checked = radios.find((radio) => radio.checked);
  return checked ? Number(checked.value) : -1;
};
const setChecked = (radios, value) => radios.forEach((radio) => { radio.checked = Number(radio.value) === value; });

// The engine bridge: one call at a time, as the Windows program takes one
// message at a time. A call made while another runs (a focus moved or an
// event fired in the middle of a command) is dropped.
function EngineBridge(module) {
  let running = false;
  return {
    get running() { return running; },
    call(name, ...args) {
      if (running) return;
      running = true;
      try {
        module[`_quill_${name}`](...args);
      } finally {
        running = false;
      }
    },
  };
}

// The list commit: a list browsed with the keyboard narrows nothing until the
// pick is committed, by Enter, by leaving the list, or by any command. A pick
// with no key (the mouse, a touch, the list's popup closing, or a script
// choosing the option, as assistive tools do) narrows at once, as in the
// Windows program. Every engine fires a list's change inside its keydown.
function ListCommit(lists, engine) {
  const pending = new Set();
  const commit = (list) => {
    if (!pending.has(list) || engine.running) return;
    pending.delete(list);
    engine.call('pick', list);
  };
  lists.forEach((element, list) => {
    let browsing = false;
    element.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') return commit(list);
      browsing = !event.altKey && !event.ctrlKey && !event.metaKey;
      setTimeout(() => { browsing = false; });
    });
    element.addEventListener('change', () => {
      if (browsing) return pending.add(list);
      pending.delete(list);
      engine.call('pick', list);
    });
    element.addEventListener('blur', () => commit(list));
  });
  return { commitAll: () => lists.forEach((_, list) => commit(list)) };
}

// The blocking box: a message or About blocks the form, as the Windows
// program's modal boxes block its main window, and nothing else: the
// settings stay usable, by mouse, keyboard and screen reader alike. The box
// takes the focus when it opens and gives it back when the last one closes.
function BlockingBox(form, boxes) {
  let returnFocus = null;
  const messages = [];
  const messageBox = control('message-box');
  const isOpen = () => boxes.some((box) => box.open);
  function open(box) {
    if (!isOpen()) returnFocus = document.activeElement;
    form.inert = true;
    box.show();
    control('close', box).focus();
  }
  function showNextMessage() {
    if (messageBox.open || messages.length === 0) return;
    control('message-text', messageBox).textContent = messages.shift();
    open(messageBox);
  }
  for (const box of boxes) {
    box.addEventListener('close', () => {
      showNextMessage();
      if (isOpen()) return;
      form.inert = false;
      const lost = !document.activeElement || document.activeElement === document.body || box.contains(document.activeElement);
      if (lost && returnFocus && returnFocus.isConnected) returnFocus.focus();
      returnFocus = null;
    });
    box.addEventListener('keydown', (event) => {
      if (event.key !== 'Escape') return;
      event.preventDefault();
      box.close();
    });
  }
  return {
    isOpen,
    open,
    message(text) {
      messages.push(text);
      showNextMessage();
    },
  };
}

// The copy status: Copy and Copy All say for a moment what they did, for the
// eye and, as a status, for a screen reader. The clipboard where the browser
// offers it (secure pages), else the copy a selection makes, which plain http
// pages allow.
function CopyStatus(status) {
  let shown = 0;
  let copies = 0;
  async function write(text) {
    try {
      await navigator.clipboard.writeText(text);
      return true;
    } catch (noClipboard) {
      const focused = document.activeElement;
      const carrier = document.createElement('textarea');
      carrier.className = 'copy-carrier';
      carrier.value = text;
      carrier.setAttribute('readonly', '');
      document.body.append(carrier);
      carrier.select();
      let copied = false;
      try { copied = document.execCommand('copy'); } catch (refused) { copied = false; }
      carrier.remove();
      if (focused && focused.isConnected) focused.focus();
      return copied;
    }
  }
  // What a copy says, as the page words it.
  const said = (copied, count) => {
    if (!copied) return status.dataset.refused;
    return count === 1 ? status.dataset.copied : status.dataset.copiedAll.replace('{count}', count);
  };
  return {
    copy(lines, count) {
      const copying = ++copies;
      clearTimeout(shown);
      status.textContent = '';
      write(lines).then((copied) => {
        // A moment later, so that a screen reader hears the same words again;
        // only the last copy says anything.
        shown = setTimeout(() => {
          if (copying !== copies) return;
          status.textContent = said(copied, count);
          if (copied) shown = setTimeout(() => { status.textContent = ''; }, 4000);
        }, 50);
      });
    },
  };
}

// The address follows the sentence on screen. A browser takes several
// milliseconds to rewrite it, and Safari refuses a page that rewrites it too
// often, so a burst of sentences writes it at most every tenth of a second,
// the last one always. A refused write is tried again a few times, then left
// until the next sentence.
function Address() {
  let due = '';
  let timer = 0;
  let refusals = 0;
  const page = () => location.href.split('#')[0];
  const link = () => (due ? `${page()}#${due}` : page());
  function write() {
    timer = 0;
    if (location.href === link()) return;
    try {
      history.replaceState(null, '', link());
    } catch (refused) {
      if (++refusals === 5) return;
    }
    timer = setTimeout(write, 100);
  }
  return {
    link(fragment) {
      due = fragment;
      refusals = 0;
      if (!timer) write();
    },
    // The link the address is on its way to.
    get due() { return link(); },
    // The address made the link at once, as a reload must find it.
    settle() {
      clearTimeout(timer);
      timer = 0;
      try { history.replaceState(null, '', link()); } catch (refused) { /* the reload keeps the older link */ }
    },
  };
}

// The site's worker, where the page is published with one (the page's
// data-worker names it): registered once the page has loaded, so that its
// copy of the site never holds up the page. It looks for a newer site each
// time the page is shown again, and once an hour besides; a newer site,
// installed and waiting, is offered with a Reload, which hands it the page
// at once, the sentence on screen kept in the address.
function SiteWorker(status, reload, address) {
  const script = document.documentElement.dataset.worker;
  if (!script || !('serviceWorker' in navigator)) return;
  const workers = navigator.serviceWorker;
  let asked = false;
  const offer = () => {
    status.textContent = status.dataset.ready;
    reload.hidden = false;
  };
  addEventListener('load', async () => {
    const registration = await workers.register(script).catch(() => null);
    if (!registration) return;
    const look = () => registration.update().catch(() => {});
    document.addEventListener('visibilitychange', () => { if (document.visibilityState === 'visible') look(); });
    setInterval(look, 3600 * 1000);
    // A newer worker installed while an older one serves the page waits for it.
    const waits = () => registration.waiting && workers.controller;
    if (waits()) offer();
    registration.addEventListener('updatefound', () => {
      const installing = registration.installing;
      installing.addEventListener('statechange', () => { if (installing.state === 'installed' && waits()) offer(); });
    });
    reload.addEventListener('click', () => {
      address.settle();
      asked = true;
      if (registration.waiting) registration.waiting.postMessage('take-over');
      else location.reload();
    });
    workers.addEventListener('controllerchange', () => { if (asked) location.reload(); });
  });
}

Module.onRuntimeInitialized = () => {
  const form = control('form');
  const settings = control('settings');
  // The engine numbers its lists and the settings' modes; the page finds the
  // control of each number by the name the engine gives it.
  const [listNames, modeNames] = UTF8ToString(Module._quill_control_names()).split('\n').map((line) => line.split(' '));
  const lists = listNames.map((name) => document.querySelector(`[data-list="${name}"]`));
  const modes = modeNames.map((name) => settings.querySelector(`[data-mode="${name}"]`));
  const figures = [...control('figure').querySelectorAll('input')];
  const conventional = control('conventional');
  const output = control('output');
  const pair = (number) => [...modes[number].querySelectorAll('input[type=radio]')];
  const box = (number) => control('box', modes[number]);

  const engine = EngineBridge(Module);
  const listCommit = ListCommit(lists, engine);
  const blocking = BlockingBox(form, [control('message-box'), control('about-box')]);
  const copyStatus = CopyStatus(control('copy-status'));
  const address = Address();
  const share = control('share');
  SiteWorker(control('update-status'), control('reload'), address);

  // What the engine reads and writes, as the Windows shell does its controls.
  Module.page = {
    fill(list, lines) {
      const texts = lines.split('\n');
      texts.pop();
      lists[list].replaceChildren(...texts.map((text) => new Option(text)));
      lists[list].selectedIndex = -1;
    },
    select(list, position) { lists[list].selectedIndex = position; },
    selected: (list) => lists[list].selectedIndex,
    figure: () => checkedValue(figures),
    setFigure(figure) { setChecked(figures, figure); },
    conventional: () => (conventional.checked ? 1 : 0),
    setConventional(on) { conventional.checked = on !== 0; },
    output: () => output.textContent,
    // No more of the address than the engine asks for.
    fragment: (limit) => location.hash.slice(1, 1 + limit),
    setOutput(text) { if (output.textContent !== text) output.textContent = text; },
    // Each change said once: a screen reader hears a status each time it is written.
    listNote(text) { if (control('list-note').textContent !== text) control('list-note').textContent = text; },
    message: (text) => blocking.message(text),
    copy: (lines, count) => copyStatus.copy(lines, count),
    canCopy(sentence, all) {
      control('copy').disabled = !sentence;
      control('copy-all').disabled = !all;
      // Share where the browser offers it: phones, Safari, Edge on Windows.
      share.hidden = typeof navigator.share !== 'function';
      share.disabled = !sentence;
    },
    link: (fragment) => address.link(fragment),
    about(version, copyright, notice, site) {
      control('about-version').textContent = version;
      control('about-copyright').textContent = copyright;
      control('about-notice').textContent = notice;
      Object.assign(control('about-site'), { href: site, target: '_blank', rel: 'noopener noreferrer' });
    },
    showSettings(open) {
      if (!open) {
        const hadFocus = settings.contains(document.activeElement);
        settings.close();
        if (hadFocus) control('configure-auto').focus();
        return;
      }
      if (!settings.open) settings.show();
      // Where the user looks: on a narrow screen the panel lies below the form.
      settings.scrollIntoView({ block: 'nearest' });
      control('randomize-everything').focus({ preventScroll: true });
    },
    box: (number) => (box(number).checked ? 1 : 0),
    setBox(number, on) { box(number).checked = on !== 0; },
    choice: (number) => checkedValue(pair(number)),
    setChoice(number, choice) { setChecked(pair(number), choice); },
    enablePair(number, on) { pair(number).forEach((radio) => { radio.disabled = !on; }); },
  };

  // Every command takes a pick the keyboard made first, as leaving the list
  // would, and runs alone.
  const command = (run) => () => {
    if (engine.running) return;
    listCommit.commitAll();
    run();
  };
  const onCommand = (element, event, run) => element.addEventListener(event, command(run));
  const onEngineCommand = (element, event, name, ...args) => onCommand(element, event, () => engine.call(name, ...args));
  onEngineCommand(control('generate'), 'click', 'generate');
  onEngineCommand(control('auto-generate'), 'click', 'auto_generate');
  onEngineCommand(control('reset'), 'click', 'reset');
  onEngineCommand(conventional, 'change', 'conventional');
  onEngineCommand(control('configure-auto'), 'click', 'open_settings');
  onEngineCommand(control('copy'), 'click', 'copy');
  onEngineCommand(control('copy-all'), 'click', 'copy_all');
  onCommand(control('about'), 'click', () => blocking.open(control('about-box')));
  // A share the user cancels is no error and says nothing.
  onCommand(share, 'click', () => navigator.share({ text: output.textContent, url: address.due }).catch(() => {}));

  onEngineCommand(control('randomize-everything'), 'click', 'randomize_everything');
  onEngineCommand(control('settings-ok'), 'click', 'close_settings');
  modes.forEach((mode, number) => {
    onEngineCommand(box(number), 'change', 'settings_box', number);
    for (const radio of pair(number)) onEngineCommand(radio, 'change', 'settings_radio', number);
  });
  // Esc closes the settings; so does Enter anywhere but on a button, as OK is
  // their default button.
  const closeSettings = command(() => engine.call('close_settings'));
  settings.addEventListener('keydown', (event) => {
    const onButton = event.target.closest('button, a');
    if (event.key === 'Escape' || (event.key === 'Enter' && !onButton)) {
      event.preventDefault();
      closeSettings();
    }
  });

  const copySentence = command(() => engine.call('copy'));
  // Ctrl+C takes the sentence when no text on the page is selected and no
  // message or About is up.
  document.addEventListener('keydown', (event) => {
    const copyKey = (event.ctrlKey || event.metaKey) && !event.altKey && event.key.toLowerCase() === 'c';
    if (copyKey && String(window.getSelection()) === '' && !blocking.isOpen()) copySentence();
  });
  onEngineCommand(window, 'hashchange', 'open_link');

  engine.call('start');
  // With the first frame, not before it: a focus now would lay the page out
  // once more before it is shown.
  requestAnimationFrame(() => {
    if (document.activeElement === document.body) lists[0].focus();
  });
};
