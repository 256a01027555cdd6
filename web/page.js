// The page's side of Quillmere's web edition: it shows what the engine writes
// and hands it what the user does. Every rule, word and text of the program's
// is the engine's; the page knows its own controls and how a browser is used.
Module.onRuntimeInitialized = () => {
  const one = (selector, scope = document) => scope.querySelector(selector);
  const all = (selector, scope = document) => [...scope.querySelectorAll(selector)];
  const form = one('main');
  const lists = all('.word-list');
  const figures = all('input[name=figure]');
  const conventional = one('.conventional');
  const output = one('.output');
  const listNote = one('.list-note');
  const copyStatus = one('.copy-status');
  const command = (name) => one(`[data-command="${name}"]`);
  const settings = one('.settings');
  const mode = (number) => one(`[data-mode="${number}"]`, settings);
  const pair = (number) => all('input[type=radio]', mode(number));
  const messageBox = one('.message');
  const aboutBox = one('.about');
  const messages = [];

  // A message or About blocks the form, as the Windows program's modal boxes
  // block its main window, and nothing else: the settings stay usable. The
  // focus goes into the box, Tab keeps it there, and it comes back on close.
  let returnFocus = null;
  const blocking = [messageBox, aboutBox];
  const openBlocker = () => blocking.find((box) => box.open);
  // Over the form it blocks, as a Windows message box stands over its owner,
  // and so beside the settings when they lie to the form's right.
  function place(box) {
    const area = form.getBoundingClientRect();
    box.style.left = `${Math.max(8, area.left + (area.width - box.offsetWidth) / 2)}px`;
    box.style.right = 'auto';
  }
  addEventListener('resize', () => blocking.forEach((box) => box.open && place(box)));
  function block(box, focus) {
    if (!form.inert) returnFocus = document.activeElement;
    form.inert = true;
    box.show();
    place(box);
    focus.focus();
  }
  function unblock() {
    if (openBlocker()) return;
    form.inert = false;
    if (returnFocus && returnFocus.isConnected) returnFocus.focus();
    returnFocus = null;
  }
  for (const box of blocking) {
    box.addEventListener('close', () => (box === messageBox && messages.length ? showNextMessage() : unblock()));
    box.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') {
        event.preventDefault();
        box.close();
      } else if (event.key === 'Tab') {
        const stops = all('a[href], button', box);
        const at = stops.indexOf(document.activeElement);
        const next = (at + (event.shiftKey ? stops.length - 1 : 1)) % stops.length;
        event.preventDefault();
        stops[at < 0 ? 0 : next].focus();
      }
    });
  }
  function showNextMessage() {
    if (messageBox.open || messages.length === 0) return;
    one('.message-text', messageBox).textContent = messages.shift();
    block(messageBox, one('button', messageBox));
  }

  // Copy and Copy All say for a moment what they did, for the eye and, as a
  // status, for a screen reader.
  let copyShown = 0;
  let copies = 0;

  // The clipboard where the browser offers it (secure pages), else the copy a
  // selection makes, which plain http pages allow; whether either worked.
  async function writeClipboard(text) {
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

  // The address follows the sentence on screen. A browser takes several
  // milliseconds to rewrite it, so a burst of sentences writes it at most
  // every tenth of a second, the last one always.
  let linkDue = '';
  let addressTimer = 0;
  function writeAddress() {
    addressTimer = 0;
    const hash = linkDue ? `#${linkDue}` : '';
    if (location.hash === hash) return;
    history.replaceState(null, '', hash || location.pathname + location.search);
    addressTimer = setTimeout(writeAddress, 100);
  }

  // The value of the checked radio button of a pair, -1 when neither is.
  const checkedValue = (radios) => {
    const checked = radios.find((radio) => radio.checked);
    return checked ? Number(checked.value) : -1;
  };

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
    setFigure(figure) { figures.forEach((radio) => { radio.checked = Number(radio.value) === figure; }); },
    conventional: () => (conventional.checked ? 1 : 0),
    setConventional(on) { conventional.checked = on !== 0; },
    output: () => output.textContent,
    // No more of the address than the engine asks for.
    fragment: (limit) => location.hash.slice(1, 1 + limit),
    setOutput(text) { if (output.textContent !== text) output.textContent = text; },
    listNote(text) { listNote.textContent = text; },
    message(text) {
      messages.push(text);
      showNextMessage();
    },
    copy(text, done) {
      const copying = ++copies;
      clearTimeout(copyShown);
      copyStatus.textContent = '';
      writeClipboard(text).then((copied) => {
        // A moment later, so that a screen reader hears the same words again;
        // only the last copy says anything.
        copyShown = setTimeout(() => {
          if (copying !== copies) return;
          copyStatus.textContent = copied ? done : copyStatus.dataset.refused;
          if (copied) copyShown = setTimeout(() => { copyStatus.textContent = ''; }, 4000);
        }, 50);
      });
    },
    canCopy(sentence, all) {
      command('copy').disabled = !sentence;
      command('copy-all').disabled = !all;
    },
    link(fragment) {
      linkDue = fragment;
      if (!addressTimer) writeAddress();
    },
    about(version, copyright, notice, site) {
      one('.about-version').textContent = version;
      one('.about-copyright').textContent = copyright;
      one('.about-notice').textContent = notice;
      one('.about-site').href = site;
    },
    showSettings(open) {
      if (!open) {
        const hadFocus = settings.contains(document.activeElement);
        settings.close();
        if (hadFocus) command('configure-auto').focus();
        return;
      }
      if (!settings.open) settings.show();
      // Where the user looks: on a narrow screen the panel lies below the form.
      settings.scrollIntoView({ block: 'nearest' });
      one('.randomize-everything').focus({ preventScroll: true });
    },
    box: (number) => (one('.box', mode(number)).checked ? 1 : 0),
    setBox(number, on) { one('.box', mode(number)).checked = on !== 0; },
    choice: (number) => checkedValue(pair(number)),
    setChoice(number, choice) { pair(number).forEach((radio) => { radio.checked = Number(radio.value) === choice; }); },
    enablePair(number, on) { pair(number).forEach((radio) => { radio.disabled = !on; }); },
  };

  // A list browsed with the keyboard narrows nothing until the pick is
  // committed: Enter, or the list left. A pick with no key (the mouse, a
  // touch, the list's popup closing, or a script choosing the option, as
  // assistive tools do) narrows at once, as in the Windows program.
  const pending = new Set();
  const commit = (list) => {
    if (pending.delete(list)) Module._quill_pick(list);
  };
  const commitAll = () => lists.forEach((_, list) => commit(list));
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
      Module._quill_pick(list);
    });
    element.addEventListener('blur', () => commit(list));
  });

  // Every command takes a pick the keyboard made first, as leaving the list would.
  const on = (element, event, call) => element.addEventListener(event, () => {
    commitAll();
    call();
  });
  on(command('generate'), 'click', () => Module._quill_generate());
  on(command('auto-generate'), 'click', () => Module._quill_auto_generate());
  on(command('reset'), 'click', () => Module._quill_reset());
  on(conventional, 'change', () => Module._quill_conventional());
  on(command('configure-auto'), 'click', () => Module._quill_open_settings());
  on(command('copy'), 'click', () => Module._quill_copy());
  on(command('copy-all'), 'click', () => Module._quill_copy_all());
  on(command('about'), 'click', () => block(aboutBox, one('button', aboutBox)));

  on(one('.randomize-everything'), 'click', () => Module._quill_randomize_everything());
  on(one('.settings-ok'), 'click', () => Module._quill_close_settings());
  for (const fieldset of all('.mode', settings)) {
    const number = Number(fieldset.dataset.mode);
    on(one('.box', fieldset), 'change', () => Module._quill_settings_box(number));
    for (const radio of pair(number)) on(radio, 'change', () => Module._quill_settings_radio(number));
  }
  // Esc closes the settings; so does Enter anywhere but on a button, as OK is
  // their default button.
  settings.addEventListener('keydown', (event) => {
    const onButton = event.target.closest('button, a');
    if (event.key === 'Escape' || (event.key === 'Enter' && !onButton)) {
      event.preventDefault();
      Module._quill_close_settings();
    }
  });

  // Ctrl+C takes the sentence when no text on the page is selected and no
  // message or About is up.
  document.addEventListener('keydown', (event) => {
    const copyKey = (event.ctrlKey || event.metaKey) && !event.altKey && event.key.toLowerCase() === 'c';
    if (copyKey && String(window.getSelection()) === '' && !openBlocker()) Module._quill_copy();
  });
  addEventListener('hashchange', () => {
    commitAll();
    Module._quill_open_link();
  });

  Module._quill_start();
  // With the first frame, not before it: a focus now would lay the page out
  // once more before it is shown.
  requestAnimationFrame(() => {
    if (document.activeElement === document.body) lists[0].focus();
  });
};
