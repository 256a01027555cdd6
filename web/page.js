// The page's side of Quillmere's web edition: it shows what the engine writes
// and hands it what the user does. Every rule, word and text is the engine's.
(() => {
  const $ = (id) => document.getElementById(id);
  const lists = [$('concept'), $('action'), $('object')];
  const figures = [$('metaphor'), $('simile')];
  const settings = $('settings');
  const modes = [...settings.querySelectorAll('fieldset')];
  const pair = (mode) => [...modes[mode].querySelectorAll('input[type=radio]')];
  const messageBox = $('message');
  const messages = [];
  let returnFocus = null;

  function showNextMessage() {
    if (messageBox.open || messages.length === 0) return;
    $('message-text').textContent = messages.shift();
    returnFocus = returnFocus || document.activeElement;
    messageBox.showModal();
    $('message-ok').focus();
  }
  messageBox.addEventListener('close', () => {
    if (messages.length) return showNextMessage();
    if (returnFocus && returnFocus.isConnected) returnFocus.focus();
    returnFocus = null;
  });

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
    figure: () => figures.findIndex((radio) => radio.checked),
    setFigure(figure) { figures.forEach((radio, index) => { radio.checked = index === figure; }); },
    conventional: () => ($('conventional').checked ? 1 : 0),
    setConventional(on) { $('conventional').checked = on !== 0; },
    output: () => $('output').textContent,
    fragment: () => location.hash.slice(1),
    setOutput(text) { if ($('output').textContent !== text) $('output').textContent = text; },
    message(text) { messages.push(text); showNextMessage(); },
    copy(text) { navigator.clipboard.writeText(text).catch(() => {}); },
    canCopy(sentence, all) { $('copy').disabled = !sentence; $('copy-all').disabled = !all; },
    link(fragment) { history.replaceState(null, '', '#' + fragment); },
    about(version, copyright, notice, site) {
      $('about-version').textContent = version;
      $('about-copyright').textContent = copyright;
      $('about-notice').textContent = notice;
      $('about-site').href = site;
    },
    showSettings(open) {
      if (!open) return settings.close();
      if (!settings.open) settings.show();
      $('randomize-everything').focus();
    },
    box: (mode) => (modes[mode].querySelector('.box').checked ? 1 : 0),
    setBox(mode, on) { modes[mode].querySelector('.box').checked = on !== 0; },
    choice: (mode) => pair(mode).findIndex((radio) => radio.checked),
    setChoice(mode, choice) { pair(mode).forEach((radio, index) => { radio.checked = index === choice; }); },
    enablePair(mode, on) { pair(mode).forEach((radio) => { radio.disabled = !on; }); },
  };

  function start() {
    const click = (id, call) => $(id).addEventListener('click', call);
    lists.forEach((list, index) => list.addEventListener('change', () => Module._quill_pick(index)));
    click('generate', () => Module._quill_generate());
    click('auto-generate', () => Module._quill_auto_generate());
    click('reset', () => Module._quill_reset());
    $('conventional').addEventListener('change', () => Module._quill_conventional());
    click('configure-auto', () => Module._quill_open_settings());
    click('copy', () => Module._quill_copy());
    click('copy-all', () => Module._quill_copy_all());
    click('about', () => {
      $('about-box').showModal();
      $('about-ok').focus();
    });
    click('randomize-everything', () => Module._quill_randomize_everything());
    click('settings-ok', () => Module._quill_close_settings());
    modes.forEach((fieldset, mode) => {
      fieldset.querySelector('.box').addEventListener('change', () => Module._quill_settings_box(mode));
      pair(mode).forEach((radio) => radio.addEventListener('change', () => Module._quill_settings_radio(mode)));
    });
    settings.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') Module._quill_close_settings();
    });
    // Ctrl+C takes the sentence when nothing on the page is selected.
    document.addEventListener('keydown', (event) => {
      const copyKey = (event.ctrlKey || event.metaKey) && !event.altKey && event.key.toLowerCase() === 'c';
      if (copyKey && String(window.getSelection()) === '' && !messageBox.open) Module._quill_copy();
    });
    addEventListener('hashchange', () => Module._quill_open_link());
    Module._quill_start();
  }

  if (runtimeInitialized) start();
  else Module.onRuntimeInitialized = start;
})();
